#include "output/ReportPaging.h"

#include "model/ProjectData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

const QDateTime kNow(QDate(2026, 12, 8), QTime(12, 0));
const QLocale kUsLocale(QLocale::English, QLocale::UnitedStates);

TEST(ReportOutputLists, NewestDateFirstAndEqualDatesKeepTheHigherNumberFirst) {
    ProjectData project;
    project.PumpTestInGraph[1] = true;
    project.PumpTestInGraph[2] = true;
    project.PumpTestInGraph[4] = true;
    project.PumpTestInGraph[5] = true;
    project.PumpTestDate[1] = QStringLiteral("6/3/2024");
    project.PumpTestDate[2] = QStringLiteral("10/14/2026");
    project.PumpTestDate[4] = QStringLiteral("6/3/2024");
    project.PumpTestDate[5] = QStringLiteral("not a date"); // counts as now: the newest
    project.PumpTestDate[3] = QStringLiteral("1/1/2030");   // not selected
    for (int test = 1; test <= kTestCount; ++test) {
        project.SupplyShowCurve[test] = test != 2;
        project.SupplyTestDate[test] = QStringLiteral("5/2/2024");
    }
    const ReportOutputLists lists = MakeReportOutputLists(project, kNow, kUsLocale);
    EXPECT_EQ(lists.PumpTests, (QList<int>{5, 2, 4, 1}));
    EXPECT_EQ(lists.HydrantTests, (QList<int>{5, 4, 3, 1}));
}

TEST(ReportPageCount, PumpTestsWithAndWithoutTheSummaryPage) {
    ProjectData pump;
    ReportOutputLists lists;
    lists.PumpTests = {2, 1};
    EXPECT_EQ(ReportPageCount(pump, lists, 1, false), 2);
    EXPECT_EQ(ReportPageCount(pump, lists, 1, true), 3);
    lists.PumpTests.clear();
    EXPECT_EQ(ReportPageCount(pump, lists, 1, false), 0);
}

TEST(ReportPageCount, HydrantTestsShareThePages) {
    ProjectData hydrant;
    hydrant.IsHydrantTest = true;
    ReportOutputLists lists;
    lists.HydrantTests = {5, 4, 3, 2, 1};
    EXPECT_EQ(ReportPageCount(hydrant, lists, 3, false), 2);
    EXPECT_EQ(ReportPageCount(hydrant, lists, 4, false), 2);
    EXPECT_EQ(ReportPageCount(hydrant, lists, 1, false), 5);
    EXPECT_EQ(ReportPageCount(hydrant, lists, 5, false), 1);
    lists.HydrantTests = {3};
    EXPECT_EQ(ReportPageCount(hydrant, lists, 4, true), 1);
}

TEST(ReportPageSize, ShortContentIsWidenedToALetterPage) {
    // 1883 x 1500 content with 5 % margins all round.
    const ReportPageSize page = ComputeReportPageSize(1883, 1500, PageMargins{5, 5, 5, 5});
    EXPECT_EQ(page.Width, 2092);  // round(1883 / 0.9)
    EXPECT_EQ(page.Height, 2707); // round(2092 * 1.294)
    EXPECT_EQ(page.Left, 105);
    EXPECT_EQ(page.Top, 135);
    EXPECT_FALSE(page.TooTall);
}

TEST(ReportPageSize, TallContentMakesTheLetterPageWiderAndCentresTheContent) {
    const ReportPageSize page = ComputeReportPageSize(1000, 2000, PageMargins{0, 0, 0, 0});
    EXPECT_TRUE(page.TooTall);
    EXPECT_EQ(page.Height, 2000);
    EXPECT_EQ(page.Width, 1546); // round(2000 / 1.294)
    EXPECT_EQ(page.Left, 273);   // round(0 + (1546 - 1000) / 2)
    EXPECT_EQ(page.Top, 0);
}

TEST(ReportPageSize, ContentBeyondTheLargestPageKeepsThePageAndShrinksOnlyTheMargins) {
    const ReportPageSize page = ComputeReportPageSize(2700, 3000, PageMargins{10, 10, 10, 10});
    EXPECT_EQ(page.Width, kLargestPageWidth);
    EXPECT_EQ(page.Height, kLargestPageHeight);
    EXPECT_GE(page.Left, 0);
    EXPECT_GE(page.Top, 0);
    EXPECT_LE(page.Left + 2700, kLargestPageWidth);
    // Content wider than the largest page: no margin is left across, none goes negative.
    const ReportPageSize wide = ComputeReportPageSize(4000, 3000, PageMargins{10, 10, 10, 10});
    EXPECT_EQ(wide.Left, 0);
    EXPECT_EQ(wide.Top, 117); // 647 * (3630 - 3000) / (6470 - 3000)
    EXPECT_EQ(wide.Width, kLargestPageWidth);
}

TEST(ReportPageSize, MarginsOf60And50AreReadAs49Each) {
    ProjectData project;
    project.MarginLeft = QStringLiteral("60");
    project.MarginRight = QStringLiteral("-50");
    project.MarginTop = QStringLiteral("zz");
    project.MarginBottom = QStringLiteral("5");
    const PageMargins margins = ReadPageMargins(project);
    EXPECT_EQ(margins, (PageMargins{49, 0, 49, 5}));
    const ReportPageSize page = ComputeReportPageSize(1883, 2000, margins);
    EXPECT_GT(page.Width, 0);
    EXPECT_EQ(page.Width, kLargestPageWidth); // 1883 / 0.02 is far beyond the largest page
    EXPECT_GE(page.Left, 0);
}

TEST(ReportDisplay, FittedPagesKeepTheirProportionsInTheView) {
    const ReportPageSize page{2805, 3630, 0, 0, false};
    const ReportDisplay one =
        ComputeReportDisplay(page, QSize(1000, 600), ReportMode::OnePage, false, 3);
    EXPECT_EQ(one.Page.height(), 600);
    EXPECT_EQ(one.Page.width(), 464); // round(2805 / 6.05)
    EXPECT_EQ(one.Origin, QPoint((1000 - 464) / 2, 0));

    const ReportDisplay all =
        ComputeReportDisplay(page, QSize(1000, 600), ReportMode::AllPages, false, 3);
    // Three pages and two gaps across: trunc((1000 - 30 + 10) / 3).
    EXPECT_EQ(all.Page.width(), 326);
    EXPECT_EQ(all.Page.height(), 422);
    EXPECT_EQ(all.Origin, QPoint(1, 89)); // (1000 - 30 - 3 * 326 + 10) div 2

    const ReportDisplay zoomed =
        ComputeReportDisplay(page, QSize(1000, 600), ReportMode::Zoomed, true, 3);
    EXPECT_EQ(zoomed.Page, QSize(999, 1293));
    const ReportDisplay full =
        ComputeReportDisplay(page, QSize(1000, 600), ReportMode::Zoomed, false, 3);
    EXPECT_EQ(full.Page, QSize(2805, 3630));
}

TEST(ReportCapture, TakesTheFirstNumberWhosePageAndPlainFilesAreFree) {
    QTemporaryDir folder;
    for (const char* name : {"Quenra1-1.jpg", "Quenra2.jpg"}) {
        QFile(QDir(folder.path()).filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    }
    const std::optional<QString> base = ReportCaptureBase(folder.path());
    ASSERT_TRUE(base);
    EXPECT_EQ(*base, QDir(folder.path()).filePath(QStringLiteral("Quenra3")));
    EXPECT_EQ(ReportCapturedMessage(*base, 4), QStringLiteral("Captured files: ") + *base +
                                                   QStringLiteral("-1.jpg to ") + *base +
                                                   QStringLiteral("-4.jpg"));
}

} // namespace
} // namespace quenra
