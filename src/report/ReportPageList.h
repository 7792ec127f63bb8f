#pragma once

#include "ReportPage.h"

#include <QList>

namespace quenra {

// The pages of a fire pump report: with "Multipage" the summary page first, then one page
// per listed test (newest first, as the caller ordered them).
QList<ReportPageRequest> PumpReportPages(const QList<int>& pumpTests, bool multipage);

// The pages of a hydrant report with `testsPerPage` of the listed tests on each page.
QList<ReportPageRequest> HydrantReportPages(const QList<int>& hydrantTests, int testsPerPage);

} // namespace quenra
