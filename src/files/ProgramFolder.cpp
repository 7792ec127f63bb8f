#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace quenra {

namespace {

// A folder is writable when a file can really be made in it; permission bits alone do not
// tell (read-only mounts, ACLs).
bool CanWriteIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quenra-write-test-XXXXXX")));
    return probe.open();
}

} // namespace

QString ProgramFolderFor(const QString& executableFolder) {
    const bool installed = !executableFolder.isEmpty() &&
                           QFileInfo::exists(QDir(executableFolder).filePath(kInstalledMarker));
    if (!executableFolder.isEmpty() && !installed && CanWriteIn(executableFolder)) {
        return executableFolder;
    }
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userFolder);
    return userFolder;
}

QString ProgramFolder() {
    return ProgramFolderFor(QCoreApplication::applicationDirPath());
}

} // namespace quenra
