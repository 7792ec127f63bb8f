#include "BatchOpening.h"

#include "files/ClientInfoImport.h"
#include "files/FileAccess.h"
#include "files/FileKind.h"
#include "files/HeadlessProjectView.h"
#include "files/OpenProject.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "platform/Prompter.h"

namespace quenra {

namespace {

// What the first paint of a new window does with the file named on its command line.
ReadOutcome OpenAtStart(ProjectData& project, const QString& path, Prompter& prompter,
                        HeadlessProjectView& view) {
    ResetToDefaults(project);
    if (FileKindOf(path) == FileKind::ClientInfo) {
        return ImportClientInfoFile(project, path, prompter) ? ReadOutcome::Complete
                                                             : ReadOutcome::Unreadable;
    }
    return OpenProject(project, path, prompter, view);
}

} // namespace

std::optional<ReadOutcome> OpenForBatch(ProjectData& project, const QString& path,
                                        Prompter& prompter) {
    if (const std::optional<QString> unreachable = UnreachableFileMessage(path)) {
        prompter.Inform(*unreachable);
        return std::nullopt;
    }
    HeadlessProjectView view(project);
    const ReadOutcome outcome = OpenAtStart(project, path, prompter, view);
    if (outcome == ReadOutcome::Unreadable) {
        return std::nullopt;
    }
    view.Refresh();
    return outcome;
}

} // namespace quenra
