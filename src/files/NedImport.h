#pragma once

#include "ImportResult.h"

#include <QString>

namespace quenra {

struct ProjectData;
class Prompter;

// Brings a legacy ".ned" project into the record: the record becomes a new fire pump test
// (its file name kept) and is then filled from the records of the file at `path`. When the
// file cannot be read, or holds no record the import knows ("No Quenra data found in [path]"),
// the inspector is told, the record is left as it was and the result is false. Texts longer
// than the record keeps are cut, and each cut is told. The caller refreshes the screen.
bool ImportNedFile(ProjectData& project, const QString& path, Prompter& prompter);

// The same import from the decoded contents of a ".ned" file, without messages. Lines that are
// not records of a known scope and name are skipped; the result says whether any was known
// and which texts were cut.
ImportResult ImportNedText(ProjectData& project, const QString& text);

} // namespace quenra
