#pragma once

#include <QString>

namespace quenra {

class Prompter;

// The "Actual Size" of a graph rendered without a window: the Graph tab's usual paint box.
inline constexpr int kBatchGraphWidth = 1024;
inline constexpr int kBatchGraphHeight = 700;

// `--graph FILE OUT.jpg [--test N] [--size INDEX]`: opens the file as `--convert` does and
// writes its graph page as a capture renders it into OUT.jpg, at the project's capture size or
// at size choice INDEX (-1 keeps the project's). Returns 0 when the JPEG was written, 1 when
// the file could not be opened or the image not written (the reason went to the prompter).
int WriteGraph(const QString& path, const QString& output, int requestedTest, int sizeIndex,
               Prompter& prompter);

} // namespace quenra
