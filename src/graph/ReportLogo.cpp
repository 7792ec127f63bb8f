#include "ReportLogo.h"

#include "ArialFont.h"
#include "GraphText.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace quenra {

namespace {

const QString kLogoText = QStringLiteral("Quenra");
constexpr int kLogoFontHeight = 175;

int Wave(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

QRgb LogoWaveColour(int x, int y) {
    const int red = Wave(15.0 * std::sin(x / 50.0) + 200.0);
    const int green = Wave(15.0 * std::cos((x + y) / 70.0) + 200.0);
    const int blue = Wave(15.0 * std::cos(y / 87.0) + 200.0);
    return qRgb(red, green, blue);
}

QImage MakeReportLogo() {
    QImage logo(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    logo.fill(Qt::white);
    // The wave is computed for the picture's own 1-based coordinates.
    for (int y = 1; y <= kLogoHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(logo.scanLine(y - 1));
        for (int x = 1; x <= kLogoWidth; ++x) {
            row[x - 1] = LogoWaveColour(x, y);
        }
    }

    QPainter painter(&logo);
    const QFont font = ArialFont(kLogoFontHeight);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 255));
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(kLogoText);
    const int textHeight = metrics.ascent() + metrics.descent();
    const int left = (kLogoWidth - textWidth) / 2;
    const int top = (kLogoHeight - textHeight) / 2;
    DrawRotatedText(painter, left, top, 0, kLogoText);
    return logo;
}

} // namespace quenra
