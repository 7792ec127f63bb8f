#include "PumpTestStatements.h"

#include "PumpTestGrids.h"
#include "ReportTexts.h"
#include "ReportValueText.h"

#include "hydraulics/MotorLimits.h"
#include "hydraulics/NumberText.h"
#include "hydraulics/PumpTestTable.h"
#include "hydraulics/UnitSystem.h"
#include "model/StoredChoices.h"

namespace quenra {

namespace {

using enum ControlId;
namespace text = report_text;

// A section shows its comment lines only when there is a comment; these are its heights.
struct SectionHeights {
    int WithComment;
    int Without;
};
constexpr SectionHeights kPerformanceHeights{105, 57};
constexpr SectionHeights kMotorHeights{123, 75};
constexpr SectionHeights kPressureSettingHeights{93, 49};
constexpr SectionHeights kTransferSwitchHeights{97, 51};
constexpr int kElectricControllerHeight = 97;
constexpr int kDieselControllerHeight = 49;
constexpr int kControllerCommentHeight = 44;

void SetHeight(ReportLayout& R, PanelId panel, const QString& comment, SectionHeights heights) {
    R.Panel(panel).Height = comment.isEmpty() ? heights.Without : heights.WithComment;
}

QString CanOrCannot(bool can) {
    return can ? text::kCan : text::kCannot;
}

void FillPerformance(ReportLayout& R, const ProjectData& p, int test, const QString& nfpa) {
    const bool meets = p.MeetsNfpa20[test];
    const QString& requirement =
        nfpa == text::kNfpa25 ? text::kNfpa25Requirement : text::kNfpa20Requirement;
    R[Label21].Text = text::kFirePump + CanOrCannot(meets) + requirement +
                      (meets ? text::kFullStop : text::kSeeCommentsBelow);
    R[Edit21].Text = p.NfpaComment[test];
    R[Edit22].Text.clear();
    SetHeight(R, PanelId::PumpPerformanceBlock, p.NfpaComment[test], kPerformanceHeights);
}

QString MotorSentence(MotorVerdict answer, const QString& nfpa) {
    switch (answer) {
    case MotorVerdict::Meets:
        return text::kMotorMeets + nfpa + text::kMotorMeetsEnd;
    case MotorVerdict::NotTaken:
        return text::kVoltsAmpsNotTaken + nfpa + text::kFullStop;
    case MotorVerdict::Fails:
        break;
    }
    return text::kMotorFails + nfpa + text::kMotorFailsEnd;
}

void FillMotor(ReportLayout& R, const ProjectData& p, int test, const QString& nfpa) {
    R.Panel(PanelId::MotorPerformanceBlock).Visible =
        IsElectricDriver(p) && HasElectricalReadings(p, test);
    const double volts = ParseBracedNumber(p.DriverVolts);
    const double amps = ParseBracedNumber(p.DriverAmps);
    const double serviceFactor = ParseBracedNumber(p.ServiceFactor);
    const MotorLimits limits(volts, amps, serviceFactor);
    R[Label30].Text = text::kMinVolts + FormatRounded(1, volts) + text::kMinVoltsFactor;
    R[Edit32].Text = RoundedOrNotAvailable(1, limits.LowVolts());
    R[Label32].Text = text::kMaxVolts + FormatRounded(1, volts) + text::kMaxVoltsFactor;
    R[Edit34].Text = RoundedOrNotAvailable(1, limits.HighVolts());
    R[Label27].Text = text::kMaxAmps + FormatRounded(2, amps) + text::kTimesServiceFactor +
                      FormatRounded(5, serviceFactor) + text::kEquals;
    R[Edit28].Text = RoundedOrNotAvailable(2, limits.MaxAmps());
    R[Label65].Text = MotorSentence(ReadMotorVerdict(p.MotorMeetsNfpa25[test]), nfpa);
    R[Edit35].Text = p.MotorComment[test];
    R[Edit36].Text.clear();
    SetHeight(R, PanelId::MotorPerformanceBlock, p.MotorComment[test], kMotorHeights);
}

QString OperatedOrNot(bool operated) {
    return operated ? text::kOperated : text::kDidNotOperate;
}

// The emergency start handle and the rated-speed start are electric controller tests; with a
// diesel engine the manual starts move up beside the automatic starts.
void FillControllerTests(ReportLayout& R, const ProjectData& p, int test, const QString& nfpa) {
    ReportPanel& panel = R.Panel(PanelId::ControllerTestsBlock);
    panel.Visible = nfpa == text::kNfpa20;
    R[Edit37].Text = p.AutomaticStarts[test];
    R[Edit38].Text = p.ManualStarts[test];
    R[Label37].Text =
        text::kEmergencyHandle + OperatedOrNot(p.EmergencyStartHandle[test]) + text::kProperly;
    R[Label39].Text = text::kPeakLoad + OperatedOrNot(p.LoadStartTest[test]) + text::kProperly;
    const bool electric = IsElectricDriver(p);
    for (ControlId id : {Label37, Edit39, Label38, Edit40})
        R[id].Visible = electric;
    const int commentTop = electric ? 92 : 44;
    R[Label31].Top = commentTop;
    R[Edit12].Top = commentTop;
    R[Edit14].Top = commentTop + 20;
    R[Label36].Left = electric ? 16 : 300;
    R[Label36].Top = electric ? 52 : 28;
    R[Edit38].Left = electric ? 120 : 404;
    R[Edit38].Top = electric ? 44 : 20;
    panel.Height = electric ? kElectricControllerHeight : kDieselControllerHeight;
    if (!p.ControllerTestComment[test].isEmpty())
        panel.Height += kControllerCommentHeight;
    R[Edit12].Text = p.ControllerTestComment[test];
    R[Edit14].Text.clear();
}

void FillPressureSettings(ReportLayout& R, const ProjectData& p, int test) {
    const QString pressure = QLatin1Char(' ') + UnitWordsFor(p.UnitSystem).PressureWord;
    const PressureSettingTable& settings = p.PressureSettings[test];
    R[Edit41].Text = settings[1][1] + pressure; // jockey pump on
    R[Edit42].Text = settings[2][1] + pressure; // jockey pump off
    R[Edit43].Text = settings[1][2] + pressure; // fire pump on
    R[Edit44].Text = settings[2][2] + pressure; // fire pump off
    R[Edit17].Text = p.PressureSettingsComment[test];
    R[Edit19].Text.clear();
    SetHeight(R, PanelId::PressureSettingsBlock, p.PressureSettingsComment[test],
              kPressureSettingHeights);
}

QString TransferSwitchSentence(std::optional<TransferSwitchStatus> state, const QString& nfpa) {
    if (state == TransferSwitchStatus::Passed)
        return text::kSwitchPassed + nfpa + text::kSwitchPassedEnd;
    if (state == TransferSwitchStatus::Failed)
        return text::kSwitchFailed + nfpa + text::kSwitchFailedEnd;
    if (state == TransferSwitchStatus::NotTested)
        return text::kSwitchNotTested + nfpa + text::kSwitchNotTestedEnd;
    return QString();
}

void FillTransferSwitch(ReportLayout& R, const ProjectData& p, int test, const QString& nfpa) {
    const std::optional<TransferSwitchStatus> state =
        ReadTransferSwitch(p.TransferSwitchState[test]);
    const bool electric = IsElectricDriver(p);
    R.Panel(PanelId::TransferSwitchTestBlock).Visible =
        electric && state && state != TransferSwitchStatus::NotApplicable &&
        state != TransferSwitchStatus::NoSwitch;
    R[Label44].Text = TransferSwitchSentence(state, nfpa);
    R[Edit46].Text = p.TransferSwitchNote[test];
    R[Edit47].Text.clear();
    SetHeight(R, PanelId::TransferSwitchTestBlock, p.TransferSwitchNote[test],
              kTransferSwitchHeights);
    R.Panel(PanelId::TransferSwitchResultsBlock).Visible =
        electric &&
        (state == TransferSwitchStatus::Passed || state == TransferSwitchStatus::Failed);
    FillTransferSwitchGrid(R.SG2, p, test);
}

} // namespace

void FillPumpTestSections(ReportLayout& R, const ProjectData& project, int test) {
    if (test < 1 || test > kTestCount)
        return;
    const QString& date = project.PumpTestDate[test];
    R[PumpTestDataHeading].Text =
        text::kFirePumpTest + (date.isEmpty() ? text::kNumberSign + QString::number(test) : date);
    FillTestDataGrid(R, project, test);
    const QString nfpa = NfpaStandard(project, test);
    FillPerformance(R, project, test, nfpa);
    FillMotor(R, project, test, nfpa);
    FillControllerTests(R, project, test, nfpa);
    FillPressureSettings(R, project, test);
    FillTransferSwitch(R, project, test, nfpa);
}

} // namespace quenra
