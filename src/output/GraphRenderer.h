#pragma once

#include "graph/GraphPage.h"
#include "graph/GraphTargetSize.h"
#include "hydraulics/GraphPreparation.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace quenra {

class Prompter;
struct ProjectData;

// What a graph rendering needs to know of the place it runs in.
struct GraphRenderContext {
    QSize ScreenBox;        // the Graph tab's paint box; also "Actual Size"
    QSize PrinterPage;      // the printer page in device pixels (printer target only)
    QString ProgramFolder;  // untitled captures go here
    QString PdfImageFolder; // PDF: the run's folder the page image is written to
    QString TestTypeText;   // the "Test Type" choice shown: the capture's name
    QString CaptureFile;    // when set, a capture is written there instead of the next free name
    GraphRequest Request;   // the requested test and how dates are read
};

// One finished rendering.
struct GraphRendering {
    GraphBitmapSize Size;
    QImage Graph; // the graph page
    QImage Page;  // PDF: the page with the graph placed on it
    GraphPageLayout Layout;
    PreparedGraph Prepared; // the curves, demand results and verdicts it drew
    QString WrittenFile;    // capture or PDF page image written; empty otherwise
    int PageImageSide = 0;  // PDF: the page image's longer side
};

// The texts of the capture folder's test type choices.
QString TestTypeText(bool isHydrantTest);

// The folder captures go to: the project file's folder, the program's folder while untitled.
QString CaptureFolder(const ProjectData& project, const QString& programFolder);

// Renders the graph page of the project for one target. The whole chain runs:
// evaluated tests, the silent check and its question, the curve rebuild, the drawing. Then
// capture writes the next free numbered JPEG beside the project and says so; PDF writes the
// page image into the run's folder; screen and printer leave the image to the caller. A rendering
// asked for while one is running (a repaint during the check's question) renders nothing, as does a
// target without room.
class GraphRenderer {
public:
    GraphRenderer();

    std::optional<GraphRendering> Render(GraphTarget target, ProjectData& project,
                                         Prompter& prompter, PromptFlags& flags,
                                         const GraphRenderContext& context);

    bool Busy() const { return busy_; }

private:
    bool busy_ = false;
    QImage logo_;
};

} // namespace quenra
