#include "PumpTestPoints.h"

#include "NumberText.h"
#include "PumpTestLayout.h"
#include "PumpTestTable.h"
#include "model/ProjectData.h"

namespace quenra {

namespace {

// Discharge pressure at rated speed by the affinity law, when the row has a speed to scale.
double DischargePressure(const ProjectData& project, int pumpTest, int row) {
    const auto& cells = project.PumpReadings[pumpTest][row];
    const double discharge = ParseBracedNumber(cells[kDischargeColumn]);
    if (!project.PlotAdjusted[pumpTest])
        return discharge;
    const double ratedSpeed = ParseNumber(project.RatedSpeed);
    const double speed = ParseBracedNumber(cells[kSpeedColumn]);
    if (ratedSpeed == 0.0 || speed == 0.0)
        return discharge;
    return discharge * ratedSpeed * ratedSpeed / (speed * speed);
}

} // namespace

std::vector<FlowPressure> ReadPumpTestPoints(const ProjectData& project, int pumpTest,
                                             PumpCurveKind kind) {
    if (pumpTest < 1 || pumpTest > kTestCount)
        return {};
    const bool adjusted = project.PlotAdjusted[pumpTest];
    const int flowColumn = adjusted ? kAdjustedFlowColumn : kFlowColumn;
    const int netColumn = adjusted ? kAdjustedPressureColumn : kNetPressureColumn;
    const int rows = HasTransferSwitchRow(project, pumpTest) ? kReadingRows - 1 : kReadingRows;

    std::vector<FlowPressure> points(static_cast<std::size_t>(rows));
    std::size_t count = 0;
    for (int row = 1; row <= rows; ++row) {
        const auto& cells = project.PumpReadings[pumpTest][row];
        const double flow = ParseBracedNumber(cells[flowColumn]);
        const double pressure = kind == PumpCurveKind::Net
                                    ? ParseBracedNumber(cells[netColumn])
                                    : DischargePressure(project, pumpTest, row);
        if (flow != 0.0 || pressure != 0.0) {
            points[static_cast<std::size_t>(row - 1)] = {flow, pressure};
            count = static_cast<std::size_t>(row);
        }
    }
    points.resize(count);
    return points;
}

} // namespace quenra
