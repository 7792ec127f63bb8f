#include "ArialFont.h"

#include <QFontMetricsF>

#include <cmath>

namespace quenra {

namespace {

constexpr int kMeasureSize = 1000;

QFont BaseArial(bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setBold(bold);
    return font;
}

// Cell height per pixel of em size for the font that "Arial" resolves to.
double CellHeightRatio(bool bold) {
    QFont font = BaseArial(bold);
    font.setPixelSize(kMeasureSize);
    const QFontMetricsF metrics(font);
    const double ratio = (metrics.ascent() + metrics.descent()) / kMeasureSize;
    return ratio > 0.5 ? ratio : 1.0;
}

} // namespace

QFont ArialFont(int height, bool bold) {
    QFont font = BaseArial(bold);
    int pixels =
        height < 0 ? -height : static_cast<int>(std::lround(height / CellHeightRatio(bold)));
    font.setPixelSize(std::max(pixels, 1));
    return font;
}

int PointsToCharacterHeight(double points) {
    return -static_cast<int>(std::lround(points * 96.0 / 72.0));
}

} // namespace quenra
