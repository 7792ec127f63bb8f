#include "LegendPainter.h"

#include "ColourConversion.h"
#include "GraphText.h"
#include "SymbolPainter.h"
#include "hydraulics/CurveTable.h"
#include "hydraulics/LegendContent.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace quenra {

namespace {

constexpr int kLogoGap = 5;
constexpr double kLogoHeightShare = 0.15;
constexpr int kLogoAllowance = 10;
const QColor kWarningColour(255, 0, 0);

// Where the symbol of an entry stands below the entry's top, in text heights h and half
// heights d: beside the values of a hydrant test or the pump rating, beside the first line of
// a reference or pump test curve, at the demand line of a demand point.
int SymbolOffset(LegendEntryKind kind, int h) {
    const int d = h / 2;
    switch (kind) {
    case LegendEntryKind::HydrantTest:
    case LegendEntryKind::PumpRating:
        return 2 * h - d;
    case LegendEntryKind::DemandPoint:
        return h;
    default:
        return h - d;
    }
}

// Each entry takes its lines and half a line of space below them.
int EntryAdvance(qsizetype lines, int h) {
    return static_cast<int>(std::nearbyint((static_cast<double>(lines) + 0.5) * h));
}

QFont BoldOf(const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    return bold;
}

int LineWidth(const QPainter& painter, const LegendLine& line) {
    if (!line.HasWarning()) {
        return TextWidth(painter, line.Text);
    }
    const QFontMetrics bold(BoldOf(painter.font()));
    return TextWidth(painter, line.Text.left(line.WarningFrom)) +
           bold.horizontalAdvance(line.Text.mid(line.WarningFrom));
}

void DrawLine(QPainter& painter, int x, int top, const LegendLine& line, const QColor& colour) {
    painter.setPen(colour);
    if (!line.HasWarning()) {
        DrawTextAt(painter, x, top, line.Text);
        return;
    }
    const QString label = line.Text.left(line.WarningFrom);
    DrawTextAt(painter, x, top, label);
    const QFont normal = painter.font();
    painter.setFont(BoldOf(normal));
    painter.setPen(kWarningColour);
    DrawTextAt(painter, x + QFontMetrics(normal).horizontalAdvance(label), top,
               line.Text.mid(line.WarningFrom));
    painter.setFont(normal);
}

} // namespace

QRect LegendLogoBox(int x0, int symbolSize, int cursorY, QSize bitmap) {
    const int left = x0 + 2 * symbolSize + kLogoGap;
    const int right = bitmap.width() - kLogoGap;
    const int bottom = bitmap.height() - kLogoGap;
    int top = cursorY + kLogoGap;
    const int tallest = static_cast<int>(kLogoHeightShare * bitmap.height());
    top = std::max(top, bottom - tallest);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect FitLogo(QSize logo, const QRect& box) {
    if (logo.isEmpty() || box.width() <= 0 || box.height() <= 0) {
        return {};
    }
    const QSize fitted = logo.scaled(box.size(), Qt::KeepAspectRatio);
    if (fitted.isEmpty()) {
        return {};
    }
    const int left = box.left() + (box.width() - fitted.width()) / 2;
    const int top = box.bottom() + 1 - fitted.height();
    return QRect(QPoint(left, top), fitted);
}

namespace {

LegendExtent PaintLegend(QPainter& painter, LegendMode mode, int x0, QSize bitmap,
                         const LegendContent& content, const LegendStyle& style) {
    const int h = TextHeight(painter);
    const int s = SymbolSize(h, style.SymbolSizeIndex);
    const int symbolX = x0 + 3 * s - s / 3;
    const int textX = x0 + 2 * s + h;
    const bool draw = mode == LegendMode::Draw;

    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    int y = 2 * h;
    int widest = 0;
    for (const LegendEntry& entry : content.Entries) {
        const QColor colour = ToQColor(entry.Color);
        for (qsizetype i = 0; i < entry.Lines.size(); ++i) {
            const LegendLine& line = entry.Lines[i];
            widest = std::max(widest, LineWidth(painter, line));
            if (draw) {
                DrawLine(painter, textX, y + static_cast<int>(i) * h, line, colour);
                if (line.Swatch)
                    DrawSymbol(painter, QPointF(symbolX, y + static_cast<int>(i) * h + h / 2),
                               PointSymbol::Square, s, ToQColor(*line.Swatch),
                               style.PlotBackground);
            }
        }
        if (draw) {
            DrawSymbol(painter, QPointF(symbolX, y + SymbolOffset(entry.Kind, h)), entry.Symbol, s,
                       colour, style.PlotBackground);
        }
        y += EntryAdvance(entry.Lines.size(), h);
    }

    if (draw) {
        if (!style.Logo.isNull() && y < bitmap.height() + kLogoAllowance) {
            const QRect target = FitLogo(style.Logo.size(), LegendLogoBox(x0, s, y, bitmap));
            if (!target.isEmpty()) {
                painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
                painter.drawImage(target, style.Logo);
            }
        }
    } else {
        y += static_cast<int>(kLogoHeightShare * bitmap.height()) + kLogoAllowance;
    }
    painter.restore();
    return {widest + 2 * h, y <= bitmap.height()};
}

} // namespace

int DrawLegend(QPainter& painter, LegendMode mode, int x0, QSize bitmap,
               const LegendContent& content, const LegendStyle& style) {
    const LegendExtent extent = PaintLegend(painter, mode, x0, bitmap, content, style);
    return extent.Fits ? extent.Width : -1;
}

LegendExtent MeasureLegend(QPainter& painter, QSize bitmap, const LegendContent& content,
                           const LegendStyle& style) {
    return PaintLegend(painter, LegendMode::Measure, 0, bitmap, content, style);
}

} // namespace quenra
