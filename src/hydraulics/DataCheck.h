#pragma once

#include "model/ProjectData.h"

#include <QStringList>

namespace quenra {

class Prompter;

// What one run of the data error check found.
struct CheckResult {
    QStringList Messages;             // in the order the check reports them
    PerTest<bool> FlaggedPumpTests{}; // pump tests a message concerns; they get no fitted curve

    bool ErrorsFound() const { return !Messages.isEmpty(); }
};

// Looks for numbers that make the shown curves meaningless: hydrant tests with their curve
// displayed (hydrant projects), the rated pump while its curve or the NFPA 20 curve is shown
// and pump tests with a displayed curve (fire pump projects), and enabled demand points.
// Changes nothing. While a project is being read it finds nothing.
CheckResult FindDataErrors(const ProjectData& project, bool loadingProject = false);

// The check's one repair: the residual flow of a displayed hydrant test that is 10 or less
// becomes "10". Nothing while a project is being read.
void RaiseSmallResidualFlows(ProjectData& project, bool loadingProject = false);

// The data check: what FindDataErrors finds, with the residual flows raised. Raising to "10"
// is the only change the check makes to the project.
CheckResult CheckData(ProjectData& project, bool loadingProject = false);

// The check in showing mode: every message in a message box of its own, in order.
CheckResult CheckDataShowing(ProjectData& project, Prompter& prompter, bool loadingProject = false);

// The "Error Check" command: the check in showing mode, or "No errors found".
CheckResult ErrorCheckCommand(ProjectData& project, Prompter& prompter);

} // namespace quenra
