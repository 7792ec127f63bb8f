#pragma once

#include "FlowPressure.h"

#include <vector>

namespace quenra {

struct ProjectData;

// The two curves a pump test gives: net pressure (what the pump adds) and discharge pressure
// (pump and supply together, the combined curve).
enum class PumpCurveKind { Net, Discharge };

// The readings of a pump test as points of one of its curves: flows from the flow column, or
// the speed-adjusted flows when the test plots adjusted values; net pressure likewise from the
// net or adjusted net column; discharge pressure brought to rated speed when adjusted. The
// points run from the churn row to the last row with a flow or pressure (the transfer switch
// row is no point of the curve); a blank row between them is a point at zero flow and pressure.
std::vector<FlowPressure> ReadPumpTestPoints(const ProjectData& project, int pumpTest,
                                             PumpCurveKind kind);

} // namespace quenra
