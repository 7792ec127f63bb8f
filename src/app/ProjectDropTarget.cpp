#include "ProjectDropTarget.h"

#include "files/FileKind.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace quenra {

ProjectDropTarget::ProjectDropTarget(QWidget* window) : QObject(window), window_(window) {
    window_->setAcceptDrops(true);
    // Seen before the control under the mouse: a text box would otherwise take the file's
    // name as text.
    qApp->installEventFilter(this);
}

QString ProjectDropTarget::OpenableFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) {
        return QString();
    }
    const QUrl url = data->urls().first();
    if (!url.isLocalFile()) {
        return QString();
    }
    const QFileInfo info(url.toLocalFile());
    return HasKnownExtension(info.fileName()) && info.isFile() ? info.absoluteFilePath()
                                                               : QString();
}

bool ProjectDropTarget::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = OpenableFile(drop->mimeData());
    if (path.isEmpty()) {
        return false;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        emit FileDropped(path);
    }
    return true;
}

} // namespace quenra
