#include "PdfFolder.h"

#include <QDir>
#include <QFile>

namespace quenra {

QString PdfImageFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("PDF"));
}

QString GraphPdfImagePath(const QString& programFolder) {
    return QDir(PdfImageFolder(programFolder)).filePath(QStringLiteral("Graph.jpg"));
}

QString ReportPdfImagePath(const QString& programFolder, int page) {
    return QDir(PdfImageFolder(programFolder))
        .filePath(QStringLiteral("Report") + QString::number(page) + QStringLiteral(".jpg"));
}

bool ClearFolder(const QString& folder) {
    const QDir dir(folder);
    bool cleared = true;
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : files) {
        cleared = QFile::remove(dir.filePath(name)) && cleared;
    }
    return cleared;
}

} // namespace quenra
