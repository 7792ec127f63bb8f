#include "CheckCommand.h"

#include "BatchOpening.h"
#include "StderrPrompter.h"
#include "hydraulics/DataCheck.h"
#include "model/ProjectData.h"

namespace quenra {

int CheckProjectFile(const QString& path, Prompter& prompter, std::FILE* out) {
    ProjectData project;
    if (!OpenForBatch(project, path, prompter)) {
        return 1;
    }
    // The message boxes of the command become the lines of the output.
    StderrPrompter report(out);
    return ErrorCheckCommand(project, report).ErrorsFound() ? 1 : 0;
}

} // namespace quenra
