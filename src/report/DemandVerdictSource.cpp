#include "DemandVerdictSource.h"

namespace quenra {

DemandVerdictSource PreparedGraphVerdicts(const ProjectData& project, CheckResult check,
                                          GraphRequest base) {
    return [&project, check = std::move(check), base](int requestedTest) {
        GraphRequest request = base;
        request.RequestedTest = requestedTest;
        return PrepareGraph(project, check, request).Legend.DemandVerdict;
    };
}

} // namespace quenra
