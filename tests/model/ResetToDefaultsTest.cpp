#include "model/ResetToDefaults.h"
#include "model/ProjectData.h"
#include "support/RandomProject.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

TEST(ResetToDefaults, ANewPumpTestHasTheDefaultsInspectorsExpect) {
    const ProjectData p;
    EXPECT_FALSE(p.IsHydrantTest);
    EXPECT_EQ(p.ProjectFileName, QStringLiteral("untitled"));
    EXPECT_EQ(p.ServiceFactor, QStringLiteral("1.15"));
    EXPECT_EQ(p.SupplyTypeText, QStringLiteral("0"));
    EXPECT_EQ(p.PumpPurpose, QStringLiteral("0"));
    EXPECT_EQ(p.FirePumpType, QStringLiteral("Not Specified"));
    EXPECT_EQ(p.AutoOperation, QStringLiteral("Not Specified"));
    EXPECT_EQ(p.RoomDuringTesting, 2);
    EXPECT_EQ(p.ReferencePumpTest, 1);
    EXPECT_TRUE(p.ShowPumpRatingCurve);
    EXPECT_FALSE(p.ShowCombinedCurve);
    EXPECT_TRUE(p.TitleFromFileName);
    EXPECT_EQ(p.FlowScaleIndex, 0);
    EXPECT_EQ(p.CaptureSizeIndex, 3);
    EXPECT_EQ(p.MarginBottom, QStringLiteral("7"));
    EXPECT_EQ(p.MaxFlowText, QStringLiteral("1000"));
    EXPECT_EQ(
        (std::array{p.SupplySymbol, p.DemandSymbol, p.NfpaSymbol, p.RatedPumpSymbol,
                    p.PumpTestSymbol, p.SymbolSizeIndex, p.FontSizeIndex, p.LineThicknessIndex}),
        (std::array{5, 3, 2, 1, 4, 1, 2, 2}));

    for (int d = 1; d <= kTestCount; ++d) {
        const QString purpose = QStringLiteral("Dmd Pt %1").arg(d);
        EXPECT_EQ(p.DemandPurpose[d], purpose);
        EXPECT_EQ(p.HydrantDemandPurpose[d], purpose);
        EXPECT_EQ(p.SupplyShowCurve[d], d == 1);
        EXPECT_EQ(p.PumpTestKind[d], QStringLiteral("Annual"));
        EXPECT_EQ(p.CombinedMeetsDemand[d], 2);
        EXPECT_EQ(p.MotorMeetsNfpa25[d], 2);
    }
}

TEST(ResetToDefaults, ColoursAreStoredWithRedInTheLowestByte) {
    const ProjectData p;
    EXPECT_EQ(p.SupplyTestColor[1], 255u);        // red
    EXPECT_EQ(p.SupplyTestColor[2], 128u << 8);   // green
    EXPECT_EQ(p.SupplyTestColor[3], 0x008080u);   // olive
    EXPECT_EQ(p.SupplyTestColor[5], 0x00FFFFu);   // yellow
    EXPECT_EQ(p.PumpRatingCurveColor, 0xFF0000u); // blue
    EXPECT_EQ(p.TitleBackgroundColor, 0xF1F0EBu); // (235, 240, 241)
    EXPECT_EQ(p.UserEntryTextColor, 0x603000u);   // (0, 48, 96)
    EXPECT_EQ(p.OutsideBackgroundColor, 0xF0F0F0u);
    // The ramps fade from the brightest shade for number 1 to the darkest for number 5.
    const unsigned ramp[] = {0, 255, 215, 175, 135, 95};
    for (int i = 1; i <= kTestCount; ++i) {
        EXPECT_EQ(p.PumpTestColor[i], ramp[i]);
        EXPECT_EQ(p.PumpTestCombinedColor[i], ramp[i] << 8);
        EXPECT_EQ(p.DemandColor[i], ramp[i] << 16);
        EXPECT_EQ(p.HydrantDemandColor[i], ramp[i] << 16);
    }
}

TEST(ResetToDefaults, ResetForgetsEverythingButTheFileName) {
    ProjectData p = test::RandomProject(7).Make();
    p.ProjectFileName = QStringLiteral("/surveys/Plant.qrx");
    p.SuctionPressureType[3] = 2;
    ResetToDefaults(p);

    ProjectData expected;
    expected.ProjectFileName = QStringLiteral("/surveys/Plant.qrx");
    EXPECT_EQ(p, expected);
}

TEST(ResetToDefaults, ANewHydrantTestDiffersOnlyInKindAndFlowScale) {
    ProjectData hydrant = test::RandomProject(9).Make();
    ResetToHydrantTestDefaults(hydrant);
    EXPECT_TRUE(hydrant.IsHydrantTest);
    EXPECT_EQ(hydrant.FlowScaleIndex, 1);

    hydrant.IsHydrantTest = false;
    hydrant.FlowScaleIndex = 0;
    EXPECT_EQ(hydrant, ProjectData());
}

} // namespace
} // namespace quenra
