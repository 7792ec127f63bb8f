#pragma once

#include <QColor>
#include <QPainter>

namespace quenra {

class AxisScale;
class CurveTable;

// Draws every series of `curves` in number order, later ones over earlier ones: each point's
// symbol in the series colour (size `symbolSize`, rings hollowed in `background`), and for
// joined series the segment to the next point before that point's symbol — a solid line of
// the series' width, or a broad dotted band for a negative width.
void DrawCurves(QPainter& painter, const CurveTable& curves, const AxisScale& flow,
                const AxisScale& pressure, int symbolSize, QColor background);

} // namespace quenra
