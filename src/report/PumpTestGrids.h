#pragma once

#include "ReportLayout.h"

namespace quenra {

struct ProjectData;

// The test data table SG1 of fire pump test 1..5 (headers, the churn row and the flowing
// points with their nozzles and pitot readings) with its height and its section's height.
void FillTestDataGrid(ReportLayout& R, const ProjectData& project, int test);

// The transfer switch results table SG2: the same headers and the transfer switch reading.
void FillTransferSwitchGrid(ReportGrid& grid, const ProjectData& project, int test);

} // namespace quenra
