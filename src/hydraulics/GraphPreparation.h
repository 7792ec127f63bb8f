#pragma once

#include "AvailableFlow.h"
#include "CurveSet.h"
#include "DataErrorPrompt.h"
#include "DisplayOrder.h"
#include "LegendContent.h"

#include <QDateTime>
#include <QLocale>

namespace quenra {

class Prompter;

// What a graph rendering is asked for, beside the project.
struct GraphRequest {
    int RequestedTest = 0;       // 1..5 forces the evaluated test; 0 lets the rules choose
    bool LoadingProject = false; // a rendering while a file is read checks nothing
    bool UseTestDate = true;     // "Use Test Date Instead of Number"
    QDateTime Now = QDateTime::currentDateTime(); // the moment of an undated test
    QLocale Locale;                               // how test dates are read
    AvailableFlowOption AvailableFlow;            // the legend's available flow lines
};

// Everything a graph draws, computed before any drawing.
struct PreparedGraph {
    DisplayOrders Orders;
    EvaluatedTests Evaluated;
    CheckResult Check;
    CurveSet Curves;
    LegendContent Legend;
};

// The work of a rendering before it draws: the display orders and the evaluated tests, the
// silent data check with its question (which may raise residual flows to 10), then the curve
// rebuild, which the check's flags steer, and the legend content.
PreparedGraph PrepareGraph(ProjectData& project, Prompter& prompter, PromptFlags& flags,
                           const GraphRequest& request = GraphRequest());

} // namespace quenra
