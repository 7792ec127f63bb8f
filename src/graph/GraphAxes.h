#pragma once

#include "AxisRange.h"
#include "AxisScale.h"
#include "AxisTransform.h"
#include "NiceTicks.h"
#include "PlotGeometry.h"

#include <vector>

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
    FlowScale FlowScaleChoice = FlowScale::Normal;
    PressureScale PressureScaleChoice = PressureScale::Normal;
    GraphRanges Ranges;
    Ticks FlowTicks;
    Ticks PressureTicks;
};

// The axes of the graph of `project` over the series of `curves`; the pressure scale has no
// option on the screen and is linear unless given.
GraphAxes MakeGraphAxes(const ProjectData& project, const CurveTable& curves,
                        PressureScale pressureScale = PressureScale::Normal);

// Outside English units, a pressure grid whose labels would stand closer than `textHeight`
// pixels on the plot takes the next coarser step until they stand apart (a unit much smaller
// or larger than the psi would otherwise print its labels over each other). English graphs
// keep their grid. Returns true when the ticks changed, and with them the widest label.
bool SpreadPressureLabels(GraphAxes& axes, const PlotGeometry& plot, int textHeight);

// A pressure label the page draws: its tick and the pixel row of its grid line.
struct PressureLabelRow {
    int Tick = 0;
    int Y = 0;
};

// The pressure labels a page draws, from the bottom up: every shown tick inside the plot but
// one closer than `textHeight` to the label below it, so that a small graph never prints its
// labels over each other (English grids keep their 5 psi lines, only their labels thin out).
std::vector<PressureLabelRow> PressureLabelRows(const GraphAxes& axes, const PlotGeometry& plot,
                                                int textHeight);

// The pixel maps of both axes once the plot rectangle is known.
AxisScale FlowPixelScale(const GraphAxes& axes, const PlotGeometry& plot);
AxisScale PressurePixelScale(const GraphAxes& axes, const PlotGeometry& plot);

} // namespace quenra
