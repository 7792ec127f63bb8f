#include "GraphAxes.h"

#include "model/ProjectData.h"

namespace quenra {

namespace {

constexpr double kNoSmallestFlowStep = 0;

} // namespace

GraphAxes MakeGraphAxes(const ProjectData& project, const CurveTable& curves,
                        int pressureScaleIndex) {
    GraphAxes axes;
    axes.FlowScaleIndex = project.FlowScaleIndex;
    axes.PressureScaleIndex = pressureScaleIndex;
    axes.Ranges = ChooseRanges(project, curves);
    axes.FlowTicks = NiceTicks(axes.Ranges.Flow.Min, axes.Ranges.Flow.Max, kMostGridIntervals,
                               kNoSmallestFlowStep);
    axes.PressureTicks = NiceTicks(axes.Ranges.Pressure.Min, axes.Ranges.Pressure.Max,
                                   kMostGridIntervals, kPressureStepLimit);
    return axes;
}

AxisScale FlowPixelScale(const GraphAxes& axes, const PlotGeometry& plot) {
    return FlowAxisScale(axes.FlowScaleIndex, axes.Ranges.Flow, plot.Left, plot.Right);
}

AxisScale PressurePixelScale(const GraphAxes& axes, const PlotGeometry& plot) {
    return PressureAxisScale(axes.PressureScaleIndex, axes.Ranges.Pressure, plot.Bottom, plot.Top);
}

} // namespace quenra
