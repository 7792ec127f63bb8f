#pragma once

#include "ImportResult.h"

#include <QString>

namespace quenra {

struct ProjectData;
class Prompter;

// Fills the client fields and comment page 1 of a new fire pump test from a
// client-information file (".ini"). The record is not reset first and its file name is not
// changed: the caller has just made it a new project. When the file cannot be read, or holds
// no key the import knows ("No Quenra data found in [path]"), the inspector is told, the record
// is left as it was and the result is false. A comment page that grows past what the record
// keeps is cut, and the cut is told.
bool ImportClientInfoFile(ProjectData& project, const QString& path, Prompter& prompter);

// The same import from the decoded contents of the file, without messages. Unknown keys and
// lines without "=" are skipped; the result says whether any key was known and what was cut.
ImportResult ImportClientInfoText(ProjectData& project, const QString& text);

} // namespace quenra
