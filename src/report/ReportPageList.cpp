#include "ReportPageList.h"

#include <algorithm>

namespace quenra {

QList<ReportPageRequest> PumpReportPages(const QList<int>& pumpTests, bool multipage) {
    QList<ReportPageRequest> pages;
    if (pumpTests.isEmpty())
        return pages;
    if (multipage)
        pages.append(ReportPageRequest{0, 1, {}, 1});
    for (int test : pumpTests)
        pages.append(ReportPageRequest{test, static_cast<int>(pages.size()) + 1, {}, 1});
    return pages;
}

QList<ReportPageRequest> HydrantReportPages(const QList<int>& hydrantTests, int testsPerPage) {
    const int perPage = std::max(testsPerPage, 1);
    const int count = static_cast<int>((hydrantTests.size() + perPage - 1) / perPage);
    QList<ReportPageRequest> pages;
    for (int page = 1; page <= count; ++page)
        pages.append(ReportPageRequest{page, page, hydrantTests, perPage});
    return pages;
}

} // namespace quenra
