#include "MainWindowFixture.h"
#include "app/ReportView.h"
#include "hydraulics/RecordRefresh.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using test::MainWindowTest;

constexpr int kReportTab = 8; // of a fire pump test's tab list

class ReportTabTest : public MainWindowTest {
protected:
    void OpenExampleOnTheReportTab() {
        const QString path = Path(QStringLiteral("Plant.qrx"));
        QFile::copy(QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), path);
        Start(path);
        Tabs()->setCurrentIndex(kReportTab);
        ASSERT_EQ(window_->CurrentPage(), MainPage::Report);
        Shown();
    }
    QImage Shown() { return window_->Report()->PaintBox()->grab().toImage(); }
    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
};

TEST_F(ReportTabTest, ShowsEveryPageSideBySideAndRepaintsWithoutComposingAgain) {
    OpenExampleOnTheReportTab();
    ReportView* report = window_->Report();
    EXPECT_EQ(report->Mode(), ReportMode::AllPages);
    // The newest test's page, with the client and pump sections above it, is taller than a
    // letter page: the summary page goes first and each test gets a page of its own.
    EXPECT_TRUE(Find<QCheckBox>("mp")->isChecked());
    EXPECT_EQ(report->PageCount(), 4);
    const int runs = report->ComposedRuns();
    Shown();
    Shown();
    EXPECT_EQ(report->ComposedRuns(), runs);
    // A changed record is composed again.
    Project().ClientName = QStringLiteral("Another client");
    Shown();
    EXPECT_EQ(report->ComposedRuns(), runs + 1);
    // Three white pages on the grey view.
    const QImage view = Shown();
    int whiteColumns = 0;
    for (int x = 0; x < view.width(); ++x) {
        whiteColumns += view.pixel(x, view.height() / 2) == qRgb(255, 255, 255) ? 1 : 0;
    }
    EXPECT_GT(whiteColumns, view.width() / 2);
    EXPECT_EQ(view.pixel(0, 0), qRgb(192, 192, 192));
}

TEST_F(ReportTabTest, TheViewButtonsChooseTheModeAndThePage) {
    OpenExampleOnTheReportTab();
    ReportView* report = window_->Report();
    Click("BitBtn1"); // one page
    Shown();
    EXPECT_EQ(report->Mode(), ReportMode::OnePage);
    EXPECT_EQ(report->Page(), 1);
    Click("BitBtn2"); // previous page on page 1: stays
    EXPECT_EQ(report->Page(), 1);
    Click("BitBtn3");
    Click("BitBtn3");
    Click("BitBtn3");
    Click("BitBtn3"); // next page on the last page: stays
    EXPECT_EQ(report->Page(), 4);

    EXPECT_FALSE(Visible("Panel7"));
    Click("BitBtn5"); // maximum zoom: the scroll bars come
    Shown();
    EXPECT_EQ(report->Mode(), ReportMode::Zoomed);
    EXPECT_TRUE(Visible("Panel7"));
    EXPECT_TRUE(Visible("Panel6"));
    Click("BitBtn6"); // all pages
    Shown();
    EXPECT_FALSE(Visible("Panel7"));
}

// Page Up and Down, Home and End turn the pages of the one-page and zoomed views, from where the
// view has the keyboard; the all-pages view has no page to turn.
struct PageKeyCase {
    const char* ViewButton;
    Qt::Key Key;
    int FromPage;
    int ToPage;
};

class ReportPageKeys : public ReportTabTest, public ::testing::WithParamInterface<PageKeyCase> {};

TEST_P(ReportPageKeys, TurnThePages) {
    OpenExampleOnTheReportTab();
    ReportView* report = window_->Report();
    Click(GetParam().ViewButton);
    for (int page = 1; page < GetParam().FromPage; ++page) {
        Click("BitBtn3");
    }
    ASSERT_EQ(report->Page(), GetParam().FromPage);
    QTest::keyClick(report->PaintBox(), GetParam().Key);
    EXPECT_EQ(report->Page(), GetParam().ToPage);
}

INSTANTIATE_TEST_SUITE_P(Keys, ReportPageKeys,
                         ::testing::Values(PageKeyCase{"BitBtn1", Qt::Key_PageDown, 1, 2},
                                           PageKeyCase{"BitBtn1", Qt::Key_PageUp, 3, 2},
                                           PageKeyCase{"BitBtn1", Qt::Key_PageUp, 1, 1},
                                           PageKeyCase{"BitBtn1", Qt::Key_End, 2, 4},
                                           PageKeyCase{"BitBtn1", Qt::Key_Home, 3, 1},
                                           PageKeyCase{"BitBtn5", Qt::Key_PageDown, 2, 3},
                                           PageKeyCase{"BitBtn5", Qt::Key_PageDown, 4, 4},
                                           PageKeyCase{"BitBtn5", Qt::Key_Home, 4, 1},
                                           PageKeyCase{"BitBtn6", Qt::Key_PageDown, 1, 1}));

TEST_F(ReportTabTest, TheWheelAndTheArrowsScrollTheZoomedPage) {
    OpenExampleOnTheReportTab();
    ReportView* report = window_->Report();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    Tabs()->setCurrentIndex(0);
    Tabs()->setCurrentIndex(kReportTab);
    EXPECT_TRUE(report->PaintBox()->hasFocus()) << "shown with its tab, the view has the keys";
    Click("BitBtn5");
    Shown();
    auto* vertical = Find<QScrollBar>("ScrollBar1");
    auto* horizontal = Find<QScrollBar>("ScrollBar2");
    ASSERT_EQ(vertical->value(), 0);
    QTest::keyClick(report->PaintBox(), Qt::Key_Down);
    const int oneStep = vertical->value();
    EXPECT_GT(oneStep, 0);
    QTest::keyClick(report->PaintBox(), Qt::Key_Right);
    EXPECT_GT(horizontal->value(), 0);

    const QPointF centre = QRectF(report->PaintBox()->rect()).center();
    QWheelEvent down(centre, report->PaintBox()->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(report->PaintBox(), &down);
    EXPECT_GT(vertical->value(), oneStep);
    QTest::keyClick(report->PaintBox(), Qt::Key_PageDown);
    EXPECT_EQ(report->Page(), 2);
    EXPECT_EQ(vertical->value(), 0) << "the next page shows from its top";

    // In the one-page view the wheel turns the pages.
    Click("BitBtn1");
    QWheelEvent next(centre, report->PaintBox()->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(report->PaintBox(), &next);
    EXPECT_EQ(report->Page(), 3);
}

TEST_F(ReportTabTest, NoSelectedTestSaysSoInRed) {
    OpenExampleOnTheReportTab();
    for (int test = 1; test <= kTestCount; ++test) {
        Project().PumpTestInGraph[test] = false;
    }
    const QImage view = Shown();
    int red = 0;
    for (int y = 0; y < view.height(); ++y) {
        for (int x = 0; x < view.width(); ++x) {
            red += view.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(red, 50);
    EXPECT_EQ(window_->Report()->PageCount(), 0);
}

TEST_F(ReportTabTest, CaptureWritesEveryPageUnderTheNextFreeNumber) {
    OpenExampleOnTheReportTab();
    QFile(Path(QStringLiteral("Quenra1.jpg"))).open(QIODevice::WriteOnly);
    Trigger("Capture1");
    const QString base = Path(QStringLiteral("Quenra2"));
    ASSERT_FALSE(prompter_.Messages.isEmpty());
    EXPECT_EQ(prompter_.Messages.last(), QStringLiteral("Captured files: ") + base +
                                             QStringLiteral("-1.jpg to ") + base +
                                             QStringLiteral("-4.jpg"));
    for (int page = 1; page <= 4; ++page) {
        EXPECT_EQ(QImageReader(base + QStringLiteral("-%1.jpg").arg(page)).format(),
                  QByteArray("jpeg"));
    }
    // The view is back as it was.
    EXPECT_EQ(window_->Report()->Mode(), ReportMode::AllPages);
}

TEST_F(ReportTabTest, PrintPutsEachPageOnItsOwnSheet) {
    OpenExampleOnTheReportTab();
    const QString pdf = Path(QStringLiteral("report.pdf"));
    window_->SetPrintDialog([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    Trigger("Print1");
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray bytes = printed.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Count 4"));
}

TEST_F(ReportTabTest, TheHiddenTestPrintsSendOneNoisePageEach) {
    Start();
    for (const char* command : {"TestPrint11", "TestPrint21"}) {
        const QString pdf = Path(QLatin1String(command) + QStringLiteral(".pdf"));
        window_->SetPrintDialog([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setResolution(36); // few bands, so the test stays quick
            return true;
        });
        Trigger(command);
        QFile printed(pdf);
        ASSERT_TRUE(printed.open(QIODevice::ReadOnly)) << command;
        const QByteArray bytes = printed.readAll();
        EXPECT_TRUE(bytes.contains("/Count 1")) << command;
        EXPECT_GT(bytes.count("/Image"), 50) << command; // one image per band
    }
    EXPECT_TRUE(prompter_.Messages.isEmpty());
}

// Notes, with each message, whether the report's progress box was still on the screen.
class ProgressWatchingPrompter : public test::ScriptedPrompter {
public:
    void Inform(const QString& message) override {
        ScriptedPrompter::Inform(message);
        const auto* progress =
            Window->findChild<QProgressDialog*>(QStringLiteral("ReportProgress"));
        ProgressShown.append(progress && progress->isVisible());
    }
    QWidget* Window = nullptr;
    QList<bool> ProgressShown;
};

TEST(ReportProgress, TheProgressBoxClosesBeforeTheResultIsTold) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Plant.qrx"));
    QFile::copy(QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), path);
    ProgressWatchingPrompter prompter;
    test::RecordingShell shell;
    MainWindow window(prompter, shell, folder.path(), path);
    prompter.Window = &window;
    window.show();
    window.findChild<QTabBar*>(QStringLiteral("TabControl1"))->setCurrentIndex(kReportTab);
    window.Report()->SetProgressDelayMs(0);
    window.findChild<QAction*>(QStringLiteral("Capture1"))->trigger();
    ASSERT_FALSE(prompter.Messages.isEmpty());
    EXPECT_TRUE(prompter.Messages.last().startsWith(QStringLiteral("Captured files: ")));
    EXPECT_EQ(prompter.ProgressShown, QList<bool>(prompter.Messages.size(), false));
}

// A prompter that, while the question about data errors is open, has the Report tab brought
// up to date again, as a repaint does that arrives meanwhile.
class RefreshingPrompter : public test::ScriptedPrompter {
public:
    Answer Ask(const QString& question, Choices choices) override {
        if (View != nullptr) {
            const int before = View->ComposedRuns();
            View->Refresh();
            NestedComposed = View->ComposedRuns() != before;
        }
        return test::ScriptedPrompter::Ask(question, choices);
    }
    ReportView* View = nullptr;
    bool NestedComposed = false;
};

TEST(ReportCheck, ARefreshWhileTheCheckAsksComposesNothing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Plant.qrx"));
    QFile::copy(QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), path);
    RefreshingPrompter prompter;
    test::RecordingShell shell;
    MainWindow window(prompter, shell, folder.path(), path);
    window.show();
    window.findChild<QTabBar*>(QStringLiteral("TabControl1"))->setCurrentIndex(kReportTab);
    ReportView* view = window.Report();
    view->Refresh();
    window.Project().RatedFlow = QStringLiteral("many"); // a data error: the question is asked
    window.ErrorPrompt() = PromptFlags();
    prompter.View = view;
    const int before = view->ComposedRuns();
    view->Refresh();
    ASSERT_EQ(prompter.Questions.size(), 1);
    EXPECT_FALSE(prompter.NestedComposed);
    EXPECT_EQ(view->ComposedRuns(), before + 1);
}

} // namespace
} // namespace quenra
