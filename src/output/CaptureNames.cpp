#include "output/CaptureNames.h"

#include <QDir>
#include <QFileInfo>

namespace quenra {

QString GraphCaptureBase(const QString& folder, const QString& testType) {
    return QDir(folder).filePath(testType);
}

std::optional<QString> UniqueFileName(const QString& base, const QString& extension) {
    for (int n = 1; n <= kMaxCaptureNumber; ++n) {
        QString name = base + QString::number(n) + extension;
        const QFileInfo entry(name);
        if (!entry.exists() && !entry.isSymLink()) {
            return name;
        }
    }
    return std::nullopt;
}

QString CaptureSavedMessage(const QString& name) {
    return QStringLiteral("File [") + name + QStringLiteral("] saved");
}

QString NoFreeCaptureNameMessage(const QString& base, const QString& extension) {
    const QString first = base + QStringLiteral("1") + extension;
    const QString last = base + QString::number(kMaxCaptureNumber) + extension;
    return QStringLiteral("Nothing was saved: the capture names [%1] to [%2] are all taken. "
                          "Move or delete some of those files, then capture again.")
        .arg(first, last);
}

} // namespace quenra
