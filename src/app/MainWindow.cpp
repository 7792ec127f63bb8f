#include "MainWindow.h"

#include "AboutPage.h"
#include "ChoiceListWidth.h"
#include "CommentsPage.h"
#include "FieldBinder.h"
#include "HydrantPage.h"
#include "NumberMarks.h"
#include "ProjectDropTarget.h"
#include "RadioGroup.h"
#include "ReportView.h"
#include "SetupPage.h"
#include "UnitCaptions.h"
#include "WindowTexts.h"
#include "files/RecoveryCopies.h"
#include "graph/ReportLogo.h"
#include "hydraulics/RecordRefresh.h"
#include "hydraulics/UnitSystem.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>

namespace quenra {

namespace {

constexpr QSize kOpeningSize(1024, 738);

} // namespace

MainWindow::MainWindow(Prompter& prompter, Shell& shell, QString programFolder, QString startFile,
                       QWidget* parent)
    : QMainWindow(parent), prompter_(prompter), shell_(shell),
      programFolder_(std::move(programFolder)), startFile_(std::move(startFile)) {
    setObjectName(QStringLiteral("MainForm"));
    CreateFolders();
    logo_ = MakeReportLogo();
    BuildPages();
    BuildMenus();
    ConnectPdfCommands();
    BindEntries();
    WatchNumberBoxes();
    KeepListsWideEnough(this);
    ConnectDateButtons();
    project_.ProjectFileName = QStringLiteral("untitled");
    UpdateWindowCaption();
    OpenWithinScreen();
    RotateRecoveryCopies(programFolder_, prompter_);
    // Queued: the file is opened once the drop has finished, outside the drag's own loop. A
    // file dropped on the About page leaves it first, as File > Open can only be reached so.
    connect(
        new ProjectDropTarget(this), &ProjectDropTarget::FileDropped, this,
        [this](const QString& path) {
            if (aboutShown_) {
                CloseAbout();
            }
            OpenNamedFile(path);
        },
        Qt::QueuedConnection);
}

MainWindow::~MainWindow() {
    // The pages write into the record until they are gone: an open cell editor hands its text
    // to its cell as it closes. They go first, while the record lives, and the window no longer
    // refreshes for them.
    destroying_ = true;
    delete takeCentralWidget();
}

void MainWindow::OpenWithinScreen() {
    // The window's own size, but never larger than the screen it opens on leaves free, title
    // bar and frame included.
    const QRect available = screen()->availableGeometry();
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize size =
        kOpeningSize.boundedTo(available.size() - QSize(2 * frame, titleBar + 2 * frame));
    resize(size);
    move(available.topLeft() +
         QPoint((available.width() - size.width()) / 2, (available.height() - size.height()) / 2));
}

void MainWindow::CreateFolders() {
    const QString pdfFolder = QDir(programFolder_).filePath(QStringLiteral("PDF"));
    if (!QDir().mkpath(pdfFolder)) {
        prompter_.Inform(window_texts::CannotCreateFolder(pdfFolder));
    }
}

int MainWindow::IndexOfScope(FieldScope scope) const {
    switch (scope) {
    case FieldScope::SupplyTest:
        return SupplyTestShown();
    case FieldScope::PumpTest:
        return CurrentPumpTest();
    case FieldScope::Project:
        break;
    }
    return 0;
}

int MainWindow::CurrentPage() const {
    return aboutShown_ ? MainPage::About
                       : CurrentPageFor(project_.IsHydrantTest, tabs_->currentIndex());
}

int MainWindow::CurrentPumpTest() const {
    return CurrentPumpTestFor(CurrentPage());
}

int MainWindow::SupplyTestShown() const {
    return supplyTabs_ ? std::clamp(supplyTabs_->currentIndex() + 1, 1, kTestCount) : 1;
}

void MainWindow::SetFirstPageControlsVisible(bool visible) {
    for (QWidget* control : firstPageControls_) {
        control->setVisible(visible);
    }
}

void MainWindow::ShowPanelOf(int shown) {
    QWidget* wanted = panels_.value(shown + 1);
    for (QWidget* panel : panels_) {
        if (panel != wanted) {
            panel->setVisible(false);
        }
    }
    if (wanted) {
        wanted->setVisible(true);
    }
}

void MainWindow::RefreshScreen() {
    if (destroying_) {
        return;
    }
    const int shown = CurrentPage();
    SetFirstPageControlsVisible(!aboutShown_ && tabs_->currentIndex() == 0);
    ShowPanelOf(shown);
    if (shown == MainPage::Graph || shown == MainPage::Report) {
        return; // the graph and report draw themselves from the record
    }

    RefreshView view;
    view.Page = shown;
    view.SupplyTest = SupplyTestShown();
    view.CalculateFlowBox = hydrant_->CalculateFlowBox()->isChecked();
    for (const DataPage* dataPage : dataPages_) {
        if (const std::optional<GridCell> cell = dataPage->EditingCell()) {
            view.EditingCell = cell;
        }
    }
    const RefreshResult derived = RefreshDerivedValues(project_, view);

    binder_->WriteControls();

    const UnitWords units = UnitWordsFor(project_.UnitSystem);
    ApplyUnitCaptions(this, units);
    RebuildTabList();
    ShowPanelOf(CurrentPage());

    RefreshContext context{project_,
                           units,
                           view.SupplyTest,
                           CurrentPumpTest(),
                           derived.LargeOutlet,
                           project_.SupplyCalcFlow[view.SupplyTest]};
    context.PumpTable = derived.PumpTable ? &*derived.PumpTable : nullptr;
    for (DataPage* dataPage : dataPages_) {
        dataPage->ApplyRules(context);
    }
    comments_->LoadCommentsMemo();
    UpdateGraphTitle();
    UpdateTabCaptions();
    if (numberMarks_) {
        numberMarks_->UpdateAll();
    }
}

void MainWindow::UpdateTabCaptions() {
    if (destroying_) {
        return;
    }
    QTabBar* commentTabs = comments_->Tabs();
    for (int test = 1; test <= kTestCount; ++test) {
        const QString date =
            (project_.IsHydrantTest ? project_.SupplyTestDate[test] : project_.PumpTestDate[test])
                .trimmed();
        const QString caption = !date.isEmpty()          ? date
                                : project_.IsHydrantTest ? window_texts::HydrantTestTab(test)
                                                         : window_texts::PumpTestTab(test);
        if (project_.IsHydrantTest) {
            if (supplyTabs_ && test - 1 < supplyTabs_->count()) {
                supplyTabs_->setTabText(test - 1, caption);
            }
        } else if (test + 1 < tabs_->count()) {
            tabs_->setTabText(test + 1, caption);
        }
        commentTabs->setTabText(test - 1, caption);
    }
}

void MainWindow::UpdateGraphTitle() {
    if (project_.TitleFromFileName) {
        project_.GraphTitleText = GraphTitleFromFileName(project_.ProjectFileName);
        QLineEdit* title = setup_->GraphTitleField();
        const QSignalBlocker blocker(title);
        title->setText(project_.GraphTitleText);
    }
}

void MainWindow::UpdateWindowCaption() {
    setWindowTitle(kProductLabel + kVersionLabel + QStringLiteral(" [") + project_.ProjectFileName +
                   QStringLiteral("]"));
}

void MainWindow::ShownTabChanged() {
    if (destroying_) {
        return;
    }
    RefreshScreen();
    WriteRecoveryCopy(project_, programFolder_, prompter_);
    errorPrompt_.ErrorPromptShown = false;
    AskAboutDataErrorsBeforeDrawing();
    if (CurrentPage() == MainPage::Report) {
        report_->PaintBox()->setFocus(); // the keys turn and scroll the pages at once
    }
}

void MainWindow::AskAboutDataErrorsBeforeDrawing() {
    // The question about data errors is asked once per visit of the Graph or Report tab. Asked
    // here, before the page paints, it never opens a dialog in the middle of a paint.
    const int shown = CurrentPage();
    if (shown == MainPage::Graph || shown == MainPage::Report) {
        CheckBeforeDrawing(project_, prompter_, errorPrompt_, loading_);
    }
}

void MainWindow::AfterEntry(AfterEdit then) {
    if (destroying_) {
        return;
    }
    switch (then) {
    case AfterEdit::Refresh:
        RefreshScreen();
        break;
    case AfterEdit::TabCaptions:
        UpdateTabCaptions();
        break;
    case AfterEdit::Nothing:
        break;
    }
}

void MainWindow::ResetViewTabs() {
    const QSignalBlocker commentBlocker(comments_->Tabs());
    comments_->Tabs()->setCurrentIndex(0);
    if (supplyTabs_) {
        const QSignalBlocker supplyBlocker(supplyTabs_);
        supplyTabs_->setCurrentIndex(0);
    }
    const QSignalBlocker tabBlocker(tabs_);
    tabs_->setCurrentIndex(0);
}

void MainWindow::BeginLoading(const QString&) {
    ResetViewTabs();
    UpdateWindowCaption();
    errorPrompt_ = PromptFlags();
    loading_ = true;
}

void MainWindow::EndLoading() {
    loading_ = false;
}

void MainWindow::SelectMainTab(int index) {
    RebuildTabList();
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(std::clamp(index, 0, tabs_->count() - 1));
    const QSignalBlocker commentBlocker(comments_->Tabs());
    comments_->Tabs()->setCurrentIndex(0);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstPaintDone_) {
        FirstPaint();
    }
}

} // namespace quenra
