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

// Room left above the highest point so that the curves do not run along the frame.
constexpr double kAutomaticPressureHeadroom = 25;
constexpr double kAutomaticFlowHeadroom = 250;
// The span given to a user range whose maximum lies below its minimum.
constexpr double kUserPressureSpan = 100;
constexpr double kUserFlowSpan = 500;
// How far each end of a range without width moves out.
constexpr double kFlatRangeHalfWidth = 0.5;

// The automatic ranges: the extremes of the shown points of every joined series, pressure from
// 0 with headroom, flow from its smallest value with headroom. Without any shown point the
// extremes are taken as 0, which gives pressure 0..25 and flow 0..250.
GraphRanges AutomaticRanges(const CurveTable& curves);

// The ranges the graph uses: automatic, or the user's where "Use Default" is off; a range
// without width is opened to 1. Typed values are held within the magnitude of the stored
// series values so that no later step overflows.
GraphRanges ChooseRanges(const ProjectData& project, const CurveTable& curves);

} // namespace quenra
