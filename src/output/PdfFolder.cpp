#include "PdfFolder.h"

#include <QDir>

namespace quenra {

QString PdfImageFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("PDF"));
}

QString GraphPdfImagePath(const QString& imageFolder) {
    return QDir(imageFolder).filePath(QStringLiteral("Graph.jpg"));
}

QString ReportPdfImagePath(const QString& imageFolder, int page) {
    return QDir(imageFolder)
        .filePath(QStringLiteral("Report") + QString::number(page) + QStringLiteral(".jpg"));
}

} // namespace quenra
