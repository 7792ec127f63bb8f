#pragma once

#include "CurveSet.h"
#include "DisplayOrder.h"
#include "model/ProjectData.h"

namespace quenra {

// What the parts of one curve rebuild share: the project, the evaluated tests, the demand
// points read once, and the set being filled.
struct CurveBuild {
    const ProjectData& Project;
    const EvaluatedTests& Evaluated;
    CurveSet& Set;
    int LineWidth = 1;
    PerTest<double> DemandFlow{}; // the project's demand set: pump or hydrant points
    PerTest<double> DemandPressure{};

    CurveSeries& Series(int index) { return Set.Curves.Series(index); }

    // Series `index` with its colour, symbol and whether its points are joined.
    CurveSeries& Styled(int index, Colour colour, PointSymbol symbol, bool isCurve) {
        CurveSeries& series = Series(index);
        series.Color = colour;
        series.Symbol = symbol;
        series.IsCurve = isCurve;
        return series;
    }

    // Puts a computed curve into series `index` and returns its point count; a curve with a
    // point beyond what a series can hold is left out (0).
    int FillCurve(int index, std::span<const FlowPressure> points) {
        return FitsStoredValues(points) ? Set.Curves.SetPoints(index, points) : 0;
    }
};

// The parts of the rebuild, in the order it runs them.
void BuildSupplyCurves(CurveBuild& build);
void BuildRatedPumpCurves(CurveBuild& build);
void BuildNfpaReferences(CurveBuild& build);
void BuildPumpTestCurves(CurveBuild& build, const PerTest<bool>& flaggedPumpTests);
void BuildDemandPoints(CurveBuild& build);

} // namespace quenra
