// The three laws behind the graph's curves, against hand calculations.
#include "hydraulics/PumpTestCurve.h"
#include "hydraulics/RatedPumpCurve.h"
#include "hydraulics/SupplyCurve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quenra {
namespace {

TEST(SupplyCurve, StaticEightyResidualSixtyAtThousand) {
    // C = (80 - 60) / 1000^1.852 = 20 / 359749.9 = 5.559427e-5
    // Qmax = (80 / C)^0.5399568 = 1438999^0.5399568 = e^(14.17947 * 0.5399568) = 2113.9
    const SupplyCurve supply(80, 60, 1000);
    EXPECT_NEAR(supply.Coefficient(), 5.559427e-5, 1e-10);
    EXPECT_NEAR(supply.MaxFlow(), 2113.909, 0.01);
    EXPECT_NEAR(supply.PressureAt(1000), 60.0, 1e-9);
    // 80 - 20 * 0.5^1.852 = 80 - 20 * 0.277008 = 74.4598
    EXPECT_NEAR(supply.PressureAt(500), 74.4598, 1e-4);

    const std::vector<FlowPressure> points = supply.Points();
    ASSERT_EQ(points.size(), 100u);
    EXPECT_EQ(points.front(), (FlowPressure{0, 80}));
    // Point 1 lies at Qmax / 99 = 21.3526: 80 - C * 21.3526^1.852 = 79.9839
    EXPECT_NEAR(points[1].Flow, 21.3526, 1e-4);
    EXPECT_NEAR(points[1].Pressure, 79.9839, 1e-4);
    // The last point is the flow at which the supply is spent: exponent 1.852 * 0.5399568
    // is not exactly 1, which leaves a few millionths of a psi.
    EXPECT_DOUBLE_EQ(points.back().Flow, supply.MaxFlow());
    EXPECT_NEAR(points.back().Pressure, 0.0, 1e-5);
}

TEST(SupplyCurve, NoResidualFlowIsAFlatLineToAThousand) {
    const SupplyCurve supply(75, 50, 0);
    EXPECT_EQ(supply.Coefficient(), 0.0);
    EXPECT_EQ(supply.MaxFlow(), 1000.0);
    EXPECT_EQ(supply.Points().back(), (FlowPressure{1000, 75}));
    // A residual above the static pressure rises and is drawn out to 1000 as well.
    EXPECT_EQ(SupplyCurve(60, 80, 1000).MaxFlow(), 1000.0);
    // Demand flows below zero are read as no flow, never as the root of a negative number.
    EXPECT_EQ(SupplyCurve(80, 60, 1000).PressureAt(-50), 80.0);
}

TEST(RatedPumpCurve, ChurnHundredFortyRatedHundredAtThousand) {
    // n = log10((140 - 65) / (140 - 100)) / log10(1.5) = log10(1.875) / log10(1.5) = 1.55034
    // c = 40 / 1000^n = 8.9339e-4
    const auto pump = RatedPumpCurve::Through(1000, 140, 100, 65);
    ASSERT_TRUE(pump);
    EXPECT_NEAR(pump->Exponent(), 1.55034, 1e-5);
    EXPECT_NEAR(pump->Coefficient(), 8.93390e-4, 1e-8);

    const std::vector<FlowPressure> points = pump->Points();
    ASSERT_EQ(points.size(), 81u);
    EXPECT_EQ(points.front(), (FlowPressure{0, 140}));
    // Steps of 1500 / 80 = 18.75; point 40 at 750: 140 - c * 750^n = 140 - 25.6072 = 114.3928
    EXPECT_DOUBLE_EQ(points[1].Flow, 18.75);
    EXPECT_DOUBLE_EQ(points[40].Flow, 750.0);
    EXPECT_NEAR(points[40].Pressure, 114.3928, 1e-4);
    // The 80th point is the last step below 0.99 * 1500: 1481.25, 140 - c * 1481.25^n = 66.4484
    EXPECT_DOUBLE_EQ(points[79].Flow, 1481.25);
    EXPECT_NEAR(points[79].Pressure, 66.4484, 1e-4);
    EXPECT_EQ(points.back(), (FlowPressure{1500, 65}));
}

TEST(RatedPumpCurve, BoostedPointsAddTheSupplyAtEachFlow) {
    const auto pump = RatedPumpCurve::Through(1000, 140, 100, 65);
    const SupplyCurve supply(80, 60, 1000);
    const std::vector<FlowPressure> boosted =
        pump->BoostedPoints([&](double q) { return supply.PressureAt(q); });
    ASSERT_EQ(boosted.size(), 81u);
    EXPECT_EQ(boosted.front(), (FlowPressure{0, 220})); // 140 + 80
    // 114.3928 + 80 - C * 750^1.852 = 114.3928 + 68.2607 = 182.6534
    EXPECT_NEAR(boosted[40].Pressure, 182.6534, 1e-4);
    // At the closing point the pump gives its 150 % pressure: 65 + 80 - C * 1500^1.852
    EXPECT_NEAR(boosted.back().Pressure, 102.6210, 1e-4);
}

TEST(RatedPumpCurve, NeedsAPositiveFlowAndStrictlyMonotonicPressures) {
    EXPECT_FALSE(RatedPumpCurve::Through(1000, 100, 100, 65)); // churn equal to rated
    EXPECT_FALSE(RatedPumpCurve::Through(1000, 140, 100, 100));
    EXPECT_FALSE(RatedPumpCurve::Through(1000, 140, 150, 65));
    EXPECT_FALSE(RatedPumpCurve::Through(0, 140, 100, 65));
    EXPECT_FALSE(RatedPumpCurve::Through(-1000, 140, 100, 65));
    // A rising curve is a curve too: n = log10(-75 / -40) / log10(1.5), c < 0.
    const auto rising = RatedPumpCurve::Through(1000, 65, 100, 140);
    ASSERT_TRUE(rising);
    EXPECT_NEAR(rising->Points()[40].Pressure, 65 + 35 * std::pow(0.75, rising->Exponent()), 1e-9);
}

TEST(PumpTestCurve, ThreeReadingsFittedThroughChurnRatedAndOverload) {
    // Triple (0, 118), (1000, 107), (1500, 78): r1 = 40 / 11, r2 = 1500 / 1000,
    // n = log10(3.63636) / log10(1.5) = 3.18396, H = 11 / 1000^n.
    const std::vector<FlowPressure> readings{{0, 118}, {1000, 107}, {1500, 78}};
    const auto curve = PumpTestCurve::Fit(readings);
    ASSERT_TRUE(curve);
    const std::vector<FlowPressure>& points = curve->Points();
    ASSERT_EQ(points.size(), 61u); // two intervals of 30 and the closing reading
    EXPECT_EQ(points.front(), (FlowPressure{0, 118}));
    // j = 1: 1000 / 30 = 33.33; 118 - H * 33.33^n = 117.99978
    EXPECT_NEAR(points[1].Flow, 33.3333, 1e-4);
    EXPECT_NEAR(points[1].Pressure, 117.99978, 1e-5);
    EXPECT_EQ(points[30], (FlowPressure{1000, 107}));
    EXPECT_EQ(points.back(), (FlowPressure{1500, 78}));

    // 118 - 11 * 0.75^3.18396 = 118 - 4.40142 = 113.59858
    EXPECT_NEAR(*curve->PressureAt(750), 113.59858, 1e-5);
    // Second interval, same law: 118 - 11 * 1.25^3.18396 = 95.61536
    EXPECT_NEAR(*curve->PressureAt(1250), 95.61536, 1e-5);
    EXPECT_NEAR(*curve->PressureAt(1500), 78.0, 1e-9);
    EXPECT_FALSE(curve->PressureAt(1500.01));
    EXPECT_FALSE(curve->PressureAt(-1));
}

TEST(PumpTestCurve, AFirstReadingAboveZeroFlowGetsALeadIn) {
    // Triple (200, 150), (1000, 130), (1500, 100): r1 = 50 / 20, r2 = 1300 / 800,
    // n = log10(2.5) / log10(1.625) = 1.88728, H = 20 / 800^n.
    const std::vector<FlowPressure> readings{{200, 150}, {1000, 130}, {1500, 100}};
    const auto curve = PumpTestCurve::Fit(readings);
    ASSERT_TRUE(curve);
    ASSERT_EQ(curve->Points().size(), 91u); // 30 lead-in, 2 x 30, closing reading
    // Lead-in at zero flow: 150 + H * 200^n = 151.46141
    EXPECT_EQ(curve->Points().front().Flow, 0.0);
    EXPECT_NEAR(curve->Points().front().Pressure, 151.46141, 1e-5);
    EXPECT_EQ(curve->Points()[30], (FlowPressure{200, 150}));
    // A demand on the lead-in is read from it: 150 + H * 100^n = 150.39504
    EXPECT_NEAR(*curve->PressureAt(100), 150.39504, 1e-5);
    // and on the first interval: 150 - H * 400^n = 144.59369
    EXPECT_NEAR(*curve->PressureAt(600), 144.59369, 1e-5);
}

TEST(PumpTestCurve, PressuresThatDoNotFallAreJoinedStraight) {
    // Pb >= Pa: the triple does not fall, both intervals are straight lines.
    const std::vector<FlowPressure> readings{{0, 100}, {500, 100}, {1000, 80}};
    const auto curve = PumpTestCurve::Fit(readings);
    ASSERT_TRUE(curve);
    ASSERT_EQ(curve->Points().size(), 61u);
    EXPECT_NEAR(curve->Points()[45].Pressure, 90.0, 1e-9); // 750, halfway from 100 to 80
    EXPECT_NEAR(*curve->PressureAt(750), 90.0, 1e-9);
    EXPECT_NEAR(*curve->PressureAt(250), 100.0, 1e-9);
}

TEST(PumpTestCurve, SevenReadingsFromAboveZeroFlowMake211Points) {
    // Falling pressures at flows 100..700: lead-in 30, six intervals of 30, closing reading.
    std::vector<FlowPressure> readings;
    for (int i = 1; i <= 7; ++i)
        readings.push_back({100.0 * i, 150.0 - i * i});
    const auto curve = PumpTestCurve::Fit(readings);
    ASSERT_TRUE(curve);
    EXPECT_EQ(curve->Points().size(), 211u);
    EXPECT_EQ(curve->Points().back(), (FlowPressure{700, 101}));
}

TEST(PumpTestCurve, BadDataGivesNoCurve) {
    using Points = std::vector<FlowPressure>;
    EXPECT_FALSE(PumpTestCurve::Fit(Points{}));
    EXPECT_FALSE(PumpTestCurve::Fit(Points{{0, 120}, {1000, 100}})); // churn and one reading
    EXPECT_FALSE(PumpTestCurve::Fit(Points{{0, 120}, {1000, 100}, {900, 80}}));
    EXPECT_FALSE(PumpTestCurve::Fit(Points{{0, 120}, {1000, 100}, {1000, 80}}));
    // A blank reading between two others is a point at zero flow.
    EXPECT_FALSE(PumpTestCurve::Fit(Points{{0, 120}, {1000, 100}, {0, 0}, {1500, 70}}));
    // Numbers beyond what a series can hold make no curve rather than infinities.
    EXPECT_FALSE(PumpTestCurve::Fit(Points{{0, 1e300}, {1e300, 100}, {2e300, 50}}));
}

} // namespace
} // namespace quenra
