#include "output/GraphRenderer.h"

#include "files/ProjectFileReader.h"
#include "graph/ColourConversion.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
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

GraphRenderContext ContextIn(const QString& programFolder) {
    GraphRenderContext context;
    context.ScreenBox = QSize(1024, 700);
    context.ProgramFolder = programFolder;
    context.TestTypeText = TestTypeText(false);
    return context;
}

class GraphRendererTest : public ::testing::Test {
protected:
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
    const auto rendering = renderer.Render(GraphTarget::Capture, project, prompter, flags,
                                           ContextIn(programFolder.path()));
    ASSERT_TRUE(rendering);
    const QString expected =
        QDir(projectFolder.path()).filePath(QStringLiteral("Fire Pump Test4.jpg"));
    EXPECT_EQ(rendering->WrittenFile, expected);
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
    const auto rendering = renderer.Render(GraphTarget::Capture, project, prompter, flags,
                                           ContextIn(programFolder.path()));
    ASSERT_TRUE(rendering);
    EXPECT_EQ(rendering->WrittenFile,
              QDir(programFolder.path()).filePath(QStringLiteral("Fire Pump Test1.jpg")));
    EXPECT_EQ(QImageReader(rendering->WrittenFile).size(), QSize(1024, 700));
}

TEST_F(GraphRendererTest, ACaptureThatCannotBeWrittenSaysWhereAndClaimsNothing) {
    ProjectData project = PumpExample();
    GraphRenderContext context = ContextIn(programFolder.path());
    context.CaptureFile = QDir(projectFolder.path()).filePath(QStringLiteral("no/such/x.jpg"));
    const auto rendering = renderer.Render(GraphTarget::Capture, project, prompter, flags, context);
    ASSERT_TRUE(rendering);
    EXPECT_TRUE(rendering->WrittenFile.isEmpty());
    ASSERT_EQ(prompter.Messages.size(), 1);
    EXPECT_TRUE(prompter.Messages.first().contains(QStringLiteral("[") + context.CaptureFile +
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
    GraphRenderContext context = ContextIn(programFolder.path());
    context.PdfImageFolder = run.ImageFolder();

    const auto rendering = renderer.Render(GraphTarget::Pdf, project, prompter, flags, context);
    ASSERT_TRUE(rendering);
    EXPECT_EQ(QDir(run.ImageFolder()).entryList(QDir::Files),
              QStringList{QStringLiteral("Graph.jpg")});
    EXPECT_EQ(rendering->WrittenFile, GraphPdfImagePath(run.ImageFolder()));
    EXPECT_EQ(rendering->Graph.size(), QSize(800, 696));
    EXPECT_EQ(rendering->Page.size(), QSize(1000, 773));
    EXPECT_EQ(rendering->PageImageSide, 1000);
    EXPECT_EQ(rendering->Page.pixel(50, 20), qRgb(10, 200, 30));
    EXPECT_EQ(rendering->Page.pixel(100, 38), rendering->Graph.pixel(0, 0));
    EXPECT_EQ(QImageReader(rendering->WrittenFile).size(), QSize(1000, 773));
    EXPECT_TRUE(prompter.Messages.isEmpty());
}

TEST_F(GraphRendererTest, APrinterPageGetsABitmap1800WideAndNoFile) {
    ProjectData project = PumpExample();
    GraphRenderContext context = ContextIn(programFolder.path());
    context.PrinterPage = QSize(3300, 2550);
    const auto rendering = renderer.Render(GraphTarget::Printer, project, prompter, flags, context);
    ASSERT_TRUE(rendering);
    EXPECT_EQ(rendering->Graph.width(), 1800);
    EXPECT_TRUE(rendering->WrittenFile.isEmpty());
    EXPECT_TRUE(QDir(programFolder.path()).entryList(QDir::Files).isEmpty());
}

// A prompter whose question arrives while the page is being rendered and asks for another
// rendering, as a repaint does that comes while the question is on the screen.
class ReenteringPrompter : public test::ScriptedPrompter {
public:
    GraphRenderer* Renderer = nullptr;
    ProjectData* Project = nullptr;
    PromptFlags* Flags = nullptr;
    bool NestedRendered = true;

    Answer Ask(const QString& question, Choices choices) override {
        NestedRendered =
            Renderer
                ->Render(GraphTarget::Screen, *Project, *this, *Flags, ContextIn(QDir::tempPath()))
                .has_value();
        return test::ScriptedPrompter::Ask(question, choices);
    }
};

TEST_F(GraphRendererTest, ARenderingAskedForWhileOneRunsRendersNothing) {
    ProjectData project = PumpExample();
    project.RatedFlow = QStringLiteral("many"); // a data error: the question is asked
    ReenteringPrompter asking;
    asking.Renderer = &renderer;
    asking.Project = &project;
    asking.Flags = &flags;
    const auto rendering = renderer.Render(GraphTarget::Screen, project, asking, flags,
                                           ContextIn(programFolder.path()));
    ASSERT_EQ(asking.Questions.size(), 1);
    EXPECT_FALSE(asking.NestedRendered);
    EXPECT_TRUE(rendering);
    EXPECT_FALSE(renderer.Busy());
    // Once done, the renderer takes the next request.
    EXPECT_TRUE(renderer.Render(GraphTarget::Screen, project, prompter, flags,
                                ContextIn(programFolder.path())));
}

} // namespace
} // namespace quenra
