#include "ColourSwatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace quenra {

ColourSwatch::ColourSwatch(const QString& objectName, QWidget* parent) : QFrame(parent) {
    setObjectName(objectName);
    setFixedSize(22, 18);
    setFrameShape(QFrame::Box);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Click to change the colour"));
}

void ColourSwatch::SetColour(quint32 colour) {
    if (colour_ != colour) {
        colour_ = colour;
        update();
    }
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit Clicked();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect().adjusted(1, 1, -1, -1), ToQColor(colour_));
}

} // namespace quenra
