#pragma once

#include <QList>

namespace quenra {

// Page pixels per layout pixel of every report run.
constexpr double kReportScale = 2.5;

// Which page to compose. For a fire pump project `PageNumber` is the test 1..5, or 0 for the
// summary page; for a hydrant project it is the page number from 1, and the page holds the
// entries first..last of `HydrantTests` (the tests selected for output, newest first), with
// `HydrantTestsPerPage` tests on each page.
struct ReportPageRequest {
    int PageNumber = 0;
    int ReportPageIndex = 1; // the page's place in the run, from 1; the first page opens
                             // with the client and pump sections
    QList<int> HydrantTests;
    int HydrantTestsPerPage = 1;
};

// Where the layout lands on the page: page pixels per layout pixel and the margins.
struct ReportPageFrame {
    double Scale = kReportScale;
    int Left = 0; // x of layout x = 0
    int Top = 0;  // where the first section starts; the disclaimer keeps the same margin
                  // below it when the page has room
};

// What a composed or measured page tells its caller.
struct ReportPageFacts {
    int SectionMaxWidth = 0;   // the widest drawn section, in page pixels
    int PageContentHeight = 0; // from the top margin to the bottom of the disclaimer
};

} // namespace quenra
