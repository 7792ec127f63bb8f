#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>

namespace quenra {

struct LegendContent;

// Whether the legend is only measured or also drawn.
enum class LegendMode { Measure, Draw };

// The room a legend takes: its width, and whether its entries and logo fit the bitmap's height.
struct LegendExtent {
    int Width = 0;
    bool Fits = true;
};

// How the legend column looks beside its content.
struct LegendStyle {
    int SymbolSizeIndex = 0;           // "Small", "Medium", "Large"
    QColor PlotBackground = Qt::white; // the hollow of ring symbols
    QImage Logo;                       // fitted below the last entry; none when null
};

// The legend column at the right of the graph, in the painter's current font: each entry's
// lines in its colour with its symbol to their left, a negative safety cushion in bold red,
// and the logo at the bottom. Returns the legend's width (its widest line plus two text
// heights), or -1 when the entries and the logo are taller than the bitmap, which tells the
// page to try a smaller font. In Measure mode nothing is painted.
int DrawLegend(QPainter& painter, LegendMode mode, int x0, QSize bitmap,
               const LegendContent& content, const LegendStyle& style);

// The legend's width and whether it fits, also when it does not (then the page still needs
// to know how wide it is).
LegendExtent MeasureLegend(QPainter& painter, QSize bitmap, const LegendContent& content,
                           const LegendStyle& style);

// The rectangle the logo is fitted into for a legend ending at `cursorY`: from 5 pixels below
// the last entry and right of the symbol column to 5 pixels inside the bitmap's right and
// bottom edges, at most 15 % of the bitmap high and then standing at the bottom.
QRect LegendLogoBox(int x0, int symbolSize, int cursorY, QSize bitmap);

// The logo's rectangle inside `box`, keeping its proportions, centred across and standing
// on the box's bottom; empty when the box has no room.
QRect FitLogo(QSize logo, const QRect& box);

} // namespace quenra
