#pragma once

#include <QByteArray>
#include <QString>

namespace quenra {

struct ProjectData;
class Prompter;

// The project as the bytes of a newest-layout project file (Windows-1252, CR LF).
QByteArray SerializeProject(const ProjectData& project);

// Writes the bytes to path through a temporary file beside it that replaces the target only
// after a complete write, so a failed save never destroys the previous file. On failure
// returns false and, when `error` is given, the reason.
bool SaveFileBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Saves the project to path. Tells the inspector "Saving " + path first unless path is the
// recovery copy, and reports a failed write with the path in square brackets.
bool WriteProjectFile(const ProjectData& project, const QString& path, Prompter& prompter);

// Saves without the "Saving " message (the batch command line and the recovery copy); a
// failure is still reported.
bool WriteProjectFileQuietly(const ProjectData& project, const QString& path, Prompter& prompter);

} // namespace quenra
