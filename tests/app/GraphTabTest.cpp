#include "MainWindowFixture.h"
#include "app/GraphPaintBox.h"
#include "graph/ColourConversion.h"
#include "hydraulics/RecordRefresh.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPrinter>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using test::MainWindowTest;

constexpr int kGraphTab = 7; // of a fire pump test's tab list

QString ExampleCopy(const QString& folder) {
    const QString path = QDir(folder).filePath(QStringLiteral("Plant.qrx"));
    QFile::copy(QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), path);
    return path;
}

TEST_F(MainWindowTest, TheGraphTabPaintsTheGraphAtTheSizeOfItsPaintBox) {
    Start(ExampleCopy(folder_.path()));
    Tabs()->setCurrentIndex(kGraphTab);
    ASSERT_EQ(window_->CurrentPage(), MainPage::Graph);
    GraphPaintBox* box = window_->GraphBox();
    ASSERT_TRUE(box->isVisible());
    const QImage shown = box->grab().toImage();
    EXPECT_EQ(box->LastPage().size(), box->size());
    // The page colour at the corner, the plot colour somewhere inside the grid.
    EXPECT_EQ(shown.pixel(1, 1), ToQColor(Project().OutsideBackgroundColor).rgb());
    const QRgb plot = ToQColor(Project().GraphBackgroundColor).rgb();
    int plotPixels = 0;
    for (int x = 0; x < shown.width(); x += 7) {
        plotPixels += shown.pixel(x, shown.height() / 2) == plot ? 1 : 0;
    }
    EXPECT_GT(plotPixels, 10);

    // A larger window renders the page afresh at the new size.
    window_->resize(window_->width() + 120, window_->height() + 60);
    QApplication::processEvents();
    box->grab();
    EXPECT_EQ(box->LastPage().size(), box->size());
}

TEST_F(MainWindowTest, DataErrorsAreAskedAboutOnceWhenTheGraphTabOpens) {
    Start(ExampleCopy(folder_.path()));
    Type("RtdFlw", QStringLiteral("lots"));
    prompter_.Answers.push_back(Prompter::Answer::No);
    Tabs()->setCurrentIndex(kGraphTab);
    EXPECT_EQ(prompter_.Questions.size(), 1);
    // Repaints do not ask again.
    window_->GraphBox()->grab();
    window_->GraphBox()->grab();
    EXPECT_EQ(prompter_.Questions.size(), 1);
    // Coming back to the tab asks again.
    Tabs()->setCurrentIndex(0);
    Tabs()->setCurrentIndex(kGraphTab);
    EXPECT_EQ(prompter_.Questions.size(), 2);
}

// A prompter that, while the question about data errors is open, has the window render the
// graph again, as a repaint does that arrives meanwhile.
class RepaintingPrompter : public test::ScriptedPrompter {
public:
    MainWindow* Window = nullptr;
    std::optional<bool> NestedRendered;

    Answer Ask(const QString& question, Choices choices) override {
        if (Window != nullptr) {
            NestedRendered = Window->RenderGraph(GraphTarget::Screen).has_value();
        }
        return test::ScriptedPrompter::Ask(question, choices);
    }
};

TEST(GraphTabRendering, ARenderingAskedForWhileTheCheckAsksRendersNothing) {
    QTemporaryDir folder;
    RepaintingPrompter prompter;
    test::RecordingShell shell;
    MainWindow window(prompter, shell, folder.path(), ExampleCopy(folder.path()));
    window.show();
    window.Project().RatedFlow = QStringLiteral("many"); // a data error: the question is asked
    window.ErrorPrompt() = PromptFlags();
    prompter.Window = &window;
    const std::optional<GraphRendering> rendering = window.RenderGraph(GraphTarget::Screen);
    ASSERT_EQ(prompter.Questions.size(), 1);
    EXPECT_EQ(prompter.NestedRendered, std::optional<bool>(false));
    EXPECT_TRUE(rendering);
    // Once done, the window takes the next request.
    prompter.Window = nullptr;
    EXPECT_TRUE(window.RenderGraph(GraphTarget::Screen));
}

TEST_F(MainWindowTest, CaptureOnTheGraphTabWritesTheNextNumberedJpegBesideTheProject) {
    const QString project = ExampleCopy(folder_.path());
    Start(project);
    QFile(Path(QStringLiteral("Fire Pump Test1.jpg"))).open(QIODevice::WriteOnly);
    Tabs()->setCurrentIndex(kGraphTab);
    Trigger("Capture1");
    const QString expected = Path(QStringLiteral("Fire Pump Test2.jpg"));
    ASSERT_FALSE(prompter_.Messages.isEmpty());
    EXPECT_EQ(prompter_.Messages.last(),
              QStringLiteral("File [") + expected + QStringLiteral("] saved"));
    EXPECT_EQ(QImageReader(expected).size(), QSize(3000, 2318));

    // Off the Graph and Report tabs nothing is captured.
    Tabs()->setCurrentIndex(0);
    Trigger("Capture1");
    EXPECT_EQ(prompter_.Messages.last(), QStringLiteral("Select the Graph or Report tab first"));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("Fire Pump Test3.jpg"))));
}

TEST_F(MainWindowTest, PrintOnTheGraphTabPrintsOnePageAndACancelledDialogNothing) {
    Start(ExampleCopy(folder_.path()));
    Tabs()->setCurrentIndex(kGraphTab);
    const QString pdf = Path(QStringLiteral("printed.pdf"));
    QString jobTitle;
    window_->SetPrintDialog([&](QPrinter& printer) {
        jobTitle = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    Trigger("Print1");
    EXPECT_EQ(jobTitle, QStringLiteral("Quenra"));
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray bytes = printed.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Count 1"));
    EXPECT_TRUE(bytes.contains("/Image"));

    const QString cancelled = Path(QStringLiteral("cancelled.pdf"));
    window_->SetPrintDialog([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(cancelled);
        return false;
    });
    Trigger("Print1");
    EXPECT_FALSE(QFileInfo::exists(cancelled));
}

} // namespace
} // namespace quenra
