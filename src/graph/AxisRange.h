#pragma once

namespace quenra {

class CurveTable;
struct ProjectData;

// The untransformed flow or pressure values an axis spans, before the margins are added.
struct AxisRange {
    double Min = 0;
    double Max = 0;

    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

// The ranges of both axes of the graph.
struct GraphRanges {
    AxisRange Flow;
    AxisRange Pressure;

    friend bool operator==(const GraphRanges&, const GraphRanges&) = default;
};

// Room left above the highest point and beyond the largest flow so that the curves do not run
// along the frame, in psi and gpm; other unit systems get the same room in their own units.
constexpr double kAutomaticPressureHeadroom = 25;
constexpr double kAutomaticFlowHeadroom = 250;
// The span given to a user range whose maximum lies below its minimum.
constexpr double kUserPressureSpan = 100;
constexpr double kUserFlowSpan = 500;
// How far each end of a range without width moves out.
constexpr double kFlatRangeHalfWidth = 0.5;

// The automatic ranges: the extremes of the shown points of every joined series and of every
// shown demand point (a demand beyond the curves is the one the inspector must see), pressure
// from 0 with headroom, flow from its smallest value with headroom. The headroom is 25 psi and
// 250 gpm carried into the project's units; outside English units it is at most half the
// highest pressure, so that the curves fill the upper half of the plot whatever the size of
// the unit. Without any shown point the extremes are taken as 0, which gives pressure 0..25
// and flow 0..250 (in English units).
GraphRanges AutomaticRanges(const CurveTable& curves, int unitSystem = 0);

// The ranges the graph uses: automatic, or the user's where "Use Default" is off; a range
// without width is opened to 1. Typed values are held within the magnitude of the stored
// series values so that no later step overflows.
GraphRanges ChooseRanges(const ProjectData& project, const CurveTable& curves);

} // namespace quenra
