#include "hydraulics/PumpTestTable.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

constexpr int kTest = 2;

class PumpTestTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        project.DriverKind = 0;
        project.DriverVolts = QStringLiteral("460");
        project.DriverAmps = QStringLiteral("100");
        project.ServiceFactor = QString();
        project.RatedSpeed = QStringLiteral("1780");
    }
    void Type(int row, int column, const char* text) {
        project.PumpReadings[kTest][row][column] = QString::fromLatin1(text);
    }
    void TypeRow(int row, int firstColumn, std::initializer_list<const char*> texts) {
        for (const char* text : texts)
            Type(row, firstColumn++, text);
    }
    const QString& Stored(int row, int column) const {
        return project.PumpReadings[kTest][row][column];
    }
    ProjectData project;
};

TEST_F(PumpTestTableTest, MarksVoltsOutsideRatedRange) {
    TypeRow(2, 1, {"430", "500", "460"}); // limits 437 and 506
    const PumpTestTableView view = PumpTestTableUpdate(project, kTest);
    EXPECT_TRUE(view.OutOfRange);
    EXPECT_EQ(view.Shown[2][1], QStringLiteral("<430>"));
    EXPECT_EQ(view.Shown[2][2], QStringLiteral("500"));
    EXPECT_EQ(Stored(2, 1), QStringLiteral("430")); // the record keeps what was typed
    EXPECT_EQ(Stored(2, 4), QStringLiteral("{463.3}"));
    EXPECT_EQ(view.Shown[2][4], QStringLiteral("------"));

    // A reading stored with its marks is read as the number between them.
    Type(2, 1, "<430>");
    const PumpTestTableView again = PumpTestTableUpdate(project, kTest);
    EXPECT_EQ(again.Shown[2][1], QStringLiteral("<430>"));
    EXPECT_EQ(Stored(2, 4), QStringLiteral("{463.3}"));

    // The cell being typed in is marked only once the inspector leaves it.
    Type(2, 1, "430");
    const PumpTestTableView typing = PumpTestTableUpdate(project, kTest, GridCell{1, 2});
    EXPECT_EQ(typing.Shown[2][1], QStringLiteral("430"));
    EXPECT_FALSE(typing.OutOfRange);
}

TEST_F(PumpTestTableTest, CurrentLimitUsesServiceFactor) {
    TypeRow(1, 5, {"100", "101", ""});
    for (const char* blankFactor : {"", "0", "-1", "x"}) {
        project.ServiceFactor = QString::fromLatin1(blankFactor);
        const PumpTestTableView view = PumpTestTableUpdate(project, kTest);
        EXPECT_EQ(view.Shown[1][5], QStringLiteral("100")) << blankFactor;
        EXPECT_EQ(view.Shown[1][6], QStringLiteral("<101>")) << blankFactor;
        EXPECT_TRUE(view.OutOfRange);
    }
    project.ServiceFactor = QStringLiteral("1.15");
    TypeRow(1, 5, {"114", "116", "115"});
    const PumpTestTableView view = PumpTestTableUpdate(project, kTest);
    EXPECT_EQ(view.Shown[1][5], QStringLiteral("114"));
    EXPECT_EQ(view.Shown[1][6], QStringLiteral("<116>"));
    // Exactly at the limit is within it, though 100 * 1.15 is not 115 in binary arithmetic.
    EXPECT_EQ(view.Shown[1][7], QStringLiteral("115"));
}

TEST_F(PumpTestTableTest, PhaseSummariesAreStoredAndHidden) {
    project.ServiceFactor = QStringLiteral("1.15");
    TypeRow(4, 1, {"460", "462", "464"});
    TypeRow(4, 5, {"100", "102", "98"});
    TypeRow(5, 1, {"460", "461", "461"});
    const PumpTestTableView view = PumpTestTableUpdate(project, kTest);
    EXPECT_EQ(Stored(4, 4), QStringLiteral("{462}"));
    EXPECT_EQ(Stored(4, 8), QStringLiteral("{300}")); // a total, not a mean
    EXPECT_EQ(Stored(5, 4), QStringLiteral("{460.7}"));
    EXPECT_EQ(Stored(5, 8), QStringLiteral("------"));
    EXPECT_EQ(Stored(6, 4), QStringLiteral("------"));
    EXPECT_EQ(view.Shown[4][8], QStringLiteral("------"));
    EXPECT_FALSE(view.OutOfRange);
}

TEST_F(PumpTestTableTest, NetAndSpeedAdjustedValues) {
    TypeRow(2, 9, {"1750", "150", "20", "", "", "1000"});
    TypeRow(3, 9, {"1750", "150.5", "20", "", "", "0"});
    TypeRow(4, 9, {"", "150", "20", "", "", "1000"});
    const PumpTestTableView view = PumpTestTableUpdate(project, kTest);
    EXPECT_EQ(Stored(2, 12), QStringLiteral("{130}"));
    EXPECT_EQ(Stored(2, 13), QStringLiteral("{134.5}"));
    EXPECT_EQ(Stored(2, 15), QStringLiteral("{1017}"));
    EXPECT_EQ(view.Shown[2][13], QStringLiteral("{134.5}"));
    // The net pressure is not rounded; a running pump with no flow has an adjusted flow of 0.
    EXPECT_EQ(Stored(3, 12), QStringLiteral("{130.5}"));
    EXPECT_EQ(Stored(3, 15), QStringLiteral("{0}"));
    // Without a speed there is nothing to adjust.
    EXPECT_EQ(Stored(4, 12), QStringLiteral("{130}"));
    EXPECT_EQ(Stored(4, 13), QStringLiteral("------"));
    EXPECT_EQ(Stored(4, 15), QStringLiteral("------"));
    // Braced and marked cells read back as numbers.
    TypeRow(5, 9, {"<1780>", "{100}", "", "", "", "{500}"});
    PumpTestTableUpdate(project, kTest);
    EXPECT_EQ(Stored(5, 13), QStringLiteral("{100}"));
    EXPECT_EQ(Stored(5, 15), QStringLiteral("{500}"));
}

TEST_F(PumpTestTableTest, RowWithoutPressuresKeepsItsNet) {
    Type(3, 12, "{99}");
    Type(3, 9, "1780");
    Type(1, 12, "{99}");
    const PumpTestTableView view = PumpTestTableUpdate(project, kTest);
    EXPECT_EQ(Stored(3, 12), QStringLiteral("{99}"));
    EXPECT_EQ(view.Shown[3][12], QStringLiteral("{99}"));
    EXPECT_EQ(Stored(3, 13), QStringLiteral("{0}"));
    // The churn row always gets its net pressure.
    EXPECT_EQ(Stored(1, 12), QStringLiteral("------"));
}

TEST_F(PumpTestTableTest, DieselDriverIsNotMarked) {
    project.DriverKind = 1;
    TypeRow(2, 1, {"300", "300", "300"});
    TypeRow(2, 5, {"900", "", ""});
    const PumpTestTableView view = PumpTestTableUpdate(project, kTest);
    EXPECT_FALSE(view.OutOfRange);
    EXPECT_EQ(view.Shown[2][1], QStringLiteral("300"));
    EXPECT_EQ(view.Shown[2][5], QStringLiteral("900"));
    EXPECT_EQ(Stored(2, 4), QStringLiteral("{300}"));
    EXPECT_EQ(Stored(2, 8), QStringLiteral("{900}"));
    project.DriverKind = -1; // no driver chosen
    EXPECT_FALSE(PumpTestTableUpdate(project, kTest).OutOfRange);
}

TEST_F(PumpTestTableTest, BlankRatingsMarkEveryReading) {
    project.DriverVolts.clear();
    project.DriverAmps.clear();
    TypeRow(6, 1, {"460", "0", ""});
    TypeRow(6, 5, {"1", "", "0"});
    const PumpTestTableView view = PumpTestTableUpdate(project, kTest);
    EXPECT_TRUE(view.OutOfRange);
    EXPECT_EQ(view.Shown[6][1], QStringLiteral("<460>"));
    EXPECT_EQ(view.Shown[6][2], QStringLiteral("0"));
    EXPECT_EQ(view.Shown[6][3], QString());
    EXPECT_EQ(view.Shown[6][5], QStringLiteral("<1>"));
    EXPECT_EQ(view.Shown[6][7], QStringLiteral("0"));
}

TEST_F(PumpTestTableTest, PitotFlowsFeedAdjustedFlow) {
    project.UsePitotFlows[kTest] = true;
    project.PitotGrid[kTest][1][1] = QStringLiteral("2.5");
    project.PitotGrid[kTest][2][1] = QStringLiteral(".9");
    project.PitotGrid[kTest][3][1] = QStringLiteral("10");
    Type(2, 9, "1780");
    Type(2, 14, "2000");
    const PumpTestTableView view = PumpTestTableUpdate(project, kTest);
    EXPECT_TRUE(view.PitotFlowsComputed);
    EXPECT_EQ(view.HoseStreamFlows[1], QStringLiteral("{530}"));
    EXPECT_EQ(view.Shown[2][14], QStringLiteral("{530}"));
    EXPECT_EQ(view.Shown[1][14], QStringLiteral("0"));
    EXPECT_EQ(Stored(2, 15), QStringLiteral("{530}"));
}

TEST_F(PumpTestTableTest, UnknownTestChangesNothing) {
    TypeRow(2, 1, {"430", "", ""});
    const ProjectData before = project;
    EXPECT_FALSE(PumpTestTableUpdate(project, 0).OutOfRange);
    EXPECT_FALSE(PumpTestTableUpdate(project, 6).OutOfRange);
    EXPECT_EQ(project, before);
}

TEST_F(PumpTestTableTest, LastReadingRowAndElectricalReadings) {
    EXPECT_EQ(LastReadingRow(project, kTest), 0);
    Type(1, 12, "{120}");
    Type(4, 14, "{1500}");
    Type(7, 12, "{80}");
    EXPECT_EQ(LastReadingRow(project, kTest), 7);
    // The transfer switch row is not a point of the pump curve.
    project.TransferSwitchState[kTest] = 1;
    EXPECT_EQ(LastReadingRow(project, kTest), 4);
    project.PlotAdjusted[kTest] = true;
    Type(2, 15, "{900}");
    EXPECT_EQ(LastReadingRow(project, kTest), 2);

    Type(3, 6, "95");
    EXPECT_FALSE(HasElectricalReadings(project, kTest));
    Type(2, 3, "<430>");
    EXPECT_TRUE(HasElectricalReadings(project, kTest));
    EXPECT_EQ(LastReadingRow(project, 9), 0);
    EXPECT_FALSE(HasElectricalReadings(project, -1));
}

TEST_F(PumpTestTableTest, TestKindAndDriverPredicates) {
    project.PumpTestKind[kTest] = QStringLiteral("  ANNUAL test ");
    EXPECT_TRUE(IsAnnualTest(project, kTest));
    project.PumpTestKind[kTest] = QStringLiteral("Acceptance");
    EXPECT_FALSE(IsAnnualTest(project, kTest));

    EXPECT_TRUE(IsElectricDriver(project));
    EXPECT_FALSE(IsDieselDriver(project));
    project.DriverKind = -1;
    EXPECT_TRUE(IsElectricDriver(project));
    EXPECT_FALSE(IsDieselDriver(project));

    const bool expected[] = {false, true, true, false, false};
    for (int state = 0; state < 5; ++state) {
        project.TransferSwitchState[kTest] = state;
        project.DriverKind = 0;
        EXPECT_EQ(HasTransferSwitchRow(project, kTest), expected[state]) << state;
        project.DriverKind = 1;
        EXPECT_TRUE(IsDieselDriver(project));
        EXPECT_FALSE(HasTransferSwitchRow(project, kTest)) << state;
    }
}

} // namespace
} // namespace quenra
