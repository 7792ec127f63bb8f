#pragma once

#include "ReportLayout.h"
#include "ReportPainter.h"

namespace quenra {

// Each section of the report drawn from the filled layout at the painter's cursor, which
// then moves below it. The composer decides which sections a page holds.

void DrawClientSection(ReportPainter& pen, const ReportLayout& R);
struct AvailableFlowLine;
// With `available`, the section grows to hold that line below its design content.
void DrawWaterSupplySection(ReportPainter& pen, const ReportLayout& R,
                            const AvailableFlowLine* available = nullptr);
// The demand points alone, under the demand heading.
void DrawDemandPointsSection(ReportPainter& pen, const ReportLayout& R);
void DrawCommentsSection(ReportPainter& pen, const ReportLayout& R);
void DrawPumpAndDriverSection(ReportPainter& pen, const ReportLayout& R, bool diesel);
void DrawTestDataSection(ReportPainter& pen, const ReportLayout& R);
void DrawPerformanceSection(ReportPainter& pen, const ReportLayout& R);
void DrawMotorSection(ReportPainter& pen, const ReportLayout& R);
// The combined-curve sentence and comment above the demand points.
void DrawCombinedCurvesSection(ReportPainter& pen, const ReportLayout& R);
void DrawTransferSwitchSection(ReportPainter& pen, const ReportLayout& R);
void DrawTransferSwitchResults(ReportPainter& pen, const ReportLayout& R);
void DrawControllerSection(ReportPainter& pen, const ReportLayout& R, bool diesel);
void DrawPressureSettingsSection(ReportPainter& pen, const ReportLayout& R);
// The disclaimer lines and the logo.
void DrawDisclaimerSection(ReportPainter& pen, const ReportLayout& R, const QImage& logo);

} // namespace quenra
