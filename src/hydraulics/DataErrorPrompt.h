#pragma once

#include "DataCheck.h"

namespace quenra {

class Prompter;

// The two flags the window keeps for the question before a rendering. Both are cleared at
// start-up, by New and when a project is opened; ErrorPromptShown also on every change of the
// main tab.
struct PromptFlags {
    bool ErrorPromptShown = false;      // asked once since the last tab change
    bool ErrorPromptSuppressed = false; // the inspector chose Abort
};

// What every caller of a rendering runs before it prepares the graph: the check runs silently
// (raising too small residual flows to "10"); when it found problems and the question is neither
// suppressed nor already asked, asks "Display errors?" with Yes, No and Abort. Yes shows every
// message, Abort suppresses the question until the next New or opened project. Returns the
// silent check's result, whose flags the graph preparation needs.
CheckResult CheckBeforeDrawing(ProjectData& project, Prompter& prompter, PromptFlags& flags,
                               bool loadingProject = false);

} // namespace quenra
