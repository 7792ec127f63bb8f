#include "GraphFiles.h"

#include "CaptureNames.h"
#include "JpegWriter.h"
#include "PdfFolder.h"
#include "graph/ColourConversion.h"
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

std::optional<QString> WriteCapture(const QImage& graph, const QString& name, Prompter& prompter) {
    QString error;
    if (!WriteJpeg(graph, name, &error)) {
        prompter.Inform(error);
        return std::nullopt;
    }
    prompter.Inform(CaptureSavedMessage(name));
    return name;
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

std::optional<QString> SaveGraphCapture(const GraphRendering& rendering, const ProjectData& project,
                                        const GraphCapturePlace& place, Prompter& prompter) {
    if (!place.CaptureFile.isEmpty()) {
        return WriteCapture(rendering.Graph, place.CaptureFile, prompter);
    }
    const QString base =
        GraphCaptureBase(CaptureFolder(project, place.ProgramFolder), place.TestTypeText);
    const std::optional<QString> name = UniqueFileName(base, kJpegExtension);
    if (!name) {
        prompter.Inform(NoFreeCaptureNameMessage(base, kJpegExtension));
        return std::nullopt;
    }
    return WriteCapture(rendering.Graph, *name, prompter);
}

QImage GraphPdfPage(const GraphRendering& rendering, const ProjectData& project) {
    QImage page(rendering.Size.Page, QImage::Format_RGB32);
    page.fill(ToQColor(project.TitleBackgroundColor));
    QPainter painter(&page);
    painter.drawImage(rendering.Size.Placement.topLeft(), rendering.Graph);
    return page;
}

std::optional<PdfPageImages> WriteGraphPdfPage(const GraphRendering& rendering,
                                               const ProjectData& project,
                                               const QString& imageFolder, Prompter& prompter) {
    if (imageFolder.isEmpty()) {
        return std::nullopt; // no run to write for
    }
    const QImage page = GraphPdfPage(rendering, project);
    const QString path = GraphPdfImagePath(imageFolder);
    QString error;
    if (!WriteJpeg(page, path, &error)) {
        prompter.Inform(error);
        return std::nullopt;
    }
    return PdfPageImages{{path}, std::max(page.width(), page.height())};
}

} // namespace quenra
