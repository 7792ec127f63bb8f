#pragma once

#include "hydraulics/GraphPreparation.h"
#include "model/ProjectData.h"

#include <QString>

#include <functional>

namespace quenra {

class Prompter;
struct PromptFlags;

// The demand point results the report quotes for a requested test (0 lets the graph's rules
// choose the evaluated tests): the verdict texts of the graph legend.
using DemandVerdictSource = std::function<PerTest<QString>(int requestedTest)>;

// Verdicts from the graph preparation of the project, as its rendering would produce them:
// the silent data check (asking through the prompter, which may raise residual flows to 10),
// the curve rebuild and the legend. `base` gives the moment and locale of undated tests.
DemandVerdictSource PreparedGraphVerdicts(ProjectData& project, Prompter& prompter,
                                          PromptFlags& flags, GraphRequest base = GraphRequest());

} // namespace quenra
