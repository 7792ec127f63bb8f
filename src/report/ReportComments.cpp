#include "ReportComments.h"

#include "ReportValueText.h"

#include "graph/ArialFont.h"
#include "model/CommentText.h"

#include <QTextLayout>

#include <array>

namespace quenra {

namespace {

using enum ControlId;

constexpr int kWrapWidth = 765;
constexpr int kWrapFontHeight = -13;
constexpr int kLineHeight = 20;
constexpr int kSectionMargin = 28;

constexpr std::array kCommentBoxes = {Edit69, Edit70, Edit71, Edit72, Edit73, Edit74};

// Appends the display lines of one page line until `lines` holds `limit` lines.
void WrapLine(const QString& line, const QFont& font, int limit, QStringList& lines) {
    if (line.isEmpty()) {
        lines.append(QString());
        return;
    }
    QTextLayout layout(line, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    while (lines.size() < limit) {
        QTextLine displayLine = layout.createLine();
        if (!displayLine.isValid())
            break;
        displayLine.setLineWidth(kWrapWidth);
        lines.append(line.mid(displayLine.textStart(), displayLine.textLength()));
    }
    layout.endLayout();
}

} // namespace

QStringList WrapCommentLines(const QString& page, int limit) {
    const QFont font = ArialFont(kWrapFontHeight);
    QStringList lines;
    for (const QString& line : CommentLines(page)) {
        if (lines.size() >= limit)
            break;
        WrapLine(line, font, limit, lines);
    }
    return lines;
}

void FillReportComments(ReportLayout& R, const ProjectData& project, int testNumber) {
    const QString page = project.IsHydrantTest ? TestValue(project.HydrantComments, testNumber)
                                               : TestValue(project.Comments, testNumber);
    const QStringList lines = WrapCommentLines(page);
    R.CommentLineCount = 0;
    for (std::size_t k = 0; k < kCommentBoxes.size(); ++k) {
        const QString line = static_cast<qsizetype>(k) < lines.size()
                                 ? lines.at(static_cast<qsizetype>(k))
                                 : QString();
        R[kCommentBoxes[k]].Text = line;
        if (!line.isEmpty())
            R.CommentLineCount = static_cast<int>(k) + 1;
    }
    ReportPanel& panel = R.Panel(PanelId::CommentsBlock);
    panel.Height = R.CommentLineCount * kLineHeight + kSectionMargin;
    panel.Visible = R.CommentLineCount > 0 && project.ReportCommentsSection;
}

} // namespace quenra
