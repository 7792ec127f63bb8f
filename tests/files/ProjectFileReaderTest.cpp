#include "files/ProjectFileReader.h"
#include "files/ProjectFileWriter.h"
#include "files/Windows1252.h"
#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

QStringList LinesOf(const ProjectData& p) {
    return SplitFileLines(DecodeWindows1252(SerializeProject(p)));
}

QByteArray BytesOf(const QStringList& lines) {
    return EncodeWindows1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// The file cut off just before the first line that contains `text`.
QByteArray CutBefore(const ProjectData& p, const QString& text) {
    QStringList lines = LinesOf(p);
    const auto at = std::find_if(lines.begin(), lines.end(),
                                 [&](const QString& line) { return line.contains(text); });
    EXPECT_NE(at, lines.end()) << text.toStdString();
    lines.erase(at, lines.end());
    return BytesOf(lines);
}

TEST(ProjectFileReader, AMissingFileIsReportedAndNothingIsRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Gone.qrx"));
    test::ScriptedPrompter prompter;
    ProjectData p;
    p.ClientName = QStringLiteral("kept");
    EXPECT_EQ(ReadProjectFile(p, path, prompter), ReadOutcome::Unreadable);
    EXPECT_EQ(prompter.Messages,
              QStringList{QStringLiteral("File [") + path + QStringLiteral("] not found")});
    EXPECT_EQ(p.ClientName, QStringLiteral("kept"));

    EXPECT_EQ(ReadProjectFile(p, dir.path(), prompter), ReadOutcome::Unreadable);
}

TEST(ProjectFileReader, EachMissingSectionStopsReadingWithItsMessage) {
    ProjectData source;
    source.RatedFlow = QStringLiteral("1000");
    source.ClientName = QStringLiteral("Acme Plant");
    source.Comments[1] = QStringLiteral("first page\r\n");
    source.PumpTestDate[3] = QStringLiteral("5/5/2025");
    source.GraphTitleText = QStringLiteral("Plant");
    const struct {
        QString cutAt;
        QString message;
    } cases[] = {
        {QStringLiteral("Version"), QStringLiteral("Version information not found")},
        {QStringLiteral("Supply Data"), QStringLiteral("Supply Data not found")},
        {QStringLiteral("General Data"), QStringLiteral("General Data not found")},
        {QStringLiteral("Comment Data /"), QStringLiteral("Comment Data not found")},
        {QStringLiteral("Pump Data"), QStringLiteral("Pump Data not found")},
        {QStringLiteral("Setup Data"), QStringLiteral("Setup Data not found")},
        {QStringLiteral("Comment Data 2"), QStringLiteral("Comment Data 2 not found")},
        {QStringLiteral("Comment Data 4"), QStringLiteral("End of Comment Data not found")},
        {QStringLiteral("Comment Data 1"), QStringLiteral("Comment Data 1 not found")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cutAt.toStdString());
        test::ScriptedPrompter prompter;
        ProjectData read;
        EXPECT_EQ(ReadProjectBytes(read, CutBefore(source, c.cutAt), prompter),
                  ReadOutcome::Stopped);
        EXPECT_EQ(prompter.Messages, QStringList{c.message});
    }

    // What was read before the stop keeps its file values; the rest stays at the defaults.
    test::ScriptedPrompter prompter;
    ProjectData read;
    ReadProjectBytes(read, CutBefore(source, QStringLiteral("Setup Data")), prompter);
    EXPECT_EQ(read.RatedFlow, source.RatedFlow);
    EXPECT_EQ(read.ClientName, source.ClientName);
    EXPECT_EQ(read.Comments[1], source.Comments[1]);
    EXPECT_EQ(read.PumpTestDate[3], source.PumpTestDate[3]);
    EXPECT_EQ(read.GraphTitleText, QString());
}

TEST(ProjectFileReader, BooleansAreTrueOnlyForOneAndBadIntegersReadAsZeroOrTwo) {
    QStringList lines = LinesOf(ProjectData());
    const int unitSystemLine = 30, isHydrantLine = 31, reportSupplyLine = 1200;
    const int meetsDemandLine = 1248 + 35 + 1; // second line of pump test 1's verdicts
    ASSERT_EQ(lines[isHydrantLine], QStringLiteral("0"));
    ASSERT_EQ(lines[meetsDemandLine], QStringLiteral("2"));

    const struct {
        QString text;
        bool expected;
    } booleans[] = {{"1", true},    {" 1  ", true}, {"1\t", true}, {"01", false},
                    {"yes", false}, {"-1", false},  {"", false},   {"true", false}};
    for (const auto& b : booleans) {
        lines[isHydrantLine] = b.text;
        test::ScriptedPrompter prompter;
        ProjectData read;
        ReadProjectBytes(read, BytesOf(lines), prompter);
        EXPECT_EQ(read.IsHydrantTest, b.expected) << b.text.toStdString();
    }

    lines[unitSystemLine] = QStringLiteral("metric");
    lines[meetsDemandLine] = QStringLiteral("yes");
    lines[reportSupplyLine] = QStringLiteral("0");
    lines[reportSupplyLine + 6] = QStringLiteral("0"); // the alarms switch, never used
    test::ScriptedPrompter prompter;
    ProjectData read;
    read.UnitSystem = 4;
    ASSERT_EQ(ReadProjectBytes(read, BytesOf(lines), prompter), ReadOutcome::Complete);
    EXPECT_EQ(read.UnitSystem, 0);
    EXPECT_EQ(read.CombinedMeetsDemand[1], 2);
    EXPECT_FALSE(read.ReportSupplySection);
    EXPECT_TRUE(read.ReportAlarmsSection);
}

TEST(ProjectFileReader, SectionWordsInsideACommentStayInThePage) {
    ProjectData source;
    source.Comments[1] = QStringLiteral("Before\r\nSee Pump Data sheet\r\nAfter\r\n");
    test::ScriptedPrompter prompter;
    ProjectData read;
    ReadProjectBytes(read, SerializeProject(source), prompter);
    EXPECT_EQ(read.Comments[1], source.Comments[1]);
}

TEST(ProjectFileReader, LineFeedOnlyFilesAndOddBannersReadTheSame) {
    ProjectData source;
    source.ClientName = QStringLiteral("Harbor Storage");
    source.HydrantComments[2] = QStringLiteral("two\r\nlines\r\n");
    QByteArray bytes = SerializeProject(source);
    bytes.replace("\r\n", "\n");
    bytes.replace("///////////  General Data ///////////////", "== General Data ==");

    test::ScriptedPrompter prompter;
    ProjectData read;
    EXPECT_EQ(ReadProjectBytes(read, bytes, prompter), ReadOutcome::Complete);
    EXPECT_EQ(read, source);
}

TEST(ProjectFileReader, GarbageGivesAMessageNeverACrash) {
    const QByteArray samples[] = {
        QByteArray(),
        QByteArray("\0\0\0", 3),
        QByteArray("Version\r\n"),
        QByteArray("Version\r\n99999999999999999999\r\nSupply Data\r\n"),
        QByteArray("\xff\xfe\x80\x81Version\n6\nSupply Data\nGeneral Data\nComment Data\n"),
    };
    for (const QByteArray& bytes : samples) {
        test::ScriptedPrompter prompter;
        ProjectData read;
        EXPECT_EQ(ReadProjectBytes(read, bytes, prompter), ReadOutcome::Stopped);
        EXPECT_FALSE(prompter.Messages.isEmpty());
    }
}

TEST(ProjectFileReader, FilesLargerThanAnyProjectAreRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.qrx"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();
    QByteArray bytes;
    EXPECT_FALSE(ReadWholeFile(path, bytes, 1024));
    EXPECT_TRUE(ReadWholeFile(path, bytes, 4096));
    EXPECT_EQ(bytes.size(), 2048);
}

} // namespace
} // namespace quenra
