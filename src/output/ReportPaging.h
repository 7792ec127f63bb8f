#pragma once

#include "graph/GraphTargetSize.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QSize>
#include <QString>

#include <optional>

namespace quenra {

struct ProjectData;

// What the report view does with the pages of a run (`ReportViewMode`).
enum class ReportMode {
    Zoomed,    // one page at full size or page width, with scroll bars
    OnePage,   // one page fitted into the view
    Print,     // every page to the printer
    AllPages,  // every page side by side
    Capture,   // every page to numbered JPEG files
    PdfImages, // every page to the PDF folder for the converter
};

// The tests the report covers, newest test date first; tests of the same date keep the
// higher number first. Pump tests whose curve is in the graph; hydrant tests whose curve is
// displayed.
struct ReportOutputLists {
    QList<int> PumpTests;
    QList<int> HydrantTests;
};
ReportOutputLists MakeReportOutputLists(const ProjectData& project, const QDateTime& now,
                                        const QLocale& locale = QLocale());

// The number of pages: hydrant reports put `testsPerPage` tests on a page; fire pump reports
// have a page per test and, with "Multipage", the summary page before them.
int ReportPageCount(const ProjectData& project, const ReportOutputLists& lists, int testsPerPage,
                    bool multipage);

// The letter page the content is placed on, in page pixels.
struct ReportPageSize {
    int Width = 0;
    int Height = 0;
    int Left = 0;         // where the content starts across
    int Top = 0;          // and down
    bool TooTall = false; // the content is taller than a letter page allows for its width

    friend bool operator==(const ReportPageSize&, const ReportPageSize&) = default;
};

// The letter aspect (11 : 8.5) and its tolerance, and the largest page: a letter page at 330
// pixels per inch.
constexpr double kLetterAspect = 1.294;
constexpr double kTooTallAspect = 1.296;
constexpr int kLargestPageWidth = 2805;
constexpr int kLargestPageHeight = 3630;

// The page for content `contentWidth` wide and `contentHeight` high with the print margins:
// the content with its margins, widened or heightened to the letter aspect, and held to the
// largest page by shrinking the margins (never below 0).
ReportPageSize ComputeReportPageSize(int contentWidth, int contentHeight,
                                     const PageMargins& margins);

// How big a page is shown in the view, and where the first page stands.
struct ReportDisplay {
    QSize Page;    // one page as displayed
    QPoint Origin; // the first page's top left corner in the view (fitted modes)
};

// The displayed page size for a view of `view` pixels showing `pageCount` pages in `mode`;
// `pageWidthFlag` is "Page Width" in the zoomed mode.
ReportDisplay ComputeReportDisplay(const ReportPageSize& page, QSize view, ReportMode mode,
                                   bool pageWidthFlag, int pageCount);

// The base of a report capture: the folder, "Quenra" and the first number whose first page
// file and plain file are both free. Nothing when every number up to 1000 is taken.
std::optional<QString> ReportCaptureBase(const QString& folder);
QString ReportCaptureFile(const QString& base, int page);
QString ReportCapturedMessage(const QString& base, int pageCount);
QString NoFreeReportCaptureMessage(const QString& folder);
// A capture that stopped: the page that could not be written, or the names that could not be
// given; no page of the run was kept.
QString ReportPageNotSavedMessage(int page, const QString& error);
QString ReportPagesNotSavedMessage(const QString& error);

} // namespace quenra
