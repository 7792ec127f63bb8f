#include "FileKind.h"

#include <QFileInfo>

namespace quenra {

namespace {

QString Extension(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

} // namespace

FileKind FileKindOf(const QString& path) {
    const QString extension = Extension(path);
    if (extension == QStringLiteral("ned")) {
        return FileKind::LegacyProject;
    }
    if (extension == QStringLiteral("ini")) {
        return FileKind::ClientInfo;
    }
    return FileKind::Project;
}

bool HasKnownExtension(const QString& path) {
    return FileKindOf(path) != FileKind::Project || Extension(path) == QStringLiteral("qrx");
}

} // namespace quenra
