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
      logo_(logo.isNull() ? MakeReportLogo() : std::move(logo)), R_(ReportTemplate()) {}

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
    R_ = ReportTemplate();
    ReportFillContext context{project_, request.ReportPageIndex, {}};
    // A hydrant page quotes the results of each of its tests, fetched in the loop below.
    if (!project_.IsHydrantTest && verdicts_)
        context.DemandVerdict = verdicts_(n);
    FillReportTexts(R_, context, n);

    const bool diesel = IsDieselDriver(project_);
    const ReportStyle style{ReportColoursOf(project_),
                            MakeReportFontSizes(frame.Scale, project_.LargerFont), diesel};
    if (painter)
        painter->fillRect(painter->viewport(), style.Colours.Background);
    ReportPainter pen(painter, style, frame.Scale, frame.Left, frame.Top);

    if (R_.Panel(PanelId::Panel1).Visible)
        DrawClientSection(pen, R_);
    if (project_.IsHydrantTest)
        DrawHydrantTests(pen, request);
    if (R_.Panel(PanelId::Panel3).Visible)
        DrawPumpAndDriverSection(pen, R_, diesel);
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
        FillReportTexts(R_, context, t);
        FillWaterSupplySection(R_, project_, t);
        if (availableFlow_.Show) {
            const AvailableFlowLine line =
                MakeAvailableFlowLine(project_, t, availableFlow_.RatingPressurePsi,
                                      R_.Panel(PanelId::Panel23).Height + kAvailableFlowLineGap);
            DrawWaterSupplySection(pen, R_, &line);
        } else {
            DrawWaterSupplySection(pen, R_);
        }
        if (R_.Panel(PanelId::Panel28).Visible) {
            R_[Panel29].Text = report_text::kSystemDemandPoints;
            DrawDemandPointsSection(pen, R_);
        }
        if (R_.Panel(PanelId::Panel25).Visible)
            DrawCommentsSection(pen, R_);
    }
}

void ReportComposer::DrawPumpTestSections(ReportPainter& pen, bool diesel) {
    const auto visible = [this](PanelId panel) { return R_.Panel(panel).Visible; };
    if (visible(PanelId::Panel5))
        DrawTestDataSection(pen, R_);
    if (visible(PanelId::Panel7))
        DrawPerformanceSection(pen, R_);
    if (visible(PanelId::Panel11))
        DrawMotorSection(pen, R_);
    if (visible(PanelId::Panel28)) {
        R_[Panel29].Text = report_text::kCombinedPumpCurves;
        DrawCombinedCurvesSection(pen, R_);
    }
    if (visible(PanelId::Panel17))
        DrawTransferSwitchSection(pen, R_);
    if (visible(PanelId::Panel19))
        DrawTransferSwitchResults(pen, R_);
    if (visible(PanelId::Panel13))
        DrawControllerSection(pen, R_, diesel);
    if (visible(PanelId::Panel15))
        DrawPressureSettingsSection(pen, R_);
    if (visible(PanelId::Panel25))
        DrawCommentsSection(pen, R_);
}

// The disclaimer ends at a bottom margin as wide as the top one when the page has room, and
// follows the last section directly when it has not; the content height then exceeds the
// page's inner height, which tells the caller to grow the page.
ReportPageFacts ReportComposer::PlaceDisclaimer(ReportPainter& pen, const ReportPageFrame& frame,
                                                int pageHeight) {
    const ReportPanel& panel = R_.Panel(PanelId::Panel27);
    const int height = static_cast<int>(std::nearbyint(panel.Height * frame.Scale));
    ReportPageFacts facts;
    facts.PageContentHeight = height + pen.PageCursorY() - frame.Top;
    pen.SetPageCursorY(std::max(pageHeight - frame.Top - height, pen.PageCursorY()));
    if (panel.Visible)
        DrawDisclaimerSection(pen, R_, logo_);
    facts.SectionMaxWidth = pen.SectionMaxWidth();
    return facts;
}

} // namespace quenra
