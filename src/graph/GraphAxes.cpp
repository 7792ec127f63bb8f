#include "GraphAxes.h"

#include "hydraulics/UnitFactors.h"
#include "model/ProjectData.h"

#include <cstdlib>
#include <limits>

namespace quenra {

namespace {

constexpr double kNoSmallestFlowStep = 0;

double PressureStepLimit(int unitSystem) {
    return kPressureStepLimit * UnitFactorsFor(unitSystem).Pressure;
}

Ticks PressureTicks(const GraphAxes& axes, double coarserThan = 0) {
    return NiceTicks(axes.Ranges.Pressure.Min, axes.Ranges.Pressure.Max, kMostGridIntervals,
                     PressureStepLimit(axes.UnitSystem), coarserThan);
}

// The smallest distance in pixels between two neighbouring pressure labels on the plot.
int NarrowestLabelGap(const GraphAxes& axes, const PlotGeometry& plot) {
    const AxisScale pressure = PressurePixelScale(axes, plot);
    int narrowest = std::numeric_limits<int>::max();
    bool havePrevious = false;
    int previous = 0;
    for (int i = 0; i < axes.PressureTicks.Count; ++i) {
        if (!PressureTickShown(axes.PressureScaleChoice, axes.PressureTicks.Value(i))) {
            continue;
        }
        const int y = pressure.ToPixel(RoundedTickValue(axes.PressureTicks, i));
        if (y <= plot.Top || y >= plot.Bottom) {
            continue;
        }
        if (havePrevious) {
            narrowest = std::min(narrowest, std::abs(previous - y));
        }
        previous = y;
        havePrevious = true;
    }
    return narrowest;
}

} // namespace

GraphAxes MakeGraphAxes(const ProjectData& project, const CurveTable& curves,
                        PressureScale pressureScale) {
    GraphAxes axes;
    axes.UnitSystem = project.UnitSystem;
    axes.FlowScaleChoice = FlowScaleFromIndex(project.FlowScaleIndex);
    axes.PressureScaleChoice = pressureScale;
    axes.Ranges = ChooseRanges(project, curves);
    axes.FlowTicks = NiceTicks(axes.Ranges.Flow.Min, axes.Ranges.Flow.Max, kMostGridIntervals,
                               kNoSmallestFlowStep);
    axes.PressureTicks = PressureTicks(axes);
    return axes;
}

bool SpreadPressureLabels(GraphAxes& axes, const PlotGeometry& plot, int textHeight) {
    if (IsEnglishUnits(axes.UnitSystem)) {
        return false;
    }
    bool changed = false;
    while (axes.PressureTicks.Count > 0 && NarrowestLabelGap(axes, plot) < textHeight) {
        const Ticks coarser = PressureTicks(axes, axes.PressureTicks.Step);
        if (coarser.Count == 0) {
            break; // no coarser step left: keep the last grid
        }
        axes.PressureTicks = coarser;
        changed = true;
    }
    return changed;
}

std::vector<PressureLabelRow> PressureLabelRows(const GraphAxes& axes, const PlotGeometry& plot,
                                                int textHeight) {
    const AxisScale pressure = PressurePixelScale(axes, plot);
    std::vector<PressureLabelRow> rows;
    for (int i = 0; i < axes.PressureTicks.Count; ++i) {
        if (!PressureTickShown(axes.PressureScaleChoice, axes.PressureTicks.Value(i))) {
            continue;
        }
        const int y = pressure.ToPixel(RoundedTickValue(axes.PressureTicks, i));
        if (plot.Top < y && y < plot.Bottom &&
            (rows.empty() || std::abs(rows.back().Y - y) >= textHeight)) {
            rows.push_back({i, y});
        }
    }
    return rows;
}

AxisScale FlowPixelScale(const GraphAxes& axes, const PlotGeometry& plot) {
    return FlowAxisScale(axes.FlowScaleChoice, axes.Ranges.Flow, plot.Left, plot.Right);
}

AxisScale PressurePixelScale(const GraphAxes& axes, const PlotGeometry& plot) {
    return PressureAxisScale(axes.PressureScaleChoice, axes.Ranges.Pressure, plot.Bottom, plot.Top);
}

} // namespace quenra
