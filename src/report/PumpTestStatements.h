#pragma once

#include "ReportLayout.h"

namespace quenra {

struct ProjectData;

// The sections of one fire pump test (1..5): its data table heading and table, the pump and
// motor performance statements, the controller acceptance tests, the pressure settings and
// the transfer switch test with its results.
void FillPumpTestSections(ReportLayout& R, const ProjectData& project, int test);

} // namespace quenra
