#include "output/ReportRenderer.h"

#include "files/ProjectFileReader.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "output/PdfFolder.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

ProjectData Example(const char* name) {
    ProjectData project;
    ResetToDefaults(project);
    test::ScriptedPrompter prompter;
    ReadProjectFile(project, QStringLiteral(QUENRA_EXAMPLES_DIR "/") + QLatin1String(name),
                    prompter);
    return project;
}

class ReportRendererTest : public ::testing::Test {
protected:
    std::optional<ReportRun> Run(ProjectData& project, ReportViewOptions options,
                                 ReportPlaces places = ReportPlaces()) {
        verdicts = PreparedGraphVerdicts(project, prompter, flags);
        return renderer.Run(project, verdicts, options, places, prompter);
    }
    QString In(const QString& name) const { return QDir(folder.path()).filePath(name); }

    QTemporaryDir folder;
    test::ScriptedPrompter prompter;
    PromptFlags flags;
    DemandVerdictSource verdicts;
    ReportRenderer renderer;
};

TEST_F(ReportRendererTest, ACaptureWritesOnePageForEachTestOrTheSummaryFirst) {
    ProjectData project = Example("Plant.qrx");
    ReportViewOptions options;
    options.Mode = report_mode::Capture;
    ReportPlaces places;
    places.CaptureFolder = folder.path();
    auto run = Run(project, options, places);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageCount, 3);
    const QString base = In(QStringLiteral("Quenra1"));
    EXPECT_EQ(run->WrittenFiles, (QStringList{base + "-1.jpg", base + "-2.jpg", base + "-3.jpg"}));
    ASSERT_FALSE(prompter.Messages.isEmpty());
    EXPECT_EQ(prompter.Messages.last(), QStringLiteral("Captured files: ") + base +
                                            QStringLiteral("-1.jpg to ") + base +
                                            QStringLiteral("-3.jpg"));
    const QSize size = QImageReader(run->WrittenFiles.first()).size();
    EXPECT_EQ(size, QSize(run->Size.Width, run->Size.Height));
    EXPECT_NEAR(static_cast<double>(size.height()) / size.width(), kLetterAspect, 0.002);

    // The next capture takes the next number; with the summary page there is one more page.
    options.Multipage = true;
    run = Run(project, options, places);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageCount, 4);
    EXPECT_EQ(run->WrittenFiles.first(), In(QStringLiteral("Quenra2-1.jpg")));
    EXPECT_EQ(run->WrittenFiles.size(), 4);
}

TEST_F(ReportRendererTest, PdfPageImagesReplaceWhateverWasInThePdfFolder) {
    ProjectData project = Example("Hydrant.qrx");
    const QString pdfFolder = PdfImageFolder(folder.path());
    ASSERT_TRUE(QDir().mkpath(pdfFolder));
    QFile(QDir(pdfFolder).filePath(QStringLiteral("Graph.jpg"))).open(QIODevice::WriteOnly);
    ReportViewOptions options;
    options.Mode = report_mode::PdfImages;
    options.HydrantTestsPerPage = 2;
    ReportPlaces places;
    places.ProgramFolder = folder.path();
    const auto run = Run(project, options, places);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageCount, 2);
    EXPECT_EQ(QDir(pdfFolder).entryList(QDir::Files),
              (QStringList{QStringLiteral("Report1.jpg"), QStringLiteral("Report2.jpg")}));
    EXPECT_EQ(run->PageImageHeight, run->Size.Height);
    EXPECT_TRUE(prompter.Messages.isEmpty());
}

TEST_F(ReportRendererTest, NoSelectedTestGivesNoPages) {
    ProjectData project = Example("Plant.qrx");
    for (int test = 1; test <= kTestCount; ++test) {
        project.PumpTestInGraph[test] = false;
    }
    ReportViewOptions options;
    options.Mode = report_mode::Capture;
    ReportPlaces places;
    places.CaptureFolder = folder.path();
    const auto run = Run(project, options, places);
    ASSERT_TRUE(run);
    EXPECT_TRUE(run->NoTests);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ReportRendererTest, TheViewsKeepOnlyThePagesTheyShow) {
    ProjectData project = Example("Plant.qrx");
    ReportViewOptions options;
    options.View = QSize(900, 600);
    options.Mode = report_mode::OnePage;
    options.Page = 7; // beyond the last page: the last is shown
    auto run = Run(project, options);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageNumbers, QList<int>{3});
    EXPECT_EQ(run->Pages.first().height(), 600);

    options.Mode = report_mode::AllPages;
    run = Run(project, options);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageNumbers, (QList<int>{1, 2, 3}));
    EXPECT_LE(3 * run->Pages.first().width() + 20, 900);

    options.Mode = report_mode::Zoomed;
    options.PageWidth = false;
    options.Page = 2;
    run = Run(project, options);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageNumbers, QList<int>{2});
    EXPECT_EQ(run->Pages.first().size(), QSize(run->Size.Width, run->Size.Height));
}

TEST_F(ReportRendererTest, PrintingHandsEveryPageOverInOrder) {
    ProjectData project = Example("Plant.qrx");
    ReportViewOptions options;
    options.Mode = report_mode::Print;
    options.Multipage = true;
    QList<int> printed;
    options.PrintPage = [&](const QImage& page, int number, int count) {
        EXPECT_EQ(count, 4);
        EXPECT_FALSE(page.isNull());
        printed << number;
    };
    const auto run = Run(project, options);
    ASSERT_TRUE(run);
    EXPECT_EQ(printed, (QList<int>{1, 2, 3, 4}));
    EXPECT_TRUE(run->Pages.isEmpty());
}

TEST_F(ReportRendererTest, TheLayoutChoiceTakesTheMostHydrantTestsThatFitAPage) {
    ProjectData project = Example("Hydrant.qrx");
    verdicts = PreparedGraphVerdicts(project, prompter, flags);
    const ReportLayoutChoice choice =
        ChooseReportLayout(renderer, project, verdicts, QSize(800, 600), prompter);
    ReportViewOptions measure;
    measure.Output = false;
    measure.HydrantTestsPerPage = choice.HydrantTestsPerPage;
    auto run = renderer.Run(project, verdicts, measure, ReportPlaces(), prompter);
    ASSERT_TRUE(run);
    EXPECT_FALSE(run->PageTooTall);
    ASSERT_LT(choice.HydrantTestsPerPage, 4)
        << "three tests with demand points fill more than a page";
    measure.HydrantTestsPerPage = choice.HydrantTestsPerPage + 1;
    run = renderer.Run(project, verdicts, measure, ReportPlaces(), prompter);
    ASSERT_TRUE(run);
    EXPECT_TRUE(run->PageTooTall);
}

TEST_F(ReportRendererTest, ARunAskedForDuringARunDoesNothing) {
    ProjectData project = Example("Plant.qrx");
    bool nestedRan = true;
    const DemandVerdictSource inner = PreparedGraphVerdicts(project, prompter, flags);
    verdicts = [&](int test) {
        nestedRan =
            renderer.Run(project, inner, ReportViewOptions(), ReportPlaces(), prompter).has_value();
        return inner(test);
    };
    ReportViewOptions options;
    options.Output = false;
    EXPECT_TRUE(renderer.Run(project, verdicts, options, ReportPlaces(), prompter));
    EXPECT_FALSE(nestedRan);
    EXPECT_FALSE(renderer.Busy());
}

} // namespace
} // namespace quenra
