#pragma once

#include "FileKind.h"
#include "ProjectFileReader.h"

#include <QString>

namespace quenra {

struct ProjectData;
class Prompter;
class ProjectView;

// What came of opening a file the inspector named: what its extension made of it and how far
// it was read (Unreadable also for a client-information file that brought nothing in).
struct OpenedFile {
    FileKind Kind = FileKind::Project;
    ReadOutcome Outcome = ReadOutcome::Unreadable;
};

// Opens a named file the one way the program knows, whether it was named on the command line,
// chosen, dropped or picked from the recent projects: client information (".ini") goes into a
// new fire pump test, which replaces the project (and the view is told) only when the import
// found something; anything else is opened as a project or imported as a legacy project
// (OpenProject). The screen is refreshed once at the end, whatever came of it.
OpenedFile OpenNamedProject(ProjectData& project, const QString& path, Prompter& prompter,
                            ProjectView& view);

} // namespace quenra
