#include "ReportProjects.h"

#include "graph/ArialFont.h"
#include "hydraulics/QStringPrinter.h"
#include "report/ReportComments.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using enum ControlId;

QString Page(std::initializer_list<const char*> lines) {
    QString page;
    for (const char* line : lines)
        page += QString::fromLatin1(line) + QStringLiteral("\r\n");
    return page;
}

TEST(ReportComments, LongLinesWrapAtWordsWithinTheMemoWidth) {
    const QString words = QStringLiteral("pump room heated and clean ").repeated(12).trimmed();
    const QStringList lines = WrapCommentLines(Page({"First line", words.toLatin1().data()}));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.at(0), "First line");
    const QFontMetrics metrics(ArialFont(-13));
    QString joined;
    for (qsizetype k = 1; k < lines.size(); ++k) {
        EXPECT_LE(metrics.horizontalAdvance(lines.at(k).trimmed()), 765) << k;
        joined += lines.at(k);
    }
    EXPECT_EQ(joined, words);
    // Every wrapped line but the last ends where a word ends.
    EXPECT_TRUE(lines.at(1).endsWith(' '));
}

TEST(ReportComments, AWordWiderThanTheMemoIsBroken) {
    const QString word(150, QLatin1Char('W'));
    const QStringList lines = WrapCommentLines(word);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.join(QString()), word);
}

TEST(ReportComments, SevenLinesPrintSix) {
    ProjectData project = test::ElectricPumpProject();
    project.Comments[1] = Page({"one", "two", "three", "four", "five", "six", "seven"});
    const ReportLayout R = test::FilledLayout(project, 1);
    EXPECT_EQ(R.CommentLineCount, 6);
    EXPECT_EQ(R[Edit69].Text, "one");
    EXPECT_EQ(R[Edit74].Text, "six");
    EXPECT_EQ(R.Panel(PanelId::CommentsBlock).Height, 6 * 20 + 28);
    EXPECT_TRUE(R.Panel(PanelId::CommentsBlock).Visible);
}

TEST(ReportComments, TrailingEmptyLinesDoNotCountButInnerOnesDo) {
    ProjectData project = test::ElectricPumpProject();
    project.Comments[2] = Page({"", "after a gap", "", ""});
    ReportLayout R = test::FilledLayout(project, 2);
    EXPECT_EQ(R.CommentLineCount, 2);
    EXPECT_EQ(R[Edit69].Text, "");
    EXPECT_EQ(R[Edit70].Text, "after a gap");
    EXPECT_EQ(R.Panel(PanelId::CommentsBlock).Height, 68);

    project.Comments[2] = Page({"", ""});
    R = test::FilledLayout(project, 2);
    EXPECT_EQ(R.CommentLineCount, 0);
    EXPECT_FALSE(R.Panel(PanelId::CommentsBlock).Visible);
}

TEST(ReportComments, TheSwitchHidesTheSectionAndHydrantsUseTheirOwnPages) {
    ProjectData project = test::ElectricPumpProject();
    project.Comments[1] = Page({"pump comment"});
    project.HydrantComments[1] = Page({"hydrant comment"});
    project.ReportCommentsSection = false;
    EXPECT_FALSE(test::FilledLayout(project, 1).Panel(PanelId::CommentsBlock).Visible);
    project.ReportCommentsSection = true;
    project.IsHydrantTest = true;
    EXPECT_EQ(test::FilledLayout(project, 1)[Edit69].Text, "hydrant comment");
}

} // namespace
} // namespace quenra
