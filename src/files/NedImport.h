#pragma once

#include <QString>

namespace quenra {

struct ProjectData;
class Prompter;

// Brings a legacy ".ned" project into the record: the record becomes a new fire pump test
// (its file name kept) and is then filled from the records of the file at `path`. When the
// file cannot be read the inspector is told, the record is left as it was and the result is
// false. The caller refreshes the screen.
bool ImportNedFile(ProjectData& project, const QString& path, Prompter& prompter);

// The same import from the decoded contents of a ".ned" file. Any text gives values: lines
// that are not records of a known scope and name are skipped without a word.
void ImportNedText(ProjectData& project, const QString& text);

} // namespace quenra
