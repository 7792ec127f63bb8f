#pragma once

#include "ReportLayout.h"

namespace quenra {

struct ProjectData;

// The water supply section of hydrant test 1..5, and that test's comment lines.
void FillWaterSupplySection(ReportLayout& R, const ProjectData& project, int hydrantTest);

} // namespace quenra
