#include "GraphCommand.h"

#include "BatchOpening.h"
#include "files/ProgramFolder.h"
#include "model/ProjectData.h"
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
    context.ProgramFolder = ProgramFolder();
    context.TestTypeText = TestTypeText(project.IsHydrantTest);
    context.CaptureFile = output;
    context.Request.RequestedTest = requestedTest;
    // A project just opened has neither prompt flag set.
    PromptFlags flags;
    GraphRenderer renderer;
    const std::optional<GraphRendering> rendering =
        renderer.Render(GraphTarget::Capture, project, prompter, flags, context);
    return rendering && rendering->WrittenFile == output ? 0 : 1;
}

} // namespace quenra
