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
    const SaveResult saved = WriteProjectFileQuietly(project, output, prompter);
    if (!saved.Saved) {
        return 1;
    }
    // A file with replaced characters is still written: say which fields lost them.
    TellUnstorableCharacters(saved, prompter);
    return *outcome == ReadOutcome::Complete ? 0 : 1;
}

} // namespace quenra
