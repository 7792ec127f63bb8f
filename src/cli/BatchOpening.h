#pragma once

#include "files/ProjectFileReader.h"

#include <QString>

#include <optional>

namespace quenra {

struct ProjectData;
class Prompter;

// Opens `path` exactly as a freshly started window opens the file named on its command line:
// a new fire pump test, then the ".ini" client-information import or the project reader (".ned"
// import included), then the screen refresh. Returns how far the file was read, or nothing when
// it is missing or unreadable (the reason went to the prompter).
std::optional<ReadOutcome> OpenForBatch(ProjectData& project, const QString& path,
                                        Prompter& prompter);

} // namespace quenra
