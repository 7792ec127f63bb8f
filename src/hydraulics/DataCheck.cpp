#include "DataCheck.h"

#include "CheckMessages.h"
#include "NumberText.h"
#include "PumpTestLayout.h"
#include "PumpTestTable.h"
#include "platform/Prompter.h"

namespace quenra {

namespace msg = check_messages;

namespace {

// Only the hydrant tests whose curve is shown are checked, and so raised.
bool TooSmallResidualFlow(const ProjectData& project, int n) {
    return ParseNumber(project.SupplyResidualFlow[n]) <= msg::kSmallestResidualFlow;
}

void CheckHydrantTests(const ProjectData& project, CheckResult& result) {
    for (int n = 1; n <= kTestCount; ++n) {
        if (!project.SupplyShowCurve[n])
            continue;
        const double staticPressure = ParseNumber(project.SupplyStaticPressure[n]);
        const double residualPressure = ParseNumber(project.SupplyResidualPressure[n]);
        if (staticPressure <= 0.0)
            result.Messages << msg::IllegalStaticPressure(n);
        if (residualPressure <= 0.0)
            result.Messages << msg::IllegalResidualPressure(n);
        if (TooSmallResidualFlow(project, n))
            result.Messages << msg::IllegalResidualFlow(n);
        if (residualPressure > staticPressure)
            result.Messages << msg::ResidualExceedsStatic(n);
    }
}

void CheckRatedPump(const ProjectData& project, CheckResult& result) {
    if (!project.ShowPumpRatingCurve && !project.ShowNfpa20Curve)
        return;
    const double ratedFlow = ParseNumber(project.RatedFlow);
    const double rated = ParseNumber(project.RatedPressure);
    const double churn = ParseNumber(project.ChurnPressure);
    const double at150 = ParseNumber(project.PressureAt150);
    if (ratedFlow <= 0.0)
        result.Messages << msg::kIllegalRatedFlow;
    if (rated <= 0.0)
        result.Messages << msg::kIllegalRatedPressure;
    if (churn <= 0.0)
        result.Messages << msg::kIllegalChurnPressure;
    if (at150 <= 0.0)
        result.Messages << msg::kIllegalPressureAt150;
    if (!(churn > rated))
        result.Messages << msg::kRatedExceedsChurn;
    if (!(rated > at150))
        result.Messages << msg::kAt150ExceedsRated;
}

// The rows of the table up to the last one with a flow or a pressure; the churn row is shown
// to the inspector as row zero.
void CheckPumpTest(const ProjectData& project, int n, CheckResult& result) {
    const qsizetype before = result.Messages.size();
    const bool adjusted = project.PlotAdjusted[n];
    const int flowColumn = adjusted ? kAdjustedFlowColumn : kFlowColumn;
    const int pressureColumn = adjusted ? kAdjustedPressureColumn : kNetPressureColumn;
    const int lastRow = LastReadingRow(project, n);
    if (lastRow == 0)
        result.Messages << msg::NoPumpTestData(n);
    for (int r = 1; r <= lastRow; ++r) {
        const auto& cells = project.PumpReadings[n][r];
        const double flow = ParseBracedNumber(cells[flowColumn]);
        if (ParseBracedNumber(cells[pressureColumn]) <= 0.0)
            result.Messages << msg::IllegalPumpTestPressure(r - 1, n);
        if (r == kChurnRow && flow != 0.0)
            result.Messages << msg::NonZeroChurnFlow(n);
        if (r > kChurnRow && flow <= 0.0)
            result.Messages << msg::IllegalPumpTestFlow(r - 1, n);
    }
    result.FlaggedPumpTests[n] = result.Messages.size() > before;
}

void CheckPumpTests(const ProjectData& project, CheckResult& result) {
    for (int n = 1; n <= kTestCount; ++n) {
        if (project.PumpTestInGraph[n] || project.PumpTestCombined[n])
            CheckPumpTest(project, n, result);
    }
}

void CheckDemandPoints(const ProjectData& project, CheckResult& result) {
    const bool hydrant = project.IsHydrantTest;
    for (int n = 1; n <= kTestCount; ++n) {
        if (!(hydrant ? project.HydrantDemandShow[n] : project.DemandShow[n]))
            continue;
        if (ParseNumber(hydrant ? project.HydrantDemandFlow[n] : project.DemandFlow[n]) <= 0.0)
            result.Messages << msg::IllegalDemandFlow(n);
        if (ParseNumber(hydrant ? project.HydrantDemandPressure[n] : project.DemandPressure[n]) <=
            0.0)
            result.Messages << msg::IllegalDemandPressure(n);
    }
}

} // namespace

CheckResult FindDataErrors(const ProjectData& project, bool loadingProject) {
    CheckResult result;
    if (loadingProject)
        return result;
    if (project.IsHydrantTest) {
        CheckHydrantTests(project, result);
    } else {
        CheckRatedPump(project, result);
        CheckPumpTests(project, result);
    }
    CheckDemandPoints(project, result);
    return result;
}

void RaiseSmallResidualFlows(ProjectData& project, bool loadingProject) {
    if (loadingProject || !project.IsHydrantTest)
        return;
    for (int n = 1; n <= kTestCount; ++n) {
        // A curve through (almost) no flow is meaningless; drawn through 10 it stays visible
        // while the inspector corrects it.
        if (project.SupplyShowCurve[n] && TooSmallResidualFlow(project, n))
            project.SupplyResidualFlow[n] = msg::kSmallestResidualFlowText;
    }
}

CheckResult CheckData(ProjectData& project, bool loadingProject) {
    CheckResult result = FindDataErrors(project, loadingProject);
    RaiseSmallResidualFlows(project, loadingProject);
    return result;
}

CheckResult CheckDataShowing(ProjectData& project, Prompter& prompter, bool loadingProject) {
    CheckResult result = CheckData(project, loadingProject);
    for (const QString& message : result.Messages)
        prompter.Inform(message);
    return result;
}

CheckResult ErrorCheckCommand(ProjectData& project, Prompter& prompter) {
    CheckResult result = CheckDataShowing(project, prompter);
    if (!result.ErrorsFound())
        prompter.Inform(msg::kNoErrorsFound);
    return result;
}

} // namespace quenra
