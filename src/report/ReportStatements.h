#pragma once

#include "ReportFillContext.h"
#include "ReportLayout.h"

namespace quenra {

// Writes the project's values, the generated statements and the tables into the layout, and
// sets the sections' visibility, heights and positions. `testNumber` is 0 for the summary
// page of a fire pump report, a fire pump test 1..5, or a hydrant test 1..5.
void FillReportTexts(ReportLayout& R, const ReportFillContext& context, int testNumber);

} // namespace quenra
