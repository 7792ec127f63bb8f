#include "files/ProjectFileReader.h"
#include "graph/ReportLogo.h"
#include "hydraulics/AvailableFlow.h"
#include "model/ResetToDefaults.h"
#include "report/AvailableFlowSection.h"
#include "report/ReportComposer.h"
#include "report/ReportPageList.h"
#include "support/ScriptedPrompter.h"

#include "hydraulics/QStringPrinter.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <optional>

namespace quenra {
namespace {

constexpr int kPageWidth = 2805;
constexpr int kPageHeight = 3630;
const ReportPageFrame kFrame{kReportScale, 100, 120};
const QRgb kValueBlue = qRgb(0, 48, 96);

ProjectData Open(const QString& path) {
    ProjectData project;
    ResetToDefaults(project);
    test::ScriptedPrompter prompter;
    EXPECT_EQ(ReadProjectFile(project, path, prompter), ReadOutcome::Complete);
    return project;
}

// A project of the test data or the examples, and the page of its report to compose.
struct ReportFixture {
    const char* Name;
    const char* Path;
    ReportPageRequest Request;
    int ExtraHeight; // layout pixels the option adds to the page
};

struct ComposedPage {
    QImage Image;
    ReportPageFacts Facts;
};

ComposedPage Compose(const ProjectData& project, const ReportPageRequest& request,
                     std::optional<AvailableFlowOption> option) {
    // One logo for every page compared: the generated logo's anti-aliased pixels are not
    // always the same from one generation to the next.
    static const QImage logo = MakeReportLogo();
    ReportComposer composer(
        project, [](int) { return PerTest<DemandPointVerdict>{}; }, logo);
    if (option)
        composer.SetAvailableFlowOption(*option);
    ComposedPage page{QImage(kPageWidth, kPageHeight, QImage::Format_RGB32), {}};
    page.Image.fill(Qt::magenta);
    page.Facts = composer.ComposeReportPage(request, kFrame, page.Image);
    return page;
}

// Where two pages first differ, for the failure message.
std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "first difference at " + std::to_string(x) + "," + std::to_string(y);
    return "none";
}

class AvailableFlowReportTest : public ::testing::TestWithParam<ReportFixture> {
protected:
    ProjectData project = Open(QString::fromUtf8(GetParam().Path));
};

TEST_P(AvailableFlowReportTest, OffDrawsThePageExactlyAsBefore) {
    const ComposedPage before = Compose(project, GetParam().Request, std::nullopt);
    AvailableFlowOption off;
    off.RatingPressurePsi = 35;
    const ComposedPage after = Compose(project, GetParam().Request, off);
    EXPECT_TRUE(after.Image == before.Image) << FirstDifference(after.Image, before.Image);
    EXPECT_EQ(after.Facts.PageContentHeight, before.Facts.PageContentHeight);
}

TEST_P(AvailableFlowReportTest, OnAddsTheLineToTheSupplyDataOnly) {
    const ComposedPage before = Compose(project, GetParam().Request, std::nullopt);
    const ComposedPage on =
        Compose(project, GetParam().Request, AvailableFlowOption{true, kDefaultRatingPressurePsi});
    if (QDir().mkpath(QStringLiteral("/tmp/report-shots")))
        on.Image.save(QStringLiteral("/tmp/report-shots/available-%1.png")
                          .arg(QString::fromUtf8(GetParam().Name)));
    EXPECT_EQ(on.Image != before.Image, GetParam().ExtraHeight > 0);
    const double grown = GetParam().ExtraHeight * kReportScale;
    EXPECT_NEAR(on.Facts.PageContentHeight - before.Facts.PageContentHeight, grown, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, AvailableFlowReportTest,
    ::testing::Values(
        // Two hydrant tests on the first page: each water supply section grows by a line.
        ReportFixture{"Hydrant", QUENRA_TEST_DATA_DIR "/AvailableFlowHydrant.qrx",
                      ReportPageRequest{1, 1, {4, 1}, 2}, 2 * 24},
        ReportFixture{"Metric", QUENRA_TEST_DATA_DIR "/AvailableFlowMetric.qrx",
                      ReportPageRequest{1, 1, {2}, 1}, 24},
        // The fire pump report's first page gets a water supply section of its own.
        ReportFixture{"PlantSummary", QUENRA_EXAMPLES_DIR "/Plant.qrx",
                      ReportPageRequest{0, 1, {}, 1}, 49},
        // Later pages of a fire pump report repeat nothing.
        ReportFixture{"PlantTestPage", QUENRA_EXAMPLES_DIR "/Plant.qrx",
                      ReportPageRequest{1, 2, {}, 1}, 0}),
    [](const ::testing::TestParamInfo<ReportFixture>& testCase) { return testCase.param.Name; });

// The line is drawn in the value colour right below the last line of the water supply section:
// with the client section left out (a second page), that section starts at the top margin.
TEST(AvailableFlowReport, LineStandsBelowTheWaterSupplyValues) {
    const ProjectData project =
        Open(QStringLiteral(QUENRA_TEST_DATA_DIR "/AvailableFlowHydrant.qrx"));
    const ReportPageRequest request{1, 2, {1}, 1};
    const ComposedPage off = Compose(project, request, std::nullopt);
    const ComposedPage on = Compose(project, request, AvailableFlowOption{true, 20});
    const auto valueInk = [](const QImage& image) {
        // The value box of the line: layout x 90..737, y 164..188 of the section.
        const QRect box(kFrame.Left + 90 * 5 / 2, kFrame.Top + 164 * 5 / 2, 647 * 5 / 2,
                        24 * 5 / 2);
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                count += image.pixel(x, y) == kValueBlue;
        return count;
    };
    EXPECT_EQ(valueInk(off.Image), 0);
    EXPECT_GT(valueInk(on.Image), 500);
}

TEST(AvailableFlowReport, LineStatesValueClassAndNote) {
    const ProjectData project =
        Open(QStringLiteral(QUENRA_TEST_DATA_DIR "/AvailableFlowHydrant.qrx"));
    const AvailableFlowLine first = MakeAvailableFlowLine(project, 1, 20, 170);
    EXPECT_EQ(first.Label.Text + QLatin1Char(' ') + first.Value.Text,
              QStringLiteral("Available: 2 336 gpm @ 20 psi (Class AA), pressure drop under 25 %: "
                             "estimate"));
    EXPECT_EQ(MakeAvailableFlowLine(project, 3, 20, 170).Value.Text,
              QStringLiteral("not computable, static pressure at or below 20 psi"));
    EXPECT_EQ(MakeAvailableFlowLine(project, 4, 20, 170).Value.Text,
              QStringLiteral("1 309 gpm @ 20 psi (Class A)"));
}

TEST(AvailableFlowReport, PumpReportWithoutSupplyDataHasNoSupplySection) {
    ProjectData project = Open(QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"));
    project.SupplyStaticPressure[1].clear();
    project.SupplyResidualPressure[1] = QStringLiteral("  ");
    project.SupplyResidualFlow[1].clear();
    const ReportPageRequest request{0, 1, {}, 1};
    const ComposedPage off = Compose(project, request, std::nullopt);
    const ComposedPage on = Compose(project, request, AvailableFlowOption{true, 20});
    EXPECT_TRUE(on.Image == off.Image) << FirstDifference(on.Image, off.Image);
}

} // namespace
} // namespace quenra
