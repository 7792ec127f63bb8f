// Every project the record can hold once text is bounded where it enters is a file the reader
// opens again; imports that bring longer texts cut them and say which.
#include "model/TextLimits.h"
#include "files/ClientInfoImport.h"
#include "files/NedImport.h"
#include "files/ProjectFileLayout.h"
#include "files/ProjectFileReader.h"
#include "files/ProjectFileWriter.h"
#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace quenra {
namespace {

using text_limits::kMaxCommentPageLength;
using text_limits::kMaxFieldLength;

// Fills every value of the file's layout with the longest text its kind allows.
class LongestValues {
public:
    void Text(QString& value) {
        value = Repeated(QStringLiteral("W\u00e9\u20ac9"), kMaxFieldLength);
    }
    void Bool(bool& value) { value = true; }
    void Int(int& value) { value = std::numeric_limits<int>::min(); }
    void IntOr(int& value, int) { Int(value); }
    void Colour(quenra::Colour& value) { value = std::numeric_limits<quenra::Colour>::max(); }

    static QString Repeated(const QString& piece, qsizetype length) {
        return piece.repeated(length / piece.size() + 1).left(length);
    }

    // A full page of full-width lines, each ended by CR LF as the comment box keeps them.
    static QString FullCommentPage() {
        const QString line = Repeated(QStringLiteral("Ab\u00fc "), 998) + QStringLiteral("\r\n");
        QString page = line.repeated(kMaxCommentPageLength / line.size());
        const qsizetype rest = kMaxCommentPageLength - page.size();
        return rest < 2 ? page
                        : page + Repeated(QStringLiteral("x"), rest - 2) + QStringLiteral("\r\n");
    }
};

ProjectData LargestProject() {
    ProjectData p;
    LongestValues io;
    using namespace project_file;
    SupplySection(io, p, kNewestVersion, [] {});
    GeneralSection(io, p);
    PumpSection(io, p, kNewestVersion);
    SetupSection(io, p);
    CommentSwitches(io, p);
    io.Bool(p.HideVoltsAmps);
    Version5Tail(io, p);
    for (int page = 1; page <= kTestCount; ++page) {
        p.Comments[page] = LongestValues::FullCommentPage();
        p.HydrantComments[page] = LongestValues::FullCommentPage();
    }
    return p;
}

TEST(TextLimits, TheLargestProjectSavesAndOpensAgainByteForByte) {
    const ProjectData largest = LargestProject();
    ASSERT_EQ(largest.Comments[3].size(), kMaxCommentPageLength);
    ASSERT_EQ(largest.ClientName.size(), kMaxFieldLength);

    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("largest.qrx"));
    const QByteArray saved = SerializeProject(largest);
    EXPECT_LT(saved.size(), kMaxProjectFileBytes);
    RecordProperty("bytes", static_cast<int>(saved.size()));
    ASSERT_TRUE(SaveFileBytes(path, saved));

    ProjectData opened;
    test::ScriptedPrompter prompter;
    ASSERT_EQ(ReadProjectFile(opened, path, prompter), ReadOutcome::Complete);
    EXPECT_TRUE(prompter.Messages.isEmpty());
    EXPECT_EQ(SerializeProject(opened), saved);
    EXPECT_EQ(opened.Comments[5], largest.Comments[5]);
    EXPECT_EQ(opened.PumpReadings[5][7][15], largest.PumpReadings[5][7][15]);
}

// An import whose text is far longer than the record keeps.
struct Oversized {
    const char* name;
    QByteArray (*contents)();
    QStringList messages;
};

QByteArray NedWithAMillionCommentPieces() {
    // 1.5 million one-letter pieces: the page they make is three times the file's size.
    return "\"Form\",\"CommentsInfo\",\"\",0\r\n\"Text\",\"Text1\",\"" +
           QByteArray("a|").repeated(1'500'000) + "\",0\r\n";
}

QByteArray NedWithALongClientName() {
    return "\"Form\",\"ExtraDataInfo\",\"\",0\r\n\"Text\",\"Text1\",\"" + QByteArray(5000, 'M') +
           "\",0\r\n\"Text\",\"Text3\",\"12 Quay Road\",0\r\n";
}

QByteArray IniWithThousandsOfCommentLines() {
    return "[Notes]\r\n" + QByteArray("Comment1=" + QByteArray(900, 'c') + "\r\n").repeated(400);
}

class OversizedImport : public ::testing::TestWithParam<Oversized> {};

TEST_P(OversizedImport, IsCutSaysWhatAndTheSavedFileOpensAgain) {
    const Oversized& input = GetParam();
    QTemporaryDir dir;
    const QString source = QDir(dir.path()).filePath(QLatin1String(input.name));
    ASSERT_TRUE(SaveFileBytes(source, input.contents()));

    ProjectData project;
    test::ScriptedPrompter prompter;
    const bool imported = source.endsWith(QStringLiteral(".ini"))
                              ? ImportClientInfoFile(project, source, prompter)
                              : ImportNedFile(project, source, prompter);
    ASSERT_TRUE(imported);
    EXPECT_EQ(prompter.Messages, input.messages);
    for (int page = 1; page <= kTestCount; ++page) {
        EXPECT_LE(project.Comments[page].size(), kMaxCommentPageLength);
        EXPECT_LE(project.HydrantComments[page].size(), kMaxCommentPageLength);
    }
    EXPECT_LE(project.ClientName.size(), kMaxFieldLength);

    const QString saved = QDir(dir.path()).filePath(QStringLiteral("saved.qrx"));
    ASSERT_TRUE(SaveFileBytes(saved, SerializeProject(project)));
    ProjectData opened;
    prompter.Messages.clear();
    EXPECT_EQ(ReadProjectFile(opened, saved, prompter), ReadOutcome::Complete);
    EXPECT_TRUE(prompter.Messages.isEmpty());
    EXPECT_EQ(opened.Comments[1], project.Comments[1]);
}

INSTANTIATE_TEST_SUITE_P(
    NedAndIni, OversizedImport,
    ::testing::Values(Oversized{"pieces.ned",
                                NedWithAMillionCommentPieces,
                                {"Text1 in CommentsInfo was cut to 100000 characters"}},
                      Oversized{"client.ned",
                                NedWithALongClientName,
                                {"Text1 in ExtraDataInfo was cut to 1000 characters"}},
                      Oversized{"notes.ini",
                                IniWithThousandsOfCommentLines,
                                {"Comment page 1 was cut to 100000 characters"}}),
    [](const auto& testCase) {
        return QString::fromLatin1(testCase.param.name).remove(QLatin1Char('.')).toStdString();
    });

} // namespace
} // namespace quenra
