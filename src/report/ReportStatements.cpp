#include "ReportStatements.h"

#include "PumpTestStatements.h"
#include "ReportComments.h"
#include "ReportTexts.h"
#include "ReportValueText.h"

#include "hydraulics/ChoiceItems.h"
#include "hydraulics/NumberText.h"
#include "hydraulics/UnitSystem.h"
#include "model/StoredChoices.h"

#include <array>

namespace quenra {

namespace {

using enum ControlId;
namespace text = report_text;

constexpr std::array kDemandBoxes = {Edit11, Edit13, Edit16, Edit18, Edit20};
constexpr std::array kDemandLabels = {Label11, Label13, Label16, Label18, Label20};
constexpr int kLineStep = 24;

// The section stays hidden unless it has more than its heading to show.
constexpr int kDemandSectionMinimum = 36;

QString FuelTankText(const ProjectData& project, int test) {
    if (test < 1 || test > kTestCount)
        return QString(); // the summary page belongs to no test
    switch (project.FuelTankLevel[test]) {
    case 0:
        return text::kFuelFull;
    case 1:
        return text::kFuelThreeQuarters;
    case 2:
        return project.FuelTankOther[test];
    default:
        return QString();
    }
}

void FillClientSection(ReportLayout& R, const ReportFillContext& context) {
    const ProjectData& p = context.Project;
    R.Panel(PanelId::ClientBlock).Visible = p.ReportPumpSection && context.ReportPageIndex == 1;
    R[Edit1].Text = p.ClientName;
    R[Edit2].Text = p.SiteLocation;
    R[Edit3].Text = p.CityStateZip;
    R[Edit4].Text = p.VisitDate;
    R[Edit5].Text = p.PolicyNumber;
    R[Edit95].Text = p.Pcre;
}

void FillPumpAndDriverSection(ReportLayout& R, const ReportFillContext& context, int test) {
    const ProjectData& p = context.Project;
    const UnitWords words = UnitWordsFor(p.UnitSystem);
    const QString pressure = QLatin1Char(' ') + words.PressureWord;
    const QString flow = QLatin1Char(' ') + words.FlowWord;
    R.Panel(PanelId::PumpDataBlock).Visible =
        p.ReportControllerSection && !p.IsHydrantTest && context.ReportPageIndex == 1;
    R[Edit23].Text = RoundedOrNotAvailable(1, ParseBracedNumber(p.DriverVolts));
    R[Edit24].Text = RoundedOrNotAvailable(2, ParseBracedNumber(p.DriverAmps));
    R[Edit25].Text = RoundedOrNotAvailable(5, ParseBracedNumber(p.ServiceFactor));
    R[Edit49].Text = TestValue(p.EngineHourMeter, test);
    R[Edit50].Text = FuelTankText(p, test);
    R[Edit6].Text = p.ChurnPressure + pressure;
    R[Edit7].Text = p.RatedPressure + pressure + text::kAt + p.RatedFlow + flow;
    R[Edit8].Text = p.RatedSpeed + text::kRpmUnit;
    R[Edit9].Text = p.PressureAt150 + pressure + text::kAt +
                    RoundedOrNotAvailable(0, 1.5 * ParseNumber(p.RatedFlow)) + flow;
    R[Edit10].Text = StoredChoiceText(p.PumpPurpose, PumpPurposeItems()) + text::kFullStop;
}

void FillCombinedCurveSentence(ReportLayout& R, const ProjectData& p, DemandVerdict answer,
                               int test) {
    if (answer == DemandVerdict::NotApplicable)
        R[Label22].Text.clear();
    else if (answer == DemandVerdict::CanMeet)
        R[Label22].Text =
            text::kCombinedSubject + text::kCan + text::kCombinedObject + text::kListedBelow;
    else
        R[Label22].Text =
            text::kCombinedSubject + text::kCannot + text::kCombinedObject + text::kSeeBelow;
    R[Edit78].Text = TestValue(p.CombinedCurveComment, test);
    R[Edit31].Text.clear();
}

void FillDemandLines(ReportLayout& R, const ReportFillContext& context) {
    const ProjectData& p = context.Project;
    const bool hydrant = p.IsHydrantTest;
    const UnitWords words = UnitWordsFor(p.UnitSystem);
    R.DemandLineCount = 0;
    for (ControlId box : kDemandBoxes)
        R[box].Text.clear();
    R.DemandLines.fill(DemandLineText());
    for (int k = 1; k <= kTestCount; ++k) {
        if (!(hydrant ? p.HydrantDemandShow[k] : p.DemandShow[k]))
            continue;
        const QString& pressure = hydrant ? p.HydrantDemandPressure[k] : p.DemandPressure[k];
        const QString& flow = hydrant ? p.HydrantDemandFlow[k] : p.DemandFlow[k];
        const QString& purpose = hydrant ? p.HydrantDemandPurpose[k] : p.DemandPurpose[k];
        const auto line = static_cast<std::size_t>(R.DemandLineCount);
        DemandLineText& parts = R.DemandLines[line];
        parts.Lead = text::kDemandPoint + QString::number(k) + text::kAtWord + pressure +
                     QLatin1Char(' ') + words.PressureWord + text::kAt + flow + QLatin1Char(' ') +
                     words.FlowWord + text::kIsFor;
        parts.Purpose = purpose;
        parts.Result =
            text::kSentenceEnd + context.DemandVerdict[static_cast<std::size_t>(k)].Text();
        R[kDemandBoxes[line]].Text = parts.Whole();
        ++R.DemandLineCount;
    }
}

void PlaceDemandLines(ReportLayout& R, int boxTop, int labelTop) {
    for (std::size_t line = 0; line < kDemandBoxes.size(); ++line) {
        const int step = static_cast<int>(line) * kLineStep;
        R[kDemandBoxes[line]].Top = boxTop + step;
        R[kDemandLabels[line]].Top = labelTop + step;
    }
}

// Hydrant projects list the demand points alone; fire pump projects put the combined-curve
// sentence and its comment above them, and the lines move up into whatever of those is not
// shown.
void LayOutDemandSection(ReportLayout& R, const ProjectData& p, DemandVerdict answer, int test) {
    ReportPanel& panel = R.Panel(PanelId::DemandBlock);
    if (p.IsHydrantTest) {
        PlaceDemandLines(R, 23, 27);
        panel.Height = R.DemandLineCount * kLineStep + kLineStep;
        panel.Visible = R.DemandLineCount > 0;
        return;
    }
    int up = answer == DemandVerdict::NotApplicable ? 23 : -1;
    R[Edit78].Top = 47 - up;
    R[Label71].Top = 51 - up;
    R[Edit31].Top = 73 - up;
    if (TestValue(p.CombinedCurveComment, test).isEmpty())
        up += 48;
    PlaceDemandLines(R, 100 - up, 104 - up);
    panel.Height = R.DemandLineCount * kLineStep - up + 104;
    panel.Visible = panel.Height > kDemandSectionMinimum;
}

} // namespace

void FillReportTexts(ReportLayout& R, const ReportFillContext& context, int testNumber) {
    const ProjectData& p = context.Project;
    R[TitleHeading].Text = p.IsHydrantTest ? text::kHydrantReportTitle : text::kPumpReportTitle;
    FillClientSection(R, context);
    FillPumpAndDriverSection(R, context, testNumber);

    const DemandVerdict answer = ReadDemandVerdict(TestValue(p.CombinedMeetsDemand, testNumber));
    FillCombinedCurveSentence(R, p, answer, testNumber);
    FillDemandLines(R, context);
    LayOutDemandSection(R, p, answer, testNumber);

    if (testNumber <= 0)
        return;
    if (testNumber <= kTestCount)
        FillPumpTestSections(R, p, testNumber);
    FillReportComments(R, p, testNumber);
}

} // namespace quenra
