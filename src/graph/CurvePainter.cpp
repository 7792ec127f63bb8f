#include "CurvePainter.h"

#include "AxisScale.h"
#include "ColourConversion.h"
#include "SymbolPainter.h"
#include "hydraulics/CurveTable.h"

#include <QPen>
#include <QPolygonF>

#include <algorithm>

namespace quenra {

namespace {

void DrawSegment(QPainter& painter, QPoint from, QPoint to, int lineWidth, QColor colour) {
    if (lineWidth < 0) {
        DrawBand(painter, QPolygonF({QPointF(from), QPointF(to)}), lineWidth, colour);
        return;
    }
    // A width of 0 is the thinnest line the bitmap can show, one pixel.
    QPen pen(colour, std::max(lineWidth, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawLine(from, to);
}

} // namespace

void DrawCurves(QPainter& painter, const CurveTable& curves, const AxisScale& flow,
                const AxisScale& pressure, int symbolSize, QColor background) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int index = 1; index <= CurveTable::kSeriesCount; ++index) {
        const CurveSeries& series = curves.Series(index);
        const int count = std::min<int>(series.PointCount, static_cast<int>(series.X.size()));
        if (count <= 0) {
            continue;
        }
        const QColor colour = ToQColor(series.Color);
        QPoint here(flow.ToPixel(series.X[0]), pressure.ToPixel(series.Y[0]));
        for (int j = 0; j < count; ++j) {
            const bool joined = series.IsCurve && j + 1 < count;
            QPoint next;
            if (joined) {
                next = QPoint(flow.ToPixel(series.X[j + 1]), pressure.ToPixel(series.Y[j + 1]));
                DrawSegment(painter, here, next, series.LineWidth, colour);
            }
            DrawSymbol(painter, QPointF(here), series.Symbol, symbolSize, colour, background);
            if (joined) {
                here = next;
            } else if (j + 1 < count) {
                here = QPoint(flow.ToPixel(series.X[j + 1]), pressure.ToPixel(series.Y[j + 1]));
            }
        }
    }
    painter.restore();
}

} // namespace quenra
