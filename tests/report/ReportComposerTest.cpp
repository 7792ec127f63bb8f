#include "ReportProjects.h"

#include "files/ProjectFileReader.h"
#include "hydraulics/DataErrorPrompt.h"
#include "report/ReportComposer.h"
#include "report/ReportFontSizes.h"
#include "report/ReportPageList.h"
#include "support/ScriptedPrompter.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

constexpr int kPageWidth = 2805;
constexpr int kPageHeight = 3630;
const ReportPageFrame kFrame{kReportScale, 100, 120};

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kHeadingFill = qRgb(235, 240, 241);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kValueBlue = qRgb(0, 48, 96);

QImage BlankPage() {
    QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
    page.fill(Qt::magenta); // the composer must paint every pixel
    return page;
}

int CountPixels(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

// Dark runs along a row: every vertical line that the row crosses.
int DarkRuns(const QImage& image, int y, int fromX, int toX) {
    int runs = 0;
    bool inside = false;
    for (int x = fromX; x <= toX; ++x) {
        const bool dark = image.pixel(x, y) == kBlack;
        runs += dark && !inside;
        inside = dark;
    }
    return runs;
}

// Keeps a composed page for looking at it by eye.
void SaveShot(const QImage& page, const QString& name) {
    const QString folder = QStringLiteral("/tmp/report-shots");
    if (QDir().mkpath(folder))
        page.save(folder + '/' + name + QStringLiteral(".png"));
}

class ReportComposerTest : public ::testing::Test {
protected:
    ProjectData project = test::ElectricPumpProject();
    QList<int> requested;
    ReportComposer composer{project, [this](int test) {
                                requested.append(test);
                                PerTest<DemandPointVerdict> verdicts;
                                verdicts[1] =
                                    DemandPointVerdict::Cushioned(7, QStringLiteral("psi"));
                                return verdicts;
                            }};
};

TEST_F(ReportComposerTest, TheSummaryPageHoldsClientPumpAndDisclaimerOnly) {
    QImage page = BlankPage();
    const ReportPageFacts facts = composer.ComposeReportPage({0, 1, {}, 1}, kFrame, page);
    SaveShot(page, QStringLiteral("summary"));
    EXPECT_EQ(requested, QList<int>{0});
    // Client (97), pump and driver data (121) and the disclaimer (48), at 2.5 pixels each.
    EXPECT_EQ(facts.PageContentHeight, 242 + 302 + 120);
    EXPECT_EQ(facts.SectionMaxWidth, 1882);
    EXPECT_EQ(CountPixels(page, page.rect(), qRgb(255, 0, 255)), 0);

    // The title bar across the top, in the heading colour, framed in black.
    EXPECT_EQ(page.pixel(300, 140), kHeadingFill);
    EXPECT_EQ(page.pixel(300, 120), kBlack);
    // The client's name in the value colour on the first line.
    EXPECT_GT(CountPixels(page, QRect(250, 190, 600, 40), kValueBlue), 100);
    // Nothing between the pump section and the disclaimer, which ends at the bottom margin.
    EXPECT_EQ(CountPixels(page, QRect(200, 900, 1500, 2000), kWhite), 1500 * 2000);
    const int disclaimerTop = kPageHeight - kFrame.Top - 120;
    EXPECT_EQ(page.pixel(1000, disclaimerTop), kBlack);
    EXPECT_GT(CountPixels(page, QRect(300, disclaimerTop + 5, 1500, 110), kBlack), 200);
}

TEST_F(ReportComposerTest, AValueTooLongForItsBoxIsCutAtTheBoxsEnd) {
    project.ClientName = QStringLiteral("Riverside Paper Mill ").repeated(8);
    QImage page = BlankPage();
    composer.ComposeReportPage({0, 1, {}, 1}, kFrame, page);
    // Edit1 ends at (112 + 345) * 2.5 + 100 = 1242; the next caption starts at 1280.
    EXPECT_GT(CountPixels(page, QRect(900, 190, 340, 40), kValueBlue), 50);
    EXPECT_EQ(CountPixels(page, QRect(1243, 185, 37, 50), kValueBlue), 0);
    // Nothing wraps onto the next line.
    EXPECT_EQ(CountPixels(page, QRect(400, 235, 800, 40), kValueBlue), 0);
}

TEST(ReportFontSizes, LargeReportFontEnlargesEverythingButTheDisclaimer) {
    const ReportFontSizes normal = MakeReportFontSizes(kReportScale, false);
    EXPECT_EQ(normal.Heading, 18);
    EXPECT_EQ(normal.LabelValue, 19);
    EXPECT_EQ(normal.GridHeader, 17);
    EXPECT_EQ(normal.GridValue, 13);
    const ReportFontSizes large = MakeReportFontSizes(kReportScale, true);
    EXPECT_EQ(large.Heading, 22);
    EXPECT_EQ(large.LabelValue, 23);
    EXPECT_EQ(large.GridHeader, 20);
    EXPECT_EQ(large.GridValue, 16);
    EXPECT_EQ(large.ForLayoutSize(6), 15);
    EXPECT_EQ(large.ForLayoutSize(7), 19);
    EXPECT_EQ(large.ForLayoutSize(8), 23);
}

TEST_F(ReportComposerTest, MeasuringWalksThePageWithoutPainting) {
    project.Comments[1] = QStringLiteral("A comment\r\n");
    project.TransferSwitchState[1] = 1;
    QImage page = BlankPage();
    const ReportPageFacts drawn = composer.ComposeReportPage({1, 1, {}, 1}, kFrame, page);
    SaveShot(page, QStringLiteral("pump-test"));
    const ReportPageFacts measured = composer.MeasureReportPage({1, 1, {}, 1}, kFrame);
    EXPECT_EQ(drawn.PageContentHeight, measured.PageContentHeight);
    EXPECT_EQ(drawn.SectionMaxWidth, measured.SectionMaxWidth);
    QImage none;
    EXPECT_EQ(composer.ComposeReportPage({1, 1, {}, 1}, kFrame, none).PageContentHeight,
              drawn.PageContentHeight);
}

TEST_F(ReportComposerTest, AFullPagePutsTheDisclaimerRightUnderTheLastSection) {
    for (int line = 0; line < 6; ++line)
        project.Comments[1] += QStringLiteral("A line of comment\r\n");
    const ReportPageFacts facts = composer.MeasureReportPage({1, 1, {}, 1}, kFrame);
    QImage small(1900, 1200, QImage::Format_RGB32);
    const ReportPageFacts squeezed = composer.ComposeReportPage({1, 1, {}, 1}, kFrame, small);
    EXPECT_EQ(squeezed.PageContentHeight, facts.PageContentHeight);
    EXPECT_GT(facts.PageContentHeight, 1200 - 2 * kFrame.Top);
}

TEST_F(ReportComposerTest, ADieselEngineDropsTheVoltsAndAmpsColumns) {
    const auto linesAcrossTheTable = [this] {
        QImage page = BlankPage();
        composer.ComposeReportPage({1, 2, {}, 1}, kFrame, page);
        // The table starts 19 layout pixels under the top margin; its rows are 88 * 2.5 / 5
        // pixels high. The row of flowing point 1 has no merged cells.
        const int tableTop = 168;
        const int rowHeight = 44;
        return DarkRuns(page, tableTop + 3 * rowHeight + rowHeight / 2, 90, 1995);
    };
    EXPECT_EQ(linesAcrossTheTable(), 21);
    project.DriverKind = kDieselDriver;
    EXPECT_EQ(linesAcrossTheTable(), 15);
}

TEST_F(ReportComposerTest, HydrantPagesHoldTheirShareOfTheListedTests) {
    project.IsHydrantTest = true;
    for (int t = 1; t <= 5; ++t)
        project.SupplyTestDate[t] = QStringLiteral("9/%1/2026").arg(t);
    const QList<int> tests{5, 3, 1};
    const QList<ReportPageRequest> pages = HydrantReportPages(tests, 2);
    ASSERT_EQ(pages.size(), 2);
    QImage page = BlankPage();
    composer.ComposeReportPage(pages.at(1), kFrame, page);
    EXPECT_EQ(requested, QList<int>{1});
    requested.clear();
    composer.ComposeReportPage(pages.at(0), kFrame, page);
    SaveShot(page, QStringLiteral("hydrant"));
    EXPECT_EQ(requested, (QList<int>{5, 3}));
    EXPECT_EQ(composer.Layout()[ControlId::WaterSupplyHeading].Text, "Water Supply - 9/3/2026");
}

TEST_F(ReportComposerTest, NonsenseRequestsComposeAnEmptyButSoundPage) {
    project.IsHydrantTest = true;
    QImage page = BlankPage();
    for (const ReportPageRequest& request :
         {ReportPageRequest{-4, 1, {0, 9, -1}, 0}, ReportPageRequest{7, 3, {2}, 5},
          ReportPageRequest{1, 1, {}, 1}}) {
        const ReportPageFacts facts = composer.ComposeReportPage(request, kFrame, page);
        EXPECT_GT(facts.PageContentHeight, 0);
    }
    project.IsHydrantTest = false;
    EXPECT_GT(composer.ComposeReportPage({42, 1, {}, 1}, kFrame, page).PageContentHeight, 0);
}

TEST(ReportPageList, MultipageStartsWithTheSummaryPage) {
    const QList<ReportPageRequest> single = PumpReportPages({3, 1}, false);
    ASSERT_EQ(single.size(), 2);
    EXPECT_EQ(single.at(0).PageNumber, 3);
    EXPECT_EQ(single.at(0).ReportPageIndex, 1);
    const QList<ReportPageRequest> multi = PumpReportPages({3, 1}, true);
    ASSERT_EQ(multi.size(), 3);
    EXPECT_EQ(multi.at(0).PageNumber, 0);
    EXPECT_EQ(multi.at(1).PageNumber, 3);
    EXPECT_EQ(multi.at(2).ReportPageIndex, 3);
    EXPECT_TRUE(PumpReportPages({}, true).isEmpty());
    EXPECT_EQ(HydrantReportPages({1, 2, 3, 4, 5}, 3).size(), 2);
    EXPECT_EQ(HydrantReportPages({1, 2, 3, 4, 5}, 0).size(), 5);
}

TEST(ReportExamples, ThePlantReportQuotesTheGraphsVerdicts) {
    ProjectData project;
    ResetToDefaults(project);
    test::ScriptedPrompter prompter;
    ASSERT_EQ(ReadProjectFile(project, QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), prompter),
              ReadOutcome::Complete);
    PromptFlags flags;
    ReportComposer composer(
        project, PreparedGraphVerdicts(project, CheckBeforeDrawing(project, prompter, flags)));
    QImage page = BlankPage();
    for (const ReportPageRequest& request : PumpReportPages({1}, true)) {
        const ReportPageFacts facts = composer.ComposeReportPage(request, kFrame, page);
        SaveShot(page, QStringLiteral("plant-%1").arg(request.ReportPageIndex));
        EXPECT_LE(facts.PageContentHeight, kPageHeight);
    }
    const ReportLayout& R = composer.Layout();
    ASSERT_GT(R.DemandLineCount, 0);
    EXPECT_TRUE(R[ControlId::Edit11].Text.startsWith("Demand Point 1 at "));
    EXPECT_TRUE(R[ControlId::Edit11].Text.contains("Safety Cushion: ") ||
                R[ControlId::Edit11].Text.contains("Out of Range"))
        << R[ControlId::Edit11].Text.toStdString();
}

TEST(ReportExamples, TheHydrantReportDrawsEverySelectedTest) {
    ProjectData project;
    ResetToDefaults(project);
    test::ScriptedPrompter prompter;
    ASSERT_EQ(
        ReadProjectFile(project, QStringLiteral(QUENRA_EXAMPLES_DIR "/Hydrant.qrx"), prompter),
        ReadOutcome::Complete);
    PromptFlags flags;
    ReportComposer composer(
        project, PreparedGraphVerdicts(project, CheckBeforeDrawing(project, prompter, flags)));
    QList<int> tests;
    for (int t = kTestCount; t >= 1; --t)
        if (project.SupplyShowCurve[t])
            tests.append(t);
    ASSERT_FALSE(tests.isEmpty());
    QImage page = BlankPage();
    const ReportPageFacts facts =
        composer.ComposeReportPage(HydrantReportPages(tests, 2).at(0), kFrame, page);
    SaveShot(page, QStringLiteral("hydrant-example"));
    EXPECT_GT(facts.PageContentHeight, (169 + 48) * 5 / 2);
    EXPECT_EQ(composer.Layout()[ControlId::TitleHeading].Text, "Fire Hydrant Test Report");
}

} // namespace
} // namespace quenra
