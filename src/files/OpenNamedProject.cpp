#include "OpenNamedProject.h"

#include "ClientInfoImport.h"
#include "OpenProject.h"
#include "ProjectView.h"
#include "model/ProjectData.h"

namespace quenra {

OpenedFile OpenNamedProject(ProjectData& project, const QString& path, Prompter& prompter,
                            ProjectView& view) {
    OpenedFile opened;
    opened.Kind = FileKindOf(path);
    if (opened.Kind == FileKind::ClientInfo) {
        // Client information describes a site, not a test: it starts a new project, but only
        // once something was brought in; a file of anything else leaves the project open.
        ProjectData started;
        if (ImportClientInfoFile(started, path, prompter)) {
            opened.Outcome = ReadOutcome::Complete;
            project = std::move(started);
            view.NewProjectStarted();
        }
    } else {
        opened.Outcome = OpenProject(project, path, prompter, view);
    }
    view.Refresh();
    return opened;
}

} // namespace quenra
