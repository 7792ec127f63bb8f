#pragma once

#include "AxisRange.h"
#include "AxisScale.h"
#include "AxisTransform.h"
#include "NiceTicks.h"
#include "PlotGeometry.h"

namespace quenra {

class CurveTable;
struct ProjectData;

// At most this many grid intervals on either axis.
constexpr int kMostGridIntervals = 12;
// The pressure grid is never coarser than this step.
constexpr double kPressureStepLimit = 5;

// Everything about the two axes that does not depend on pixels: the scales, the ranges and
// the ticks (taken on the untransformed ranges).
struct GraphAxes {
    int FlowScaleIndex = flow_scale::Normal;
    int PressureScaleIndex = pressure_scale::Normal;
    GraphRanges Ranges;
    Ticks FlowTicks;
    Ticks PressureTicks;
};

// The axes of the graph of `project` over the series of `curves`; the pressure scale has no
// option on the screen and is linear unless given.
GraphAxes MakeGraphAxes(const ProjectData& project, const CurveTable& curves,
                        int pressureScaleIndex = pressure_scale::Normal);

// The pixel maps of both axes once the plot rectangle is known.
AxisScale FlowPixelScale(const GraphAxes& axes, const PlotGeometry& plot);
AxisScale PressurePixelScale(const GraphAxes& axes, const PlotGeometry& plot);

} // namespace quenra
