// The table primitives of ReportPainter: lines, merged cells and cell texts.
#include "ReportPainter.h"

#include <algorithm>
#include <cmath>

namespace quenra {

namespace {

int RoundPixel(double x) {
    return static_cast<int>(std::nearbyint(x));
}

// Grid columns 2..7 (from 1) hold the volts and amps, which a diesel engine has not.
constexpr int kFirstElectricColumn = 2;
constexpr int kLastElectricColumn = 7;
constexpr int kElectricColumns = kLastElectricColumn - kFirstElectricColumn + 1;

constexpr int kGridPen = 2;
constexpr int kHeaderRows = 2;
constexpr qsizetype kWideCellLimit = 99;

} // namespace

struct ReportPainter::GridGeometry {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Columns = 0;
    int Rows = 0;
    double ColumnWidth = 0;
    double RowHeight = 0;
};

ReportPainter::GridGeometry ReportPainter::Geometry(const ReportGrid& grid) const {
    GridGeometry g;
    g.Left = X(grid.Left);
    g.Top = Y(grid.Top);
    g.Width = RoundPixel(grid.Width * scale_);
    g.Height = RoundPixel(grid.Height * scale_);
    g.Columns = ReportGrid::kColumnCount - (style_.WithoutElectricColumns ? kElectricColumns : 0);
    g.Rows = std::clamp(grid.RowCount, 0, ReportGrid::kMaxRows);
    g.ColumnWidth = grid.Width * scale_ / g.Columns;
    g.RowHeight = g.Rows > 0 ? grid.Height * scale_ / g.Rows : 0.0;
    return g;
}

void ReportPainter::DrawGridLines(const ReportGrid& grid) {
    const GridGeometry g = Geometry(grid);
    if (!painter_ || g.Rows == 0)
        return;
    painter_->setPen(QPen(style_.Colours.Line, kGridPen));
    for (int k = 0; k <= g.Rows; ++k) {
        const int y = RoundPixel(g.Top + k * g.RowHeight);
        painter_->drawLine(g.Left, y, g.Left + g.Width, y);
    }
    for (int m = 0; m <= g.Columns; ++m) {
        const int x = RoundPixel(g.Left + m * g.ColumnWidth);
        painter_->drawLine(x, g.Top, x, g.Top + g.Height);
    }
}

void ReportPainter::ClearGridSpan(const ReportGrid& grid, int c1, int r1, int r2, int c2) {
    const bool diesel = style_.WithoutElectricColumns;
    if (!painter_ || (diesel && c1 >= kFirstElectricColumn && c1 <= kLastElectricColumn))
        return;
    const auto shown = [diesel](int column) {
        return diesel && column > kLastElectricColumn ? column - kElectricColumns : column;
    };
    const GridGeometry g = Geometry(grid);
    // A span below the last drawn row (a test without readings has no churn row) would erase
    // the section drawn under the table.
    r2 = std::min(r2, g.Rows);
    c2 = std::min(shown(c2), g.Columns);
    c1 = shown(c1);
    if (r1 < 1 || r1 > r2 || c1 < 1 || c1 > c2)
        return;
    const int x1 = RoundPixel(g.Left + (c1 - 1) * g.ColumnWidth) + 1;
    const int y1 = RoundPixel(g.Top + g.RowHeight * (r1 - 1)) + 1;
    const int x2 = RoundPixel(g.Left + g.ColumnWidth * c2);
    const int y2 = RoundPixel(g.Top + g.RowHeight * r2);
    // Lines of width 2 cover the pixel before their position and the one on it: the fill
    // keeps both pixels of the span's outer lines and takes every inner one.
    painter_->fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)), style_.Colours.Background);
}

void ReportPainter::DrawGridCells(const ReportGrid& grid) {
    if (!painter_)
        return;
    const GridGeometry g = Geometry(grid);
    const int skipped = style_.WithoutElectricColumns ? kElectricColumns : 0;
    // The grid column whose text shown column `column` (from 1) holds.
    const auto source = [skipped](int column) { return column == 1 ? 0 : column - 1 + skipped; };
    const auto x = [&g](int columnsFromLeft) {
        return RoundPixel(g.Left + columnsFromLeft * g.ColumnWidth);
    };
    for (int row = 0; row < g.Rows; ++row) {
        const bool header = row < kHeaderRows;
        const TextFont& font = Font(header ? style_.Sizes.GridHeader : style_.Sizes.GridValue);
        const QColor& colour = header ? style_.Colours.Line : style_.Colours.Value;
        const int top = RoundPixel(g.Top + row * g.RowHeight);
        const int height = RoundPixel(g.Top + (row + 1) * g.RowHeight) - top;
        for (int column = 1; column <= g.Columns; ++column) {
            QString text = grid.Cell(source(column), row);
            if (text.isEmpty())
                continue;
            int span = 1;
            if (text.startsWith(QLatin1Char('>'))) {
                text = text.mid(1, kWideCellLimit);
                span = 2;
            }
            // Shown columns first .. last - 1 (from 0) carry the text.
            int first = column - 1;
            int last = std::min(column - 1 + span, g.Columns);
            const int width = font.Metrics.horizontalAdvance(text);
            // A wide text of a reading row (the churn note) runs on over the empty cells on
            // both sides of its own two, staying centred on them, until it fits.
            while (span > 1 && !header && width > x(last) - x(first) && first > 0 &&
                   last < g.Columns && grid.Cell(source(first), row).isEmpty() &&
                   grid.Cell(source(last + 1), row).isEmpty()) {
                --first;
                ++last;
            }
            const int left = x(first);
            const int right = x(last);
            const int textHeight = font.Metrics.ascent() + font.Metrics.descent();
            const int y = top + (height - textHeight) / 2;
            // Header texts overflow into the merged cells around them by design.
            if (header || width <= right - left) {
                DrawText(font, colour, left + (right - left - width) / 2, y, text);
                continue;
            }
            // A reading too long for its cell shows its beginning and stays inside the cell,
            // so it is never read as part of its neighbour's value.
            painter_->save();
            painter_->setClipRect(QRect(left + 1, top + 1, right - left - 2, height - 1));
            DrawText(font, colour, left + 2, y, text);
            painter_->restore();
        }
    }
}

} // namespace quenra
