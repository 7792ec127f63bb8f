#pragma once

#include "ProjectFileReader.h"

#include <QString>

namespace quenra {

struct ProjectData;
class Prompter;
class ProjectView;

// The program keeps the current run's project in "recover.bak" (rewritten at every change of
// the main or supply test tab) and the previous run's in "recover.bk2", so that work lost to
// a crash or an unsaved exit can be brought back.
QString RecoveryCopyPath(const QString& programFolder);
QString PreviousRecoveryCopyPath(const QString& programFolder);

// At start-up, before any project is loaded: the last run's "recover.bak" becomes
// "recover.bk2". Failures are told once; the program runs on.
void RotateRecoveryCopies(const QString& programFolder, Prompter& prompter);

// Writes the whole record to "recover.bak" without the "Saving " message.
bool WriteRecoveryCopy(const ProjectData& project, const QString& programFolder,
                       Prompter& prompter);

// The File menu's Recover Last File: after a confirmation the previous run's copy is read
// over the current record, which becomes untitled. Returns true when something was read.
bool RecoverLastFile(ProjectData& project, const QString& programFolder, Prompter& prompter,
                     ProjectView& view);

} // namespace quenra
