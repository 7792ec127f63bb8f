#include "ReportProjects.h"

#include "hydraulics/QStringPrinter.h"
#include "report/ReportTexts.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

using enum ControlId;
using test::ElectricPumpProject;
using test::FilledLayout;

class ReportStatementsTest : public ::testing::Test {
protected:
    ProjectData project = ElectricPumpProject();
    ReportLayout Fill(int test = 1) { return FilledLayout(project, test); }
};

TEST_F(ReportStatementsTest, AnAnnualTestCitesNfpa25AndHidesTheControllerTests) {
    project.MeetsNfpa20[1] = true;
    project.MotorMeetsNfpa25[1] = 1;
    project.TransferSwitchState[1] = 1;
    for (const char* kind : {"Annual", "ANNUAL", "  Semi-annual test "}) {
        project.PumpTestKind[1] = QString::fromLatin1(kind);
        const ReportLayout R = Fill();
        EXPECT_EQ(R[Label21].Text, "The fire pump can meet NFPA 25 requirement of at least 95% "
                                   "of fire pump rating.")
            << kind;
        EXPECT_EQ(R[Label65].Text, "Motor meets NFPA 25 min volt and amp performance.");
        EXPECT_EQ(R[Label44].Text, "The transfer switch operated properly when tested as per "
                                   "NFPA 25, see test data results below.");
        EXPECT_FALSE(R.Panel(PanelId::ControllerTestsBlock).Visible);
    }
}

TEST_F(ReportStatementsTest, AnyOtherTestKindCitesNfpa20AndShowsTheControllerTests) {
    project.MeetsNfpa20[1] = false;
    project.MotorMeetsNfpa25[1] = 0;
    project.TransferSwitchState[1] = 2;
    project.EmergencyStartHandle[1] = true;
    project.LoadStartTest[1] = false;
    for (const char* kind : {"Acceptance", "", "Annul"}) {
        project.PumpTestKind[1] = QString::fromLatin1(kind);
        const ReportLayout R = Fill();
        EXPECT_EQ(R[Label21].Text, "The fire pump cannot meet NFPA 20 requirement of the fire "
                                   "pump rating, see comments below.")
            << kind;
        EXPECT_EQ(R[Label65].Text, "Motor does not meet NFPA 20 volts/amps, see below.");
        EXPECT_EQ(R[Label44].Text, "The transfer switch was tested as required by NFPA 20; but "
                                   "did not operate properly.  See below.");
        EXPECT_TRUE(R.Panel(PanelId::ControllerTestsBlock).Visible);
        EXPECT_EQ(R[Label37].Text,
                  "Emergency start handle was tested per NFPA 20 and operated properly.");
        EXPECT_EQ(R[Label39].Text, "under the conditions of a peak load discharge and did not "
                                   "operate properly.");
    }
}

TEST_F(ReportStatementsTest, VoltsNotTakenCitesTheTestsStandard) {
    project.MotorMeetsNfpa25[1] = 2;
    EXPECT_EQ(Fill()[Label65].Text, "The volts/amps were not taken as required by NFPA 25.");
}

TEST_F(ReportStatementsTest, MotorLimitsFollowTheRatedVoltsAmpsAndServiceFactor) {
    ReportLayout R = Fill();
    EXPECT_TRUE(R.Panel(PanelId::MotorPerformanceBlock).Visible);
    EXPECT_EQ(R[Label30].Text, "Min Volts: (5% Below Rating) 480 X 0.95 =");
    EXPECT_EQ(R[Edit32].Text, "456");
    EXPECT_EQ(R[Label32].Text, "Max Volts: (10% Above Rating) 480 X 1.10 =");
    EXPECT_EQ(R[Edit34].Text, "528");
    EXPECT_EQ(R[Label27].Text, "Max Amps: Amps 10 X Service Factor 1.15 =");
    EXPECT_EQ(R[Edit28].Text, "11.5");
    EXPECT_EQ(R[Edit23].Text, "480");
    EXPECT_EQ(R[Edit24].Text, "10");
    EXPECT_EQ(R[Edit25].Text, "1.15");

    project.DriverVolts.clear();
    project.DriverAmps = QStringLiteral("abc");
    R = Fill();
    EXPECT_EQ(R[Label30].Text, "Min Volts: (5% Below Rating) 0 X 0.95 =");
    EXPECT_EQ(R[Edit32].Text, "N/A");
    EXPECT_EQ(R[Edit34].Text, "N/A");
    EXPECT_EQ(R[Edit23].Text, "N/A");
    EXPECT_EQ(R[Label27].Text, "Max Amps: Amps 0 X Service Factor 1.15 =");
    EXPECT_EQ(R[Edit28].Text, "N/A");
}

TEST_F(ReportStatementsTest, TheMotorSectionNeedsAnElectricDriverWithReadings) {
    for (int row = 1; row <= 3; ++row)
        for (int column : {1, 2, 3, 5, 6, 7})
            project.PumpReadings[1][row][column].clear();
    EXPECT_FALSE(Fill().Panel(PanelId::MotorPerformanceBlock).Visible);
    project.PumpReadings[1][2][6] = QStringLiteral("<12>");
    EXPECT_TRUE(Fill().Panel(PanelId::MotorPerformanceBlock).Visible);
    EXPECT_EQ(Fill().Panel(PanelId::MotorPerformanceBlock).Height, 75);
    project.MotorComment[1] = QStringLiteral("Phase B high");
    EXPECT_EQ(Fill().Panel(PanelId::MotorPerformanceBlock).Height, 123);
}

TEST_F(ReportStatementsTest, PumpAndDriverValuesQuoteTheRating) {
    project.PumpPurpose = QStringLiteral("1");
    const ReportLayout R = Fill();
    EXPECT_EQ(R[TitleHeading].Text, "Fire Pump Test Report");
    EXPECT_EQ(R[Edit6].Text, "118 psi");
    EXPECT_EQ(R[Edit7].Text, "100 psi @ 1000 gpm");
    EXPECT_EQ(R[Edit8].Text, "1780 RPM");
    EXPECT_EQ(R[Edit9].Text, "72 psi @ 1500 gpm");
    EXPECT_EQ(R[Edit10].Text, "standpipe system(s).");
    EXPECT_EQ(R[PumpTestDataHeading].Text, "Fire Pump Test 10/14/2026");
    project.PumpTestDate[1].clear();
    EXPECT_EQ(Fill()[PumpTestDataHeading].Text, "Fire Pump Test #1");
}

TEST_F(ReportStatementsTest, ClientAndPumpSectionsOpenOnlyTheFirstPage) {
    EXPECT_TRUE(FilledLayout(project, 1, 1).Panel(PanelId::ClientBlock).Visible);
    EXPECT_TRUE(FilledLayout(project, 1, 1).Panel(PanelId::PumpDataBlock).Visible);
    EXPECT_FALSE(FilledLayout(project, 1, 2).Panel(PanelId::ClientBlock).Visible);
    EXPECT_FALSE(FilledLayout(project, 1, 2).Panel(PanelId::PumpDataBlock).Visible);
    project.ReportPumpSection = false;
    project.ReportControllerSection = false;
    EXPECT_FALSE(FilledLayout(project, 1, 1).Panel(PanelId::ClientBlock).Visible);
    EXPECT_FALSE(FilledLayout(project, 1, 1).Panel(PanelId::PumpDataBlock).Visible);
}

TEST_F(ReportStatementsTest, FuelTankLevelBelongsToThePagesTest) {
    project.DriverKind = kDieselDriver;
    project.FuelTankLevel[1] = 2;
    project.FuelTankOther[1] = QStringLiteral("1/2");
    project.EngineHourMeter[1] = QStringLiteral("1234");
    EXPECT_EQ(Fill()[Edit50].Text, "1/2");
    EXPECT_EQ(Fill()[Edit49].Text, "1234");
    project.FuelTankLevel[1] = 1;
    EXPECT_EQ(Fill()[Edit50].Text, "3/4");
    // The summary page has no test to quote.
    EXPECT_EQ(Fill(0)[Edit50].Text, "");
    EXPECT_EQ(Fill(0)[Edit49].Text, "");
}

TEST_F(ReportStatementsTest, CombinedCurveNotApplicableMovesTheLinesUp) {
    project.DemandShow = {false, true, false, false, false, false};
    project.CombinedMeetsDemand[1] = 1;
    project.CombinedCurveComment[1] = QStringLiteral("Meets with margin");
    ReportLayout R = Fill();
    EXPECT_EQ(R[Label22].Text, "The fire pump combined with the water supply can meet the "
                               "largest fire protection demand(s) listed below.");
    EXPECT_EQ(R[Edit78].Top, 48);
    EXPECT_EQ(R[Label71].Top, 52);
    EXPECT_EQ(R[Edit31].Top, 74);
    EXPECT_EQ(R[Edit11].Top, 101);
    EXPECT_EQ(R[Label11].Top, 105);
    EXPECT_EQ(R.Panel(PanelId::DemandBlock).Height, 24 + 1 + 104);

    project.CombinedMeetsDemand[1] = 2;
    R = Fill();
    EXPECT_EQ(R[Label22].Text, "");
    EXPECT_EQ(R[Edit78].Top, 24);
    EXPECT_EQ(R[Edit11].Top, 77);
    EXPECT_EQ(R.Panel(PanelId::DemandBlock).Height, 24 - 23 + 104);

    project.CombinedCurveComment[1].clear();
    R = Fill();
    EXPECT_EQ(R[Edit11].Top, 29);
    EXPECT_EQ(R[Edit13].Top, 53);
    EXPECT_EQ(R.Panel(PanelId::DemandBlock).Height, 24 - 71 + 104);
    EXPECT_TRUE(R.Panel(PanelId::DemandBlock).Visible);

    project.DemandShow[1] = false;
    EXPECT_FALSE(Fill().Panel(PanelId::DemandBlock).Visible);

    project.CombinedMeetsDemand[1] = 0;
    EXPECT_EQ(Fill()[Label22].Text, "The fire pump combined with the water supply cannot meet "
                                    "the largest fire protection demand(s), see below.");
}

TEST_F(ReportStatementsTest, DemandPointsKeepTheirOwnNumbers) {
    project.DemandShow = {false, false, true, false, true, false};
    project.DemandPressure[2] = QStringLiteral("65");
    project.DemandFlow[2] = QStringLiteral("750");
    project.DemandPurpose[2] = QStringLiteral("Automatic Sprinkler");
    project.DemandPressure[4] = QStringLiteral("40");
    project.DemandFlow[4] = QStringLiteral("250");
    project.DemandPurpose[4] = QStringLiteral("Hoses");
    PerTest<DemandPointVerdict> verdicts;
    verdicts[2] = DemandPointVerdict::Cushioned(12.3, QStringLiteral("psi"));
    verdicts[4] = DemandPointVerdict::OutOfPumpRange();
    const ReportLayout R = FilledLayout(project, 1, 1, verdicts);
    EXPECT_EQ(R.DemandLineCount, 2);
    EXPECT_EQ(R[Edit11].Text, "Demand Point 2 at 65 psi @ 750 gpm is for Automatic Sprinkler. "
                              "Safety Cushion: +12.3 psi");
    EXPECT_EQ(R[Edit13].Text, "Demand Point 4 at 40 psi @ 250 gpm is for Hoses. Out of Range");
    EXPECT_EQ(R[Edit16].Text, "");
}

TEST_F(ReportStatementsTest, HydrantDemandPointsStandAlone) {
    project.IsHydrantTest = true;
    project.HydrantDemandShow = {false, true, false, false, false, true};
    project.HydrantDemandPressure[5] = QStringLiteral("20");
    project.HydrantDemandFlow[5] = QStringLiteral("1500");
    project.HydrantDemandPurpose[5] = QStringLiteral("Fire flow");
    const ReportLayout R = Fill(2);
    EXPECT_EQ(R[TitleHeading].Text, "Fire Hydrant Test Report");
    EXPECT_EQ(R.DemandLineCount, 2);
    EXPECT_TRUE(
        R[Edit13].Text.startsWith("Demand Point 5 at 20 psi @ 1500 gpm is for Fire flow. "));
    EXPECT_EQ(R[Edit11].Top, 23);
    EXPECT_EQ(R[Label13].Top, 51);
    EXPECT_EQ(R.Panel(PanelId::DemandBlock).Height, 72);
    EXPECT_FALSE(R.Panel(PanelId::PumpDataBlock).Visible);
}

TEST_F(ReportStatementsTest, TransferSwitchStatesShowTheirSections) {
    struct Case {
        int State;
        bool Sentence;
        bool Results;
    };
    for (const Case c : {Case{0, false, false}, Case{1, true, true}, Case{2, true, true},
                         Case{3, false, false}, Case{4, true, false}, Case{9, false, false}}) {
        project.TransferSwitchState[1] = c.State;
        const ReportLayout R = Fill();
        EXPECT_EQ(R.Panel(PanelId::TransferSwitchTestBlock).Visible, c.Sentence) << c.State;
        EXPECT_EQ(R.Panel(PanelId::TransferSwitchResultsBlock).Visible, c.Results) << c.State;
    }
    project.TransferSwitchState[1] = 4;
    EXPECT_EQ(Fill()[Label44].Text, "The transfer switch was not tested as required by NFPA 25; "
                                    "see comment section below for details.");
    EXPECT_EQ(Fill().Panel(PanelId::TransferSwitchTestBlock).Height, 51);
    project.TransferSwitchNote[1] = QStringLiteral("Generator out of service");
    EXPECT_EQ(Fill().Panel(PanelId::TransferSwitchTestBlock).Height, 97);
}

TEST_F(ReportStatementsTest, ADieselEngineHasNoMotorOrTransferSwitchSections) {
    project.DriverKind = kDieselDriver;
    project.TransferSwitchState[1] = 1;
    project.PumpTestKind[1] = QStringLiteral("Acceptance");
    const ReportLayout R = Fill();
    EXPECT_FALSE(R.Panel(PanelId::MotorPerformanceBlock).Visible);
    EXPECT_FALSE(R.Panel(PanelId::TransferSwitchTestBlock).Visible);
    EXPECT_FALSE(R.Panel(PanelId::TransferSwitchResultsBlock).Visible);
    // The controller tests keep only the starts, side by side.
    EXPECT_TRUE(R.Panel(PanelId::ControllerTestsBlock).Visible);
    EXPECT_EQ(R.Panel(PanelId::ControllerTestsBlock).Height, 49);
    EXPECT_FALSE(R[Label37].Visible);
    EXPECT_FALSE(R[Edit40].Visible);
    EXPECT_EQ(R[Label36].Left, 300);
    EXPECT_EQ(R[Edit38].Top, 20);
    EXPECT_EQ(R[Edit12].Top, 44);
}

TEST_F(ReportStatementsTest, CommentsGrowTheirSections) {
    project.PumpTestKind[1] = QStringLiteral("Acceptance");
    ReportLayout R = Fill();
    EXPECT_EQ(R.Panel(PanelId::PumpPerformanceBlock).Height, 57);
    EXPECT_EQ(R.Panel(PanelId::ControllerTestsBlock).Height, 97);
    EXPECT_EQ(R.Panel(PanelId::PressureSettingsBlock).Height, 49);
    project.NfpaComment[1] = QStringLiteral("Low at 150%");
    project.ControllerTestComment[1] = QStringLiteral("Two starts");
    project.PressureSettingsComment[1] = QStringLiteral("Jockey short cycles");
    project.PressureSettings[1][1][1] = QStringLiteral("115");
    project.PressureSettings[1][2][1] = QStringLiteral("125");
    project.PressureSettings[1][1][2] = QStringLiteral("105");
    project.PressureSettings[1][2][2] = QStringLiteral("125");
    R = Fill();
    EXPECT_EQ(R.Panel(PanelId::PumpPerformanceBlock).Height, 105);
    EXPECT_EQ(R.Panel(PanelId::ControllerTestsBlock).Height, 141);
    EXPECT_EQ(R.Panel(PanelId::PressureSettingsBlock).Height, 93);
    EXPECT_EQ(R[Edit41].Text, "115 psi");
    EXPECT_EQ(R[Edit42].Text, "125 psi");
    EXPECT_EQ(R[Edit43].Text, "105 psi");
    EXPECT_EQ(R[Edit21].Text, "Low at 150%");
}

TEST_F(ReportStatementsTest, NumbersOutsideTheTestsFillWithoutHarm) {
    for (int test : {-3, 0, 6, 1000}) {
        const ReportLayout R = Fill(test);
        EXPECT_EQ(R[TitleHeading].Text, "Fire Pump Test Report") << test;
        EXPECT_EQ(R.CommentLineCount, 0);
    }
}

} // namespace
} // namespace quenra
