#include "GraphText.h"

#include <QFontMetrics>

namespace quenra {

int TextHeight(const QPainter& painter) {
    const QFontMetrics metrics = painter.fontMetrics();
    return metrics.ascent() + metrics.descent();
}

int TextWidth(const QPainter& painter, const QString& text) {
    return painter.fontMetrics().horizontalAdvance(text);
}

void DrawTextAt(QPainter& painter, int left, int top, const QString& text) {
    painter.drawText(left, top + painter.fontMetrics().ascent(), text);
}

void DrawRotatedText(QPainter& painter, int x, int y, int degrees, const QString& text) {
    if (degrees == 0) {
        DrawTextAt(painter, x, y, text);
        return;
    }
    painter.save();
    painter.translate(x, y);
    painter.rotate(-degrees); // the painter turns clockwise for positive angles
    DrawTextAt(painter, 0, 0, text);
    painter.restore();
}

} // namespace quenra
