#include "CurvePainter.h"

#include "AxisScale.h"
#include "ColourConversion.h"
#include "SymbolPainter.h"
#include "hydraulics/CurveTable.h"

#include <QPen>
#include <QPolygon>
#include <QPolygonF>

#include <algorithm>

namespace quenra {

namespace {

QPen SolidPen(int lineWidth, QColor colour) {
    // A width of 0 is the thinnest line the bitmap can show, one pixel.
    return QPen(colour, std::max(lineWidth, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawSegment(QPainter& painter, QPoint from, QPoint to, int lineWidth, QColor colour) {
    if (lineWidth < 0) {
        DrawBand(painter, QPolygonF({QPointF(from), QPointF(to)}), lineWidth, colour);
        return;
    }
    painter.setPen(SolidPen(lineWidth, colour));
    painter.drawLine(from, to);
}

// A joined series without symbols looks the same drawn in one stroke, which is much quicker
// than segment by segment.
bool DrawnInOneStroke(const CurveSeries& series, int symbolSize) {
    const bool noSymbols = !IsDrawnSymbol(series.Symbol) || symbolSize <= 0;
    return series.IsCurve && series.LineWidth >= 0 && noSymbols;
}

} // namespace

void DrawCurves(QPainter& painter, const CurveTable& curves, const AxisScale& flow,
                const AxisScale& pressure, int symbolSize, QColor background) {
    painter.save();
    // Lines lie on whole pixels, unsmoothed: a smoothed wide line costs the raster engine
    // several times more than the rest of the page together.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int index = 1; index <= CurveTable::kSeriesCount; ++index) {
        const CurveSeries& series = curves.Series(index);
        const int count = std::min<int>(series.PointCount, static_cast<int>(series.X.size()));
        if (count <= 0) {
            continue;
        }
        const QColor colour = ToQColor(series.Color);
        if (DrawnInOneStroke(series, symbolSize)) {
            QPolygon line(count);
            for (int j = 0; j < count; ++j) {
                line[j] = QPoint(flow.ToPixel(series.X[j]), pressure.ToPixel(series.Y[j]));
            }
            painter.setPen(SolidPen(series.LineWidth, colour));
            painter.drawPolyline(line);
            continue;
        }
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
