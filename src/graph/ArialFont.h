#pragma once

#include <QFont>

namespace quenra {

// Graph and report text is Arial (Liberation Sans here, with the same widths). Font sizes come
// as the original toolkit gave them: a positive height is the cell height (ascent + descent)
// in pixels, a negative height the character height (the em size). Hinting is turned off so
// that the layout of a page does not depend on the desktop's settings.
QFont ArialFont(int height, bool bold = false);

// A point size on a bitmap canvas, at 96 pixels per inch, as a character height.
int PointsToCharacterHeight(double points);

} // namespace quenra
