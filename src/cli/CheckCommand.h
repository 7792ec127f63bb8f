#pragma once

#include <QString>

#include <cstdio>

namespace quenra {

class Prompter;

// `--check FILE`: opens the file as `--convert` does and runs the "Error Check" command on it,
// every message on a line of its own in `out`, or "No errors found". Returns 0 when nothing
// was found, 1 when errors were found or the file could not be opened (reason to `prompter`).
int CheckProjectFile(const QString& path, Prompter& prompter, std::FILE* out);

} // namespace quenra
