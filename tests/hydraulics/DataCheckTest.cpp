#include "hydraulics/DataCheck.h"
#include "CurveProjects.h"
#include "QStringPrinter.h"
#include "hydraulics/DataErrorPrompt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

QStringList Messages(ProjectData& p) {
    return CheckData(p).Messages;
}

TEST(DataCheck, HydrantTestMessagesInOrderAndTheRaisedFlow) {
    ProjectData p = test::BlankHydrantProject();
    test::SetSupplyTest(p, 2, "0", "-3", "10");
    test::SetSupplyTest(p, 4, "50", "60", "10.5");
    test::SetSupplyTest(p, 5, "", "", ""); // not displayed: not checked
    p.SupplyShowCurve[2] = p.SupplyShowCurve[4] = true;
    EXPECT_EQ(Messages(p),
              (QStringList{"Illegal Static Pressure in Supply Test 2",
                           "Illegal Residual Pressure in Supply Test 2",
                           "Illegal Residual Flow in Supply Test 2",
                           "Residual Pressure exceeds Static Pressure in Supply Test 4"}));
    EXPECT_EQ(p.SupplyResidualFlow[2], QStringLiteral("10"));
    EXPECT_EQ(p.SupplyResidualFlow[4], QStringLiteral("10.5"));
    EXPECT_EQ(p.SupplyResidualFlow[5], QString());

    // A blank or negative flow is raised as well; a fire pump project checks no supply test.
    p.SupplyResidualFlow[4] = QStringLiteral("-20");
    Messages(p);
    EXPECT_EQ(p.SupplyResidualFlow[4], QStringLiteral("10"));
    p.IsHydrantTest = false;
    p.SupplyResidualFlow[4] = QStringLiteral("5");
    EXPECT_TRUE(Messages(p).isEmpty());
    EXPECT_EQ(p.SupplyResidualFlow[4], QStringLiteral("5"));
}

TEST(DataCheck, RatedPumpMessagesWhileItsCurveOrNfpa20IsShown) {
    ProjectData p = test::BlankPumpProject();
    test::SetRatedPump(p, "0", "-1", "", "x");
    EXPECT_TRUE(Messages(p).isEmpty()); // neither shown
    p.ShowNfpa20Curve = true;
    // Churn -1 is not greater than rated 0, and 0 is not greater than 0.
    EXPECT_EQ(Messages(p), (QStringList{"Illegal Rated Flow in Rated Pump",
                                        "Illegal Rated Pressure in Rated Pump",
                                        "Illegal Churn Pressure in Rated Pump",
                                        "Illegal Pressure at 1.5QR in Rated Pump",
                                        "Rated Pressure exceeds Churn Pressure in Rated Pump",
                                        "Pressure at 1.5QR exceeds Rated Pressure in Rated Pump"}));
    test::SetRatedPump(p, "1000", "140", "100", "65");
    p.ShowNfpa20Curve = false;
    p.ShowPumpRatingCurve = true;
    EXPECT_TRUE(Messages(p).isEmpty());
    test::SetRatedPump(p, "1000", "100", "100", "100");
    EXPECT_EQ(Messages(p), (QStringList{"Rated Pressure exceeds Churn Pressure in Rated Pump",
                                        "Pressure at 1.5QR exceeds Rated Pressure in Rated Pump"}));
}

TEST(DataCheck, PumpTestRowsAreNamedAsThePageShowsThem) {
    ProjectData p = test::BlankPumpProject();
    // Row zero with flow, a blank row 2 between rows 1 and 3, row 3 with a negative pressure.
    test::SetReadings(p, 2, {{50, 120, 0}, {1000, 100, 0}});
    p.PumpReadings[2][4][kFlowColumn] = QStringLiteral("1500");
    p.PumpReadings[2][4][kNetPressureColumn] = QStringLiteral("{-2}");
    p.PumpTestCombined[2] = true;
    p.PumpTestInGraph[3] = true; // all rows blank
    p.PumpTestInGraph[4] = true;
    test::SetReadings(p, 4, {{0, 120, 0}, {1000, 100, 0}, {1500, 70, 0}});
    const CheckResult result = CheckData(p);
    EXPECT_EQ(result.Messages, (QStringList{"Non-zero flow in row zero of pump test 2",
                                            "Illegal Pressure in row 2 of pump test 2",
                                            "Illegal flow in row 2 of pump test 2",
                                            "Illegal Pressure in row 3 of pump test 2",
                                            "Error: No pressure or flow data in pump test 3"}));
    EXPECT_TRUE(result.FlaggedPumpTests[2]);
    EXPECT_TRUE(result.FlaggedPumpTests[3]);
    EXPECT_FALSE(result.FlaggedPumpTests[4]);
    EXPECT_FALSE(result.FlaggedPumpTests[1]);
}

TEST(DataCheck, AdjustedTestsAreCheckedInTheirAdjustedColumns) {
    ProjectData p = test::BlankPumpProject();
    p.PumpTestInGraph[1] = true;
    p.PlotAdjusted[1] = true;
    test::SetReadings(p, 1, {{0, 120, 0}, {1000, 100, 0}}); // plain columns only
    EXPECT_EQ(Messages(p), QStringList{"Error: No pressure or flow data in pump test 1"});
    p.PumpReadings[1][1][kAdjustedPressureColumn] = QStringLiteral("{121}");
    p.PumpReadings[1][2][kAdjustedFlowColumn] = QStringLiteral("{1010}");
    EXPECT_EQ(Messages(p), QStringList{"Illegal Pressure in row 1 of pump test 1"});
}

TEST(DataCheck, DemandPointsOfTheProjectsOwnSet) {
    ProjectData p = test::BlankPumpProject();
    test::SetDemandPoint(p, 2, "0", "50");
    test::SetDemandPoint(p, 4, "500", "");
    p.HydrantDemandShow[1] = true; // the other set is not checked
    EXPECT_EQ(Messages(p), (QStringList{"Illegal Flow in Demand Point 2",
                                        "Illegal Pressure in Demand Point 4"}));
    p.IsHydrantTest = true;
    EXPECT_EQ(Messages(p), (QStringList{"Illegal Flow in Demand Point 1",
                                        "Illegal Pressure in Demand Point 1"}));
}

TEST(DataCheck, NothingWhileAProjectIsBeingRead) {
    ProjectData p = test::BlankHydrantProject();
    p.SupplyShowCurve[1] = true;
    const CheckResult result = CheckData(p, true);
    EXPECT_FALSE(result.ErrorsFound());
    EXPECT_EQ(p.SupplyResidualFlow[1], QString());
}

// Finding changes nothing; the one repair is a step of its own, for the displayed hydrant
// tests only, and not while a project is being read.
TEST(DataCheck, FindingChangesNothingAndRaisingIsTheOnlyRepair) {
    ProjectData p = test::BlankHydrantProject();
    test::SetSupplyTest(p, 1, "60", "40", "5");
    test::SetSupplyTest(p, 2, "60", "40", "");
    test::SetSupplyTest(p, 3, "60", "40", "8"); // not displayed
    p.SupplyShowCurve[1] = p.SupplyShowCurve[2] = true;
    const QStringList expected{"Illegal Residual Flow in Supply Test 1",
                               "Illegal Residual Flow in Supply Test 2"};
    const PerTest<QString> typed = p.SupplyResidualFlow;

    EXPECT_EQ(FindDataErrors(p).Messages, expected);
    EXPECT_EQ(p.SupplyResidualFlow, typed);
    RaiseSmallResidualFlows(p, true);
    EXPECT_EQ(p.SupplyResidualFlow, typed);

    RaiseSmallResidualFlows(p);
    EXPECT_EQ(p.SupplyResidualFlow[1], QStringLiteral("10"));
    EXPECT_EQ(p.SupplyResidualFlow[2], QStringLiteral("10"));
    EXPECT_EQ(p.SupplyResidualFlow[3], QStringLiteral("8"));
    // A raised flow is still reported: the inspector has to correct it.
    EXPECT_EQ(FindDataErrors(p).Messages, expected);

    // A fire pump project keeps its supply tests as typed.
    p.IsHydrantTest = false;
    p.SupplyResidualFlow[1] = QStringLiteral("5");
    RaiseSmallResidualFlows(p);
    EXPECT_EQ(p.SupplyResidualFlow[1], QStringLiteral("5"));
}

TEST(DataCheck, TheErrorCheckCommandShowsEveryMessageOrNoErrorsFound) {
    ProjectData p = test::BlankPumpProject();
    test::ScriptedPrompter prompter;
    EXPECT_FALSE(ErrorCheckCommand(p, prompter).ErrorsFound());
    EXPECT_EQ(prompter.Messages, QStringList{"No errors found"});

    prompter.Messages.clear();
    test::SetDemandPoint(p, 1, "", "");
    EXPECT_TRUE(ErrorCheckCommand(p, prompter).ErrorsFound());
    EXPECT_EQ(prompter.Messages, (QStringList{"Illegal Flow in Demand Point 1",
                                              "Illegal Pressure in Demand Point 1"}));
}

class DataErrorPromptTest : public ::testing::Test {
protected:
    void SetUp() override { test::SetDemandPoint(project, 1, "", "50"); }
    CheckResult Render() { return CheckBeforeDrawing(project, prompter, flags); }

    ProjectData project = test::BlankPumpProject();
    test::ScriptedPrompter prompter;
    PromptFlags flags;
    const QString question =
        QStringLiteral("Display errors?  Abort to not display this message again.");
};

TEST_F(DataErrorPromptTest, YesShowsTheMessagesOnceUntilTheTabChanges) {
    prompter.Answers = {Prompter::Answer::Yes};
    EXPECT_TRUE(Render().ErrorsFound());
    EXPECT_EQ(prompter.Questions, QStringList{question});
    EXPECT_EQ(prompter.Messages, QStringList{"Illegal Flow in Demand Point 1"});
    EXPECT_TRUE(flags.ErrorPromptShown);

    // The next rendering asks nothing, but still finds the errors for the curves.
    EXPECT_TRUE(Render().ErrorsFound());
    EXPECT_EQ(prompter.Questions.size(), 1);

    flags.ErrorPromptShown = false; // the window clears it at a tab change
    Render();
    EXPECT_EQ(prompter.Questions.size(), 2);
    EXPECT_EQ(prompter.Messages.size(), 1); // answered No
}

TEST_F(DataErrorPromptTest, AbortSuppressesTheQuestion) {
    prompter.Answers = {Prompter::Answer::Abort};
    Render();
    EXPECT_TRUE(flags.ErrorPromptSuppressed);
    flags.ErrorPromptShown = false;
    Render();
    EXPECT_EQ(prompter.Questions.size(), 1);
    EXPECT_TRUE(prompter.Messages.isEmpty());
}

TEST_F(DataErrorPromptTest, NoQuestionWithoutErrorsOrWhileLoading) {
    EXPECT_FALSE(CheckBeforeDrawing(project, prompter, flags, true).ErrorsFound());
    project.DemandFlow[1] = QStringLiteral("500");
    EXPECT_FALSE(Render().ErrorsFound());
    EXPECT_TRUE(prompter.Questions.isEmpty());
    EXPECT_FALSE(flags.ErrorPromptShown);
}

} // namespace
} // namespace quenra
