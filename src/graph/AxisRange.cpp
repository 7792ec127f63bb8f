#include "AxisRange.h"

#include "AxisTransform.h"
#include "hydraulics/CurveTable.h"
#include "hydraulics/NumberText.h"
#include "hydraulics/SeriesNumbers.h"
#include "hydraulics/UnitFactors.h"
#include "model/ProjectData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quenra {

namespace {

// The largest magnitude a series can hold; typed values beyond it are held there.
constexpr double kLargestAxisValue = std::numeric_limits<float>::max();

double ReadLimit(const QString& text) {
    return std::clamp(ParseNumber(text), -kLargestAxisValue, kLargestAxisValue);
}

void OpenFlatRange(AxisRange& range) {
    if (range.Max == range.Min) {
        range.Min -= kFlatRangeHalfWidth;
        range.Max += kFlatRangeHalfWidth;
    }
    if (!(range.Max > range.Min)) { // half a unit is lost on values this large
        range.Min = std::nextafter(range.Min, -kLargestAxisValue * 2);
        range.Max = std::nextafter(range.Max, kLargestAxisValue * 2);
    }
}

bool IsDemandPoint(int index) {
    return index >= series::DemandPoint(1) && index <= series::DemandPoint(kTestCount);
}

// The smallest and largest flow and the highest pressure of the shown points.
struct Extremes {
    double MinFlow = std::numeric_limits<double>::infinity();
    double MaxFlow = -std::numeric_limits<double>::infinity();
    double MaxPressure = -std::numeric_limits<double>::infinity(); // the axis starts at 0

    void Take(const CurveSeries& series) {
        if (series.PointCount <= 0) {
            return;
        }
        const std::size_t shown = std::min(
            {static_cast<std::size_t>(series.PointCount), series.X.size(), series.Y.size()});
        for (std::size_t point = 0; point < shown; ++point) {
            const double flow = series.X[point];
            const double pressure = series.Y[point];
            if (!std::isfinite(flow) || !std::isfinite(pressure)) {
                continue;
            }
            MinFlow = std::min(MinFlow, flow);
            MaxFlow = std::max(MaxFlow, flow);
            MaxPressure = std::max(MaxPressure, pressure);
        }
    }
};

} // namespace

GraphRanges AutomaticRanges(const CurveTable& curves, int unitSystem) {
    Extremes extremes;
    for (int index = 1; index <= CurveTable::kSeriesCount; ++index) {
        const CurveSeries& series = curves.Series(index);
        if (series.IsCurve || IsDemandPoint(index)) {
            extremes.Take(series);
        }
    }
    if (extremes.MinFlow > extremes.MaxFlow) { // no point shown
        extremes.MinFlow = extremes.MaxFlow = extremes.MaxPressure = 0;
    }
    const UnitFactors units = UnitFactorsFor(unitSystem);
    double pressureHeadroom = kAutomaticPressureHeadroom * units.Pressure;
    if (!IsEnglishUnits(unitSystem) && extremes.MaxPressure > 0) {
        pressureHeadroom = std::min(pressureHeadroom, extremes.MaxPressure / 2);
    }
    GraphRanges ranges;
    ranges.Flow = {extremes.MinFlow, extremes.MaxFlow + kAutomaticFlowHeadroom * units.Flow};
    ranges.Pressure = {0, extremes.MaxPressure + pressureHeadroom};
    return ranges;
}

GraphRanges ChooseRanges(const ProjectData& project, const CurveTable& curves) {
    GraphRanges ranges = AutomaticRanges(curves, project.UnitSystem);
    if (!project.DefaultPressureRange) {
        AxisRange& pressure = ranges.Pressure;
        pressure.Min = ReadLimit(project.MinPressure);
        pressure.Max = ReadLimit(project.MaxPressure);
        if (pressure.Max < pressure.Min) {
            pressure.Max = pressure.Min + kUserPressureSpan;
        }
    }
    if (!project.DefaultFlowRange) {
        AxisRange& flow = ranges.Flow;
        flow.Min = ReadLimit(project.MinFlowText);
        if (FlowScaleFromIndex(project.FlowScaleIndex) == FlowScale::Modified && flow.Min < 0) {
            flow.Min = 0;
        }
        flow.Max = ReadLimit(project.MaxFlowText);
        if (flow.Max < flow.Min) {
            flow.Max = flow.Min + kUserFlowSpan;
        }
    }
    OpenFlatRange(ranges.Pressure);
    OpenFlatRange(ranges.Flow);
    return ranges;
}

} // namespace quenra
