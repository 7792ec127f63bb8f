#include "AvailableFlowSection.h"

#include "ReportPanel.h"
#include "ReportTexts.h"
#include "ReportValueText.h"

#include "hydraulics/NumberText.h"

namespace quenra {

namespace {

// The line sits like the comment lines of the form: caption at the left, value box to the
// section's right edge.
constexpr int kLabelLeft = 16;
constexpr int kLabelWidth = 60;
constexpr int kLabelHeight = 16;
constexpr int kValueLeft = 90;
constexpr int kValueWidth = 647;
constexpr int kValueHeight = 24;
// How far the value box starts above the caption, as in the form's label/value pairs.
constexpr int kValueRaise = 6;

constexpr int kSectionWidth = 753;
constexpr int kPumpSupplyLineTop = 26;
constexpr int kPumpSupplyHeight = 49;

const QString kAvailableCaption = QStringLiteral("Available:");

bool HoldsNumbers(const ProjectData& p, int t) {
    return !TrimBlanks(p.SupplyStaticPressure[t]).isEmpty() ||
           !TrimBlanks(p.SupplyResidualPressure[t]).isEmpty() ||
           !TrimBlanks(p.SupplyResidualFlow[t]).isEmpty();
}

} // namespace

AvailableFlowLine MakeAvailableFlowLine(const ProjectData& project, int supplyTest,
                                        double ratingPressurePsi, int top) {
    const AvailableFlow available = AvailableFlowOf(project, supplyTest, ratingPressurePsi);
    AvailableFlowLine line;
    line.Label = ReportControl{kLabelLeft, top, kLabelWidth, kLabelHeight, kAvailableCaption};
    line.Value = ReportControl{kValueLeft, top - kValueRaise, kValueWidth, kValueHeight,
                               AvailableFlowStatement(available, project.UnitSystem)};
    return line;
}

bool DrawPumpSupplySection(ReportPainter& pen, const ProjectData& project,
                           double ratingPressurePsi) {
    constexpr int kSupplyTest = 1;
    if (!HoldsNumbers(project, kSupplyTest))
        return false;
    const ReportPanel panel{0, kSectionWidth, kPumpSupplyHeight, true};
    ReportControl heading{1, 1, kSectionWidth - 2, 18,
                          report_text::kWaterSupply +
                              TestValue(project.SupplyTestDate, kSupplyTest)};
    const AvailableFlowLine line =
        MakeAvailableFlowLine(project, kSupplyTest, ratingPressurePsi, kPumpSupplyLineTop);
    pen.DrawSectionFrame(panel);
    pen.DrawSectionHeading(heading);
    pen.DrawLabelValue(line.Label, line.Value);
    pen.AdvancePageCursor(panel);
    return true;
}

} // namespace quenra
