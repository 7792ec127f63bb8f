// The main window's file commands: new projects, opening (at start and by every other road),
// saving, the recovery of the last run's copy, and the questions that keep unsaved work.
#include "MainWindow.h"
#include "RecentProjects.h"
#include "WindowTexts.h"
#include "files/FileKind.h"
#include "files/OpenNamedProject.h"
#include "files/ProjectFileWriter.h"
#include "files/RecoveryCopies.h"
#include "model/ResetToDefaults.h"
#include "platform/Prompter.h"

#include <QCloseEvent>
#include <QFileInfo>

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

void MainWindow::FirstPaint() {
    firstPaintDone_ = true;
    ResetToDefaults(project_);
    ResetViewTabs();
    RefreshScreen();
    unsaved_.Remember(project_);
    if (startFile_.isEmpty() || !QFileInfo(startFile_).isFile()) {
        return;
    }
    OpenFileNow(startFile_);
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
    if (hydrantTest) {
        ResetToHydrantTestDefaults(project_);
    } else {
        ResetToDefaults(project_);
    }
    NewProjectStarted();
}

void MainWindow::NewProjectStarted() {
    UpdateWindowCaption();
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

// Every file the inspector names (chosen, dropped or picked from the recent list) opens here,
// after the question that keeps unsaved work.
void MainWindow::OpenNamedFile(const QString& path) {
    if (MayReplaceProject()) {
        OpenFileNow(path);
    }
}

OpenedFile MainWindow::OpenFileNow(const QString& path) {
    // A missing file leaves the record as it was; any other file replaces it, read to its end
    // or not.
    const bool replaces = QFileInfo(path).isFile();
    const OpenedFile opened = OpenNamedProject(project_, path, prompter_, *this);
    if (opened.Kind == FileKind::ClientInfo) {
        // A new project, not a file to save back to or to list as recent; what was brought in
        // is work not yet saved anywhere.
        if (opened.Outcome == ReadOutcome::Complete) {
            unsaved_.Forget();
        }
        return opened;
    }
    if (opened.Outcome == ReadOutcome::Complete) {
        recent_->Add(path);
    }
    if (replaces) {
        openStoppedEarly_ = opened.Outcome != ReadOutcome::Complete;
        unsaved_.Remember(project_);
    }
    return opened;
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
