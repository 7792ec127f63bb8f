#pragma once

#include "ProjectFileReader.h"

#include <QString>

namespace quenra {

struct ProjectData;
class Prompter;
class ProjectView;

// Opens a project file (".qrx" of any version) or imports a legacy ".ned" file, chosen by the
// lower-case extension: the record is reset, named after the file and read; then every page of
// a fire pump test is refreshed once, from the last pump test page down to the first page, so
// that the computed values of all five pump tests are in the record. A missing file leaves the
// record as it was.
ReadOutcome OpenProject(ProjectData& project, const QString& path, Prompter& prompter,
                        ProjectView& view);

// Reads a file into the record as it is (no reset) and, when the file was read to its end,
// shows the first page: the recovery of the last run's copy uses this.
ReadOutcome ReadProjectFileAndShow(ProjectData& project, const QString& path, Prompter& prompter,
                                   ProjectView& view);

// The main tab index of the last pump test page in the fire pump test's tab list.
constexpr int kLastFirePumpTab = 7;

} // namespace quenra
