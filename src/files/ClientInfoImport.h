#pragma once

#include <QString>

namespace quenra {

struct ProjectData;
class Prompter;

// Fills the client fields and comment page 1 of a new fire pump test from a
// client-information file (".ini"). The record is not reset first and its file name is not
// changed: the caller has just made it a new project. When the file cannot be read the inspector is
// told, the record is left as it was and the result is false.
bool ImportClientInfoFile(ProjectData& project, const QString& path, Prompter& prompter);

// The same import from the decoded contents of the file. Unknown keys and lines without "="
// are skipped.
void ImportClientInfoText(ProjectData& project, const QString& text);

} // namespace quenra
