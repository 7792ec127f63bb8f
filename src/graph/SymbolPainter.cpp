#include "SymbolPainter.h"

#include <QPainterPath>
#include <QPen>
#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cstdlib>

namespace quenra {

namespace {

// Symbols and bands are drawn aliased, on whole pixels, so that the bitmap holds exactly
// the series colours and nothing in between.
class AliasedPainting {
public:
    explicit AliasedPainting(QPainter& painter) : painter_(painter) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, false);
    }
    ~AliasedPainting() { painter_.restore(); }
    AliasedPainting(const AliasedPainting&) = delete;
    AliasedPainting& operator=(const AliasedPainting&) = delete;

private:
    QPainter& painter_;
};

// The rectangle from (x0, y0) to (x1, y1), covering pixels x0 .. x1 - 1 and y0 .. y1 - 1.
QRect Span(int x0, int y0, int x1, int y1) {
    return {x0, y0, x1 - x0, y1 - y0};
}

// The disc of `radius` around the pixel corner (x, y), holding the pixels whose middles lie
// inside it. Filled as an outline, because an aliased ellipse from a rectangle would stand
// half a pixel off and come out a pixel taller and wider.
void FillDisc(QPainter& painter, int x, int y, int radius) {
    QPainterPath disc;
    disc.addEllipse(QPointF(x, y), radius, radius);
    painter.drawPath(disc);
}

} // namespace

int SymbolSize(int textHeight, int sizeIndex) {
    return textHeight / (4 - std::clamp(sizeIndex, 0, 2));
}

void DrawSymbol(QPainter& painter, QPointF centre, PointSymbol symbol, int size, QColor colour,
                QColor background) {
    if (size <= 0 || !IsDrawnSymbol(symbol)) {
        return;
    }
    const AliasedPainting scope(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QPoint c = centre.toPoint();
    const int x = c.x();
    const int y = c.y();
    const int b = size;
    const int half = b / 2;
    switch (symbol) {
    case PointSymbol::Circle:
        FillDisc(painter, x, y, b);
        if (half > 0) {
            painter.setBrush(background);
            FillDisc(painter, x, y, half);
        }
        break;
    case PointSymbol::Square:
        painter.drawRect(Span(x - b, y - b, x + b, y + b));
        break;
    case PointSymbol::TriangleDown: {
        const QPoint corners[] = {{x - b, y - b}, {x, y + b}, {x + b, y - b}};
        painter.drawPolygon(corners, 3);
        break;
    }
    case PointSymbol::TriangleUp: {
        const QPoint corners[] = {{x - b, y + b}, {x, y - b}, {x + b, y + b}};
        painter.drawPolygon(corners, 3);
        break;
    }
    case PointSymbol::Plus:
        painter.drawRect(Span(x - half, y - b, x + half, y + b));
        painter.drawRect(Span(x - b, y - half, x + b, y + half));
        break;
    default:
        break;
    }
}

void DrawBand(QPainter& painter, const QPolygonF& polyline, int negativeWidth, QColor colour) {
    if (polyline.size() < 2) {
        return;
    }
    const AliasedPainting scope(painter);
    QPen pen(colour, 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const int n = std::abs(negativeWidth) / 2;
    for (qsizetype i = 0; i + 1 < polyline.size(); ++i) {
        const QPoint from = polyline[i].toPoint();
        const QPoint to = polyline[i + 1].toPoint();
        for (int dx = -n; dx <= n; ++dx) {
            for (int dy = -n; dy <= n; ++dy) {
                const QPoint offset(dx, dy);
                painter.drawLine(from + offset, to + offset);
            }
        }
    }
}

} // namespace quenra
