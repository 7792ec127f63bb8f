#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

namespace quenra {

class Prompter;
struct ProjectData;

// The lines of `--summary`: a header, then one tab-separated line per supply test that holds
// any data: its number, date, static and residual pressure, flow, the flow available at 20 psi,
// its class, and the reason there is none or the estimate note. Numbers are written plainly
// (no grouping, "." as separator) so that spreadsheets read them as numbers. The numbers are
// read as the graph reads them, after the silent data check, which may raise residual flows.
QStringList SupplySummaryLines(ProjectData& project);

// `--summary FILE`: opens the file as `--convert` does and writes the summary to `out`.
// Returns 0, or 1 when the file could not be opened.
int PrintSupplySummary(const QString& path, Prompter& prompter, std::FILE* out);

} // namespace quenra
