#pragma once

#include "ReportLayout.h"
#include "ReportStyle.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <map>

namespace quenra {

// Draws the sections of the layout onto a page at a scale, moving a cursor down the page.
// Without a painter it draws nothing but keeps the cursor and the widest section, which is
// how a page is measured.
class ReportPainter {
public:
    ReportPainter(QPainter* painter, const ReportStyle& style, double scale, int pageLeft,
                  int pageTop);

    int PageCursorY() const { return cursorY_; }
    void SetPageCursorY(int y) { cursorY_ = y; }
    int SectionMaxWidth() const { return sectionMaxWidth_; }
    double Scale() const { return scale_; }

    void DrawSectionFrame(const ReportPanel& panel);
    void DrawSectionHeading(const ReportControl& bar);
    // One line: the label's caption, then the value right after it, cut at the box's end.
    void DrawLabelValue(const ReportControl& label, const ReportControl& edit);
    // A comment over two boxes, wrapped once at a blank.
    void DrawCommentPair(const ReportControl& label, const ReportControl& first,
                         const ReportControl& second);
    // A line that is the box's text, the label's caption, or both.
    void DrawTextLine(const ReportControl& label, const ReportControl& edit);
    // A demand point line: the box's text, with the purpose shortened when the whole line is
    // too long, so that its result shows whole. A box whose text is not `line` (filled
    // otherwise) is drawn as a text line.
    void DrawDemandLine(const ReportControl& label, const ReportControl& edit,
                        const DemandLineText& line);
    void DrawGridLines(const ReportGrid& grid);
    // Erases the inner lines of the cells from column c1 to c2 and row r1 to r2 (from 1), so
    // they read as one cell.
    void ClearGridSpan(const ReportGrid& grid, int c1, int r1, int r2, int c2);
    void DrawGridCells(const ReportGrid& grid);
    void DrawLogo(const ReportPanel& panel, const QImage& logo);
    void AdvancePageCursor(const ReportPanel& panel);

private:
    struct TextFont {
        QFont Font;
        QFontMetrics Metrics;
    };
    struct GridGeometry;

    const TextFont& Font(int points, bool bold = false);
    int X(double layoutX) const;
    int Y(double layoutY) const;
    int BoxBottom(const ReportControl& control) const;
    int AlignedX(const ReportControl& label, int textWidth) const;
    GridGeometry Geometry(const ReportGrid& grid) const;
    void DrawText(const TextFont& font, const QColor& colour, int left, int top,
                  const QString& text);

    QPainter* painter_;
    ReportStyle style_;
    double scale_;
    int pageLeft_;
    int cursorY_;
    int sectionMaxWidth_ = 0;
    std::map<std::pair<int, bool>, TextFont> fonts_;
};

} // namespace quenra
