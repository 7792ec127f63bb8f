#include "OpenProject.h"

#include "FileAccess.h"
#include "FileKind.h"
#include "FileMessages.h"
#include "NedImport.h"
#include "ProjectView.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "platform/Prompter.h"

namespace quenra {

namespace {

void ShowFirstPage(ProjectView& view) {
    view.SelectMainTab(0);
    view.Refresh();
}

} // namespace

ReadOutcome ReadProjectFileAndShow(ProjectData& project, const QString& path, Prompter& prompter,
                                   ProjectView& view) {
    const ReadOutcome outcome = ReadProjectFile(project, path, prompter);
    if (outcome == ReadOutcome::Complete) {
        ShowFirstPage(view);
    }
    return outcome;
}

ReadOutcome OpenProject(ProjectData& project, const QString& path, Prompter& prompter,
                        ProjectView& view) {
    if (const std::optional<QString> unreachable = UnreachableFileMessage(path)) {
        prompter.Inform(*unreachable);
        return ReadOutcome::Unreadable;
    }

    // The file is taken in before the record is reset, so that a file that cannot be read or
    // imported replaces nothing.
    const bool legacy = FileKindOf(path) == FileKind::LegacyProject;
    ProjectData imported;
    QByteArray bytes;
    if (legacy) {
        imported.ProjectFileName = path;
        if (!ImportNedFile(imported, path, prompter)) {
            return ReadOutcome::Unreadable;
        }
    } else if (!ReadWholeFile(path, bytes)) {
        prompter.Inform(file_messages::FileUnreadable(path));
        return ReadOutcome::Unreadable;
    }

    ResetToDefaults(project);
    project.ProjectFileName = path;
    view.BeginLoading(path);

    ReadOutcome outcome = ReadOutcome::Complete;
    if (legacy) {
        project = std::move(imported);
    } else {
        outcome = ReadProjectBytes(project, bytes, prompter);
    }
    if (outcome == ReadOutcome::Complete) {
        ShowFirstPage(view);
    }

    if (!project.IsHydrantTest) {
        for (int tab = kLastFirePumpTab; tab >= 0; --tab) {
            view.SelectMainTab(tab);
            view.Refresh();
        }
    }
    view.EndLoading();
    return outcome;
}

} // namespace quenra
