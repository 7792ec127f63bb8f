#include "AxisRange.h"

#include "AxisTransform.h"
#include "hydraulics/CurveTable.h"
#include "hydraulics/NumberText.h"
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

} // namespace

GraphRanges AutomaticRanges(const CurveTable& curves) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    double minFlow = kInfinity, maxFlow = -kInfinity;
    double maxPressure = -kInfinity; // the pressure axis always starts at 0
    for (int index = 1; index <= CurveTable::kSeriesCount; ++index) {
        const CurveSeries& series = curves.Series(index);
        if (!series.IsCurve || series.PointCount <= 0) {
            continue;
        }
        const std::size_t shown = std::min(
            {static_cast<std::size_t>(series.PointCount), series.X.size(), series.Y.size()});
        for (std::size_t point = 0; point < shown; ++point) {
            const double flow = series.X[point];
            const double pressure = series.Y[point];
            if (!std::isfinite(flow) || !std::isfinite(pressure)) {
                continue;
            }
            minFlow = std::min(minFlow, flow);
            maxFlow = std::max(maxFlow, flow);
            maxPressure = std::max(maxPressure, pressure);
        }
    }
    if (minFlow > maxFlow) { // no point shown
        minFlow = maxFlow = maxPressure = 0;
    }
    GraphRanges ranges;
    ranges.Flow = {minFlow, maxFlow + kAutomaticFlowHeadroom};
    ranges.Pressure = {0, maxPressure + kAutomaticPressureHeadroom};
    return ranges;
}

GraphRanges ChooseRanges(const ProjectData& project, const CurveTable& curves) {
    GraphRanges ranges = AutomaticRanges(curves);
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
        if (project.FlowScaleIndex == flow_scale::Modified && flow.Min < 0) {
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
