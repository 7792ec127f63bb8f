#pragma once

#include <QString>

#include <cstdio>

namespace quenra {

class Prompter;

// `--check FILE`: opens the file as `--convert` does and runs the "Error Check" command on it,
// every message on a line of its own in `out`, or "No errors found". A file whose reading
// stopped early has the reading's stop message as the first line, then the check's messages,
// and fails. Returns 0 when nothing was found, 1 when errors were found, the reading stopped
// or the file could not be opened (reason to `prompter`).
int CheckProjectFile(const QString& path, Prompter& prompter, std::FILE* out);

} // namespace quenra
