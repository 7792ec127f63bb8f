#include "CurvesCommand.h"

#include "BatchOpening.h"
#include "CurvesJson.h"
#include "hydraulics/DataErrorPrompt.h"
#include "hydraulics/GraphPreparation.h"
#include "model/ProjectData.h"

namespace quenra {

int PrintCurves(const QString& path, int requestedTest, Prompter& prompter, std::FILE* out) {
    ProjectData project;
    if (!OpenForBatch(project, path, prompter)) {
        return 1;
    }
    // A project just opened has neither prompt flag set.
    PromptFlags flags;
    GraphRequest request;
    request.RequestedTest = requestedTest;
    const CheckResult check = CheckBeforeDrawing(project, prompter, flags);
    const PreparedGraph graph = PrepareGraph(project, check, request);
    const std::string json = CurvesJson(project, graph);
    std::fprintf(out, "%s\n", json.c_str());
    std::fflush(out);
    return 0;
}

} // namespace quenra
