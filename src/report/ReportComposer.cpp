#include "ReportComposer.h"

#include "AvailableFlowSection.h"
#include "ReportPainter.h"
#include "ReportSections.h"
#include "ReportStatements.h"
#include "ReportTemplate.h"
#include "ReportTexts.h"
#include "WaterSupplySection.h"

#include "graph/ReportLogo.h"
#include "hydraulics/PumpTestTable.h"

#include <algorithm>
#include <cmath>

namespace quenra {

namespace {

using enum ControlId;

// The available flow line stands this far below the water supply section's last line.
constexpr int kAvailableFlowLineGap = 1;

bool IsTestNumber(int test) {
    return test >= 1 && test <= kTestCount;
}

} // namespace

ReportComposer::ReportComposer(const ProjectData& project, DemandVerdictSource verdicts,
                               QImage logo)
    : project_(project), verdicts_(std::move(verdicts)),
      logo_(logo.isNull() ? MakeReportLogo() : std::move(logo)), pageLayout_(ReportTemplate()) {}

ReportPageFacts ReportComposer::ComposeReportPage(const ReportPageRequest& request,
                                                  const ReportPageFrame& frame, QImage& page) {
    if (page.isNull())
        return MeasureReportPage(request, frame);
    QPainter painter(&page);
    return Compose(request, frame, &painter, page.height());
}

ReportPageFacts ReportComposer::MeasureReportPage(const ReportPageRequest& request,
                                                  const ReportPageFrame& frame) {
    return Compose(request, frame, nullptr, 0);
}

ReportPageFacts ReportComposer::Compose(const ReportPageRequest& request,
                                        const ReportPageFrame& frame, QPainter* painter,
                                        int pageHeight) {
    const int n = request.PageNumber;
    // Every page starts from the design, so nothing of the previous page carries over.
    pageLayout_ = ReportTemplate();
    ReportFillContext context{project_, request.ReportPageIndex, {}};
    // A hydrant page quotes the results of each of its tests, fetched in the loop below.
    if (!project_.IsHydrantTest && verdicts_)
        context.DemandVerdict = verdicts_(n);
    FillReportTexts(pageLayout_, context, n);

    const bool diesel = IsDieselDriver(project_);
    const ReportStyle style{ReportColoursOf(project_),
                            MakeReportFontSizes(frame.Scale, project_.LargerFont), diesel};
    if (painter)
        painter->fillRect(painter->viewport(), style.Colours.Background);
    ReportPainter pen(painter, style, frame.Scale, frame.Left, frame.Top);

    if (pageLayout_.Panel(PanelId::ClientBlock).Visible)
        DrawClientSection(pen, pageLayout_);
    if (project_.IsHydrantTest)
        DrawHydrantTests(pen, request);
    if (pageLayout_.Panel(PanelId::PumpDataBlock).Visible)
        DrawPumpAndDriverSection(pen, pageLayout_, diesel);
    if (!project_.IsHydrantTest && availableFlow_.Show && request.ReportPageIndex == 1)
        DrawPumpSupplySection(pen, project_, availableFlow_.RatingPressurePsi);
    if (!project_.IsHydrantTest && n > 0)
        DrawPumpTestSections(pen, diesel);
    return PlaceDisclaimer(pen, frame, pageHeight);
}

void ReportComposer::DrawHydrantTests(ReportPainter& pen, const ReportPageRequest& request) {
    const int perPage = std::max(request.HydrantTestsPerPage, 1);
    const qsizetype first = static_cast<qsizetype>(perPage) * (request.PageNumber - 1) + 1;
    const qsizetype last = std::min(first + perPage - 1, request.HydrantTests.size());
    for (qsizetype entry = std::max<qsizetype>(first, 1); entry <= last; ++entry) {
        const int t = request.HydrantTests.at(entry - 1);
        if (!IsTestNumber(t))
            continue;
        ReportFillContext context{project_, request.ReportPageIndex, {}};
        if (verdicts_)
            context.DemandVerdict = verdicts_(t);
        FillReportTexts(pageLayout_, context, t);
        FillWaterSupplySection(pageLayout_, project_, t);
        if (availableFlow_.Show) {
            const AvailableFlowLine line = MakeAvailableFlowLine(
                project_, t, availableFlow_.RatingPressurePsi,
                pageLayout_.Panel(PanelId::WaterSupplyBlock).Height + kAvailableFlowLineGap);
            DrawWaterSupplySection(pen, pageLayout_, &line);
        } else {
            DrawWaterSupplySection(pen, pageLayout_);
        }
        if (pageLayout_.Panel(PanelId::DemandBlock).Visible) {
            pageLayout_[DemandHeading].Text = report_text::kSystemDemandPoints;
            DrawDemandPointsSection(pen, pageLayout_);
        }
        if (pageLayout_.Panel(PanelId::CommentsBlock).Visible)
            DrawCommentsSection(pen, pageLayout_);
    }
}

void ReportComposer::DrawPumpTestSections(ReportPainter& pen, bool diesel) {
    const auto visible = [this](PanelId panel) { return pageLayout_.Panel(panel).Visible; };
    if (visible(PanelId::PumpTestDataBlock))
        DrawTestDataSection(pen, pageLayout_);
    if (visible(PanelId::PumpPerformanceBlock))
        DrawPerformanceSection(pen, pageLayout_);
    if (visible(PanelId::MotorPerformanceBlock))
        DrawMotorSection(pen, pageLayout_);
    if (visible(PanelId::DemandBlock)) {
        pageLayout_[DemandHeading].Text = report_text::kCombinedPumpCurves;
        DrawCombinedCurvesSection(pen, pageLayout_);
    }
    if (visible(PanelId::TransferSwitchTestBlock))
        DrawTransferSwitchSection(pen, pageLayout_);
    if (visible(PanelId::TransferSwitchResultsBlock))
        DrawTransferSwitchResults(pen, pageLayout_);
    if (visible(PanelId::ControllerTestsBlock))
        DrawControllerSection(pen, pageLayout_, diesel);
    if (visible(PanelId::PressureSettingsBlock))
        DrawPressureSettingsSection(pen, pageLayout_);
    if (visible(PanelId::CommentsBlock))
        DrawCommentsSection(pen, pageLayout_);
}

// The disclaimer ends at a bottom margin as wide as the top one when the page has room, and
// follows the last section directly when it has not; the content height then exceeds the
// page's inner height, which tells the caller to grow the page.
ReportPageFacts ReportComposer::PlaceDisclaimer(ReportPainter& pen, const ReportPageFrame& frame,
                                                int pageHeight) {
    const ReportPanel& panel = pageLayout_.Panel(PanelId::DisclaimerBlock);
    const int height = static_cast<int>(std::nearbyint(panel.Height * frame.Scale));
    ReportPageFacts facts;
    facts.PageContentHeight = height + pen.PageCursorY() - frame.Top;
    pen.SetPageCursorY(std::max(pageHeight - frame.Top - height, pen.PageCursorY()));
    if (panel.Visible)
        DrawDisclaimerSection(pen, pageLayout_, logo_);
    facts.SectionMaxWidth = pen.SectionMaxWidth();
    return facts;
}

} // namespace quenra
