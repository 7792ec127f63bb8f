#pragma once

#include <QPainter>
#include <QString>

namespace quenra {

// Text on the graph and report bitmaps is placed by the top left corner of its cell, as the
// layouts give it, not by its baseline.

// The cell height of the painter's font (ascent + descent): the "text height" of the layouts.
int TextHeight(const QPainter& painter);

// The width of `text` in the painter's font.
int TextWidth(const QPainter& painter, const QString& text);

// Draws `text` with the top left corner of its cell at (left, top), in the pen's colour, on
// a clear background.
void DrawTextAt(QPainter& painter, int left, int top, const QString& text);

// Draws `text` turned `degrees` counterclockwise about the reference point (x, y), which is the
// top left corner of the text cell before turning: at 90 the text reads upwards from (x, y),
// the top of its letters facing left. At 0 this is DrawTextAt.
void DrawRotatedText(QPainter& painter, int x, int y, int degrees, const QString& text);

} // namespace quenra
