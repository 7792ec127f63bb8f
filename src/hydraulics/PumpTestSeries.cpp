// The pump test series of the curve rebuild: test points, fitted net and discharge curves,
// the straight polyline of a test with bad data, and the pressures at the demand points.
#include "CurveBuild.h"
#include "PumpTestCurve.h"
#include "PumpTestPoints.h"
#include "SeriesNumbers.h"

#include <optional>

namespace quenra {

namespace {

struct PumpTestBuild {
    int Test = 0;
    bool NetShown = false;
    bool DischargeShown = false;
    bool Evaluated = false;
    std::vector<FlowPressure> NetReadings;
    std::vector<FlowPressure> DischargeReadings;
    std::optional<PumpTestCurve> Net;
    std::optional<PumpTestCurve> Discharge;
    bool Bad = false;

    bool Displayed() const { return NetShown || DischargeShown; }
};

// The readings as symbols; a blank row between readings stays a point at zero.
void PlaceReadings(CurveBuild& build, int index, const std::vector<FlowPressure>& readings,
                   Colour colour, PointSymbol symbol, bool shown) {
    build.Set.Curves.SetPoints(index, readings);
    build.Styled(index, colour, symbol, false).PointCount =
        shown ? static_cast<int>(readings.size()) : 0;
}

// The fitted curve, or for a test with bad data its readings joined by straight lines.
void PlaceCurve(CurveBuild& build, int index, const std::optional<PumpTestCurve>& curve,
                const std::vector<FlowPressure>& readings, Colour colour, bool shown, bool bad) {
    CurveSeries& series = build.Styled(index, colour, PointSymbol::None, true);
    int count = 0;
    if (bad)
        count = build.Set.Curves.SetPoints(index, readings);
    else if (curve)
        count = build.FillCurve(index, curve->Points());
    series.PointCount = shown ? count : 0;
}

// The evaluated pump test gives the pump's and the boosted pressure at each demand flow that
// lies on its curves; the safety cushion follows every time the boosted pressure may have.
void EvaluateDemandPoints(CurveBuild& build, const PumpTestBuild& test) {
    DemandResults& demand = build.Set.Demand;
    for (int k = 1; k <= kTestCount; ++k) {
        const double flow = build.DemandFlow[k];
        const auto updateCushion = [&] {
            demand.CushionAtDemand[k] =
                ToStoredValue(demand.BoostedAtDemand[k] - build.DemandPressure[k]);
        };
        if (test.Net) {
            if (const std::optional<double> pump = test.Net->PressureAt(flow)) {
                demand.PumpAtDemand[k] = ToStoredValue(*pump);
                updateCushion();
            }
        }
        if (test.Discharge) {
            if (const std::optional<double> boosted = test.Discharge->PressureAt(flow)) {
                demand.BoostedAtDemand[k] = ToStoredValue(*boosted);
                updateCushion();
            }
        }
    }
}

void BuildPumpTest(CurveBuild& build, PumpTestBuild& test, bool flagged) {
    const ProjectData& project = build.Project;
    const int t = test.Test;
    test.NetReadings = ReadPumpTestPoints(project, t, PumpCurveKind::Net);
    test.DischargeReadings = ReadPumpTestPoints(project, t, PumpCurveKind::Discharge);
    PlaceReadings(build, series::PumpTestNetPoints(t), test.NetReadings, project.PumpTestColor[t],
                  PointSymbolFromIndex(project.PumpTestSymbol), test.NetShown);
    PlaceReadings(build, series::PumpTestDischargePoints(t), test.DischargeReadings,
                  project.PumpTestCombinedColor[t], PointSymbolFromIndex(project.SupplySymbol),
                  test.DischargeShown);

    // A test the error check found fault with is not fitted at all.
    test.Bad = flagged;
    if (!flagged) {
        test.Net = PumpTestCurve::Fit(test.NetReadings);
        test.Discharge = PumpTestCurve::Fit(test.DischargeReadings);
        // A displayed discharge curve that cannot be fitted marks the test as well, so that
        // no curve is left out without its mark in the legend.
        test.Bad = !test.Net || (test.DischargeShown && !test.Discharge);
    }
    if (test.Evaluated)
        EvaluateDemandPoints(build, test);

    PlaceCurve(build, series::PumpTestNetCurve(t), test.Net, test.NetReadings,
               project.PumpTestColor[t], test.NetShown, test.Bad);
    PlaceCurve(build, series::PumpTestDischargeCurve(t), test.Discharge, test.DischargeReadings,
               project.PumpTestCombinedColor[t], test.DischargeShown, test.Bad);
    build.Set.BadData[t] = test.Bad;
}

} // namespace

void BuildPumpTestCurves(CurveBuild& build, const PerTest<bool>& flaggedPumpTests) {
    const ProjectData& project = build.Project;
    if (project.IsHydrantTest)
        return;
    for (int t = 1; t <= kTestCount; ++t) {
        PumpTestBuild test;
        test.Test = t;
        test.NetShown = project.PumpTestInGraph[t];
        test.DischargeShown = project.PumpTestCombined[t];
        test.Evaluated = t == build.Evaluated.PumpTest;
        // Beside the displayed tests, the evaluated test's curves give the pump and boosted
        // pressures at the demand points even when they are not drawn.
        if (test.Displayed() || test.Evaluated)
            BuildPumpTest(build, test, flaggedPumpTests[t]);
    }
}

} // namespace quenra
