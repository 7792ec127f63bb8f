#include "RecoveryCopies.h"

#include "FileMessages.h"
#include "OpenProject.h"
#include "ProjectFileWriter.h"
#include "ProjectView.h"
#include "model/ProjectData.h"
#include "platform/Prompter.h"

#include <QDir>
#include <QFile>

namespace quenra {

QString RecoveryCopyPath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("recover.bak"));
}

QString PreviousRecoveryCopyPath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("recover.bk2"));
}

void RotateRecoveryCopies(const QString& programFolder, Prompter& prompter) {
    const QString bak = RecoveryCopyPath(programFolder);
    const QString bk2 = PreviousRecoveryCopyPath(programFolder);
    if (!QFile::exists(bak)) {
        return;
    }
    if (QFile::exists(bk2) && !QFile::remove(bk2)) {
        prompter.Inform(file_messages::CannotDeleteRecovery(bk2));
        return;
    }
    if (!QFile::rename(bak, bk2)) {
        prompter.Inform(file_messages::CannotRenameRecovery(bak, bk2));
    }
}

bool WriteRecoveryCopy(const ProjectData& project, const QString& programFolder,
                       Prompter& prompter) {
    return WriteProjectFileQuietly(project, RecoveryCopyPath(programFolder), prompter).Saved;
}

bool RecoverLastFile(ProjectData& project, const QString& programFolder, Prompter& prompter,
                     ProjectView& view) {
    const QString bk2 = PreviousRecoveryCopyPath(programFolder);
    if (!QFile::exists(bk2)) {
        prompter.Inform(file_messages::NothingToRecover(bk2));
        return false;
    }
    if (prompter.Ask(file_messages::kConfirmRecovery, Prompter::Choices::YesNo) !=
        Prompter::Answer::Yes) {
        return false;
    }
    // The copy is read over the current record without a reset: a section missing from it
    // leaves the current values of its fields.
    project.ProjectFileName = QStringLiteral("untitled");
    view.BeginLoading(project.ProjectFileName);
    const ReadOutcome outcome = ReadProjectFileAndShow(project, bk2, prompter, view);
    view.EndLoading();
    return outcome != ReadOutcome::Unreadable;
}

} // namespace quenra
