#pragma once

#include <QString>

#include <cstdio>

namespace quenra {

class Prompter;

// `--curves FILE [--test N]`: opens the file as `--convert` does, prepares the graph exactly
// as the graph page does before drawing (the silent check and its question through `prompter`,
// the evaluated tests chosen, or test N forced) and writes the curves as one JSON line to
// `out`. Returns 0, or 1 when the file could not be opened.
int PrintCurves(const QString& path, int requestedTest, Prompter& prompter, std::FILE* out);

} // namespace quenra
