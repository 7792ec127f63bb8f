#include "DemandVerdictSource.h"

namespace quenra {

DemandVerdictSource PreparedGraphVerdicts(ProjectData& project, Prompter& prompter,
                                          PromptFlags& flags, GraphRequest base) {
    return [&project, &prompter, &flags, base](int requestedTest) {
        GraphRequest request = base;
        request.RequestedTest = requestedTest;
        return PrepareGraph(project, prompter, flags, request).Legend.DemandVerdict;
    };
}

} // namespace quenra
