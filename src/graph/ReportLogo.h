#pragma once

#include <QImage>

namespace quenra {

// The program's logo, drawn on the About page, the graph and the report: a soft wave of light
// colours with the name in large blue letters in the middle. 657 x 552 pixels.
QImage MakeReportLogo();

constexpr int kLogoWidth = 657;
constexpr int kLogoHeight = 552;

} // namespace quenra
