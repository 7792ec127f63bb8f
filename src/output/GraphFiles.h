#pragma once

#include "GraphRenderer.h"
#include "PdfPageImages.h"

#include <QString>

#include <optional>

namespace quenra {

class Prompter;
struct ProjectData;

// Where the Capture command puts the graph page.
struct GraphCapturePlace {
    QString ProgramFolder; // untitled captures go here
    QString TestTypeText;  // the "Test Type" choice shown: the capture's name
    QString CaptureFile;   // when set, the capture is written there instead of the next free name
};

// The texts of the capture folder's test type choices.
QString TestTypeText(bool isHydrantTest);

// The folder captures go to: the project file's folder, the program's folder while untitled.
QString CaptureFolder(const ProjectData& project, const QString& programFolder);

// Writes a capture rendering as the next free numbered JPEG beside the project (or as the
// place's file) and says so. The file written, or nothing after telling why.
std::optional<QString> SaveGraphCapture(const GraphRendering& rendering, const ProjectData& project,
                                        const GraphCapturePlace& place, Prompter& prompter);

// The page a PDF rendering goes on: the graph placed by the margins on the title background.
QImage GraphPdfPage(const GraphRendering& rendering, const ProjectData& project);

// Writes the page of a PDF rendering into the run's image folder for the converter. The image
// with its longer side, or nothing after telling why.
std::optional<PdfPageImages> WriteGraphPdfPage(const GraphRendering& rendering,
                                               const ProjectData& project,
                                               const QString& imageFolder, Prompter& prompter);

} // namespace quenra
