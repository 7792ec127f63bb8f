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
// The pressure grid is never coarser than this step in psi; other unit systems take the same
// pressure in their own unit.
constexpr double kPressureStepLimit = 5;

// Everything about the two axes that does not depend on pixels: the scales, the ranges and
// the ticks (taken on the untransformed ranges).
struct GraphAxes {
    int UnitSystem = 0;
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

// Outside English units, a pressure grid whose labels would stand closer than `textHeight`
// pixels on the plot takes the next coarser step until they stand apart (a unit much smaller
// or larger than the psi would otherwise print its labels over each other). English graphs
// keep their grid. Returns true when the ticks changed, and with them the widest label.
bool SpreadPressureLabels(GraphAxes& axes, const PlotGeometry& plot, int textHeight);

// The pixel maps of both axes once the plot rectangle is known.
AxisScale FlowPixelScale(const GraphAxes& axes, const PlotGeometry& plot);
AxisScale PressurePixelScale(const GraphAxes& axes, const PlotGeometry& plot);

} // namespace quenra
