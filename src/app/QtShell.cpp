#include "QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace quenra {

bool QtShell::StartProgram(const QString& program, const QStringList& arguments,
                           const QString& workingFolder) {
    if (!QFileInfo(program).isFile()) {
        return false;
    }
    return QProcess::startDetached(program, arguments, workingFolder);
}

bool QtShell::OpenDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace quenra
