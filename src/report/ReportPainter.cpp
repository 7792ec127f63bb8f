#include "ReportPainter.h"

#include "ReportTexts.h"
#include "TextFitting.h"

#include "graph/ArialFont.h"
#include "graph/GraphText.h"
#include "hydraulics/NumberText.h"

#include <algorithm>
#include <cmath>

namespace quenra {

namespace {

// Page pixels are rounded halves to even, like every other rounding of the page.
int RoundPixel(double x) {
    return static_cast<int>(std::nearbyint(x));
}

bool IsSpaceHolder(const QString& text) {
    return text == report_text::kSpaceHolder;
}

// A value or caption that is only the placeholder "x" is drawn as nothing.
QString Shown(const QString& text) {
    return TrimBlanks(text) == report_text::kPlaceholder ? QString() : text;
}

// Design rectangles of the logo at the report's usual scale of 2.5, in layout pixels.
constexpr double kLogoLeft = 12.0;
constexpr double kLogoTop = 2.4;
constexpr double kLogoRight = 63.2;
constexpr double kLogoBottom = 45.6;

constexpr int kFramePen = 3;

} // namespace

ReportPainter::ReportPainter(QPainter* painter, const ReportStyle& style, double scale,
                             int pageLeft, int pageTop)
    : painter_(painter), style_(style), scale_(scale), pageLeft_(pageLeft), cursorY_(pageTop) {}

const ReportPainter::TextFont& ReportPainter::Font(int points, bool bold) {
    const auto key = std::make_pair(points, bold);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        const QFont font = ArialFont(PointsToCharacterHeight(points), bold);
        found = fonts_.emplace(key, TextFont{font, QFontMetrics(font)}).first;
    }
    return found->second;
}

int ReportPainter::X(double layoutX) const {
    return RoundPixel(layoutX * scale_ + pageLeft_);
}

int ReportPainter::Y(double layoutY) const {
    return RoundPixel(layoutY * scale_ + cursorY_);
}

int ReportPainter::BoxBottom(const ReportControl& control) const {
    return RoundPixel(control.Height * scale_ + Y(control.Top));
}

int ReportPainter::AlignedX(const ReportControl& label, int textWidth) const {
    const int left = X(label.Left);
    const int right = X(label.Right());
    switch (label.Alignment) {
    case TextAlignment::Center:
        return (left + right - textWidth) / 2;
    case TextAlignment::Right:
        return right - textWidth;
    case TextAlignment::Left:
        break;
    }
    return left;
}

void ReportPainter::DrawText(const TextFont& font, const QColor& colour, int left, int top,
                             const QString& text) {
    if (!painter_ || text.isEmpty())
        return;
    painter_->setFont(font.Font);
    painter_->setPen(colour);
    DrawTextAt(*painter_, left, top, text);
}

void ReportPainter::DrawSectionFrame(const ReportPanel& panel) {
    const int x1 = X(panel.Left);
    const int y1 = cursorY_;
    const int x2 = RoundPixel(scale_ * panel.Width + x1);
    const int y2 = RoundPixel(scale_ * panel.Height + cursorY_);
    sectionMaxWidth_ = std::max(sectionMaxWidth_, RoundPixel(panel.Width * scale_));
    if (!painter_)
        return;
    painter_->setPen(QPen(style_.Colours.Line, kFramePen));
    painter_->setBrush(style_.Colours.Background);
    painter_->drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

void ReportPainter::DrawSectionHeading(const ReportControl& bar) {
    if (!painter_)
        return;
    const int x1 = X(bar.Left);
    const int y1 = cursorY_;
    const int x2 = RoundPixel(scale_ * bar.Width + x1);
    const int y2 = RoundPixel(scale_ * bar.Height + cursorY_ + 2);
    painter_->setPen(QPen(style_.Colours.Line, kFramePen));
    painter_->setBrush(style_.Colours.HeadingFill);
    painter_->drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));

    const TextFont& font = Font(style_.Sizes.Heading);
    const int width = font.Metrics.horizontalAdvance(bar.Text);
    const int height = font.Metrics.ascent() + font.Metrics.descent();
    DrawText(font, style_.Colours.Line, (x1 + x2 - width) / 2, (y1 + y2 - height) / 2 + 1,
             bar.Text);
}

void ReportPainter::DrawLabelValue(const ReportControl& label, const ReportControl& edit) {
    if (!painter_)
        return;
    const int xL = X(label.Left);
    const int xR = RoundPixel(edit.Left * scale_ + edit.Width * scale_ + pageLeft_);
    const int yB = BoxBottom(edit);
    const int room = xR - xL + 1;

    const bool hasCaption = label.Visible && !IsSpaceHolder(label.Text) &&
                            TrimBlanks(label.Text) != report_text::kPlaceholder;
    const QString labelText = hasCaption ? label.Text + QLatin1Char(' ') : QString();
    QString value = edit.Visible && !IsSpaceHolder(edit.Text) ? Shown(edit.Text) : QString();

    const TextFont& labelFont = Font(style_.Sizes.LabelValue);
    // A value beside a caption stands out in bold; a value on its own is regular.
    const TextFont& valueFont = Font(style_.Sizes.LabelValue, hasCaption);
    const int w = labelFont.Metrics.horizontalAdvance(labelText);
    const int lineHeight = labelFont.Metrics.ascent() + labelFont.Metrics.descent();
    if (valueFont.Metrics.horizontalAdvance(value) + w > room)
        value = LongestPrefixNarrowerThan(valueFont.Metrics, value, room - w);

    const int y = yB - lineHeight - 1;
    // The text cells are filled with the page colour, so nothing beneath shows through.
    painter_->setBackgroundMode(Qt::OpaqueMode);
    painter_->setBackground(style_.Colours.Background);
    DrawText(valueFont, style_.Colours.Value, xL + w, y, value);
    DrawText(labelFont, style_.Colours.Line, xL, y, labelText);
    painter_->setBackgroundMode(Qt::TransparentMode);
}

void ReportPainter::DrawCommentPair(const ReportControl& label, const ReportControl& first,
                                    const ReportControl& second) {
    if (!painter_)
        return;
    const TextFont& font = Font(style_.Sizes.LabelValue);
    const int lineHeight = font.Metrics.ascent() + font.Metrics.descent();
    const QString text = first.Visible ? Shown(first.Text) : QString();
    const CommentLinePair lines =
        BreakCommentLine(font.Metrics, text, RoundPixel(first.Width * scale_));
    const QString secondLine =
        LongestPrefixNarrowerThan(font.Metrics, lines.Second, RoundPixel(second.Width * scale_));

    const int firstY = BoxBottom(first) - lineHeight - 1;
    DrawText(font, style_.Colours.Value, X(first.Left), firstY, lines.First);
    if (second.Visible)
        DrawText(font, style_.Colours.Value, X(second.Left), BoxBottom(second) - lineHeight - 1,
                 secondLine);
    if (label.Visible && !IsSpaceHolder(label.Text)) {
        const QString caption = Shown(label.Text);
        DrawText(font, style_.Colours.Line,
                 AlignedX(label, font.Metrics.horizontalAdvance(caption)), firstY, caption);
    }
}

void ReportPainter::DrawTextLine(const ReportControl& label, const ReportControl& edit) {
    if (!painter_)
        return;
    const TextFont& font = Font(style_.Sizes.ForLayoutSize(label.FontSize));
    const int height = font.Metrics.ascent() + font.Metrics.descent();
    if (edit.Visible && !IsSpaceHolder(edit.Text)) {
        const QString text = LongestPrefixNarrowerThan(font.Metrics, Shown(edit.Text),
                                                       RoundPixel(edit.Width * scale_));
        DrawText(font, style_.Colours.Value, X(edit.Left), BoxBottom(edit) - height - 1, text);
    }
    if (label.Visible && !IsSpaceHolder(label.Text)) {
        const QString caption = Shown(label.Text);
        DrawText(font, style_.Colours.Line,
                 AlignedX(label, font.Metrics.horizontalAdvance(caption)),
                 BoxBottom(label) - height, caption);
    }
}

void ReportPainter::DrawDemandLine(const ReportControl& label, const ReportControl& edit,
                                   const DemandLineText& line) {
    if (!painter_ || edit.Text != line.Whole()) {
        DrawTextLine(label, edit);
        return;
    }
    const TextFont& font = Font(style_.Sizes.ForLayoutSize(label.FontSize));
    ReportControl fitted = edit;
    fitted.Text = ShortenMiddle(font.Metrics, line.Lead, line.Purpose, line.Result,
                                RoundPixel(edit.Width * scale_));
    DrawTextLine(label, fitted);
}

void ReportPainter::DrawLogo(const ReportPanel& panel, const QImage& logo) {
    if (!painter_ || logo.isNull())
        return;
    const int x = X(panel.Left);
    const QRect target(
        QPoint(x + RoundPixel(kLogoLeft * scale_), cursorY_ + RoundPixel(kLogoTop * scale_)),
        QPoint(x + RoundPixel(kLogoRight * scale_) - 1,
               cursorY_ + RoundPixel(kLogoBottom * scale_) - 1));
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_->drawImage(target, logo);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void ReportPainter::AdvancePageCursor(const ReportPanel& panel) {
    cursorY_ = RoundPixel(panel.Height * scale_ + cursorY_);
}

} // namespace quenra
