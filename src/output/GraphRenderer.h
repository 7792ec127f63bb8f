#pragma once

#include "graph/GraphPage.h"
#include "graph/GraphTargetSize.h"
#include "hydraulics/GraphPreparation.h"

#include <QImage>
#include <QSize>

#include <optional>

namespace quenra {

struct ProjectData;

// What a graph rendering needs to know of the place it runs in.
struct GraphRenderContext {
    QSize ScreenBox;      // the Graph tab's paint box; also "Actual Size"
    QSize PrinterPage;    // the printer page in device pixels (printer target only)
    GraphRequest Request; // the requested test and how dates are read
};

// One finished rendering.
struct GraphRendering {
    GraphBitmapSize Size;
    QImage Graph; // the graph page
    GraphPageLayout Layout;
    PreparedGraph Prepared; // the curves, demand results and verdicts it drew
};

// Renders the graph page of the project for one target (GraphTarget): the evaluated tests,
// the curve rebuild steered by the caller's data check (CheckBeforeDrawing), the drawing. It
// asks nothing, writes no file and changes nothing: the step that asked for the page shows,
// prints or writes it. A target without room renders nothing.
class GraphRenderer {
public:
    GraphRenderer();

    std::optional<GraphRendering> Render(GraphTarget target, const ProjectData& project,
                                         const CheckResult& check,
                                         const GraphRenderContext& context) const;

private:
    QImage logo_;
};

} // namespace quenra
