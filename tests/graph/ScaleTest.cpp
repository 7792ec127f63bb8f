#include "graph/AxisRange.h"
#include "graph/AxisScale.h"
#include "graph/AxisTransform.h"
#include "graph/GraphAxes.h"
#include "graph/NiceTicks.h"
#include "graph/PlotGeometry.h"
#include "hydraulics/CurveTable.h"
#include "model/ProjectData.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace quenra {
namespace {

// A project whose ranges are automatic on both axes, on the given flow scale.
ProjectData AutomaticProject(FlowScale flowScale = FlowScale::Normal) {
    ProjectData project;
    project.DefaultPressureRange = true;
    project.DefaultFlowRange = true;
    project.FlowScaleIndex = static_cast<int>(flowScale);
    return project;
}

// A curve table with one joined series through (0, 155) and (1250, 0).
CurveTable SupplyLikeCurves() {
    CurveTable curves;
    const std::array<FlowPressure, 3> points{{{0, 155}, {600, 120}, {1250, 0}}};
    curves.SetPoints(1, points);
    curves.Series(1).PointCount = 3;
    return curves;
}

TEST(GraphAxes, PressuresUpTo155GiveARangeTo180WithStep5) {
    // Pressure 0..155 automatic: 0 .. 155 + 25 = 180. Steps below 5 give more than 12
    // intervals (2.5 -> 72); 5 is the smallest accepted step, so it is taken although
    // 180 / 5 = 36 intervals. Ticks from 0 (min is 0) to trunc(180 / 5) + 1 = 37:
    // 38 ticks, 0, 5, ..., 185.
    const GraphAxes axes = MakeGraphAxes(AutomaticProject(), SupplyLikeCurves());
    EXPECT_EQ(axes.Ranges.Pressure, (AxisRange{0, 180}));
    EXPECT_DOUBLE_EQ(axes.PressureTicks.Step, 5);
    EXPECT_EQ(axes.PressureTicks.FirstIndex, 0);
    EXPECT_EQ(axes.PressureTicks.Count, 38);
    EXPECT_DOUBLE_EQ(axes.PressureTicks.Value(37), 185);
}

TEST(GraphAxes, FlowsUpTo1250GiveARangeTo1500WithStep200) {
    // Flow 0..1250 automatic: 0 .. 1250 + 250 = 1500. 1500 / 100 = 15 intervals (> 12),
    // 1500 / 200 = 7.5 -> 7 (<= 12): step 200. Ticks 0 .. trunc(1500 / 200) + 1 = 8: 9 ticks.
    const GraphAxes axes = MakeGraphAxes(AutomaticProject(), SupplyLikeCurves());
    EXPECT_EQ(axes.Ranges.Flow, (AxisRange{0, 1500}));
    EXPECT_DOUBLE_EQ(axes.FlowTicks.Step, 200);
    EXPECT_EQ(axes.FlowTicks.FirstIndex, 0);
    EXPECT_EQ(axes.FlowTicks.Count, 9);
    EXPECT_EQ(axes.FlowTicks.Exponent, 2);
    EXPECT_EQ(TickLabel(axes.FlowTicks, 3), QStringLiteral("600"));
}

TEST(AxisRanges, AutomaticFlowStartsAtTheSmallestShownFlow) {
    // Only the shown points of joined series count: the hidden third point (flow 5000) and the
    // unjoined series 2 (flow 9000) are left out. Pressure starts at 0 even below the points.
    CurveTable curves;
    const std::array<FlowPressure, 3> points{{{300, 80}, {700, 40}, {5000, 900}}};
    curves.SetPoints(1, points);
    curves.Series(1).PointCount = 2;
    const std::array<FlowPressure, 1> symbol{{{9000, 500}}};
    curves.SetPoints(2, symbol);
    curves.Series(2).PointCount = 1;
    curves.Series(2).IsCurve = false;
    const GraphRanges ranges = AutomaticRanges(curves);
    EXPECT_EQ(ranges.Flow, (AxisRange{300, 700 + 250}));
    EXPECT_EQ(ranges.Pressure, (AxisRange{0, 80 + 25}));
}

TEST(AxisRanges, NoShownPointGivesTheHeadroomFromZero) {
    const GraphRanges ranges = ChooseRanges(AutomaticProject(), CurveTable{});
    EXPECT_EQ(ranges.Flow, (AxisRange{0, 250}));
    EXPECT_EQ(ranges.Pressure, (AxisRange{0, 25}));
}

TEST(AxisRanges, UserPressureMaximumBelowMinimumGetsASpanOf100) {
    // 50..40: 40 < 50, so max = 50 + 100 = 150.
    ProjectData project = AutomaticProject();
    project.DefaultPressureRange = false;
    project.MinPressure = QStringLiteral("50");
    project.MaxPressure = QStringLiteral("40");
    EXPECT_EQ(ChooseRanges(project, SupplyLikeCurves()).Pressure, (AxisRange{50, 150}));
}

TEST(AxisRanges, UserFlowMaximumBelowMinimumGetsASpanOf500) {
    ProjectData project = AutomaticProject();
    project.DefaultFlowRange = false;
    project.MinFlowText = QStringLiteral("1000");
    project.MaxFlowText = QStringLiteral("abc"); // unreadable: 0, below 1000
    EXPECT_EQ(ChooseRanges(project, SupplyLikeCurves()).Flow, (AxisRange{1000, 1500}));
}

TEST(AxisRanges, AFlatUserRangeOpensByHalfAUnitEachWay) {
    // 300..300 -> 299.5..300.5; blank pressures read 0..0 -> -0.5..0.5.
    ProjectData project = AutomaticProject();
    project.DefaultFlowRange = false;
    project.MinFlowText = QStringLiteral("300");
    project.MaxFlowText = QStringLiteral(" 300 ");
    project.DefaultPressureRange = false;
    project.MinPressure = QString();
    project.MaxPressure = QString();
    const GraphRanges ranges = ChooseRanges(project, SupplyLikeCurves());
    EXPECT_EQ(ranges.Flow, (AxisRange{299.5, 300.5}));
    EXPECT_EQ(ranges.Pressure, (AxisRange{-0.5, 0.5}));
}

TEST(AxisRanges, ANegativeMinimumFlowBecomesZeroOnlyOnTheModifiedScale) {
    ProjectData project = AutomaticProject(FlowScale::Modified);
    project.DefaultFlowRange = false;
    project.MinFlowText = QStringLiteral("-100");
    project.MaxFlowText = QStringLiteral("1000");
    EXPECT_EQ(ChooseRanges(project, SupplyLikeCurves()).Flow, (AxisRange{0, 1000}));
    project.FlowScaleIndex = 0;
    EXPECT_EQ(ChooseRanges(project, SupplyLikeCurves()).Flow, (AxisRange{-100, 1000}));
}

TEST(AxisRanges, AbsurdUserValuesStayFinite) {
    ProjectData project = AutomaticProject(FlowScale::Modified);
    project.DefaultFlowRange = false;
    project.MinFlowText = QStringLiteral("1e300");
    project.MaxFlowText = QStringLiteral("-1e300");
    project.DefaultPressureRange = false;
    project.MinPressure = QStringLiteral("-1e300");
    project.MaxPressure = QStringLiteral("1e300");
    const GraphAxes axes = MakeGraphAxes(project, SupplyLikeCurves());
    EXPECT_TRUE(std::isfinite(axes.Ranges.Flow.Max));
    // min + 500 and the half units are lost at this magnitude; the range still has width.
    EXPECT_LT(axes.Ranges.Flow.Min, axes.Ranges.Flow.Max);
    EXPECT_TRUE(std::isfinite(axes.Ranges.Pressure.Min));
    // Ranges this wide have no round step with a drawable number of ticks.
    EXPECT_EQ(axes.PressureTicks.Count, 0);
    const PlotGeometry plot{100, 40, 900, 600};
    const int x = FlowPixelScale(axes, plot).ToPixel(1000);
    const int y = PressurePixelScale(axes, plot).ToPixel(100);
    EXPECT_LE(std::abs(x), kFarthestPixel);
    EXPECT_LE(std::abs(y), kFarthestPixel);
}

TEST(NiceTicks, HalfStepsAndTenthsGiveLabelDecimals) {
    // 0..30: 1 -> 30, 2 -> 15, 2.5 -> 12 intervals: step 2.5 = 2.5 * 10^0, exponent 0 - 1.
    const Ticks halves = NiceTicks(0, 30, 12, 0);
    EXPECT_DOUBLE_EQ(halves.Step, 2.5);
    EXPECT_EQ(halves.Exponent, -1);
    EXPECT_EQ(TickLabelDecimals(halves), 1);
    EXPECT_EQ(TickLabel(halves, 3), QStringLiteral("7.5"));
    EXPECT_EQ(TickLabel(halves, 2), QStringLiteral("5"));
    // 0..3: 0.1 -> 30, 0.2 -> 15, 0.25 -> 12: step 0.25 = 2.5 * 10^-1, exponent -2.
    const Ticks quarters = NiceTicks(0, 3, 12, 0);
    EXPECT_DOUBLE_EQ(quarters.Step, 0.25);
    EXPECT_EQ(TickLabelDecimals(quarters), 2);
    EXPECT_EQ(TickLabel(quarters, 3), QStringLiteral("0.75"));
    // 0..0.6: 0.05 -> 12: step 5 * 10^-2, two decimals; tick 3 is 0.15000000000000002.
    const Ticks twentieths = NiceTicks(0, 0.6, 12, 0);
    EXPECT_EQ(TickLabelDecimals(twentieths), 2);
    EXPECT_DOUBLE_EQ(RoundedTickValue(twentieths, 3), 0.15);
    EXPECT_EQ(TickLabel(twentieths, 3), QStringLiteral("0.15"));
}

TEST(NiceTicks, ANegativeMinimumStartsOneStepBelow) {
    // -100..1000: 1100 / 100 = 11 intervals: step 100. First index trunc(-1) - 1 = -2,
    // last trunc(10) + 1 = 11, count 11 - (-2) + 1 = 14: ticks -200 .. 1100; index 2 is 0.
    const Ticks ticks = NiceTicks(-100, 1000, 12, 0);
    EXPECT_DOUBLE_EQ(ticks.Step, 100);
    EXPECT_EQ(ticks.FirstIndex, -2);
    EXPECT_EQ(ticks.Count, 14);
    EXPECT_DOUBLE_EQ(ticks.Value(0), -200);
    EXPECT_TRUE(ticks.IsZero(2));
    EXPECT_FALSE(ticks.IsZero(0));
}

TEST(NiceTicks, ThePressureStepLimitCapsACoarseStep) {
    // 0..1000 with at most 12 intervals alone would take 100; the limit 5 stops at 5 and
    // gives 1000 / 5 + 1 + 1 = 202 ticks.
    const Ticks ticks = NiceTicks(0, 1000, kMostGridIntervals, kPressureStepLimit);
    EXPECT_DOUBLE_EQ(ticks.Step, 5);
    EXPECT_EQ(ticks.Count, 202);
}

TEST(NiceTicks, BadRangesGiveNoTicksOrFewSteps) {
    EXPECT_EQ(NiceTicks(std::nan(""), 10, 12, 0).Count, 0);
    EXPECT_EQ(NiceTicks(0, HUGE_VAL, 12, 0).Count, 0);
    // A flat range far from 0: the finest step would number the ticks beyond an int.
    const Ticks flat = NiceTicks(1e20, 1e20, 12, 0);
    EXPECT_LE(flat.Count, kMostTicks);
    // A range with more ticks than can be drawn at the accepted step takes a coarser one.
    const Ticks wide = NiceTicks(0, 1e6, 12, kPressureStepLimit);
    EXPECT_GT(wide.Step, 5);
    EXPECT_LE(wide.Count, kMostTicks);
}

// The record's flow scale index: an index the list does not have draws the normal scale.
TEST(AxisTransform, StoredFlowScaleIndex) {
    EXPECT_EQ(FlowScaleFromIndex(0), FlowScale::Normal);
    EXPECT_EQ(FlowScaleFromIndex(1), FlowScale::Modified);
    EXPECT_EQ(FlowScaleFromIndex(2), FlowScale::Log);
    EXPECT_EQ(FlowScaleFromIndex(3), FlowScale::Normal);
    EXPECT_EQ(FlowScaleFromIndex(-1), FlowScale::Normal);
}

TEST(AxisTransform, ValuesOnEveryScale) {
    EXPECT_DOUBLE_EQ(ScaleFlow(FlowScale::Normal, -40), -40);
    // 100^1.852 = 10^3.704; 0 and negatives give 0 on the power scale.
    EXPECT_NEAR(ScaleFlow(FlowScale::Modified, 100), std::pow(10.0, 3.704), 1e-9);
    EXPECT_DOUBLE_EQ(ScaleFlow(FlowScale::Modified, -5), 0);
    EXPECT_DOUBLE_EQ(ScaleFlow(FlowScale::Log, 1000), 3);
    EXPECT_DOUBLE_EQ(ScaleFlow(FlowScale::Log, 0), -100);
    EXPECT_DOUBLE_EQ(ScalePressure(PressureScale::Normal, 65), 65);
    EXPECT_DOUBLE_EQ(ScalePressure(PressureScale::Log, 100), 2);
    EXPECT_DOUBLE_EQ(ScalePressure(PressureScale::Log, -1), -100);
    EXPECT_NEAR(ScalePressure(PressureScale::Modified, 10), std::pow(10.0, 1.852), 1e-12);
    EXPECT_DOUBLE_EQ(ScalePressure(PressureScale::Modified, -1), 0);
    EXPECT_DOUBLE_EQ(ScaleFlow(FlowScaleFromIndex(7), 12), 12); // unknown index: linear
}

TEST(AxisTransform, TicksOffTheScaleAreSkipped) {
    EXPECT_TRUE(FlowTickShown(FlowScale::Normal, -200));
    EXPECT_FALSE(FlowTickShown(FlowScale::Modified, -200));
    EXPECT_TRUE(FlowTickShown(FlowScale::Modified, 0));
    EXPECT_TRUE(FlowTickShown(FlowScale::Log, 0));
    EXPECT_FALSE(PressureTickShown(PressureScale::Log, 0));
    EXPECT_TRUE(PressureTickShown(PressureScale::Modified, 0));
    EXPECT_FALSE(PressureTickShown(PressureScale::Modified, -5));
    EXPECT_TRUE(PressureTickShown(PressureScale::Normal, -5));
}

// With a plot 1070 pixels wide the flow ends land where the margins put them on every
// scale: the widened span is 1.07 times the transformed span, the minimum lies 0.02 of it
// above the low end -> 0.02 / 1.07 * 1070 = 20, the maximum 1.02 / 1.07 * 1070 = 1020.
TEST(AxisScale, FlowEndsOnEveryScale) {
    for (const FlowScale flowScale : {FlowScale::Normal, FlowScale::Modified, FlowScale::Log}) {
        const AxisScale scale = FlowAxisScale(flowScale, {10, 1000}, 100, 1170);
        EXPECT_EQ(scale.ToPixel(10), 120) << static_cast<int>(flowScale);
        EXPECT_EQ(scale.ToPixel(1000), 1120) << static_cast<int>(flowScale);
    }
}

TEST(AxisScale, FlowMiddleDependsOnTheScale) {
    // 0..100 onto 0..1070. Linear: 50 -> (0.02 + 0.5) * 1000 = 520.
    EXPECT_EQ(FlowAxisScale(FlowScale::Normal, {0, 100}, 0, 1070).ToPixel(50), 520);
    // Modified: 50^1.852 / 100^1.852 = 0.5^1.852 = e^(-1.852 * 0.693147) = 0.277008,
    // (0.02 + 0.277008) * 1000 = 297.008 -> 297. Below 0 the power scale gives 0 -> 20.
    const AxisScale modified = FlowAxisScale(FlowScale::Modified, {0, 100}, 0, 1070);
    EXPECT_EQ(modified.ToPixel(50), 297);
    EXPECT_EQ(modified.ToPixel(-30), 20);
    // Log over 0..1000: ends -100 and 3, span 103, widened -102.06 .. 8.15 (span 110.21);
    // flow 1 -> 0: (0 + 102.06) / 110.21 * 1070 = 990.87 -> 991.
    EXPECT_EQ(FlowAxisScale(FlowScale::Log, {0, 1000}, 0, 1070).ToPixel(1), 991);
}

// Pressure onto bottom 1100 .. top 0: widened by 0.05 each side, span 1.1 times; the minimum
// lies 0.05 / 1.1 * 1100 = 50 above the bottom (y 1050), the maximum at y 50.
TEST(AxisScale, PressureEndsOnEveryScaleAndLargerPressureHigher) {
    for (const PressureScale pressureScale :
         {PressureScale::Normal, PressureScale::Log, PressureScale::Modified}) {
        const AxisScale scale = PressureAxisScale(pressureScale, {1, 100}, 1100, 0);
        EXPECT_EQ(scale.ToPixel(1), 1050) << static_cast<int>(pressureScale);
        EXPECT_EQ(scale.ToPixel(100), 50) << static_cast<int>(pressureScale);
    }
    // Log 1..100 spans 0..2: pressure 10 -> 1, (0.05 + 0.5) / 1.1 * 1100 = 550 -> y 550.
    EXPECT_EQ(PressureAxisScale(PressureScale::Log, {1, 100}, 1100, 0).ToPixel(10), 550);
    // Modified 0..100: 50 -> 0.277008, (0.05 + 0.277008) * 1000 = 327.008 -> y 1100 - 327.
    EXPECT_EQ(PressureAxisScale(PressureScale::Modified, {0, 100}, 1100, 0).ToPixel(50), 773);
}

TEST(AxisScale, WidenedRangesOfTheGraph) {
    // Flow 0..1500: -0.02 * 1500 = -30, 1500 + 0.05 * 1500 = 1575.
    const AxisScale flow = FlowAxisScale(FlowScale::Normal, {0, 1500}, 0, 1605);
    EXPECT_DOUBLE_EQ(flow.WidenedLow(), -30);
    EXPECT_DOUBLE_EQ(flow.WidenedHigh(), 1575);
    // Pixel per flow unit 1605 / 1605 = 1: flow 0 at 30; 600 at 630.
    EXPECT_EQ(flow.ToPixel(0), 30);
    EXPECT_EQ(flow.ToPixel(600), 630);
    // Pressure 0..180: -9 .. 189.
    const AxisScale pressure = PressureAxisScale(PressureScale::Normal, {0, 180}, 600, 0);
    EXPECT_DOUBLE_EQ(pressure.WidenedLow(), -9);
    EXPECT_DOUBLE_EQ(pressure.WidenedHigh(), 189);
}

TEST(AxisScale, ARangeWithoutWidthPutsEveryValueInTheMiddle) {
    // Log scale over negative flows: both ends are -100, nothing to spread.
    const AxisScale flat = FlowAxisScale(FlowScale::Log, {-10, -5}, 100, 301);
    EXPECT_EQ(flat.ToPixel(-7), 200); // 100 + 0.5 * 201 = 200.5 -> 200 (halves to even)
    EXPECT_EQ(flat.ToPixel(1e30), 200);
    const AxisScale same = FlowAxisScale(FlowScale::Normal, {5, 5}, 0, 0);
    EXPECT_EQ(same.ToPixel(std::nan("")), 0);
    // A value far off the plot is held at a coordinate a painter takes.
    const AxisScale normal = FlowAxisScale(FlowScale::Normal, {0, 1}, 0, 1000);
    EXPECT_EQ(normal.ToPixel(1e300), kFarthestPixel);
    EXPECT_EQ(normal.ToPixel(-HUGE_VAL), -kFarthestPixel);
}

TEST(PlotGeometry, FontHeightFollowsTheBitmap) {
    // 1024 x 700: (350 + 1024 + 1000) / 135 = 2374 / 135 = 17; Large 22, Small 12.
    EXPECT_EQ(GraphFontHeight(1024, 700, GraphFontSize::Medium), 17);
    EXPECT_EQ(GraphFontHeight(1024, 700, GraphFontSize::Large), 22);
    EXPECT_EQ(GraphFontHeight(700, 1024, GraphFontSize::Small), 12);
    // 200 x 100: (50 + 200 + 1000) / 135 = 9 -> below 11 -> 14.
    EXPECT_EQ(GraphFontHeight(200, 100, GraphFontSize::Medium), 14);
    // 3000 x 2318: (1159 + 3000 + 1000) / 135 = 38, Large 43 -> 40.
    EXPECT_EQ(GraphFontHeight(3000, 2318, GraphFontSize::Large), 40);
    EXPECT_EQ(GraphFontHeight(0, -50, GraphFontSize::Medium), 14);
    // The stored index: 0 small, 2 large, anything else medium.
    EXPECT_EQ(GraphFontSizeFromIndex(0), GraphFontSize::Small);
    EXPECT_EQ(GraphFontSizeFromIndex(2), GraphFontSize::Large);
    EXPECT_EQ(GraphFontSizeFromIndex(1), GraphFontSize::Medium);
    EXPECT_EQ(GraphFontSizeFromIndex(5), GraphFontSize::Medium);
}

TEST(PlotGeometry, FontHeightIsLoweredUntilTheLegendFits) {
    EXPECT_EQ(FitGraphFontHeight(22, [](int height) { return height <= 18; }), 18);
    EXPECT_EQ(FitGraphFontHeight(22, [](int) { return false; }), 4);
    EXPECT_EQ(FitGraphFontHeight(22, [](int) { return true; }), 22);
}

TEST(PlotGeometry, RectangleLeavesRoomForTitlesLabelsAndLegend) {
    // 1024 x 700, legend 230, h 17, widest label 30: R = 1024 - 230 = 794, T = 34,
    // B = 700 - 42.5 = 657.5 -> 658 (halves to even), L = 34 + 30 = 64.
    EXPECT_EQ(ComputePlotGeometry(1024, 700, 230, 17, 30), (PlotGeometry{64, 34, 794, 658}));
    // h 18: B = 700 - 45 = 655.
    EXPECT_EQ(ComputePlotGeometry(1024, 700, 230, 18, 30).Bottom, 655);
}

} // namespace
} // namespace quenra
