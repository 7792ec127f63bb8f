#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace quenra {

// Files dropped anywhere on the window: a project (".qrx"), a legacy project (".ned") or a
// client-information file (".ini") is handed on to be opened as File > Open opens it; other
// drops go to the control under the mouse as before.
class ProjectDropTarget : public QObject {
    Q_OBJECT
public:
    explicit ProjectDropTarget(QWidget* window);

    // The one local file of a kind the window opens, or empty.
    static QString OpenableFile(const QMimeData* data);

signals:
    void FileDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
};

} // namespace quenra
