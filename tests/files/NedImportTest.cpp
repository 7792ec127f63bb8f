#include "files/NedImport.h"

#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace quenra {
namespace {

ProjectData Imported(const char* ned) {
    ProjectData project;
    ImportNedText(project, QString::fromUtf8(ned));
    return project;
}

TEST(NedImportRecords, FieldsQuotedOrAfterTheFirstComma) {
    const ProjectData p = Imported(R"ned("Form","MainScreenInfo","",0
"Text","PM_SP","65, at the hydrant",0
"Check","Check1","",1
"Check","P1_Show","","0"
"Combo","combo1(4)",""," 3 "
"Combo","combo2(0)","",2
"Combo","combo2(0)","",2.5
"Check","ASCheck1",1
"Text","P1_RF",1500,7
"Text" , "P1_RP" , "120" , 0
"Text","PM_D","12/05/2003, morning)ned");
    EXPECT_EQ(p.SupplyStaticPressure[1], "65, at the hydrant");
    EXPECT_TRUE(p.SupplyCalcFlow[1]);
    EXPECT_FALSE(p.ShowPumpRatingCurve);
    EXPECT_EQ(p.UnitSystem, 3);
    EXPECT_EQ(p.LiftHeadKind, 0);     // "2.5" is not a decimal integer
    EXPECT_TRUE(p.SupplyCalcFlow[2]); // a bare value serves as text and value
    EXPECT_EQ(p.RatedFlow, "1500,7");
    EXPECT_EQ(p.RatedPressure, "120");
    EXPECT_EQ(p.SupplyTestDate[1], "12/05/2003, morning"); // unclosed quote
}

TEST(NedImportRecords, UnknownScopesNamesAndCaseAreSkippedOnANewProject) {
    ProjectData p;
    p.ProjectFileName = QStringLiteral("/jobs/site.ned");
    p.RatedFlow = QStringLiteral("750");
    ImportNedText(p, QStringLiteral(R"ned("Text","P1_RF","before any scope",0
"Form","MainScreenInfo","",0
"Text","p1_rf","wrong case",0
"Text","Text999","unknown name",0
"Text","Text139","a readings cell out of its scope",0
"form","ExtraDataInfo","",0
"Text","P1_RS","1770",0
"Form","PrinterInfo","",0
"Text","P1_RP","unknown scope",0
"Form","mainscreeninfo","",0
"Text","P1_CP","wrongly cased scope",0
not a record at all

)ned"));
    ProjectData expected;
    expected.ProjectFileName = QStringLiteral("/jobs/site.ned");
    expected.RatedSpeed = QStringLiteral("1770");
    EXPECT_EQ(p, expected);
}

TEST(NedImportRecords, SameNameMeansDifferentFieldsInDifferentScopes) {
    const ProjectData p = Imported(R"ned("Form","MainScreenInfo","",0
"Text","Text7","1998",0
"Form","ExtraDataInfo","",0
"Text","Text7","250",0
"Text","Text6","PC-9",0
"Form","PumpTestInfo1","",0
"Text","Text7","PRV 6 in.",0
"Text","Text6","105",0)ned");
    EXPECT_EQ(p.InstallDate, "1998");
    EXPECT_EQ(p.DriverHorsepower, "250");
    EXPECT_EQ(p.Pcre, "PC-9");
    EXPECT_EQ(p.PrvSettings[1], "PRV 6 in.");
    EXPECT_EQ(p.PressureSettings[1][3][1], "105");
}

TEST(NedImportMainScreen, SwitchesOfTests1And2ShareOneValue) {
    const QString main = QStringLiteral("\"Form\",\"MainScreenInfo\",\"\",0\n");
    for (int v = 0; v <= 3; ++v) {
        ProjectData p;
        ImportNedText(p, main + QStringLiteral("\"Check\",\"WS_SC(0)\",\"\",%1\n"
                                               "\"Check\",\"tp_show(2)\",\"\",%1")
                                    .arg(v));
        EXPECT_EQ(p.SupplyShowCurve[1], v == 1 || v == 3) << v;
        EXPECT_EQ(p.SupplyShowCurve[2], v == 2 || v == 3) << v;
        EXPECT_EQ(p.PumpTestInGraph[1], v == 1 || v == 3) << v;
        EXPECT_EQ(p.PumpTestInGraph[2], v == 2 || v == 3) << v;
    }
}

// The combined curve switches that are on, then the reference pump test.
std::string CombinedCurvesAfter(std::initializer_list<int> values) {
    QString ned = QStringLiteral("\"Form\",\"MainScreenInfo\",\"\",0\n");
    for (const int v : values) {
        ned += QStringLiteral("\"Combo\",\"cc_show(3)\",\"\",%1\n").arg(v);
    }
    ProjectData p;
    ImportNedText(p, ned);
    return std::string(p.ShowCombinedCurve ? "rated " : "") +
           (p.PumpTestCombined[1] ? "test1 " : "") + (p.PumpTestCombined[2] ? "test2 " : "") +
           "reference " + std::to_string(p.ReferencePumpTest);
}

TEST(NedImportMainScreen, CombinedCurveChoice) {
    EXPECT_EQ(CombinedCurvesAfter({1}), "rated reference 0");
    EXPECT_EQ(CombinedCurvesAfter({2}), "test1 reference 1");
    EXPECT_EQ(CombinedCurvesAfter({3}), "test2 reference 2");
    EXPECT_EQ(CombinedCurvesAfter({4}), "reference 3");
    // 0 clears the switches but keeps the reference pump test.
    EXPECT_EQ(CombinedCurvesAfter({3, 0}), "reference 2");
}

TEST(NedImportMainScreen, SupplyAndDemandFields) {
    const ProjectData p = Imported(R"ned("Form","MainScreenInfo","",0
"Combo","WS_ST","",2
"Text","PM_RF2","1100",0
"Text","WS_DF_D","Reservoir",0
"Text","SDP_DF","500",0
"Text","SDP_DP","65",0
"Check","Check3","",1)ned");
    EXPECT_EQ(p.SupplyTypeText, "2");
    EXPECT_EQ(p.SupplyResidualFlow[2], "1100");
    EXPECT_EQ(p.TankKind, "Reservoir");
    EXPECT_EQ(p.OtherSourceKind, "Reservoir");
    EXPECT_EQ(p.DemandFlow[1], "500");
    EXPECT_EQ(p.HydrantDemandFlow[1], "500");
    EXPECT_EQ(p.DemandPressure[1], "65");
    EXPECT_EQ(p.HydrantDemandPressure[1], "65");
    EXPECT_TRUE(p.DemandShow[1]);
}

TEST(NedImportComments, PiecesBetweenBarsBecomeLinesOfBothFirstPages) {
    const ProjectData p = Imported(R"ned("Form","CommentsInfo","",0
"Text","Text1","earlier",0
"Text","Text1","|Valve closed||Gauge  replaced |",0)ned");
    EXPECT_EQ(p.Comments[1], "Valve closed\r\nGauge  replaced \r\n");
    EXPECT_EQ(p.HydrantComments[1], "Valve closed\r\nGauge  replaced \r\n");
    EXPECT_TRUE(p.ClientName.isEmpty());
    EXPECT_EQ(Imported("\"Form\",\"CommentsInfo\",\"\",0\n\"Text\",\"Text1\",\"||\",0").Comments[1],
              "");
}

TEST(NedImportExtraData, ClientDriverAndAlarmFields) {
    const ProjectData p = Imported(R"ned("Form","ExtraDataInfo","",0
"Text","Text1","Harbor Storage",0
"Combo","Combo2","Vertical-Shaft Turbine",0
"Combo","Combo3","Diesel",1
"Combo","Combo5","Attended",0
"Check","Check16","",1
"Check","Check22","",2)ned");
    EXPECT_EQ(p.ClientName, "Harbor Storage");
    EXPECT_EQ(p.FirePumpType, "Vertical-Shaft Turbine");
    EXPECT_EQ(p.DriverKind, 1);
    EXPECT_EQ(p.RoomDuringTesting, 0);
    EXPECT_TRUE(p.AlarmPumpRoomLowTemp);
    EXPECT_FALSE(p.ManualShutoffAvailable);
}

// The station alarms as "R", "A" and "P" for remote, auxiliary and proprietary.
std::string StationAlarmsAfter(const QString& records) {
    ProjectData p;
    ImportNedText(p, QStringLiteral("\"Form\",\"ExtraDataInfo\",\"\",0\n") + records);
    return std::string(p.AlarmRemoteStation ? "R" : "") + (p.AlarmAuxiliary ? "A" : "") +
           (p.AlarmProprietary ? "P" : "");
}

TEST(NedImportExtraData, StationKindMustComeBeforeTheStationCheckBox) {
    const QString kind = QStringLiteral("\"Combo\",\"Combo7\",\"\",%1\n");
    const QString check = QStringLiteral("\"Check\",\"Check6\",\"\",%1\n");
    EXPECT_EQ(StationAlarmsAfter(kind.arg(0) + check.arg(1)), "R");
    EXPECT_EQ(StationAlarmsAfter(kind.arg(1) + check.arg(1)), "A");
    EXPECT_EQ(StationAlarmsAfter(kind.arg(0) + kind.arg(2) + check.arg(1)), "P");
    EXPECT_EQ(StationAlarmsAfter(check.arg(1) + kind.arg(1)), "");
    EXPECT_EQ(StationAlarmsAfter(kind.arg(1) + check.arg(0)), "");
    EXPECT_EQ(StationAlarmsAfter(kind.arg(3) + check.arg(1)), "");
}

TEST(NedImportPumpTests, SecondScopeFillsPumpTest2) {
    const ProjectData p = Imported(R"ned("Form","PumpTestInfo2","",0
"Text","Text2","06/14/2004",0
"Combo","Combo14","Acceptance",1
"Combo","Combo1","",2
"Check","Check2","",1
"Text","Text139","480",0)ned");
    EXPECT_EQ(p.PumpTestDate[2], "06/14/2004");
    EXPECT_EQ(p.PumpTestKind[2], "Acceptance");
    EXPECT_EQ(p.SuctionPressureType[2], 2);
    EXPECT_TRUE(p.UsePitotFlows[2]);
    EXPECT_EQ(p.PumpReadings[2][1][1], "480");
    EXPECT_EQ(p.PumpTestKind[1], "Annual");
    EXPECT_TRUE(p.PumpReadings[1][1][1].isEmpty());
}

TEST(NedImportPumpTests, TableCells) {
    struct Cell {
        const char* name;
        const QString& (*at)(const ProjectData&, int row, int column);
        int row, column;
    };
    const auto readings = [](const ProjectData& p, int r, int c) -> const QString& {
        return p.PumpReadings[1][r][c];
    };
    const auto pitot = [](const ProjectData& p, int r, int c) -> const QString& {
        return p.PitotGrid[1][r][c];
    };
    const auto controller = [](const ProjectData& p, int r, int c) -> const QString& {
        return p.ControllerGrid[1][r][c];
    };
    const auto settings = [](const ProjectData& p, int r, int c) -> const QString& {
        return p.PressureSettings[1][r][c];
    };
    const Cell cells[] = {
        {"Text139", readings, 1, 1},   {"Text100", readings, 7, 3},   {"Text27", readings, 2, 5},
        {"Text1", readings, 2, 10},    {"Text65", readings, 2, 12},   {"Text76", readings, 7, 14},
        {"PD1", pitot, 1, 1},          {"PC6", pitot, 2, 6},          {"P11", pitot, 3, 1},
        {"P21", pitot, 4, 1},          {"P66", pitot, 8, 6},          {"Text107", controller, 1, 1},
        {"Combo5", controller, 4, 2},  {"Combo6", controller, 1, 3},  {"Combo13", controller, 4, 4},
        {"Text127", controller, 1, 6}, {"Text130", controller, 4, 6}, {"Text132", settings, 1, 2},
        {"Text6", settings, 3, 1},     {"Text137", settings, 4, 2},
    };
    QString ned = QStringLiteral("\"Form\",\"PumpTestInfo1\",\"\",0\n\"Text\",\"P12\",\"x\",0\n");
    for (const Cell& cell : cells) {
        ned += QStringLiteral("\"Text\",\"%1\",\"%1\",0\n").arg(QLatin1String(cell.name));
    }
    ProjectData p;
    ImportNedText(p, ned);
    for (const Cell& cell : cells) {
        EXPECT_EQ(cell.at(p, cell.row, cell.column), QLatin1String(cell.name)) << cell.name;
    }
    EXPECT_TRUE(p.PitotGrid[1][3][2].isEmpty()); // reading 1 has one outlet: no "P12"
}

class NedImportFileTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = QDir(dir.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    ProjectData project;
    test::ScriptedPrompter prompter;
};

TEST_F(NedImportFileTest, ReadsWindows1252WithAnyLineEnds) {
    const QString path =
        Write(QStringLiteral("site.ned"), "\"Form\",\"ExtraDataInfo\",\"\",0\r\n"
                                          "\"Text\",\"Text1\",\"Caf\xE9\",0\n"
                                          "\"Text\",\"Text3\",\"Quai \x96 Est\"\r\n"
                                          "\"Text\",\"Text77\",\"unknown\",0\n"
                                          "\"Check\",\"Check1\",\"\",1");
    ASSERT_TRUE(ImportNedFile(project, path, prompter));
    EXPECT_EQ(project.ClientName, QString::fromUtf8("Caf\u00E9"));
    EXPECT_EQ(project.SiteLocation, QString::fromUtf8("Quai \u2013 Est"));
    EXPECT_TRUE(project.HasPumpBypass);
    EXPECT_TRUE(prompter.Messages.isEmpty());
}

TEST_F(NedImportFileTest, UnreadableFileIsReportedAndLeavesTheRecord) {
    project.RatedFlow = QStringLiteral("750");
    const QString missing = QDir(dir.path()).filePath(QStringLiteral("gone.ned"));
    const QString huge = Write(QStringLiteral("huge.ned"), QByteArray(5 * 1024 * 1024, '\n'));
    const std::pair<QString, QString> cases[] = {
        {missing, "File [" + missing + "] not found"},
        {dir.path(), "[" + dir.path() + "] is not a file"},
        {huge, "File [" + huge + "] could not be read"},
    };
    for (const auto& [path, message] : cases) {
        prompter.Messages.clear();
        EXPECT_FALSE(ImportNedFile(project, path, prompter));
        EXPECT_EQ(prompter.Messages, QStringList{message});
        EXPECT_EQ(project.RatedFlow, "750");
    }
}

} // namespace
} // namespace quenra
