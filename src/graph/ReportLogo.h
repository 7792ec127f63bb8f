#pragma once

#include <QImage>

namespace quenra {

// The program's logo, drawn on the About page, the graph and the report: a soft wave of light
// colours with the name in large blue letters in the middle. 657 x 552 pixels.
QImage MakeReportLogo();

// The colour of the logo's wave at the picture's own 1-based pixel (x, y); the application icon
// is painted from the same wave.
QRgb LogoWaveColour(int x, int y);

constexpr int kLogoWidth = 657;
constexpr int kLogoHeight = 552;

} // namespace quenra
