#pragma once

#include <QString>

namespace quenra {

class Prompter;

// `--pdf FILE OUT.pdf`: opens the file as `--convert` does, writes its report's page images as
// the Report tab does for a PDF file and has the converter make OUT.pdf of them, replacing
// OUT.pdf when it exists. The PDF is not opened. Returns 0 when the converter completed the
// file, 1 otherwise (the reason went to the prompter).
int WritePdf(const QString& path, const QString& output, Prompter& prompter);

} // namespace quenra
