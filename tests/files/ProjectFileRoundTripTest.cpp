#include "files/ProjectFileReader.h"
#include "files/ProjectFileWriter.h"
#include "model/ProjectData.h"
#include "support/RandomProject.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

ProjectData ReadBack(const QByteArray& bytes, test::ScriptedPrompter& prompter) {
    ProjectData read;
    EXPECT_EQ(ReadProjectBytes(read, bytes, prompter), ReadOutcome::Complete);
    return read;
}

TEST(ProjectFileRoundTrip, NewProjectsOfBothKindsReadBackUnchanged) {
    test::ScriptedPrompter prompter;
    ProjectData pump;
    EXPECT_EQ(ReadBack(SerializeProject(pump), prompter), pump);

    ProjectData hydrant;
    hydrant.IsHydrantTest = true;
    hydrant.FlowScaleIndex = 1;
    EXPECT_EQ(ReadBack(SerializeProject(hydrant), prompter), hydrant);
    EXPECT_TRUE(prompter.Messages.isEmpty()) << prompter.Messages.join('\n').toStdString();
}

TEST(ProjectFileRoundTrip, EveryStoredFieldSurvivesForRandomValues) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        ProjectData original = test::RandomProject(seed).Make();
        original.SuctionPressureType[2] = 1; // not in the file: reads back as the default
        test::ScriptedPrompter prompter;
        const QByteArray bytes = SerializeProject(original);
        ProjectData read = ReadBack(bytes, prompter);

        ProjectData expected = original;
        expected.SuctionPressureType[2] = 0;
        expected.ReportAlarmsSection = true; // every report shows its alarms
        for (int page = 1; page <= kTestCount; ++page) {
            // A page of one empty line is stored as the empty page.
            for (QString* text : {&expected.Comments[page], &expected.HydrantComments[page]}) {
                if (*text == QStringLiteral("\r\n")) {
                    text->clear();
                }
            }
        }
        ASSERT_EQ(read, expected);
        EXPECT_EQ(SerializeProject(read), SerializeProject(expected));
    }
}

TEST(ProjectFileRoundTrip, CommentPagesKeepTheirLinesAtEverySave) {
    test::ScriptedPrompter prompter;
    ProjectData p;
    p.Comments[1] = QStringLiteral("Pump room clean.\r\nValve 3 chained open.\r\n");
    p.Comments[2] = QStringLiteral("No line end at the end"); // typed without a last Enter
    p.Comments[3] = QStringLiteral("\r\n\r\nTwo empty lines above.\r\n");
    p.HydrantComments[5] = QStringLiteral("Hydrant 7 cap stuck.\r\n");

    const ProjectData once = ReadBack(SerializeProject(p), prompter);
    EXPECT_EQ(once.Comments[1], p.Comments[1]);
    EXPECT_EQ(once.Comments[2], QStringLiteral("No line end at the end\r\n"));
    EXPECT_EQ(once.Comments[3], p.Comments[3]);
    EXPECT_EQ(once.HydrantComments[5], p.HydrantComments[5]);
    EXPECT_EQ(once.Comments[4], QString());

    const ProjectData twice = ReadBack(SerializeProject(once), prompter);
    EXPECT_EQ(twice, once);
}

TEST(ProjectFileRoundTrip, WindowsLettersAreOneByteAndComeBack) {
    test::ScriptedPrompter prompter;
    ProjectData p;
    p.ClientName = QStringLiteral("Café Müller €");
    p.SiteLocation = QStringLiteral("汉字"); // not in the code page
    const QByteArray bytes = SerializeProject(p);
    EXPECT_TRUE(bytes.contains(QByteArray("Caf\xE9 M\xFCller \x80")));
    EXPECT_TRUE(bytes.contains(QByteArray("\r\n??\r\n")));

    const ProjectData read = ReadBack(bytes, prompter);
    EXPECT_EQ(read.ClientName, p.ClientName);
    EXPECT_EQ(read.SiteLocation, QStringLiteral("??"));
}

TEST(ProjectFileRoundTrip, ALineBreakInsideAOneLineValueCannotShiftTheFile) {
    test::ScriptedPrompter prompter;
    ProjectData p;
    p.ClientName = QStringLiteral("First\r\nSecond\nThird");
    p.SiteLocation = QStringLiteral("Main St");
    const ProjectData read = ReadBack(SerializeProject(p), prompter);
    EXPECT_EQ(read.ClientName, QStringLiteral("First Second Third"));
    EXPECT_EQ(read.SiteLocation, p.SiteLocation);
}

} // namespace
} // namespace quenra
