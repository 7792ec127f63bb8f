#include "OpenProject.h"

#include "FileMessages.h"
#include "NedImport.h"
#include "ProjectView.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "platform/Prompter.h"

#include <QFileInfo>

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
    if (!QFileInfo(path).isFile()) {
        prompter.Inform(file_messages::FileNotFound(path));
        return ReadOutcome::Unreadable;
    }

    ResetToDefaults(project);
    project.ProjectFileName = path;
    view.BeginLoading(path);

    ReadOutcome outcome;
    if (QFileInfo(path).suffix().toLower() == QStringLiteral("ned")) {
        outcome = ImportNedFile(project, path, prompter) ? ReadOutcome::Complete
                                                         : ReadOutcome::Unreadable;
        if (outcome == ReadOutcome::Complete) {
            ShowFirstPage(view);
        }
    } else {
        outcome = ReadProjectFileAndShow(project, path, prompter, view);
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
