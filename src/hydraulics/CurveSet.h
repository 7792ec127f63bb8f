#pragma once

#include "CurveTable.h"
#include "DemandResults.h"

namespace quenra {

// What one rebuild produces: the series the graph draws, the pressures at the demand points
// and which pump tests have data no curve can be fitted through (marked in the legend).
struct CurveSet {
    CurveTable Curves;
    DemandResults Demand;
    PerTest<bool> BadData{};
};

} // namespace quenra
