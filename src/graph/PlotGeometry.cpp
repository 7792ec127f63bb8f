#include "PlotGeometry.h"

#include <algorithm>
#include <cmath>

namespace quenra {

namespace {

constexpr long long kFontBase = 1000;
constexpr long long kFontDivisor = 135;
constexpr int kFontSizeStep = 5;
constexpr int kSmallestReadableHeight = 11;
constexpr int kHeightForUnreadable = 14;
constexpr int kLargestHeight = 40;
constexpr int kLowestFittedHeight = 4;

// Text heights of the margins: the title row above, label and title rows below, the
// pressure title and its gap on the left.
constexpr int kTopRows = 2;
constexpr double kBottomRows = 2.5;
constexpr int kLeftRows = 2;

} // namespace

int GraphFontHeight(int bitmapWidth, int bitmapHeight, GraphFontSize fontSize) {
    const long long shorter = std::min(bitmapWidth, bitmapHeight);
    const long long longer = std::max(bitmapWidth, bitmapHeight);
    long long height = (shorter / 2 + longer + kFontBase) / kFontDivisor;
    if (fontSize == GraphFontSize::Large) {
        height += kFontSizeStep;
    } else if (fontSize == GraphFontSize::Small) {
        height -= kFontSizeStep;
    }
    if (height < kSmallestReadableHeight) {
        return kHeightForUnreadable;
    }
    return static_cast<int>(std::min<long long>(height, kLargestHeight));
}

int FitGraphFontHeight(int fontHeight, const std::function<bool(int)>& legendFits) {
    while (fontHeight > kLowestFittedHeight && !legendFits(fontHeight)) {
        --fontHeight;
    }
    return fontHeight;
}

PlotGeometry ComputePlotGeometry(int bitmapWidth, int bitmapHeight, int legendWidth, int textHeight,
                                 int widestPressureLabel) {
    PlotGeometry plot;
    plot.Right = bitmapWidth - legendWidth;
    plot.Top = kTopRows * textHeight;
    plot.Bottom = static_cast<int>(std::nearbyint(bitmapHeight - kBottomRows * textHeight));
    plot.Left = kLeftRows * textHeight + widestPressureLabel;
    return plot;
}

} // namespace quenra
