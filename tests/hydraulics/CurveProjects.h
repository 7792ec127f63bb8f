#pragma once

#include "hydraulics/PumpTestLayout.h"
#include "model/ProjectData.h"

#include <QString>

#include <initializer_list>

namespace quenra::test {

// Projects for the curve tests, written the way an inspector fills the pages.

inline QString Text(double value) {
    return QString::number(value, 'g', 15);
}

// A fire pump project with nothing on the graph: every switch that shows a curve is off.
inline ProjectData BlankPumpProject() {
    ProjectData p;
    p.IsHydrantTest = false;
    p.ShowPumpRatingCurve = false;
    for (int t = 1; t <= kTestCount; ++t)
        p.SupplyShowCurve[t] = false;
    return p;
}

inline ProjectData BlankHydrantProject() {
    ProjectData p = BlankPumpProject();
    p.IsHydrantTest = true;
    return p;
}

inline void SetSupplyTest(ProjectData& p, int t, const char* staticPressure,
                          const char* residualPressure, const char* residualFlow) {
    p.SupplyStaticPressure[t] = QString::fromLatin1(staticPressure);
    p.SupplyResidualPressure[t] = QString::fromLatin1(residualPressure);
    p.SupplyResidualFlow[t] = QString::fromLatin1(residualFlow);
}

inline void SetRatedPump(ProjectData& p, const char* flow, const char* churn, const char* rated,
                         const char* at150) {
    p.RatedFlow = QString::fromLatin1(flow);
    p.ChurnPressure = QString::fromLatin1(churn);
    p.RatedPressure = QString::fromLatin1(rated);
    p.PressureAt150 = QString::fromLatin1(at150);
}

// One reading row of pump test t as the table stores it: flow, net and discharge pressure.
struct Reading {
    double Flow;
    double Net;
    double Discharge;
};

inline void SetReadings(ProjectData& p, int t, std::initializer_list<Reading> readings) {
    int row = kChurnRow;
    for (const Reading& r : readings) {
        p.PumpReadings[t][row][kFlowColumn] = Text(r.Flow);
        p.PumpReadings[t][row][kNetPressureColumn] = QLatin1Char('{') + Text(r.Net) + '}';
        p.PumpReadings[t][row][kDischargeColumn] = Text(r.Discharge);
        ++row;
    }
}

inline void SetDemandPoint(ProjectData& p, int k, const char* flow, const char* pressure) {
    const QString f = QString::fromLatin1(flow);
    const QString pr = QString::fromLatin1(pressure);
    if (p.IsHydrantTest) {
        p.HydrantDemandFlow[k] = f;
        p.HydrantDemandPressure[k] = pr;
        p.HydrantDemandShow[k] = true;
    } else {
        p.DemandFlow[k] = f;
        p.DemandPressure[k] = pr;
        p.DemandShow[k] = true;
    }
}

} // namespace quenra::test
