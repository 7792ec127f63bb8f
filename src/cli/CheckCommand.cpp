#include "CheckCommand.h"

#include "BatchOpening.h"
#include "BatchPrompter.h"
#include "StderrPrompter.h"
#include "hydraulics/DataCheck.h"
#include "model/ProjectData.h"

namespace quenra {

int CheckProjectFile(const QString& path, Prompter& prompter, std::FILE* out) {
    ProjectData project;
    BatchPrompter opening(prompter);
    opening.Hold();
    const std::optional<ReadOutcome> outcome = OpenForBatch(project, path, opening);
    QStringList messages = opening.Release();
    // A file whose reading stopped early fails the check, and why it stopped (the reading's
    // last message) is the first line of the output, so that scripts reject it.
    const bool stopped = outcome == ReadOutcome::Stopped;
    const QString stopMessage = stopped && !messages.isEmpty() ? messages.takeLast() : QString();
    for (const QString& message : messages) {
        prompter.Inform(message);
    }
    if (!outcome) {
        return 1;
    }
    // The message boxes of the command become the lines of the output.
    StderrPrompter report(out);
    if (stopped) {
        if (!stopMessage.isEmpty()) {
            report.Inform(stopMessage);
        }
        CheckDataShowing(project, report);
        return 1;
    }
    return ErrorCheckCommand(project, report).ErrorsFound() ? 1 : 0;
}

} // namespace quenra
