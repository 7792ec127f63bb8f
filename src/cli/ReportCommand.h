#pragma once

#include <QString>

#include <cstdio>

namespace quenra {

class Prompter;

// `--report FILE OUTBASE`: opens the file as `--convert` does and writes its report pages as
// the Report tab's capture writes them (tests per page and multipage chosen as the tab chooses
// them) into OUTBASE-1.jpg ... OUTBASE-n.jpg, printing each name on its own line. Returns 0
// when every page was written, 1 when the file could not be opened, no test is selected or a
// page could not be written (the reason went to the prompter).
int WriteReport(const QString& path, const QString& outputBase, Prompter& prompter, std::FILE* out);

} // namespace quenra
