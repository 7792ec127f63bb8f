#include "output/PdfFileChoice.h"

#include "output/PdfMessages.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace quenra {

namespace {

bool IsUntitled(const QString& projectFileName) {
    return projectFileName.isEmpty() || projectFileName == pdf_messages::kUntitled;
}

// A folder or a dangling link of that name counts as taken: the PDF could not be written
// there without harm.
bool IsTaken(const QString& path) {
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

QString NumberedName(const QString& stem, int number) {
    return stem + QStringLiteral("_") + QString::number(number) + pdf_messages::kPdfExtension;
}

} // namespace

QString ChangeExtension(const QString& path, const QString& extension) {
    const qsizetype nameStart =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < nameStart) {
        return path + extension;
    }
    return path.left(dot) + extension;
}

QString DefaultPdfFile(const QString& currentPdfFile, const QString& projectFileName,
                       const QString& programFolder) {
    if (!currentPdfFile.isEmpty()) {
        return currentPdfFile;
    }
    if (IsUntitled(projectFileName)) {
        return QDir(programFolder).filePath(pdf_messages::kUntitled + pdf_messages::kPdfExtension);
    }
    return ChangeExtension(projectFileName, pdf_messages::kPdfExtension);
}

QString PdfFileStem(const QString& projectFileName, const QString& programFolder) {
    if (IsUntitled(projectFileName)) {
        return QDir(programFolder).filePath(pdf_messages::kUntitled);
    }
    return ChangeExtension(projectFileName, QString());
}

std::optional<QString> NewPdfFile(const QString& projectFileName, const QString& programFolder) {
    const QString stem = PdfFileStem(projectFileName, programFolder);
    for (int number = 1; number <= kMaxPdfNumber; ++number) {
        QString name = NumberedName(stem, number);
        if (!IsTaken(name)) {
            return name;
        }
    }
    return std::nullopt;
}

QString NoFreePdfNameMessage(const QString& projectFileName, const QString& programFolder) {
    const QString stem = PdfFileStem(projectFileName, programFolder);
    return pdf_messages::NoFreeName(NumberedName(stem, 1), NumberedName(stem, kMaxPdfNumber));
}

QString PdfTitle(const QString& projectFileName) {
    if (IsUntitled(projectFileName)) {
        return pdf_messages::kUntitled;
    }
    const QString withoutExtension = ChangeExtension(projectFileName, QString());
    const qsizetype nameStart = std::max(withoutExtension.lastIndexOf(QLatin1Char('/')),
                                         withoutExtension.lastIndexOf(QLatin1Char('\\'))) +
                                1;
    return withoutExtension.mid(nameStart);
}

} // namespace quenra
