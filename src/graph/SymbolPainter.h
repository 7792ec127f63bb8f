#pragma once

#include "hydraulics/PointSymbol.h"

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>

namespace quenra {

// Pixel size b of the point symbols (a symbol spans 2b pixels) for the text height h of "W":
// h/4, h/3 or h/2 for the symbol size choices "Small", "Medium" and "Large" (index 0..2).
// An index outside 0..2 is held to the nearest choice.
int SymbolSize(int textHeight, int sizeIndex);

// Draws point symbol `symbol` of size b = `size`, filled in `colour` without an outline.
// Coordinates are whole pixels as on the graph bitmap: the centre is rounded, and a shape from (x -
// b) to (x + b) covers the 2b pixels x - b .. x + b - 1. The circle is a ring: its middle, b div 2
// in radius, is painted in `background`, the plot's background colour. No symbol, a number
// outside the list and a size of 0 or less draw nothing.
void DrawSymbol(QPainter& painter, QPointF centre, PointSymbol symbol, int size, QColor colour,
                QColor background = QColor(255, 255, 255));

// Draws the segments between consecutive corners of `polyline` as a broad dotted band: a dotted
// line one pixel wide, repeated for every pixel offset (dx, dy) with dx and dy in -N..N,
// N = |width| div 2. `width` is the negative line width of a series; its magnitude is used.
// Each segment starts its dot pattern afresh, and the gaps between the dots are left as they
// are. A caller that must draw symbols between segments passes one segment at a time.
void DrawBand(QPainter& painter, const QPolygonF& polyline, int negativeWidth, QColor colour);

} // namespace quenra
