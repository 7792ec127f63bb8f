#include "GraphPaintBox.h"

#include <QPainter>

#include <utility>

namespace quenra {

GraphPaintBox::GraphPaintBox(Renderer renderer, QWidget* parent)
    : QWidget(parent), renderer_(std::move(renderer)) {
    setObjectName(QStringLiteral("PB"));
    // The page covers the whole box; Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphPaintBox::paintEvent(QPaintEvent*) {
    if (std::optional<QImage> page = renderer_()) {
        lastPage_ = std::move(*page);
    }
    QPainter painter(this);
    if (lastPage_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // A repaint that came while a rendering was running shows the last page rather than
    // nothing.
    painter.drawImage(0, 0, lastPage_);
    if (lastPage_.width() < width() || lastPage_.height() < height()) {
        const QRegion uncovered = QRegion(rect()) - QRegion(lastPage_.rect());
        for (const QRect& part : uncovered) {
            painter.fillRect(part, palette().window());
        }
    }
}

} // namespace quenra
