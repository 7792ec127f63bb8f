#pragma once

#include "CurveSet.h"
#include "DisplayOrder.h"
#include "model/ProjectData.h"

namespace quenra {

// The line width of the graph's curves for the "Line Thickness" choice: 1, 2 or 4 pixels for
// "Small", "Medium", "Large"; a choice outside them counts as the nearest one.
int CurveLineWidth(int lineThicknessIndex);

// Rebuilds every series and the demand results from the project: the supply curves of the
// five hydrant tests, the rated pump and combined curves, the NFPA 20 and 25 references, the
// pump test curves and the demand points. `flaggedPumpTests` are the pump tests the data
// error check found fault with: they get no fitted curve and are marked bad.
CurveSet RebuildCurves(const ProjectData& project, const EvaluatedTests& evaluated,
                       const PerTest<bool>& flaggedPumpTests);

} // namespace quenra
