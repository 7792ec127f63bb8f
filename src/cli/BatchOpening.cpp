#include "BatchOpening.h"

#include "files/FileAccess.h"
#include "files/HeadlessProjectView.h"
#include "files/OpenNamedProject.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "platform/Prompter.h"

namespace quenra {

std::optional<ReadOutcome> OpenForBatch(ProjectData& project, const QString& path,
                                        Prompter& prompter) {
    if (const std::optional<QString> unreachable = UnreachableFileMessage(path)) {
        prompter.Inform(*unreachable);
        return std::nullopt;
    }
    // What the first paint of a new window does with the file named on its command line.
    HeadlessProjectView view(project);
    ResetToDefaults(project);
    const ReadOutcome outcome = OpenNamedProject(project, path, prompter, view).Outcome;
    if (outcome == ReadOutcome::Unreadable) {
        return std::nullopt;
    }
    return outcome;
}

} // namespace quenra
