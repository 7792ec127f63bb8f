// The curve table and demand results rebuilt from a project, as the graph draws them.
#include "hydraulics/CurveRebuild.h"
#include "CurveProjects.h"
#include "hydraulics/PumpTestPoints.h"
#include "hydraulics/SeriesNumbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quenra {
namespace {

using test::Reading;

const PerTest<bool> kNoFlags{};

CurveSet Rebuild(const ProjectData& p, EvaluatedTests evaluated = {},
                 const PerTest<bool>& flags = kNoFlags) {
    return RebuildCurves(p, evaluated, flags);
}

FlowPressure PointOf(const CurveSet& set, int index, int point) {
    const CurveSeries& s = set.Curves.Series(index);
    return {s.X[static_cast<std::size_t>(point)], s.Y[static_cast<std::size_t>(point)]};
}

int CountOf(const CurveSet& set, int index) {
    return set.Curves.Series(index).PointCount;
}

// Pump test 1 of the fitting examples: churn 118 net / 182 discharge, 107 / 169 at 1000,
// 78 / 136 at 1500.
ProjectData PumpProjectWithTest1() {
    ProjectData p = test::BlankPumpProject();
    test::SetReadings(p, 1, {{0, 118, 182}, {1000, 107, 169}, {1500, 78, 136}});
    p.PumpTestInGraph[1] = true;
    p.PumpTestCombined[1] = true;
    return p;
}

TEST(CurveRebuild, HydrantTestsShowTheirSupplyCurveAndPoints) {
    ProjectData p = test::BlankHydrantProject();
    test::SetSupplyTest(p, 2, "80", "60", "1000");
    p.SupplyShowCurve[2] = true;
    p.LineThicknessIndex = 1;
    test::SetDemandPoint(p, 1, "500", "70");
    const CurveSet set = Rebuild(p, {2, 0});

    const CurveSeries& curve = set.Curves.Series(series::SupplyCurve(2));
    EXPECT_EQ(curve.PointCount, 100);
    EXPECT_EQ(curve.Color, p.SupplyTestColor[2]);
    EXPECT_EQ(curve.LineWidth, 2);
    EXPECT_TRUE(curve.IsCurve);
    EXPECT_NEAR(curve.X[99], 2113.909, 0.01); // (80 / C)^0.5399568, C = 20 / 1000^1.852
    EXPECT_NEAR(curve.Y[99], 0.0, 1e-4);

    const CurveSeries& points = set.Curves.Series(series::SupplyPoints(2));
    EXPECT_EQ(points.PointCount, 2);
    EXPECT_FALSE(points.IsCurve);
    EXPECT_EQ(points.Symbol, PointSymbolFromIndex(p.SupplySymbol));
    EXPECT_EQ(PointOf(set, series::SupplyPoints(2), 1), (FlowPressure{1000, 60}));

    // 80 - 20 * 0.5^1.852 = 74.4598 at the demand flow of 500.
    EXPECT_NEAR(set.Demand.SupplyAtDemand[1], 74.4598, 1e-4);
    // A test not displayed is built but not drawn; a fire pump project draws none of them.
    EXPECT_EQ(CountOf(set, series::SupplyCurve(1)), 0);
    p.IsHydrantTest = false;
    EXPECT_EQ(CountOf(Rebuild(p, {2, 0}), series::SupplyCurve(2)), 0);
}

TEST(CurveRebuild, RatedAndCombinedCurvesInAFirePumpProject) {
    ProjectData p = test::BlankPumpProject();
    test::SetRatedPump(p, "1000", "140", "100", "65");
    test::SetSupplyTest(p, 1, "80", "60", "1000");
    p.ShowPumpRatingCurve = true;
    p.ShowCombinedCurve = true;
    p.LineThicknessIndex = 2;
    const CurveSet set = Rebuild(p);

    EXPECT_EQ(CountOf(set, series::RatedPumpCurve), 81);
    EXPECT_EQ(CountOf(set, series::CombinedCurve), 81);
    EXPECT_EQ(set.Curves.Series(series::RatedPumpCurve).LineWidth, 4);
    EXPECT_EQ(PointOf(set, series::RatedPumpCurve, 80), (FlowPressure{1500, 65}));
    // 140 - 8.9339e-4 * 750^1.55034 = 114.3928, plus 80 - C * 750^1.852 = 68.2607
    EXPECT_NEAR(PointOf(set, series::RatedPumpCurve, 40).Pressure, 114.3928, 1e-4);
    EXPECT_NEAR(PointOf(set, series::CombinedCurve, 40).Pressure, 182.6534, 1e-4);
    // The rated points: churn, 150 % and rated, as symbols.
    const CurveSeries& rated = set.Curves.Series(series::RatedPumpPoints);
    EXPECT_EQ(rated.PointCount, 3);
    EXPECT_FALSE(rated.IsCurve);
    EXPECT_EQ(rated.Symbol, PointSymbolFromIndex(p.RatedPumpSymbol));
    EXPECT_EQ(PointOf(set, series::RatedPumpPoints, 1), (FlowPressure{1500, 65}));
    EXPECT_EQ(PointOf(set, series::RatedPumpPoints, 2), (FlowPressure{1000, 100}));

    p.ShowCombinedCurve = false;
    EXPECT_EQ(CountOf(Rebuild(p), series::CombinedCurve), 0);
    p.IsHydrantTest = true;
    const CurveSet hydrant = Rebuild(p);
    EXPECT_EQ(CountOf(hydrant, series::RatedPumpCurve), 0);
    EXPECT_EQ(CountOf(hydrant, series::RatedPumpPoints), 0);
}

TEST(CurveRebuild, ChurnEqualToRatedPressureLeavesOnlyThePoints) {
    ProjectData p = test::BlankPumpProject();
    test::SetRatedPump(p, "1000", "100", "100", "65");
    p.ShowPumpRatingCurve = true;
    p.ShowCombinedCurve = true;
    const CurveSet set = Rebuild(p);
    EXPECT_EQ(CountOf(set, series::RatedPumpCurve), 0);
    EXPECT_EQ(CountOf(set, series::CombinedCurve), 0);
    EXPECT_EQ(CountOf(set, series::RatedPumpPoints), 3);
}

TEST(CurveRebuild, Nfpa20ReferenceTakesTheRatedPoint) {
    ProjectData p = test::BlankPumpProject();
    test::SetRatedPump(p, "1000", "130", "100", "70");
    p.ShowPumpRatingCurve = true;
    p.ShowNfpa20Curve = true;
    p.LineThicknessIndex = 1;
    const CurveSet set = Rebuild(p);

    // Churn between 1.2 and 1.4 x 100 on the zero flow axis, as a broad dotted bar.
    const CurveSeries& bar = set.Curves.Series(series::Nfpa20Bar);
    EXPECT_EQ(bar.PointCount, 2);
    EXPECT_EQ(bar.LineWidth, -2);
    EXPECT_TRUE(bar.IsCurve);
    EXPECT_EQ(bar.Color, p.Nfpa20CurveColor);
    EXPECT_EQ(PointOf(set, series::Nfpa20Bar, 0), (FlowPressure{0, 120}));
    EXPECT_EQ(PointOf(set, series::Nfpa20Bar, 1), (FlowPressure{0, 140}));

    const CurveSeries& points = set.Curves.Series(series::Nfpa20Points);
    EXPECT_EQ(points.PointCount, 4);
    EXPECT_FALSE(points.IsCurve);
    EXPECT_EQ(points.Symbol, PointSymbolFromIndex(p.NfpaSymbol));
    const FlowPressure expected[] = {{0, 120}, {0, 140}, {1000, 100}, {1500, 65}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(PointOf(set, series::Nfpa20Points, i), expected[i]) << i;
    // The rated points show churn and 150 % only.
    EXPECT_EQ(CountOf(set, series::RatedPumpPoints), 2);
    EXPECT_EQ(PointOf(set, series::RatedPumpPoints, 0), (FlowPressure{0, 130}));
    EXPECT_EQ(PointOf(set, series::RatedPumpPoints, 1), (FlowPressure{1500, 70}));
}

TEST(CurveRebuild, Nfpa25ReferenceIsNinetyFivePercentOfTheRatedCurve) {
    ProjectData p = test::BlankPumpProject();
    test::SetRatedPump(p, "1000", "130", "100", "70");
    p.ShowNfpa25Curve = true;
    const CurveSet set = Rebuild(p);

    // 0.95 x: churn 123.5, rated 95, 150 % 66.5.
    EXPECT_EQ(CountOf(set, series::Nfpa25Points), 3);
    EXPECT_NEAR(PointOf(set, series::Nfpa25Points, 0).Pressure, 123.5, 1e-5);
    EXPECT_NEAR(PointOf(set, series::Nfpa25Points, 1).Pressure, 95.0, 1e-5);
    EXPECT_EQ(PointOf(set, series::Nfpa25Points, 2).Flow, 1500.0f);
    EXPECT_NEAR(PointOf(set, series::Nfpa25Points, 2).Pressure, 66.5, 1e-5);
    // n = log10(57 / 28.5) / log10(1.5) = 1.70951; at 750: 123.5 - 28.5 * 0.75^n = 106.0715
    EXPECT_EQ(CountOf(set, series::Nfpa25Curve), 81);
    EXPECT_EQ(set.Curves.Series(series::Nfpa25Curve).Color, p.Nfpa25CurveColor);
    EXPECT_NEAR(PointOf(set, series::Nfpa25Curve, 40).Pressure, 106.0715, 1e-4);

    test::SetRatedPump(p, "1000", "100", "100", "70");
    const CurveSet flat = Rebuild(p);
    EXPECT_EQ(CountOf(flat, series::Nfpa25Points), 3);
    EXPECT_EQ(CountOf(flat, series::Nfpa25Curve), 0);

    p.ShowNfpa20Curve = true;
    p.IsHydrantTest = true;
    const CurveSet hydrant = Rebuild(p);
    for (int index :
         {series::Nfpa20Bar, series::Nfpa20Points, series::Nfpa25Curve, series::Nfpa25Points})
        EXPECT_EQ(CountOf(hydrant, index), 0) << index;
}

TEST(CurveRebuild, EvaluatedPumpTestGivesPumpBoostedAndCushion) {
    ProjectData p = PumpProjectWithTest1();
    test::SetDemandPoint(p, 1, "750", "85");
    test::SetDemandPoint(p, 2, "1600", "60"); // beyond the last reading
    const CurveSet set = Rebuild(p, {1, 1});

    EXPECT_EQ(CountOf(set, series::PumpTestNetCurve(1)), 61);
    EXPECT_EQ(CountOf(set, series::PumpTestDischargeCurve(1)), 61);
    EXPECT_EQ(CountOf(set, series::PumpTestNetPoints(1)), 3);
    EXPECT_EQ(CountOf(set, series::PumpTestDischargePoints(1)), 3);
    EXPECT_EQ(set.Curves.Series(series::PumpTestNetPoints(1)).Symbol,
              PointSymbolFromIndex(p.PumpTestSymbol));
    EXPECT_EQ(set.Curves.Series(series::PumpTestDischargePoints(1)).Symbol,
              PointSymbolFromIndex(p.SupplySymbol));
    EXPECT_EQ(set.Curves.Series(series::PumpTestDischargeCurve(1)).Color,
              p.PumpTestCombinedColor[1]);
    EXPECT_FALSE(set.BadData[1]);

    // Net: 118 - 11 * 0.75^3.18396 = 113.5986.
    // Discharge: n = log10(46 / 13) / log10(1.5) = 3.11665; 182 - 13 * 0.75^n = 176.6966.
    EXPECT_NEAR(set.Demand.PumpAtDemand[1], 113.5986, 1e-3);
    EXPECT_NEAR(set.Demand.BoostedAtDemand[1], 176.6966, 1e-3);
    EXPECT_NEAR(set.Demand.CushionAtDemand[1], 91.6966, 1e-3);
    // Beyond the pump test: nothing on the curve.
    EXPECT_EQ(set.Demand.PumpAtDemand[2], kOutOfPumpRange);
    EXPECT_EQ(set.Demand.BoostedAtDemand[2], 0.0f);
    EXPECT_EQ(set.Demand.CushionAtDemand[2], 0.0f);

    // Without an evaluated pump test the marker stays for every point.
    const CurveSet none = Rebuild(p, {1, 0});
    for (int k = 1; k <= kTestCount; ++k)
        EXPECT_EQ(none.Demand.PumpAtDemand[k], kOutOfPumpRange) << k;
}

TEST(CurveRebuild, AnEvaluatedTestThatIsNotShownStillGivesItsPressures) {
    ProjectData p = PumpProjectWithTest1();
    p.PumpTestInGraph[1] = false;
    p.PumpTestCombined[1] = false;
    test::SetDemandPoint(p, 1, "750", "85");
    const CurveSet set = Rebuild(p, {0, 1});
    EXPECT_NEAR(set.Demand.PumpAtDemand[1], 113.5986, 1e-3);
    EXPECT_NEAR(set.Demand.BoostedAtDemand[1], 176.6966, 1e-3);
    EXPECT_NEAR(set.Demand.CushionAtDemand[1], 91.6966, 1e-3);
    for (int index : {series::PumpTestNetCurve(1), series::PumpTestDischargeCurve(1),
                      series::PumpTestNetPoints(1), series::PumpTestDischargePoints(1)})
        EXPECT_EQ(CountOf(set, index), 0) << index;
    EXPECT_FALSE(set.BadData[1]);
}

TEST(CurveRebuild, ADischargeCurveThatCannotBeFittedMarksTheTest) {
    // The net readings fall through three points; a fourth row holds a discharge pressure
    // without flow or net pressure, a discharge point at zero flow after 1500.
    ProjectData p = PumpProjectWithTest1();
    p.PumpReadings[1][4][kDischargeColumn] = QStringLiteral("40");
    const CurveSet set = Rebuild(p, {0, 1});
    EXPECT_TRUE(set.BadData[1]);
    EXPECT_EQ(CountOf(set, series::PumpTestDischargeCurve(1)), 4);
    EXPECT_EQ(CountOf(set, series::PumpTestNetCurve(1)), 3);
    // A discharge curve that is not shown decides nothing.
    p.PumpTestCombined[1] = false;
    EXPECT_FALSE(Rebuild(p, {0, 1}).BadData[1]);
}

TEST(CurveRebuild, BadPumpDataFallsBackToTheReadingsAsAPolyline) {
    ProjectData p = test::BlankPumpProject();
    test::SetReadings(p, 2, {{0, 120, 170}, {1000, 100, 150}}); // churn and one reading
    p.PumpTestInGraph[2] = true;
    p.PumpTestCombined[2] = true;
    const CurveSet set = Rebuild(p, {0, 2});
    EXPECT_TRUE(set.BadData[2]);
    EXPECT_EQ(CountOf(set, series::PumpTestNetCurve(2)), 2);
    EXPECT_EQ(PointOf(set, series::PumpTestNetCurve(2), 1), (FlowPressure{1000, 100}));
    EXPECT_EQ(PointOf(set, series::PumpTestDischargeCurve(2), 1), (FlowPressure{1000, 150}));
    EXPECT_EQ(set.Demand.PumpAtDemand[1], kOutOfPumpRange);

    // A test the error check flagged is not fitted, even through good readings.
    ProjectData good = PumpProjectWithTest1();
    PerTest<bool> flags{};
    flags[1] = true;
    test::SetDemandPoint(good, 1, "750", "85");
    const CurveSet flagged = Rebuild(good, {0, 1}, flags);
    EXPECT_TRUE(flagged.BadData[1]);
    EXPECT_EQ(CountOf(flagged, series::PumpTestNetCurve(1)), 3);
    EXPECT_EQ(flagged.Demand.PumpAtDemand[1], kOutOfPumpRange);
    EXPECT_EQ(flagged.Demand.BoostedAtDemand[1], 0.0f);
}

TEST(CurveRebuild, ABlankRowBetweenReadingsIsAZeroPoint) {
    ProjectData p = test::BlankPumpProject();
    test::SetReadings(p, 1, {{0, 120, 170}, {1000, 100, 150}});
    p.PumpReadings[1][4][kFlowColumn] = QStringLiteral("1500");
    p.PumpReadings[1][4][kNetPressureColumn] = QStringLiteral("{70}");
    p.PumpTestInGraph[1] = true;
    const CurveSet set = Rebuild(p);
    EXPECT_TRUE(set.BadData[1]);
    EXPECT_EQ(CountOf(set, series::PumpTestNetCurve(1)), 4);
    EXPECT_EQ(PointOf(set, series::PumpTestNetCurve(1), 2), (FlowPressure{0, 0}));
    EXPECT_EQ(PointOf(set, series::PumpTestNetCurve(1), 3), (FlowPressure{1500, 70}));
}

TEST(CurveRebuild, SevenReadingsFromAboveZeroFlowKeepAll211Points) {
    ProjectData p = test::BlankPumpProject();
    // Readings at 100..700 gpm; row 1 has flow, which the check would report, but a test
    // evaluated without being shown is not checked and is fitted.
    test::SetReadings(p, 3,
                      {{100, 149, 0},
                       {200, 146, 0},
                       {300, 141, 0},
                       {400, 134, 0},
                       {500, 125, 0},
                       {600, 114, 0},
                       {700, 101, 0}});
    p.PumpTestInGraph[3] = true;
    const CurveSet set = Rebuild(p, {0, 3});
    const CurveSeries& curve = set.Curves.Series(series::PumpTestNetCurve(3));
    ASSERT_EQ(curve.PointCount, 211);
    EXPECT_EQ(curve.X[210], 700.0f);
    EXPECT_EQ(curve.Y[210], 101.0f);
    EXPECT_EQ(curve.X[0], 0.0f); // the lead-in starts at no flow
    for (int i = 1; i < curve.PointCount; ++i)
        EXPECT_LT(curve.X[static_cast<std::size_t>(i - 1)], curve.X[static_cast<std::size_t>(i)]);
}

TEST(CurveRebuild, AdjustedValuesComeFromTheSpeedAdjustedColumns) {
    ProjectData p = test::BlankPumpProject();
    p.RatedSpeed = QStringLiteral("1800");
    p.PlotAdjusted[1] = true;
    const double speeds[] = {1800, 1750, 1700};
    const char* flows[] = {"{0}", "{1029}", "{1588}"};
    const char* net[] = {"{120}", "{105.8}", "{78.5}"};
    const char* discharge[] = {"170", "150", "120"};
    for (int r = 1; r <= 3; ++r) {
        p.PumpReadings[1][r][kSpeedColumn] = test::Text(speeds[r - 1]);
        p.PumpReadings[1][r][kAdjustedFlowColumn] = QString::fromLatin1(flows[r - 1]);
        p.PumpReadings[1][r][kAdjustedPressureColumn] = QString::fromLatin1(net[r - 1]);
        p.PumpReadings[1][r][kDischargeColumn] = QString::fromLatin1(discharge[r - 1]);
    }
    const auto netPoints = ReadPumpTestPoints(p, 1, PumpCurveKind::Net);
    ASSERT_EQ(netPoints.size(), 3u);
    EXPECT_EQ(netPoints[1], (FlowPressure{1029, 105.8}));
    const auto dischargePoints = ReadPumpTestPoints(p, 1, PumpCurveKind::Discharge);
    // 150 * 1800^2 / 1750^2 = 158.6939; 120 * (1800 / 1700)^2 = 134.5329
    EXPECT_NEAR(dischargePoints[1].Pressure, 158.6939, 1e-4);
    EXPECT_NEAR(dischargePoints[2].Pressure, 134.5329, 1e-4);
    EXPECT_EQ(dischargePoints[2].Flow, 1588.0);
    // A transfer switch row of an electric driver is no point of the curve.
    p.TransferSwitchState[1] = 1;
    p.PumpReadings[1][7][kAdjustedFlowColumn] = QStringLiteral("{1000}");
    EXPECT_EQ(ReadPumpTestPoints(p, 1, PumpCurveKind::Net).size(), 3u);
}

TEST(CurveRebuild, DemandPointsAndSeriesStyles) {
    ProjectData p = test::BlankPumpProject();
    test::SetDemandPoint(p, 3, "600", "55");
    p.DemandColor[3] = MakeColour(1, 2, 3);
    p.LineThicknessIndex = 0;
    const CurveSet set = Rebuild(p);
    const CurveSeries& point = set.Curves.Series(series::DemandPoint(3));
    EXPECT_EQ(point.PointCount, 1);
    EXPECT_EQ(point.LineWidth, -5);
    EXPECT_EQ(point.Color, MakeColour(1, 2, 3));
    EXPECT_EQ(point.Symbol, PointSymbolFromIndex(p.DemandSymbol));
    EXPECT_FALSE(point.IsCurve);
    EXPECT_EQ(PointOf(set, series::DemandPoint(3), 0), (FlowPressure{600, 55}));
    EXPECT_EQ(CountOf(set, series::DemandPoint(1)), 0);
    EXPECT_EQ(set.Curves.Series(series::SupplyCurve(1)).LineWidth, 1);

    EXPECT_EQ(CurveLineWidth(0), 1);
    EXPECT_EQ(CurveLineWidth(1), 2);
    EXPECT_EQ(CurveLineWidth(2), 4);
    EXPECT_EQ(CurveLineWidth(-1), 1);
    EXPECT_EQ(CurveLineWidth(40), 4);
}

TEST(CurveRebuild, NoInputMakesAnInfinityOrNaN) {
    const char* texts[] = {"", "abc", "0", "-5", "-0.5", "10", "1e300", "-1e300", "1e-300"};
    int combination = 0;
    for (const char* a : texts) {
        for (const char* b : texts) {
            for (const char* c : texts) {
                ProjectData p = test::BlankPumpProject();
                p.IsHydrantTest = (combination++ % 2) == 0;
                test::SetSupplyTest(p, 1, a, b, c);
                p.SupplyShowCurve[1] = true;
                test::SetRatedPump(p, c, a, b, a);
                p.ShowPumpRatingCurve = p.ShowCombinedCurve = true;
                p.ShowNfpa20Curve = p.ShowNfpa25Curve = true;
                p.PumpReadings[1][1][kNetPressureColumn] = QString::fromLatin1(a);
                p.PumpReadings[1][2][kFlowColumn] = QString::fromLatin1(b);
                p.PumpReadings[1][2][kNetPressureColumn] = QString::fromLatin1(c);
                p.PumpReadings[1][3][kFlowColumn] = QString::fromLatin1(c);
                p.PumpReadings[1][3][kNetPressureColumn] = QString::fromLatin1(b);
                p.PumpReadings[1][3][kDischargeColumn] = QString::fromLatin1(a);
                p.PumpTestInGraph[1] = p.PumpTestCombined[1] = true;
                test::SetDemandPoint(p, 1, b, a);
                const CurveSet set = Rebuild(p, {1, 1});
                for (int index = 1; index <= CurveTable::kSeriesCount; ++index) {
                    const CurveSeries& s = set.Curves.Series(index);
                    for (int i = 0; i < s.PointCount; ++i)
                        ASSERT_TRUE(std::isfinite(s.X[static_cast<std::size_t>(i)]) &&
                                    std::isfinite(s.Y[static_cast<std::size_t>(i)]))
                            << a << ' ' << b << ' ' << c << " series " << index;
                }
                for (int k = 1; k <= kTestCount; ++k) {
                    ASSERT_TRUE(std::isfinite(set.Demand.SupplyAtDemand[k]));
                    ASSERT_TRUE(std::isfinite(set.Demand.PumpAtDemand[k]));
                    ASSERT_TRUE(std::isfinite(set.Demand.BoostedAtDemand[k]));
                    ASSERT_TRUE(std::isfinite(set.Demand.CushionAtDemand[k]));
                }
            }
        }
    }
}

} // namespace
} // namespace quenra
