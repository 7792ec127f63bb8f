// The main window's menus, and the commands that neither open nor save nor output: the data
// check, About and the manual.
#include "AboutPage.h"
#include "MainWindow.h"
#include "ManualWindow.h"
#include "RecentProjects.h"
#include "ReportView.h"
#include "WindowTexts.h"
#include "hydraulics/DataCheck.h"
#include "hydraulics/RecordRefresh.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTabBar>

namespace quenra {

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
    pdfMenu_.DefaultFile =
        AddAction(pdf, QStringLiteral("DefaultFile1"), QStringLiteral("Default PDF File"));
    pdfMenu_.DefaultFile->setVisible(false);
    pdfMenu_.Save = AddAction(pdf, QStringLiteral("PDFSave1"), QStringLiteral("PDF Save"));
    pdfMenu_.SaveAs = AddAction(pdf, QStringLiteral("PDF1"), QStringLiteral("PDF Save As..."));
    pdfMenu_.Overwrite = AddAction(pdf, QStringLiteral("OverwriteOldPDF1"),
                                   QStringLiteral("Overwrite current  PDF"));
    pdfMenu_.Append = AddAction(pdf, QStringLiteral("AppendtocurrentPDF1"),
                                QStringLiteral("Append to current PDF"));
    for (QAction* hidden : {pdfMenu_.Overwrite, pdfMenu_.Append}) {
        hidden->setVisible(false);
        hidden->setEnabled(false);
    }

    const auto addHidden = [bar](const QString& name, const QString& caption) {
        QAction* hidden = bar->addAction(caption);
        hidden->setObjectName(name);
        hidden->setVisible(false);
        return hidden;
    };
    connect(addHidden(QStringLiteral("TestPrint11"), QStringLiteral("Test Print 1")),
            &QAction::triggered, this, [this] { PrintTestPage(1); });
    connect(addHidden(QStringLiteral("TestPrint21"), QStringLiteral("Test Print 2")),
            &QAction::triggered, this, [this] { PrintTestPage(2); });
    connect(addHidden(QStringLiteral("TestPrintThree1"), QStringLiteral("Test Print Three")),
            &QAction::triggered, this, [this] { report_->ComposeFirstPage(); });

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

void MainWindow::ErrorCheck() {
    ErrorCheckCommand(project_, prompter_);
    // The check raises residual flows of 10 or less to 10: show them.
    RefreshScreen();
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

} // namespace quenra
