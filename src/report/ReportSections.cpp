#include "ReportSections.h"

#include "AvailableFlowSection.h"

#include <algorithm>
#include <initializer_list>

namespace quenra {

namespace {

using enum ControlId;

// Below a line added to a section, as below the last line of the form's sections.
constexpr int kExtraLineMargin = 5;

struct LabelValue {
    ControlId Label;
    ControlId Value;
};

struct CommentControls {
    ControlId Label;
    ControlId First;
    ControlId Second;
};

void Begin(ReportPainter& pen, const ReportLayout& R, PanelId panel, ControlId heading) {
    pen.DrawSectionFrame(R.Panel(panel));
    pen.DrawSectionHeading(R[heading]);
}

void DrawPairs(ReportPainter& pen, const ReportLayout& R, std::initializer_list<LabelValue> pairs) {
    for (const LabelValue& pair : pairs)
        pen.DrawLabelValue(R[pair.Label], R[pair.Value]);
}

// A comment is drawn only when there is one.
void DrawComment(ReportPainter& pen, const ReportLayout& R, CommentControls comment) {
    if (!R[comment.First].Text.isEmpty())
        pen.DrawCommentPair(R[comment.Label], R[comment.First], R[comment.Second]);
}

void DrawLines(ReportPainter& pen, const ReportLayout& R, const ControlId* labels,
               const ControlId* boxes, int count) {
    for (int line = 0; line < count; ++line)
        pen.DrawTextLine(R[labels[line]], R[boxes[line]]);
}

void DrawDemandLines(ReportPainter& pen, const ReportLayout& R) {
    static constexpr ControlId kLabels[] = {Label11, Label13, Label16, Label18, Label20};
    static constexpr ControlId kBoxes[] = {Edit11, Edit13, Edit16, Edit18, Edit20};
    const int count = std::clamp(R.DemandLineCount, 0, 5);
    for (int line = 0; line < count; ++line)
        pen.DrawDemandLine(R[kLabels[line]], R[kBoxes[line]],
                           R.DemandLines[static_cast<std::size_t>(line)]);
}

void DrawGridSpans(ReportPainter& pen, const ReportGrid& grid) {
    struct Span {
        int FirstColumn, FirstRow, LastRow, LastColumn;
    };
    // Header cells that read as one: the number, speed and flow columns over both header
    // rows, and the volts, amps, pump pressure, nozzle and pitot groups over the first.
    static constexpr Span kSpans[] = {{1, 1, 2, 1}, {8, 1, 2, 8},  {20, 1, 2, 20}, {2, 1, 1, 4},
                                      {5, 1, 1, 7}, {9, 1, 1, 11}, {12, 1, 1, 13}, {14, 1, 1, 19}};
    for (const Span& span : kSpans)
        pen.ClearGridSpan(grid, span.FirstColumn, span.FirstRow, span.LastRow, span.LastColumn);
}

} // namespace

void DrawClientSection(ReportPainter& pen, const ReportLayout& R) {
    Begin(pen, R, PanelId::ClientBlock, TitleHeading);
    DrawPairs(pen, R,
              {{Label1, Edit1},
               {Label2, Edit2},
               {Label3, Edit3},
               {Label4, Edit4},
               {Label5, Edit5},
               {Label90, Edit95}});
    pen.AdvancePageCursor(R.Panel(PanelId::ClientBlock));
}

void DrawWaterSupplySection(ReportPainter& pen, const ReportLayout& R,
                            const AvailableFlowLine* available) {
    ReportPanel panel = R.Panel(PanelId::WaterSupplyBlock);
    if (available)
        panel.Height = std::max(panel.Height, available->Value.Bottom() + kExtraLineMargin);
    pen.DrawSectionFrame(panel);
    pen.DrawSectionHeading(R[WaterSupplyHeading]);
    DrawPairs(pen, R,
              {{Label50, Edit53},
               {Label51, Edit54},
               {Label58, Edit61},
               {Label52, Edit55},
               {Label53, Edit56},
               {Label54, Edit57},
               {Label55, Edit58},
               {Label56, Edit59},
               {Label57, Edit60},
               {Label59, Edit62},
               {Label60, Edit63},
               {Label61, Edit64},
               {Label64, Edit66},
               {Label62, Edit65},
               {Label63, Edit67}});
    if (available)
        pen.DrawLabelValue(available->Label, available->Value);
    pen.AdvancePageCursor(panel);
}

void DrawDemandPointsSection(ReportPainter& pen, const ReportLayout& R) {
    Begin(pen, R, PanelId::DemandBlock, DemandHeading);
    DrawDemandLines(pen, R);
    pen.AdvancePageCursor(R.Panel(PanelId::DemandBlock));
}

void DrawCommentsSection(ReportPainter& pen, const ReportLayout& R) {
    static constexpr ControlId kBoxes[] = {Edit69, Edit70, Edit71, Edit72, Edit73, Edit74};
    static constexpr ControlId kPartners[] = {Label46, Label46, Label46, Label46, Label46, Label46};
    Begin(pen, R, PanelId::CommentsBlock, CommentsHeading);
    DrawLines(pen, R, kPartners, kBoxes, std::clamp(R.CommentLineCount, 0, 6));
    pen.AdvancePageCursor(R.Panel(PanelId::CommentsBlock));
}

void DrawPumpAndDriverSection(ReportPainter& pen, const ReportLayout& R, bool diesel) {
    Begin(pen, R, PanelId::PumpDataBlock, PumpDataHeading);
    DrawPairs(
        pen, R,
        {{Label6, Edit6}, {Label7, Edit7}, {Label8, Edit8}, {Label9, Edit9}, {Label10, Edit10}});
    if (diesel)
        DrawPairs(pen, R, {{Label47, Edit49}, {Label48, Edit50}});
    else
        DrawPairs(pen, R, {{Label24, Edit23}, {Label25, Edit24}, {Label26, Edit25}});
    pen.AdvancePageCursor(R.Panel(PanelId::PumpDataBlock));
}

void DrawTestDataSection(ReportPainter& pen, const ReportLayout& R) {
    Begin(pen, R, PanelId::PumpTestDataBlock, PumpTestDataHeading);
    pen.DrawGridLines(R.SG1);
    DrawGridSpans(pen, R.SG1);
    pen.ClearGridSpan(R.SG1, 14, 3, 3, 19); // the churn row's pitot cells hold one note
    pen.DrawGridCells(R.SG1);
    pen.AdvancePageCursor(R.Panel(PanelId::PumpTestDataBlock));
}

void DrawPerformanceSection(ReportPainter& pen, const ReportLayout& R) {
    Begin(pen, R, PanelId::PumpPerformanceBlock, PumpPerformanceHeading);
    DrawPairs(pen, R, {{Label21, Edit29}});
    DrawComment(pen, R, {Label23, Edit21, Edit22});
    pen.AdvancePageCursor(R.Panel(PanelId::PumpPerformanceBlock));
}

void DrawMotorSection(ReportPainter& pen, const ReportLayout& R) {
    Begin(pen, R, PanelId::MotorPerformanceBlock, MotorPerformanceHeading);
    DrawPairs(pen, R, {{Label30, Edit32}, {Label32, Edit34}, {Label65, Edit68}, {Label27, Edit28}});
    DrawComment(pen, R, {Label34, Edit35, Edit36});
    pen.AdvancePageCursor(R.Panel(PanelId::MotorPerformanceBlock));
}

void DrawCombinedCurvesSection(ReportPainter& pen, const ReportLayout& R) {
    Begin(pen, R, PanelId::DemandBlock, DemandHeading);
    if (!R[Label22].Text.isEmpty())
        DrawPairs(pen, R, {{Label22, Edit30}});
    DrawComment(pen, R, {Label71, Edit78, Edit31});
    DrawDemandLines(pen, R);
    pen.AdvancePageCursor(R.Panel(PanelId::DemandBlock));
}

void DrawTransferSwitchSection(ReportPainter& pen, const ReportLayout& R) {
    Begin(pen, R, PanelId::TransferSwitchTestBlock, TransferSwitchTestHeading);
    DrawPairs(pen, R, {{Label44, Edit45}});
    DrawComment(pen, R, {Label45, Edit46, Edit47});
    pen.AdvancePageCursor(R.Panel(PanelId::TransferSwitchTestBlock));
}

void DrawTransferSwitchResults(ReportPainter& pen, const ReportLayout& R) {
    Begin(pen, R, PanelId::TransferSwitchResultsBlock, TransferSwitchResultsHeading);
    pen.DrawGridLines(R.SG2);
    DrawGridSpans(pen, R.SG2);
    pen.DrawGridCells(R.SG2);
    pen.AdvancePageCursor(R.Panel(PanelId::TransferSwitchResultsBlock));
}

void DrawControllerSection(ReportPainter& pen, const ReportLayout& R, bool diesel) {
    Begin(pen, R, PanelId::ControllerTestsBlock, ControllerTestsHeading);
    DrawPairs(pen, R, {{Label35, Edit37}, {Label36, Edit38}});
    if (!diesel)
        DrawPairs(pen, R, {{Label37, Edit39}, {Label38, Edit40}, {Label39, Edit15}});
    DrawComment(pen, R, {Label31, Edit12, Edit14});
    pen.AdvancePageCursor(R.Panel(PanelId::ControllerTestsBlock));
}

void DrawPressureSettingsSection(ReportPainter& pen, const ReportLayout& R) {
    Begin(pen, R, PanelId::PressureSettingsBlock, PressureSettingsHeading);
    DrawPairs(pen, R, {{Label40, Edit41}, {Label41, Edit42}, {Label42, Edit43}, {Label43, Edit44}});
    DrawComment(pen, R, {Label33, Edit17, Edit19});
    pen.AdvancePageCursor(R.Panel(PanelId::PressureSettingsBlock));
}

void DrawDisclaimerSection(ReportPainter& pen, const ReportLayout& R, const QImage& logo) {
    const ReportPanel& panel = R.Panel(PanelId::DisclaimerBlock);
    pen.DrawSectionFrame(panel);
    for (ControlId line : {Label68, Label67, Label66})
        pen.DrawTextLine(R[line], R[Edit48]);
    pen.DrawLogo(panel, logo);
    pen.AdvancePageCursor(panel);
}

} // namespace quenra
