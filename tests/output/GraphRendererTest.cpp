#include "output/GraphRenderer.h"

#include "files/ProjectFileReader.h"
#include "graph/ColourConversion.h"
#include "hydraulics/DataErrorPrompt.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "output/GraphFiles.h"
#include "output/PdfFolder.h"
#include "output/PdfRunFolder.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

ProjectData PumpExample() {
    ProjectData project;
    ResetToDefaults(project);
    test::ScriptedPrompter prompter;
    ReadProjectFile(project, QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), prompter);
    return project;
}

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

GraphRenderContext Context() {
    GraphRenderContext context;
    context.ScreenBox = QSize(1024, 700);
    return context;
}

class GraphRendererTest : public ::testing::Test {
protected:
    // The steps of an output command: the check, the rendering.
    std::optional<GraphRendering> Render(GraphTarget target, ProjectData& project,
                                         const GraphRenderContext& context = Context()) {
        const CheckResult check = CheckBeforeDrawing(project, prompter, flags);
        return renderer.Render(target, project, check, context);
    }
    GraphCapturePlace Place() const {
        GraphCapturePlace place;
        place.ProgramFolder = programFolder.path();
        place.TestTypeText = TestTypeText(false);
        return place;
    }

    QTemporaryDir projectFolder;
    QTemporaryDir programFolder;
    test::ScriptedPrompter prompter;
    PromptFlags flags;
    GraphRenderer renderer;
};

TEST_F(GraphRendererTest, ACaptureTakesTheNextFreeNumberBesideTheProject) {
    ProjectData project = PumpExample();
    project.ProjectFileName = QDir(projectFolder.path()).filePath(QStringLiteral("Plant.qrx"));
    project.CaptureSizeIndex = 1;
    for (int n = 1; n <= 3; ++n) {
        Touch(QDir(projectFolder.path()).filePath(QStringLiteral("Fire Pump Test%1.jpg").arg(n)));
    }
    const auto rendering = Render(GraphTarget::Capture, project);
    ASSERT_TRUE(rendering);
    EXPECT_TRUE(prompter.Messages.isEmpty()) << "the rendering itself writes nothing";
    const QString expected =
        QDir(projectFolder.path()).filePath(QStringLiteral("Fire Pump Test4.jpg"));
    EXPECT_EQ(SaveGraphCapture(*rendering, project, Place(), prompter), expected);
    ASSERT_EQ(prompter.Messages.size(), 1);
    EXPECT_EQ(prompter.Messages.first(),
              QStringLiteral("File [") + expected + QStringLiteral("] saved"));
    QImageReader reader(expected);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    EXPECT_EQ(reader.size(), QSize(1000, 773));
    // The file holds the page that was drawn.
    const QImage written(expected);
    const QRgb drawn = rendering->Graph.pixel(500, 5);
    EXPECT_NEAR(qRed(written.pixel(500, 5)), qRed(drawn), 8);
    EXPECT_NEAR(qBlue(written.pixel(500, 5)), qBlue(drawn), 8);
}

TEST_F(GraphRendererTest, AnUntitledProjectIsCapturedInTheProgramFolder) {
    ProjectData project = PumpExample();
    project.ProjectFileName = QStringLiteral("untitled");
    project.CaptureSizeIndex = 0; // "Actual Size": the paint box
    const auto rendering = Render(GraphTarget::Capture, project);
    ASSERT_TRUE(rendering);
    const std::optional<QString> written = SaveGraphCapture(*rendering, project, Place(), prompter);
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, QDir(programFolder.path()).filePath(QStringLiteral("Fire Pump Test1.jpg")));
    EXPECT_EQ(QImageReader(*written).size(), QSize(1024, 700));
}

TEST_F(GraphRendererTest, ACaptureThatCannotBeWrittenSaysWhereAndClaimsNothing) {
    ProjectData project = PumpExample();
    GraphCapturePlace place = Place();
    place.CaptureFile = QDir(projectFolder.path()).filePath(QStringLiteral("no/such/x.jpg"));
    const auto rendering = Render(GraphTarget::Capture, project);
    ASSERT_TRUE(rendering);
    EXPECT_FALSE(SaveGraphCapture(*rendering, project, place, prompter));
    ASSERT_EQ(prompter.Messages.size(), 1);
    EXPECT_TRUE(prompter.Messages.first().contains(QStringLiteral("[") + place.CaptureFile +
                                                   QStringLiteral("]")));
    EXPECT_FALSE(prompter.Messages.first().endsWith(QStringLiteral("saved")));
}

TEST_F(GraphRendererTest, ThePdfPageIsThePageColourWithTheGraphInsideTheMargins) {
    ProjectData project = PumpExample();
    project.CaptureSizeIndex = 1;
    project.MarginLeft = QStringLiteral("10");
    project.MarginRight = QStringLiteral("10");
    project.MarginTop = QStringLiteral("5");
    project.MarginBottom = QStringLiteral("5");
    project.TitleBackgroundColor = MakeColour(10, 200, 30);
    const PdfRunFolder run(programFolder.path());
    ASSERT_TRUE(run.Ready());

    const auto rendering = Render(GraphTarget::Pdf, project);
    ASSERT_TRUE(rendering);
    EXPECT_TRUE(QDir(run.ImageFolder()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(rendering->Graph.size(), QSize(800, 696));
    const QImage page = GraphPdfPage(*rendering, project);
    EXPECT_EQ(page.size(), QSize(1000, 773));
    EXPECT_EQ(page.pixel(50, 20), qRgb(10, 200, 30));
    EXPECT_EQ(page.pixel(100, 38), rendering->Graph.pixel(0, 0));

    const std::optional<PdfPageImages> images =
        WriteGraphPdfPage(*rendering, project, run.ImageFolder(), prompter);
    ASSERT_TRUE(images);
    EXPECT_EQ(QDir(run.ImageFolder()).entryList(QDir::Files),
              QStringList{QStringLiteral("Graph.jpg")});
    EXPECT_EQ(images->Files, QStringList{GraphPdfImagePath(run.ImageFolder())});
    EXPECT_EQ(images->PageImageHeight, 1000);
    EXPECT_EQ(QImageReader(images->Files.first()).size(), QSize(1000, 773));
    EXPECT_TRUE(prompter.Messages.isEmpty());
    // Without a run there is nowhere to write.
    EXPECT_FALSE(WriteGraphPdfPage(*rendering, project, QString(), prompter));
}

TEST_F(GraphRendererTest, APrinterPageGetsABitmap1800WideAndNoFile) {
    ProjectData project = PumpExample();
    GraphRenderContext context = Context();
    context.PrinterPage = QSize(3300, 2550);
    const auto rendering = Render(GraphTarget::Printer, project, context);
    ASSERT_TRUE(rendering);
    EXPECT_EQ(rendering->Graph.width(), 1800);
    EXPECT_TRUE(QDir(programFolder.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
} // namespace quenra
