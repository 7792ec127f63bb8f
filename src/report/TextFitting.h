#pragma once

#include <QFontMetrics>
#include <QString>

namespace quenra {

// The longest prefix of `text`, by whole characters, whose width stays below `limit` pixels.
QString LongestPrefixNarrowerThan(const QFontMetrics& metrics, const QString& text, int limit);

// `lead` + `middle` + `tail` narrower than `limit` pixels: whole when it fits, else with the
// middle cut to its longest beginning that leaves room for the mark "…" after it. When not
// even the mark alone fits, the middle is left out with the mark, and the rest is cut by
// whoever draws it.
QString ShortenMiddle(const QFontMetrics& metrics, const QString& lead, const QString& middle,
                      const QString& tail, int limit);

// A comment of up to two lines: the first box takes the text up to the last blank before the
// point where it stops fitting (or up to that point when there is no blank); the second line
// takes the rest, at most kSecondLineLimit characters, uncut by width.
struct CommentLinePair {
    QString First;
    QString Second;
};

constexpr int kSecondLineLimit = 499;

CommentLinePair BreakCommentLine(const QFontMetrics& metrics, const QString& text, int firstWidth);

} // namespace quenra
