#include "hydraulics/LegendContent.h"
#include "CurveProjects.h"
#include "QStringPrinter.h"
#include "hydraulics/CurveRebuild.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

QStringList TextsOf(const LegendEntry& entry) {
    QStringList texts;
    for (const LegendLine& line : entry.Lines)
        texts << line.Text;
    return texts;
}

LegendContent Legend(const ProjectData& p, const DisplayOrders& orders, EvaluatedTests evaluated,
                     bool useTestDate = true) {
    const CurveSet set = RebuildCurves(p, evaluated, PerTest<bool>{});
    return BuildLegendContent(p, set, orders, evaluated, useTestDate);
}

TEST(LegendContent, HydrantTestsInDisplayOrderWithTheirCushions) {
    ProjectData p = test::BlankHydrantProject();
    test::SetSupplyTest(p, 1, "80", "60", "1000");
    p.SupplyTestDate[1] = QStringLiteral(" 4/12/2026 ");
    test::SetSupplyTest(p, 2, "0", "55", "900");
    p.SupplyShowCurve[1] = p.SupplyShowCurve[2] = true;
    test::SetDemandPoint(p, 1, "500", "70");
    test::SetDemandPoint(p, 2, "1000", "60");
    test::SetDemandPoint(p, 3, "1500", "70");
    p.HydrantDemandPurpose[1] = QStringLiteral("Automatic Sprinkler");
    const LegendContent legend = Legend(p, {{2, 1}, {}}, {1, 0});

    ASSERT_EQ(legend.Entries.size(), 5);
    EXPECT_EQ(legend.Entries[0].Kind, LegendEntryKind::HydrantTest);
    // No date: the values move up into lines 2 and 3.
    EXPECT_EQ(TextsOf(legend.Entries[0]),
              (QStringList{"Hydrant Flow Test 2 (BAD DATA)", "Static:  0 psi",
                           "Residual: 55 psi @ 900 gpm"}));
    EXPECT_EQ(TextsOf(legend.Entries[1]),
              (QStringList{"Hydrant Flow Test 1", "4/12/2026", "Static:  80 psi",
                           "Residual: 60 psi @ 1000 gpm"}));
    EXPECT_EQ(legend.Entries[1].Color, p.SupplyTestColor[1]);
    EXPECT_EQ(legend.Entries[1].Symbol, PointSymbolFromIndex(p.SupplySymbol));

    // 80 - 20 * 0.5^1.852 = 74.46 against 70: +4.5
    EXPECT_EQ(TextsOf(legend.Entries[2]),
              (QStringList{"Automatic Sprinkler", "Demand: 70 psi @ 500 gpm", "Supply: 74.5 psi",
                           "Safety Cushion: +4.5 psi"}));
    EXPECT_EQ(legend.Entries[2].Symbol, PointSymbolFromIndex(p.DemandSymbol));
    EXPECT_EQ(legend.Entries[2].Color, p.HydrantDemandColor[1]);
    // At the residual flow the supply is exactly the residual pressure: no sign, no warning.
    EXPECT_EQ(legend.Entries[3].Lines[3].Text, QStringLiteral("Safety Cushion: 0 psi"));
    EXPECT_FALSE(legend.Entries[3].Lines[3].HasWarning());
    // 80 - 20 * 1.5^1.852 = 37.62 against 70: -32.4, the number and unit in bold red.
    const LegendLine& negative = legend.Entries[4].Lines[3];
    EXPECT_EQ(negative.Text, QStringLiteral("Safety Cushion: -32.4 psi"));
    EXPECT_EQ(negative.Text.mid(negative.WarningFrom), QStringLiteral("-32.4 psi"));

    EXPECT_EQ(legend.DemandVerdict[1].Text(), QStringLiteral("Safety Cushion: +4.5 psi"));
    EXPECT_EQ(legend.DemandVerdict[3].Text(), QStringLiteral("Safety Cushion: -32.4 psi"));
    EXPECT_EQ(legend.DemandVerdict[4].Text(), QString());
}

TEST(LegendContent, UnitWordsFollowTheUnitSystem) {
    ProjectData p = test::BlankHydrantProject();
    p.UnitSystem = 1;
    test::SetSupplyTest(p, 1, "550", "400", "60");
    p.SupplyShowCurve[1] = true;
    const LegendContent legend = Legend(p, {{1}, {}}, {1, 0});
    EXPECT_EQ(TextsOf(legend.Entries[0]).mid(1),
              (QStringList{"Static:  550 kpa", "Residual: 400 kpa @ 60 l/s"}));
}

class PumpLegend : public ::testing::Test {
protected:
    void SetUp() override {
        test::SetRatedPump(p, "1001", "118", "100", "72");
        p.RatedSpeed = QStringLiteral("1780");
        p.ShowPumpRatingCurve = true;
        test::SetSupplyTest(p, 1, "80", "60", "1000");
        test::SetReadings(p, 1, {{0, 118, 182}, {1000, 107, 169}, {1500, 78, 136}});
        p.PumpTestDate[1] = QStringLiteral("10/14/2026");
        p.PumpTestInGraph[1] = p.PumpTestCombined[1] = true;
        test::SetReadings(p, 2, {{0, 118, 182}, {1000, 107, 169}});
        p.PumpTestInGraph[2] = true;
        test::SetDemandPoint(p, 1, "750", "85");
        test::SetDemandPoint(p, 2, "1600", "60");
        test::SetDemandPoint(p, 3, "750", "200");
        p.DemandPurpose[1] = QStringLiteral("Automatic Sprinkler");
    }
    ProjectData p = test::BlankPumpProject();
};

TEST_F(PumpLegend, RatingReferencesAndPumpTests) {
    p.ShowNfpa20Curve = p.ShowNfpa25Curve = true;
    const LegendContent legend = Legend(p, {{}, {1, 2}}, {1, 1});
    ASSERT_GE(legend.Entries.size(), 6);
    // 1.5 x 1001 = 1501.5, rounded half to even: 1502.
    EXPECT_EQ(TextsOf(legend.Entries[0]),
              (QStringList{"Pump Rating", "Churn 118 psi, RPM: 1780",
                           "100% Rating: 100 psi @ 1001 gpm", "150% Rating: 72 psi @ 1502 gpm"}));
    EXPECT_EQ(legend.Entries[0].Symbol, PointSymbolFromIndex(p.RatedPumpSymbol));
    EXPECT_EQ(TextsOf(legend.Entries[1]), QStringList{"NFPA 20 Minimum Performance Curve"});
    EXPECT_EQ(legend.Entries[1].Color, p.Nfpa20CurveColor);
    EXPECT_EQ(TextsOf(legend.Entries[2]), QStringList{"NFPA 25 Minimum Performance Curve"});
    EXPECT_EQ(legend.Entries[2].Symbol, PointSymbolFromIndex(p.NfpaSymbol));
    EXPECT_EQ(TextsOf(legend.Entries[3]), (QStringList{"10/14/2026", "Flow Test Net Curve"}));
    EXPECT_EQ(legend.Entries[3].Symbol, PointSymbolFromIndex(p.PumpTestSymbol));
    EXPECT_EQ(TextsOf(legend.Entries[4]),
              (QStringList{"10/14/2026", "Flow Test Discharge (Combined) Curve"}));
    EXPECT_EQ(legend.Entries[4].Color, p.PumpTestCombinedColor[1]);
    EXPECT_EQ(legend.Entries[4].Symbol, PointSymbolFromIndex(p.SupplySymbol));
    // Test 2 has churn and one reading: bad data; without a date it goes by its number.
    EXPECT_EQ(TextsOf(legend.Entries[5]),
              (QStringList{"Pump Test 2 (BAD DATA)", "Flow Test Net Curve"}));

    const LegendContent byNumber = Legend(p, {{}, {1, 2}}, {1, 1}, false);
    EXPECT_EQ(byNumber.Entries[3].Lines[0].Text, QStringLiteral("Pump Test 1"));

    test::SetRatedPump(p, "1000", "100", "100", "72");
    EXPECT_EQ(Legend(p, {}, {1, 1}).Entries[0].Lines[0].Text,
              QStringLiteral("Pump Rating (BAD DATA)"));
}

TEST_F(PumpLegend, DemandPointsWithTheEvaluatedPumpTest) {
    const LegendContent legend = Legend(p, {{}, {1, 2}}, {1, 1});
    const LegendEntry& found = legend.Entries[legend.Entries.size() - 3];
    ASSERT_EQ(found.Kind, LegendEntryKind::DemandPoint);
    // Pump 113.5986, boosted 176.6966 (hand fits of the readings), supply 63.098.
    EXPECT_EQ(TextsOf(found), (QStringList{"Automatic Sprinkler", "Demand: 85 psi @ 750 gpm",
                                           "Supply: 63.1 psi Pump: 113.6 psi", "Boosted: 176.7 psi",
                                           "Safety Cushion: +91.7 psi"}));
    // 1600 lies beyond the last reading: the supply of test 1 there, 80 - 20 * 1.6^1.852.
    EXPECT_EQ(TextsOf(legend.Entries[legend.Entries.size() - 2]).mid(2),
              (QStringList{"Supply 32.2", "Out of Pump Range"}));
    const LegendLine& short_ = legend.Entries.back().Lines[4];
    EXPECT_EQ(short_.Text, QStringLiteral("Safety Cushion: -23.3 psi")); // 176.6966 - 200
    EXPECT_TRUE(short_.HasWarning());

    EXPECT_EQ(legend.DemandVerdict[1].Text(), QStringLiteral("Safety Cushion: +91.7 psi"));
    EXPECT_EQ(legend.DemandVerdict[2].Text(), QStringLiteral("Out of Range"));
    EXPECT_EQ(legend.DemandVerdict[3].Text(), QStringLiteral("Safety Cushion: -23.3 psi"));
    // The report gets the numbers, not the words.
    EXPECT_EQ(legend.DemandVerdict[2].Result, DemandPointVerdict::Kind::OutOfRange);
    EXPECT_NEAR(legend.DemandVerdict[3].Cushion, 176.6966 - 200, 1e-3);
}

TEST_F(PumpLegend, NoEvaluatedPumpTestLeavesTwoLinesAndNoVerdict) {
    const LegendContent legend = Legend(p, {{}, {1, 2}}, {1, 0});
    const LegendEntry& point = legend.Entries.back();
    EXPECT_EQ(TextsOf(point), (QStringList{"Dmd Pt 3", "Demand: 200 psi @ 750 gpm"}));
    for (int k = 1; k <= kTestCount; ++k)
        EXPECT_EQ(legend.DemandVerdict[k].Text(), QString()) << k;
}

// A verdict is worded where it is shown, the same way in the legend and the report.
struct VerdictWording {
    DemandPointVerdict Verdict;
    const char* Text;
    qsizetype WarningFrom;
};

class DemandPointVerdictText : public ::testing::TestWithParam<VerdictWording> {};

TEST_P(DemandPointVerdictText, WordsTheCushionWithItsSignAndWarnsWhenNegative) {
    EXPECT_EQ(GetParam().Verdict.Text(), QString::fromUtf8(GetParam().Text));
    EXPECT_EQ(GetParam().Verdict.WarningFrom(), GetParam().WarningFrom);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DemandPointVerdictText,
    ::testing::Values(VerdictWording{DemandPointVerdict::Cushioned(12.34, QStringLiteral("psi")),
                                     "Safety Cushion: +12.3 psi", -1},
                      VerdictWording{DemandPointVerdict::Cushioned(0.0, QStringLiteral("bar")),
                                     "Safety Cushion: 0 bar", -1},
                      VerdictWording{DemandPointVerdict::Cushioned(-0.25, QStringLiteral("kPa")),
                                     "Safety Cushion: -0.2 kPa", 16},
                      VerdictWording{DemandPointVerdict::OutOfPumpRange(), "Out of Range", -1},
                      VerdictWording{DemandPointVerdict(), "", -1}));

} // namespace
} // namespace quenra
