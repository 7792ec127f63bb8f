#include "ReportRenderer.h"

#include "BusyScope.h"
#include "JpegWriter.h"
#include "PdfFolder.h"
#include "PendingJpegFiles.h"
#include "graph/ReportLogo.h"
#include "model/ProjectData.h"
#include "platform/Prompter.h"
#include "report/ReportComposer.h"
#include "report/ReportPageList.h"

#include <QDateTime>

#include <algorithm>

namespace quenra {

namespace {

// The most tests a hydrant report page is tried with.
constexpr int kMostHydrantTestsPerPage = 4;
// The view the batch line lays the report out for (it only matters for the screen views).
const QSize kBatchView(1024, 700);

QList<ReportPageRequest> PagesOf(const ProjectData& project, const ReportOutputLists& lists,
                                 const ReportViewOptions& options) {
    return project.IsHydrantTest
               ? HydrantReportPages(lists.HydrantTests, options.HydrantTestsPerPage)
               : PumpReportPages(lists.PumpTests, options.Multipage);
}

bool ShowsOnlyOnePage(ReportMode mode) {
    return mode == ReportMode::Zoomed || mode == ReportMode::OnePage;
}

bool KeepsPages(ReportMode mode) {
    return mode == ReportMode::Zoomed || mode == ReportMode::OnePage ||
           mode == ReportMode::AllPages;
}

// Writes one output page; false (after telling why) when the file could not be written.
bool WritePage(ReportRun& run, const QImage& page, const QString& path, Prompter& prompter) {
    QString error;
    if (!WriteJpeg(page, path, &error)) {
        prompter.Inform(error);
        run.Failed = true;
        return false;
    }
    run.WrittenFiles << path;
    return true;
}

} // namespace

ReportRenderer::ReportRenderer(QImage logo)
    : logo_(logo.isNull() ? MakeReportLogo() : std::move(logo)) {}

std::optional<ReportRun> ReportRenderer::Run(ProjectData& project,
                                             const DemandVerdictSource& verdicts,
                                             const ReportViewOptions& options,
                                             const ReportPlaces& places, Prompter& prompter) {
    if (busy_) {
        return std::nullopt;
    }
    const BusyScope busy(busy_);
    const ReportMode mode = options.Mode;
    ReportRun run;
    const ReportOutputLists lists = MakeReportOutputLists(project, QDateTime::currentDateTime());
    run.PageCount = ReportPageCount(project, lists, options.HydrantTestsPerPage, options.Multipage);
    const QList<ReportPageRequest> pages = PagesOf(project, lists, options);
    if (run.PageCount <= 0 || pages.isEmpty()) {
        run.NoTests = true;
        return run;
    }

    // The measuring pass: the widest section of the last page and the tallest content.
    ReportComposer composer(project, verdicts, logo_);
    composer.SetAvailableFlowOption(options.AvailableFlow);
    int contentWidth = 0;
    int contentHeight = 0;
    for (const ReportPageRequest& page : pages) {
        const ReportPageFacts facts = composer.MeasureReportPage(page, ReportPageFrame());
        contentWidth = facts.SectionMaxWidth;
        contentHeight = std::max(contentHeight, facts.PageContentHeight);
    }
    run.Size = ComputeReportPageSize(contentWidth, contentHeight, ReadPageMargins(project));
    run.PageTooTall = run.Size.TooTall;
    if (!options.Output) {
        return run;
    }
    run.Display = ComputeReportDisplay(run.Size, options.View, mode, options.PageWidth,
                                       static_cast<int>(pages.size()));

    QString captureBase = places.CaptureBase;
    if (mode == ReportMode::Capture && captureBase.isEmpty()) {
        const std::optional<QString> base = ReportCaptureBase(places.CaptureFolder);
        if (!base) {
            prompter.Inform(NoFreeReportCaptureMessage(places.CaptureFolder));
            run.Failed = true;
            return run;
        }
        captureBase = *base;
    }
    // Captures take their names only once every page is written: a run that stops half way
    // leaves no mix of old and new pages under one name.
    PendingJpegFiles captures;

    const int shownPage = std::clamp(options.Page, 1, static_cast<int>(pages.size()));
    const ReportPageFrame frame{kReportScale, run.Size.Left, run.Size.Top};
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (ShowsOnlyOnePage(mode) && number != shownPage) {
            continue;
        }
        if (options.Progress && !options.Progress(number - 1, static_cast<int>(pages.size()))) {
            run.Failed = true;
            return run;
        }
        QImage page(run.Size.Width, run.Size.Height, QImage::Format_RGB32);
        composer.ComposeReportPage(pages[i], frame, page);
        if (run.Display.Page != page.size()) {
            page = page.scaled(run.Display.Page, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        if (KeepsPages(mode)) {
            run.Pages << page;
            run.PageNumbers << number;
        } else if (mode == ReportMode::Print) {
            if (options.PrintPage) {
                options.PrintPage(page, number, static_cast<int>(pages.size()));
            }
        } else if (mode == ReportMode::Capture) {
            QString error;
            if (!captures.Add(page, ReportCaptureFile(captureBase, number), &error)) {
                prompter.Inform(ReportPageNotSavedMessage(number, error));
                run.Failed = true;
                return run;
            }
        } else if (mode == ReportMode::PdfImages) {
            if (!WritePage(run, page, ReportPdfImagePath(places.PdfImageFolder, number),
                           prompter)) {
                return run;
            }
            run.PageImageHeight = page.height();
        }
    }
    if (mode == ReportMode::Capture) {
        QString error;
        if (!captures.CommitAll(&error)) {
            prompter.Inform(ReportPagesNotSavedMessage(error));
            run.Failed = true;
            return run;
        }
        run.WrittenFiles = captures.Names();
        if (places.CaptureBase.isEmpty()) {
            prompter.Inform(ReportCapturedMessage(captureBase, static_cast<int>(pages.size())));
        }
    }
    return run;
}

CheckResult CheckBeforeReport(ProjectData& project, Prompter& prompter, PromptFlags& flags) {
    const ReportOutputLists lists = MakeReportOutputLists(project, QDateTime::currentDateTime());
    if ((project.IsHydrantTest ? lists.HydrantTests : lists.PumpTests).isEmpty()) {
        return CheckResult();
    }
    return CheckBeforeDrawing(project, prompter, flags);
}

ReportLayoutChoice ChooseReportLayout(ReportRenderer& renderer, ProjectData& project,
                                      const DemandVerdictSource& verdicts, QSize view,
                                      Prompter& prompter,
                                      const AvailableFlowOption& availableFlow) {
    ReportLayoutChoice choice;
    ReportViewOptions options;
    options.Output = false;
    options.AvailableFlow = availableFlow;
    options.View = view;
    const ReportPlaces places;
    if (project.IsHydrantTest) {
        for (int perPage = kMostHydrantTestsPerPage; perPage >= 1; --perPage) {
            choice.HydrantTestsPerPage = perPage;
            options.HydrantTestsPerPage = perPage;
            const std::optional<ReportRun> run =
                renderer.Run(project, verdicts, options, places, prompter);
            if (!run || !run->PageTooTall) {
                break;
            }
        }
        return choice;
    }
    const std::optional<ReportRun> single =
        renderer.Run(project, verdicts, options, places, prompter);
    choice.Multipage = single && single->PageTooTall;
    return choice;
}

namespace {

std::optional<ReportRun> RunLaidOut(ProjectData& project, ReportMode mode,
                                    const ReportPlaces& places, Prompter& prompter) {
    PromptFlags flags;
    const DemandVerdictSource verdicts =
        PreparedGraphVerdicts(project, CheckBeforeReport(project, prompter, flags));
    ReportRenderer renderer;
    const ReportLayoutChoice choice =
        ChooseReportLayout(renderer, project, verdicts, kBatchView, prompter);
    ReportViewOptions options;
    options.Mode = mode;
    options.View = kBatchView;
    options.HydrantTestsPerPage = choice.HydrantTestsPerPage;
    options.Multipage = choice.Multipage;
    return renderer.Run(project, verdicts, options, places, prompter);
}

} // namespace

std::optional<QStringList> WriteReportPages(ProjectData& project, const QString& base,
                                            Prompter& prompter) {
    ReportPlaces places;
    places.CaptureBase = base;
    const std::optional<ReportRun> run = RunLaidOut(project, ReportMode::Capture, places, prompter);
    if (!run || run->Failed || run->NoTests) {
        return std::nullopt;
    }
    return run->WrittenFiles;
}

std::optional<PdfPageImages> WriteReportPdfImages(ProjectData& project, const QString& imageFolder,
                                                  Prompter& prompter) {
    ReportPlaces places;
    places.PdfImageFolder = imageFolder;
    const std::optional<ReportRun> run =
        RunLaidOut(project, ReportMode::PdfImages, places, prompter);
    if (!run || run->Failed || run->NoTests) {
        return std::nullopt;
    }
    return PdfPageImages{run->WrittenFiles, run->PageImageHeight};
}

} // namespace quenra
