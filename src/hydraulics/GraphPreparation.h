#pragma once

#include "AvailableFlow.h"
#include "CurveSet.h"
#include "DataCheck.h"
#include "DisplayOrder.h"
#include "LegendContent.h"

#include <QDateTime>
#include <QLocale>

namespace quenra {

// What a graph rendering is asked for, beside the project.
struct GraphRequest {
    int RequestedTest = 0;   // 1..5 forces the evaluated test; 0 lets the rules choose
    bool UseTestDate = true; // "Use Test Date Instead of Number"
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
// curve rebuild, which the flags of the data check steer, and the legend content. The check is
// the caller's step before this one (CheckBeforeDrawing): preparing asks nothing and changes
// nothing.
PreparedGraph PrepareGraph(const ProjectData& project, const CheckResult& check,
                           const GraphRequest& request = GraphRequest());

} // namespace quenra
