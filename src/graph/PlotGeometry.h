#pragma once

#include <functional>

namespace quenra {

// The font size choices of the graph (`FontSizeIndex`).
namespace graph_font_size {
constexpr int Small = 0;
constexpr int Medium = 1;
constexpr int Large = 2;
} // namespace graph_font_size

// The cell height of the graph's text for a bitmap of that size: it grows with the bitmap,
// 5 larger for "Large", 5 smaller for "Small"; heights below 11 become 14, above 40 become 40.
int GraphFontHeight(int bitmapWidth, int bitmapHeight, int fontSizeIndex);

// Lowers the font height one at a time until `legendFits` accepts it or it reaches 4.
int FitGraphFontHeight(int fontHeight, const std::function<bool(int)>& legendFits);

// The plot rectangle inside the bitmap: the curves are drawn from (Left, Top) to
// (Right, Bottom), the margins around it carry the labels, titles and legend.
struct PlotGeometry {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    friend bool operator==(const PlotGeometry&, const PlotGeometry&) = default;
};

// The plot rectangle of a bitmap, given the legend's width, the text height h (of "W") and
// the width of the widest pressure label: room for the pressure title and labels on the
// left, the legend on the right, the graph title above and the flow labels and title below.
PlotGeometry ComputePlotGeometry(int bitmapWidth, int bitmapHeight, int legendWidth, int textHeight,
                                 int widestPressureLabel);

} // namespace quenra
