// The commands of the main window's menus and its start and close.
#include "AboutPage.h"
#include "MainWindow.h"
#include "ManualWindow.h"
#include "RecentProjects.h"
#include "ReportView.h"
#include "WindowTexts.h"
#include "files/ClientInfoImport.h"
#include "files/FileKind.h"
#include "files/OpenProject.h"
#include "files/ProjectFileWriter.h"
#include "files/RecoveryCopies.h"
#include "hydraulics/DataCheck.h"
#include "hydraulics/RecordRefresh.h"
#include "model/ResetToDefaults.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTabBar>

namespace quenra {

namespace {

bool IsLegacyFile(const QString& path) {
    return FileKindOf(path) == FileKind::LegacyProject;
}

// The name the project is saved under: the chosen name with the project extension. A name
// that already ends in it, in any case, is kept as chosen: on a file system that tells cases
// apart, "Plant.qrx" and "Plant.QRX" are two files, and the inspector meant the one chosen.
QString WithProjectExtension(const QString& chosen) {
    const QFileInfo info(chosen);
    const QString suffix = info.suffix();
    if (suffix.compare(QStringLiteral("qrx"), Qt::CaseInsensitive) == 0) {
        return chosen;
    }
    const QString stem = suffix.isEmpty() ? chosen : chosen.left(chosen.size() - suffix.size() - 1);
    return stem + window_texts::kProjectExtension;
}

} // namespace

QAction* MainWindow::AddAction(QMenu* menu, const QString& name, const QString& caption) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    menu->addAction(action);
    return action;
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* newPump = AddAction(file, QStringLiteral("New1"), QStringLiteral("New Pump Test"));
    newPump->setShortcut(QKeySequence::New);
    connect(newPump, &QAction::triggered, this, &MainWindow::NewPumpTest);
    connect(AddAction(file, QStringLiteral("NewSupplyReport1"), QStringLiteral("New Hydrant Test")),
            &QAction::triggered, this, &MainWindow::NewHydrantTest);
    QAction* open = AddAction(file, QStringLiteral("Open1"), QStringLiteral("Open"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &MainWindow::OpenCommand);
    QMenu* recent = file->addMenu(window_texts::kRecentProjectsMenu);
    recent->setObjectName(QStringLiteral("RecentProjects1"));
    recent_ = new RecentProjects(recent, this);
    connect(recent_, &RecentProjects::OpenRequested, this, &MainWindow::OpenNamedFile);
    QAction* save = AddAction(file, QStringLiteral("Save1"), QStringLiteral("Save"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &MainWindow::SaveCommand);
    connect(AddAction(file, QStringLiteral("SaveAs1"), QStringLiteral("Save As...")),
            &QAction::triggered, this, &MainWindow::SaveAsCommand);
    connect(
        AddAction(file, QStringLiteral("RecoverLastFile1"), QStringLiteral("Recover Last File")),
        &QAction::triggered, this, &MainWindow::RecoverLastFileCommand);
    connect(AddAction(file, QStringLiteral("ErrorCheck1"), QStringLiteral("Error Check")),
            &QAction::triggered, this, &MainWindow::ErrorCheck);
    QAction* print = AddAction(file, QStringLiteral("Print1"), QStringLiteral("Print"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &MainWindow::PrintCommand);
    file->addSeparator();
    connect(AddAction(file, QStringLiteral("Exit1"), QStringLiteral("Exit")), &QAction::triggered,
            this, &QWidget::close);

    captureAction_ = bar->addAction(QStringLiteral("Capture"));
    captureAction_->setObjectName(QStringLiteral("Capture1"));
    connect(captureAction_, &QAction::triggered, this, &MainWindow::CaptureCommand);

    QMenu* pdf = bar->addMenu(QStringLiteral("PDF"));
    pdf->setObjectName(QStringLiteral("PDF2"));
    AddAction(pdf, QStringLiteral("DefaultFile1"), QStringLiteral("Default PDF File"))
        ->setVisible(false);
    AddAction(pdf, QStringLiteral("PDFSave1"), QStringLiteral("PDF Save"));
    AddAction(pdf, QStringLiteral("PDF1"), QStringLiteral("PDF Save As..."));
    for (const auto& [name, caption] :
         {std::pair{"OverwriteOldPDF1", "Overwrite current  PDF"},
          std::pair{"AppendtocurrentPDF1", "Append to current PDF"}}) {
        QAction* hidden = AddAction(pdf, QLatin1String(name), QLatin1String(caption));
        hidden->setVisible(false);
        hidden->setEnabled(false);
    }

    for (const auto& [name, caption] :
         {std::pair{"TestPrint11", "Test Print 1"}, std::pair{"TestPrint21", "Test Print 2"},
          std::pair{"TestPrintThree1", "Test Print Three"}}) {
        QAction* hidden = bar->addAction(QLatin1String(caption));
        hidden->setObjectName(QLatin1String(name));
        hidden->setVisible(false);
    }
    connect(findChild<QAction*>(QStringLiteral("TestPrint11")), &QAction::triggered, this,
            [this] { PrintTestPage(1); });
    connect(findChild<QAction*>(QStringLiteral("TestPrint21")), &QAction::triggered, this,
            [this] { PrintTestPage(2); });
    connect(findChild<QAction*>(QStringLiteral("TestPrintThree1")), &QAction::triggered, this,
            [this] { report_->ComposeFirstPage(); });

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* tutorial = AddAction(help, QStringLiteral("Contents1"), QStringLiteral("Tutorial"));
    tutorial->setShortcut(QKeySequence::HelpContents);
    connect(tutorial, &QAction::triggered, this, &MainWindow::ShowTutorial);
    connect(AddAction(help, QStringLiteral("About1"), QStringLiteral("About")), &QAction::triggered,
            this, &MainWindow::ShowAbout);

    hideableMenus_ = {file, pdf, help};
}

void MainWindow::SetMenusVisible(bool visible) {
    for (QMenu* menu : hideableMenus_) {
        menu->menuAction()->setVisible(visible);
    }
    captureAction_->setVisible(visible);
}

void MainWindow::FirstPaint() {
    firstPaintDone_ = true;
    ResetToDefaults(project_);
    ResetViewTabs();
    RefreshScreen();
    const bool startFileNamed = !startFile_.isEmpty() && QFileInfo(startFile_).isFile();
    if (startFileNamed && FileKindOf(startFile_) == FileKind::ClientInfo) {
        // Client information brought into a new project is work not yet saved anywhere.
        ImportClientInfoFile(project_, startFile_, prompter_);
        RefreshScreen();
        return;
    }
    unsaved_.Remember(project_);
    if (startFileNamed) {
        OpenNamedFile(startFile_);
    }
}

void MainWindow::NewPumpTest() {
    if (MayReplaceProject()) {
        StartNewProject(false);
    }
}

void MainWindow::NewHydrantTest() {
    if (MayReplaceProject()) {
        StartNewProject(true);
    }
}

void MainWindow::StartNewProject(bool hydrantTest) {
    project_.ProjectFileName = window_texts::kUntitled;
    UpdateWindowCaption();
    if (hydrantTest) {
        ResetToHydrantTestDefaults(project_);
    } else {
        ResetToDefaults(project_);
    }
    errorPrompt_ = PromptFlags();
    openStoppedEarly_ = false;
    ResetViewTabs();
    RefreshScreen();
    unsaved_.Remember(project_);
}

bool MainWindow::MayReplaceProject() {
    if (!HasUnsavedChanges()) {
        return true;
    }
    switch (prompter_.Ask(window_texts::SaveChangesTo(project_.ProjectFileName),
                          Prompter::Choices::YesNoCancel)) {
    case Prompter::Answer::Yes:
        return SaveCommand();
    case Prompter::Answer::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::OpenCommand() {
    const std::optional<QString> chosen =
        prompter_.OpenFileNameIn(window_texts::kOpenFilter, recent_->LastFolder());
    if (chosen) {
        OpenNamedFile(*chosen);
    }
}

// Every file the inspector names (chosen, dropped, picked from the recent list or given at
// start) opens here, after the question that keeps unsaved work.
void MainWindow::OpenNamedFile(const QString& path) {
    if (!MayReplaceProject()) {
        return;
    }
    if (FileKindOf(path) == FileKind::ClientInfo) {
        StartNewProject(false);
        ImportClientInfoFile(project_, path, prompter_);
        RefreshScreen();
        return;
    }
    OpenFileNow(path);
}

void MainWindow::OpenFileNow(const QString& path) {
    // A missing file leaves the record as it was; any other file replaces it, read to its end
    // or not.
    const bool replaces = QFileInfo(path).isFile();
    const ReadOutcome outcome = OpenProject(project_, path, prompter_, *this);
    RefreshScreen();
    if (outcome == ReadOutcome::Complete) {
        recent_->Add(path);
    }
    if (replaces) {
        openStoppedEarly_ = outcome != ReadOutcome::Complete;
        unsaved_.Remember(project_);
    }
}

bool MainWindow::SaveCommand() {
    const QString& path = project_.ProjectFileName;
    // A new project, one brought in from a legacy file (which is never overwritten) or one whose
    // file was not read to its end goes to Save As, which proposes the same name.
    if (!openStoppedEarly_ && QFileInfo(path).isFile() && !IsLegacyFile(path)) {
        const SaveResult saved = WriteProjectFile(project_, path, prompter_);
        TellUnstorableCharacters(saved, prompter_);
        if (saved.Saved) {
            unsaved_.Remember(project_);
            recent_->Add(path);
        }
        return saved.Saved;
    }
    return SaveAsCommand();
}

bool MainWindow::SaveAsCommand() {
    const QString suggested =
        project_.ProjectFileName == window_texts::kUntitled ? QString() : project_.ProjectFileName;
    const std::optional<QString> chosen =
        prompter_.SaveFileName(window_texts::kSaveFilter, suggested);
    bool written = false;
    if (chosen) {
        project_.ProjectFileName = WithProjectExtension(*chosen);
        // The file carries the title its new name gives, the one shown once it is saved.
        UpdateGraphTitle();
        const SaveResult saved = WriteProjectFile(project_, project_.ProjectFileName, prompter_);
        TellUnstorableCharacters(saved, prompter_);
        written = saved.Saved;
        if (written) {
            recent_->Add(project_.ProjectFileName);
        }
        UpdateWindowCaption();
    }
    UpdateGraphTitle();
    if (written) {
        openStoppedEarly_ = false;
        unsaved_.Remember(project_);
    }
    return written;
}

void MainWindow::ErrorCheck() {
    ErrorCheckCommand(project_, prompter_);
    // The check raises residual flows of 10 or less to 10: show them.
    RefreshScreen();
}

void MainWindow::RecoverLastFileCommand() {
    // With no copy to recover nothing is replaced, and nothing need be asked.
    if (QFileInfo::exists(PreviousRecoveryCopyPath(programFolder_)) && !MayReplaceProject()) {
        return;
    }
    if (RecoverLastFile(project_, programFolder_, prompter_, *this)) {
        openStoppedEarly_ = false; // the recovered record is untitled
    }
    UpdateWindowCaption();
}

void MainWindow::ShowAbout() {
    SetMenusVisible(false);
    tabs_->setVisible(false);
    aboutShown_ = true;
    RefreshScreen();
}

void MainWindow::CloseAbout() {
    aboutShown_ = false;
    {
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(0);
    }
    tabs_->setVisible(true);
    SetMenusVisible(true);
    RefreshScreen();
}

void MainWindow::ShowTutorial() {
    // A manual program in the program's folder is started as always; without one the manual
    // that comes with the program is shown.
    if (shell_.StartProgram(QDir(programFolder_).filePath(window_texts::kManualProgram), {},
                            programFolder_)) {
        return;
    }
    if (!manual_) {
        manual_ = new ManualWindow(this);
    }
    manual_->show();
    manual_->raise();
    manual_->activateWindow();
}

void MainWindow::GraphOrReportCommand() {
    const int shown = CurrentPage();
    if (shown != MainPage::Graph && shown != MainPage::Report) {
        prompter_.Inform(window_texts::kSelectGraphOrReport);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    switch (prompter_.Ask(window_texts::kSaveBeforeQuitting, Prompter::Choices::YesNoCancel)) {
    case Prompter::Answer::No:
        event->accept();
        return;
    case Prompter::Answer::Yes:
        if (SaveCommand()) {
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    event->ignore();
}

} // namespace quenra
