#pragma once

#include "ImportResult.h"

#include <QString>

namespace quenra {

class Prompter;
struct ProjectData;

// Reads a foreign file (a legacy project, client information) of at most 4 MiB and hands its
// text to `importText`, which fills a copy of the record: a file that cannot be reached or
// read, or in which nothing of the format is found, is reported and replaces nothing. What
// the import had to cut is told after a successful import.
bool ImportFile(ProjectData& project, const QString& path, Prompter& prompter,
                ImportResult (*importText)(ProjectData&, const QString&));

} // namespace quenra
