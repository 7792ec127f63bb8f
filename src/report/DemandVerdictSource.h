#pragma once

#include "hydraulics/GraphPreparation.h"
#include "model/ProjectData.h"

#include <QString>

#include <functional>

namespace quenra {

// The demand point results the report quotes for a requested test (0 lets the graph's rules
// choose the evaluated tests): the verdicts of the graph legend.
using DemandVerdictSource = std::function<PerTest<DemandPointVerdict>(int requestedTest)>;

// Verdicts from the graph preparation of the project, as its rendering would produce them: the
// curve rebuild steered by the data check the caller ran first (CheckBeforeDrawing) and the
// legend. Asks nothing and changes nothing. `base` gives the moment and locale of undated tests.
DemandVerdictSource PreparedGraphVerdicts(const ProjectData& project, CheckResult check,
                                          GraphRequest base = GraphRequest());

} // namespace quenra
