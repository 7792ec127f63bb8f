#include "GraphCommand.h"

#include "BatchOpening.h"
#include "files/ProgramFolder.h"
#include "hydraulics/DataErrorPrompt.h"
#include "model/ProjectData.h"
#include "output/GraphFiles.h"
#include "output/GraphRenderer.h"

namespace quenra {

int WriteGraph(const QString& path, const QString& output, int requestedTest, int sizeIndex,
               Prompter& prompter) {
    ProjectData project;
    if (!OpenForBatch(project, path, prompter)) {
        return 1;
    }
    if (sizeIndex >= 0) {
        project.CaptureSizeIndex = sizeIndex;
    }
    GraphRenderContext context;
    context.ScreenBox = QSize(kBatchGraphWidth, kBatchGraphHeight);
    context.Request.RequestedTest = requestedTest;
    // A project just opened has neither prompt flag set.
    PromptFlags flags;
    const CheckResult check = CheckBeforeDrawing(project, prompter, flags);
    const std::optional<GraphRendering> rendering =
        GraphRenderer().Render(GraphTarget::Capture, project, check, context);
    if (!rendering) {
        return 1;
    }
    GraphCapturePlace place;
    place.ProgramFolder = ProgramFolder();
    place.TestTypeText = TestTypeText(project.IsHydrantTest);
    place.CaptureFile = output;
    return SaveGraphCapture(*rendering, project, place, prompter) == output ? 0 : 1;
}

} // namespace quenra
