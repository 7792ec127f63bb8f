#include "files/ProjectFileLayout.h"
#include "files/ProjectFileReader.h"
#include "files/ProjectFileWriter.h"
#include "files/Windows1252.h"
#include "model/ProjectData.h"
#include "support/ProjectDiff.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quenra {
namespace {

QString DataFile(const char* name) {
    return QStringLiteral(QUENRA_TEST_DATA_DIR "/") + QLatin1String(name);
}

QString ExampleFile(const char* name) {
    return QStringLiteral(QUENRA_EXAMPLES_DIR "/") + QLatin1String(name);
}

ProjectData Open(const QString& path) {
    test::ScriptedPrompter prompter;
    ProjectData read;
    EXPECT_EQ(ReadProjectFile(read, path, prompter), ReadOutcome::Complete)
        << path.toStdString() << ": " << prompter.Messages.join('\n').toStdString();
    return read;
}

ProjectData ReadBack(const QByteArray& bytes) {
    test::ScriptedPrompter prompter;
    ProjectData read;
    EXPECT_EQ(ReadProjectBytes(read, bytes, prompter), ReadOutcome::Complete)
        << prompter.Messages.join('\n').toStdString();
    return read;
}

TEST(CommentPages, SectionWordsInsideCommentsStayInTheirPages) {
    // The example plant with comment lines that mention "Pump Data" and "Comment Data" on the
    // first page, pages 2 to 5 and every hydrant page.
    const ProjectData plant = Open(ExampleFile("Plant.qrx"));
    const ProjectData read = Open(DataFile("SectionWordsInComments.qrx"));

    ProjectData expected = plant;
    expected.Comments[1] = QStringLiteral("Flow readings: see Pump Data sheet, page 2.\r\n"
                                          "  Pump Data  \r\n"
                                          "Comment Data follows below.\r\n") +
                           plant.Comments[1];
    for (int page = 1; page <= kTestCount; ++page) {
        const QString added =
            QStringLiteral("Comment Data of page %1, checked against the Pump Data table.\r\n"
                           "/Comment Data %1\r\n")
                .arg(page);
        if (page >= 2) {
            expected.Comments[page] = added + plant.Comments[page];
        }
        expected.HydrantComments[page] = added + plant.HydrantComments[page];
    }
    EXPECT_EQ(read, expected) << test::FirstDifference(read, expected);
    EXPECT_EQ(read.PumpTestDate[1], plant.PumpTestDate[1]);
    EXPECT_EQ(read.MeetsNfpa20, plant.MeetsNfpa20);

    const ProjectData again = ReadBack(SerializeProject(read));
    EXPECT_EQ(again, read) << test::FirstDifference(again, read);
}

TEST(CommentPages, BannersWordedOtherwiseStillEndThePages) {
    const ProjectData plant = Open(ExampleFile("Plant.qrx"));
    const ProjectData read = Open(DataFile("ColonBanners.qrx"));
    EXPECT_EQ(read, plant) << test::FirstDifference(read, plant);
}

// The lines of every comment page of a saved project, page by page in file order.
QList<QStringList> CommentPagesOfFile(const QByteArray& bytes) {
    using namespace project_file;
    const QStringList lines = SplitFileLines(DecodeWindows1252(bytes));
    QList<QStringList> pages;
    bool inPage = false;
    for (const QString& line : lines) {
        const bool banner = line.startsWith(QStringLiteral("///////////  "));
        if (inPage && banner) {
            inPage = false;
        } else if (inPage) {
            pages.last().append(line);
        }
        if (line == kCommentBanner ||
            (line.startsWith(QStringLiteral("///////////  Comment Data ")) &&
             line != kEndCommentBanner)) {
            pages.append(QStringList());
            inPage = true;
        }
    }
    return pages;
}

TEST(CommentPages, AnEmptyPageIsOneEmptyLineAndReadsBackEmpty) {
    ProjectData p;
    p.Comments[3] = QStringLiteral("Valve 3 chained open.\r\n");
    p.HydrantComments[2] = QStringLiteral("\r\n\r\nTwo empty lines above.\r\n");
    const QByteArray bytes = SerializeProject(p);

    const QList<QStringList> pages = CommentPagesOfFile(bytes);
    ASSERT_EQ(pages.size(), 2 * kTestCount);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        if (i == 2) {
            EXPECT_EQ(pages[i], QStringList{QStringLiteral("Valve 3 chained open.")});
        } else if (i == kTestCount + 1) {
            EXPECT_EQ(pages[i], (QStringList{QString(), QString(),
                                             QStringLiteral("Two empty lines above.")}));
        } else {
            EXPECT_EQ(pages[i], QStringList{QString()});
        }
    }
    EXPECT_EQ(ReadBack(bytes), p);
}

struct ProjectFileCase {
    const char* Name;
    bool IsExample; // else a file of the test data
};

void PrintTo(const ProjectFileCase& c, std::ostream* out) {
    *out << c.Name;
}

// Open, save and open again leaves every field as the first opening read it, and a second
// save writes the same bytes.
class OpenSaveOpen : public ::testing::TestWithParam<ProjectFileCase> {};

TEST_P(OpenSaveOpen, LeavesEveryPageUnchanged) {
    const ProjectFileCase& c = GetParam();
    const ProjectData first = Open(c.IsExample ? ExampleFile(c.Name) : DataFile(c.Name));
    const QByteArray saved = SerializeProject(first);
    const ProjectData second = ReadBack(saved);
    EXPECT_EQ(second, first) << test::FirstDifference(second, first);
    EXPECT_EQ(SerializeProject(second), saved);
    for (const QStringList& page : CommentPagesOfFile(saved)) {
        EXPECT_FALSE(page.isEmpty()) << "every page is at least one line";
    }
}

INSTANTIATE_TEST_SUITE_P(Files, OpenSaveOpen,
                         ::testing::Values(ProjectFileCase{"Plant.qrx", true},
                                           ProjectFileCase{"Hydrant.qrx", true},
                                           ProjectFileCase{"SectionWordsInComments.qrx", false},
                                           ProjectFileCase{"ColonBanners.qrx", false}));

} // namespace
} // namespace quenra
