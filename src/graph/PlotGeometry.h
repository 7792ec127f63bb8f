#pragma once

#include <functional>

namespace quenra {

// The font size choices of the graph, numbered as the record stores them (`FontSizeIndex`).
enum class GraphFontSize {
    Small = 0,
    Medium = 1,
    Large = 2,
};

// The font size of the record's stored index; an unknown index is the medium size.
constexpr GraphFontSize GraphFontSizeFromIndex(int index) {
    return index == 0 || index == 2 ? static_cast<GraphFontSize>(index) : GraphFontSize::Medium;
}

// The cell height of the graph's text for a bitmap of that size: it grows with the bitmap,
// 5 larger for "Large", 5 smaller for "Small"; heights below 11 become 14, above 40 become 40.
int GraphFontHeight(int bitmapWidth, int bitmapHeight, GraphFontSize fontSize);

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
