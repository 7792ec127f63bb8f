#include "ColourSwatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace quenra {

QColor ToQColor(quint32 colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

quint32 FromQColor(const QColor& colour) {
    return static_cast<quint32>(colour.red()) | (static_cast<quint32>(colour.green()) << 8) |
           (static_cast<quint32>(colour.blue()) << 16);
}

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
