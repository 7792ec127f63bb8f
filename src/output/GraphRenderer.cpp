#include "GraphRenderer.h"

#include "graph/ReportLogo.h"
#include "model/ProjectData.h"

namespace quenra {

GraphRenderer::GraphRenderer() : logo_(MakeReportLogo()) {}

std::optional<GraphRendering> GraphRenderer::Render(GraphTarget target, const ProjectData& project,
                                                    const CheckResult& check,
                                                    const GraphRenderContext& context) const {
    GraphRendering rendering;
    rendering.Size = TargetSize(target, project, context.ScreenBox, context.PrinterPage);
    rendering.Prepared = PrepareGraph(project, check, context.Request);
    if (!rendering.Size.Render) {
        return std::nullopt;
    }
    rendering.Graph = QImage(rendering.Size.Bitmap, QImage::Format_RGB32);
    rendering.Layout = DrawGraphPage(rendering.Graph, project, rendering.Prepared, logo_,
                                     context.Request.RequestedTest);
    return rendering;
}

} // namespace quenra
