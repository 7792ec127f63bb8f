#include "GraphRenderer.h"

#include "BusyScope.h"
#include "CaptureNames.h"
#include "JpegWriter.h"
#include "PdfFolder.h"
#include "graph/ColourConversion.h"
#include "graph/ReportLogo.h"
#include "model/ProjectData.h"
#include "platform/Prompter.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace quenra {

namespace {

const QString kFirePumpTestType = QStringLiteral("Fire Pump Test");
const QString kHydrantTestType = QStringLiteral("Fire Hydrant Test");
const QString kUntitled = QStringLiteral("untitled");
const QString kJpegExtension = QStringLiteral(".jpg");

void WriteCapture(GraphRendering& rendering, const QString& name, Prompter& prompter) {
    QString error;
    if (!WriteJpeg(rendering.Graph, name, &error)) {
        prompter.Inform(error);
        return;
    }
    rendering.WrittenFile = name;
    prompter.Inform(CaptureSavedMessage(name));
}

void SaveCapture(GraphRendering& rendering, const ProjectData& project, Prompter& prompter,
                 const GraphRenderContext& context) {
    if (!context.CaptureFile.isEmpty()) {
        WriteCapture(rendering, context.CaptureFile, prompter);
        return;
    }
    const QString base =
        GraphCaptureBase(CaptureFolder(project, context.ProgramFolder), context.TestTypeText);
    const std::optional<QString> name = UniqueFileName(base, kJpegExtension);
    if (!name) {
        prompter.Inform(NoFreeCaptureNameMessage(base, kJpegExtension));
        return;
    }
    WriteCapture(rendering, *name, prompter);
}

void SavePdfPage(GraphRendering& rendering, const ProjectData& project, Prompter& prompter,
                 const GraphRenderContext& context) {
    if (context.PdfImageFolder.isEmpty()) {
        return; // no run to write for
    }
    rendering.Page = QImage(rendering.Size.Page, QImage::Format_RGB32);
    rendering.Page.fill(ToQColor(project.TitleBackgroundColor));
    {
        QPainter painter(&rendering.Page);
        painter.drawImage(rendering.Size.Placement.topLeft(), rendering.Graph);
    }
    const QString path = GraphPdfImagePath(context.PdfImageFolder);
    QString error;
    if (!WriteJpeg(rendering.Page, path, &error)) {
        prompter.Inform(error);
        return;
    }
    rendering.WrittenFile = path;
    rendering.PageImageSide = std::max(rendering.Page.width(), rendering.Page.height());
}

} // namespace

QString TestTypeText(bool isHydrantTest) {
    return isHydrantTest ? kHydrantTestType : kFirePumpTestType;
}

QString CaptureFolder(const ProjectData& project, const QString& programFolder) {
    if (project.ProjectFileName.isEmpty() || project.ProjectFileName == kUntitled) {
        return programFolder;
    }
    return QFileInfo(project.ProjectFileName).absolutePath();
}

GraphRenderer::GraphRenderer() : logo_(MakeReportLogo()) {}

std::optional<GraphRendering> GraphRenderer::Render(GraphTarget target, ProjectData& project,
                                                    Prompter& prompter, PromptFlags& flags,
                                                    const GraphRenderContext& context) {
    if (busy_) {
        return std::nullopt;
    }
    const BusyScope busy(busy_);
    GraphRendering rendering;
    rendering.Size = TargetSize(target, project, context.ScreenBox, context.PrinterPage);
    rendering.Prepared = PrepareGraph(project, prompter, flags, context.Request);
    if (!rendering.Size.Render) {
        return std::nullopt;
    }
    rendering.Graph = QImage(rendering.Size.Bitmap, QImage::Format_RGB32);
    rendering.Layout = DrawGraphPage(rendering.Graph, project, rendering.Prepared, logo_,
                                     context.Request.RequestedTest);

    if (target == GraphTarget::Capture) {
        SaveCapture(rendering, project, prompter, context);
    } else if (target == GraphTarget::Pdf) {
        SavePdfPage(rendering, project, prompter, context);
    }
    return rendering;
}

} // namespace quenra
