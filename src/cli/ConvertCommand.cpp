#include "ConvertCommand.h"

#include "BatchOpening.h"
#include "files/ProjectFileWriter.h"
#include "model/ProjectData.h"

namespace quenra {

int ConvertProject(const QString& input, const QString& output, Prompter& prompter) {
    ProjectData project;
    const std::optional<ReadOutcome> outcome = OpenForBatch(project, input, prompter);
    if (!outcome) {
        return 1;
    }
    if (!WriteProjectFileQuietly(project, output, prompter)) {
        return 1;
    }
    return *outcome == ReadOutcome::Complete ? 0 : 1;
}

} // namespace quenra
