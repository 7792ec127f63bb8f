#pragma once

#include "hydraulics/PumpTestLayout.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "report/ReportStatements.h"
#include "report/ReportTemplate.h"

#include <QString>

namespace quenra::test {

// A fire pump project as an inspector leaves it after one electric-driven annual test with
// readings at churn and two flowing points.
inline ProjectData ElectricPumpProject() {
    ProjectData p;
    ResetToDefaults(p);
    p.ClientName = QStringLiteral("Riverside Paper Mill");
    p.DriverKind = kElectricDriver;
    p.DriverVolts = QStringLiteral("480");
    p.DriverAmps = QStringLiteral("10");
    p.ServiceFactor = QStringLiteral("1.15");
    p.RatedFlow = QStringLiteral("1000");
    p.RatedPressure = QStringLiteral("100");
    p.ChurnPressure = QStringLiteral("118");
    p.PressureAt150 = QStringLiteral("72");
    p.RatedSpeed = QStringLiteral("1780");
    p.PumpTestDate[1] = QStringLiteral("10/14/2026");
    p.PumpTestKind[1] = QStringLiteral("Annual");
    const char* rows[3][15] = {
        {"480", "481", "479", "", "9", "9", "9", "", "1780", "150", "30", "{120}", "", "0", ""},
        {"470", "471", "469", "", "10", "10", "10", "", "1770", "130", "28", "{102}", "", "1000",
         ""},
        {"465", "466", "464", "", "11", "11", "11", "", "1760", "105", "25", "{80}", "", "1500",
         ""},
    };
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 15; ++column)
            p.PumpReadings[1][row + 1][column + 1] = QString::fromLatin1(rows[row][column]);
    return p;
}

// Fills the layout of a page of the project's test as the composer would, with the given
// verdicts at the demand points.
inline ReportLayout FilledLayout(const ProjectData& project, int test, int pageIndex = 1,
                                 const PerTest<DemandPointVerdict>& verdicts = {}) {
    ReportLayout R = ReportTemplate();
    FillReportTexts(R, ReportFillContext{project, pageIndex, verdicts}, test);
    return R;
}

} // namespace quenra::test
