#include "cli/ConvertCommand.h"
#include "cli/BatchCommands.h"
#include "files/ProjectFileReader.h"
#include "files/ProjectFileWriter.h"
#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

ProjectData ReadSaved(const QString& path) {
    test::ScriptedPrompter prompter;
    ProjectData p;
    EXPECT_EQ(ReadProjectFile(p, path, prompter), ReadOutcome::Complete);
    return p;
}

class ConvertCommand : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Saves the project under `name` and converts it into "out.qrx".
    int Convert(const ProjectData& p, const QString& name) {
        const QString in = Path(name);
        EXPECT_TRUE(SaveFileBytes(in, SerializeProject(p)));
        return ConvertProject(in, Path(QStringLiteral("out.qrx")), prompter_);
    }
    ProjectData Out() const { return ReadSaved(Path(QStringLiteral("out.qrx"))); }

    QTemporaryDir dir_;
    test::ScriptedPrompter prompter_;
};

TEST_F(ConvertCommand, TheExamplesAreExactlyWhatTheProgramSaves) {
    for (const char* name : {"Plant.qrx", "Hydrant.qrx"}) {
        SCOPED_TRACE(name);
        const QString example = QStringLiteral(QUENRA_EXAMPLES_DIR "/") + QLatin1String(name);
        const QString out = Path(QLatin1String(name));
        EXPECT_EQ(ConvertProject(example, out, prompter_), 0);
        EXPECT_EQ(FileBytes(out), FileBytes(example));
    }
    EXPECT_TRUE(prompter_.Messages.isEmpty());
}

TEST_F(ConvertCommand, AFirePumpProjectGetsAllFivePumpTestTablesComputed) {
    ProjectData p;
    p.RatedSpeed = QStringLiteral("1780");
    for (int t = 1; t <= kTestCount; ++t) {
        p.PumpReadings[t][2][9] = QStringLiteral("1750");
        p.PumpReadings[t][2][10] = QStringLiteral("150");
        p.PumpReadings[t][2][11] = QStringLiteral("20");
        p.PumpReadings[t][2][14] = QStringLiteral("1000");
    }
    p.UsePitotFlows[4] = true;
    p.PitotGrid[4][1][1] = QStringLiteral("2.5");
    p.PitotGrid[4][2][1] = QStringLiteral("0.9");
    p.PitotGrid[4][4][1] = QStringLiteral("10");
    ASSERT_EQ(Convert(p, QStringLiteral("pump.qrx")), 0);

    const ProjectData out = Out();
    for (int t : {1, 2, 3, 5}) {
        SCOPED_TRACE(t);
        EXPECT_EQ(out.PumpReadings[t][2][12], QStringLiteral("{130}"));
        EXPECT_EQ(out.PumpReadings[t][2][13], QStringLiteral("{134.5}"));
        EXPECT_EQ(out.PumpReadings[t][2][15], QStringLiteral("{1017}"));
    }
    // Pump test 4 takes its flows from the pitot readings: 530 gpm at flowing point 2.
    EXPECT_EQ(out.PumpReadings[4][1][14], QStringLiteral("0"));
    EXPECT_EQ(out.PumpReadings[4][2][14], QStringLiteral("------"));
    EXPECT_EQ(out.PumpReadings[4][3][14], QStringLiteral("{530}"));
}

TEST_F(ConvertCommand, AHydrantProjectKeepsItsPumpTablesAndComputesTheShownSupplyTest) {
    ProjectData p;
    p.IsHydrantTest = true;
    p.PumpReadings[1][2][10] = QStringLiteral("150");
    for (int t : {1, 2}) {
        p.SupplyCalcFlow[t] = true;
        p.SupplyOrificeSize[t] = QStringLiteral("4.0");
        p.SupplyPitotReading[t] = QStringLiteral("5");
        p.SupplyDischargeCoef[t] = QStringLiteral("0.90");
    }
    ASSERT_EQ(Convert(p, QStringLiteral("hydrant.qrx")), 0);

    const ProjectData out = Out();
    EXPECT_EQ(out.PumpReadings[1][2][12], QString());
    EXPECT_EQ(out.SupplyDischargeCoef[1], QStringLiteral("0.86"));
    // 29.8 * 0.86 * 4^2 * sqrt(5) = 916.9
    EXPECT_EQ(out.SupplyResidualFlow[1], QStringLiteral("917"));
    // Only the supply test on screen is refreshed when a file is opened.
    EXPECT_EQ(out.SupplyDischargeCoef[2], QStringLiteral("0.90"));
    EXPECT_EQ(out.SupplyResidualFlow[2], QString());
}

TEST_F(ConvertCommand, TheGraphTitleFollowsTheFileNameOnlyWhenAsked) {
    ProjectData p;
    ASSERT_EQ(Convert(p, QStringLiteral("North Wing.v2.qrx")), 0);
    EXPECT_EQ(Out().GraphTitleText, QStringLiteral("North Wing.v2"));

    p.TitleFromFileName = false;
    p.GraphTitleText = QStringLiteral("Typed title");
    ASSERT_EQ(Convert(p, QStringLiteral("North Wing.qrx")), 0);
    EXPECT_EQ(Out().GraphTitleText, QStringLiteral("Typed title"));
}

TEST_F(ConvertCommand, ExitStatusSaysWhetherTheInputWasReadToItsEnd) {
    const QString out = Path(QStringLiteral("out.qrx"));
    const QString missing = Path(QStringLiteral("missing.qrx"));
    EXPECT_EQ(ConvertProject(missing, out, prompter_), 1);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(prompter_.Messages,
              QStringList{QStringLiteral("File [") + missing + QStringLiteral("] not found")});

    // Cut before the setup section: still saved, as the window would save what it shows.
    QByteArray bytes = SerializeProject(ProjectData());
    bytes.truncate(bytes.indexOf("///////////  Setup Data"));
    const QString cut = Path(QStringLiteral("cut.qrx"));
    WriteBytes(cut, bytes);
    prompter_.Messages.clear();
    EXPECT_EQ(ConvertProject(cut, out, prompter_), 1);
    EXPECT_EQ(prompter_.Messages, QStringList{QStringLiteral("Setup Data not found")});
    EXPECT_TRUE(QFile::exists(out));

    // A newer file is read as far as it goes and counts as read.
    bytes = SerializeProject(ProjectData());
    bytes.replace("///////////////\r\n6\r\n", "///////////////\r\n7\r\n");
    const QString newer = Path(QStringLiteral("newer.qrx"));
    WriteBytes(newer, bytes);
    EXPECT_EQ(ConvertProject(newer, out, prompter_), 0);

    // An output that cannot be written fails.
    EXPECT_EQ(ConvertProject(newer, Path(QStringLiteral("no/such/folder/out.qrx")), prompter_), 1);
}

TEST_F(ConvertCommand, ClientInformationFilesStartANewFirePumpTest) {
    const QString ini = Path(QStringLiteral("client.INI"));
    WriteBytes(ini, "[Client]\r\nClientCompany=Harbor Storage\r\nSurveyDate=3/9/2026\r\n"
                    "Comment1=Gate code 4471\r\n");
    EXPECT_EQ(ConvertProject(ini, Path(QStringLiteral("out.qrx")), prompter_), 0);
    const ProjectData out = Out();
    EXPECT_EQ(out.ClientName, QStringLiteral("Harbor Storage"));
    EXPECT_EQ(out.VisitDate, QStringLiteral("3/9/2026"));
    EXPECT_EQ(out.Comments[1], QStringLiteral("Gate code 4471\r\n"));
    EXPECT_FALSE(out.IsHydrantTest);
    EXPECT_EQ(out.GraphTitleText, QStringLiteral("Quenra")); // the project stays untitled
}

TEST_F(ConvertCommand, LegacyNedFilesAreImportedAndComputed) {
    const QString ned = Path(QStringLiteral("PLANT.NED"));
    WriteBytes(ned, "\"Form\",\"MainScreenInfo\",\"\",0\r\n"
                    "\"Text\",\"P1_RS\",\"1780\",0\r\n"
                    "\"Form\",\"ExtraDataInfo\",\"\",0\r\n"
                    "\"Text\",\"Text1\",\"Old Mill\",0\r\n"
                    "\"Form\",\"PumpTestInfo1\",\"\",0\r\n"
                    "\"Text\",\"Text48\",\"1750\",0\r\n"
                    "\"Text\",\"Text1\",\"150\",0\r\n"
                    "\"Text\",\"Text59\",\"20\",0\r\n"
                    "\"Text\",\"Text71\",\"1000\",0\r\n");
    EXPECT_EQ(ConvertProject(ned, Path(QStringLiteral("out.qrx")), prompter_), 0);
    const ProjectData out = Out();
    EXPECT_EQ(out.ClientName, QStringLiteral("Old Mill"));
    EXPECT_EQ(out.PumpReadings[1][2][12], QStringLiteral("{130}"));
    EXPECT_EQ(out.PumpReadings[1][2][15], QStringLiteral("{1017}"));
    EXPECT_EQ(out.GraphTitleText, QStringLiteral("PLANT"));
}

TEST(BatchCommands, VersionAndUsage) {
    test::ScriptedPrompter prompter;
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(RunBatchCommand({QStringLiteral("--version")}, prompter, out), 0);
    std::rewind(out);
    char line[64] = {};
    ASSERT_NE(std::fgets(line, sizeof line, out), nullptr);
    EXPECT_STREQ(line, "Quenra Version 3.001\n");
    std::fclose(out);

    EXPECT_EQ(RunBatchCommand({QStringLiteral("--convert"), QStringLiteral("only-one")}, prompter),
              2);
    EXPECT_EQ(RunBatchCommand({QStringLiteral("--frobnicate")}, prompter), 2);
    EXPECT_EQ(prompter.Messages.size(), 2);
}

} // namespace
} // namespace quenra
