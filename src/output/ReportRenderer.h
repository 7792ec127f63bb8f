#pragma once

#include "PdfPageImages.h"
#include "ReportPaging.h"
#include "hydraulics/AvailableFlow.h"
#include "hydraulics/DataErrorPrompt.h"
#include "report/DemandVerdictSource.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

namespace quenra {

class Prompter;
struct ProjectData;

// How the report view is set when a run starts.
struct ReportViewOptions {
    ReportMode Mode = ReportMode::AllPages;
    bool PageWidth = false; // "Page Width" rather than "Maximum Zoom" in the zoomed view
    int Page = 1;           // the page shown in the zoomed and one-page views, from 1
    bool Multipage = false; // "Multipage": the summary page, then a page per test
    int HydrantTestsPerPage = 1;
    bool Output = true; // false only measures (which layout fits a letter page)
    QSize View;         // the report paint box
    // Print runs hand each page to the printer here, in order, instead of keeping them.
    std::function<void(const QImage& page, int number, int count)> PrintPage;
    // Told before each page is composed in an output run; false stops the run.
    std::function<bool(int done, int count)> Progress;
    // Whether the water supply sections state the available flow (the window's setting).
    AvailableFlowOption AvailableFlow;
};

// What one run produced.
struct ReportRun {
    int PageCount = 0;
    bool NoTests = false;     // nothing selected: the view shows "No Tests Selected"
    bool PageTooTall = false; // the content is taller than a letter page of its width
    ReportPageSize Size;
    ReportDisplay Display;
    // The pages as displayed or output, with their numbers in the run (from 1). The zoomed
    // and one-page views hold only the page shown; every other mode holds every page.
    QList<QImage> Pages;
    QList<int> PageNumbers;
    QStringList WrittenFiles; // captures or PDF page images
    int PageImageHeight = 0;  // PDF page images: their height
    bool Failed = false;      // a file could not be written (the prompter was told)
};

// Where the report's files go.
struct ReportPlaces {
    QString CaptureFolder;  // the project's folder, the program folder while untitled
    QString PdfImageFolder; // the PDF run's folder the page images go to
    QString CaptureBase;    // when set, captures are named from it instead of the next free
                            // "Quenra" number in the capture folder
};

// Produces the report in every form: decides the pages, measures them, sizes the letter page,
// composes each page and scales it for the view, or writes the captures or the page images of
// a PDF file. Printing is the window's: it takes the pages of a Print run. A run asked for while
// one is in progress does nothing.
class ReportRenderer {
public:
    explicit ReportRenderer(QImage logo = QImage());

    std::optional<ReportRun> Run(ProjectData& project, const DemandVerdictSource& verdicts,
                                 const ReportViewOptions& options, const ReportPlaces& places,
                                 Prompter& prompter);

    bool Busy() const { return busy_; }

private:
    bool busy_ = false;
    QImage logo_;
};

// The step before a report run draws its pages: the data check with its question
// (CheckBeforeDrawing), whose result the verdicts are prepared with. A report without tests
// draws no graph, and asks nothing.
CheckResult CheckBeforeReport(ProjectData& project, Prompter& prompter, PromptFlags& flags);

// The layout the Report tab chooses before it paints: hydrant reports take the most tests per
// page (4, 3, 2, 1) whose page is not too tall; fire pump reports go multipage only when one
// page per test is too tall.
struct ReportLayoutChoice {
    int HydrantTestsPerPage = 1;
    bool Multipage = false;
};
ReportLayoutChoice ChooseReportLayout(ReportRenderer& renderer, ProjectData& project,
                                      const DemandVerdictSource& verdicts, QSize view,
                                      Prompter& prompter,
                                      const AvailableFlowOption& availableFlow = {});

// The report as the Report tab's capture writes it, for the batch line: the layout chosen as
// the tab chooses it, the pages written as base-1.jpg ... base-n.jpg, all or none. The file
// names written, or nothing when a page could not be written (then no file under the base has
// changed) or no test is selected.
std::optional<QStringList> WriteReportPages(ProjectData& project, const QString& base,
                                            Prompter& prompter);

// The report's page images in the PDF run's folder for the converter, laid out as the Report
// tab lays it out.
std::optional<PdfPageImages> WriteReportPdfImages(ProjectData& project, const QString& imageFolder,
                                                  Prompter& prompter);

} // namespace quenra
