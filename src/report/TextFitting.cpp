#include "TextFitting.h"

namespace quenra {

namespace {

// A cut never separates the two halves of a character outside the basic plane.
qsizetype WholeCharacters(const QString& text, qsizetype length) {
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
        return length - 1;
    return length;
}

// The largest length whose prefix is narrower than `limit`; prefixes widen as they grow, so
// a binary search finds it without measuring every prefix.
qsizetype FittingLength(const QFontMetrics& metrics, const QString& text, int limit) {
    qsizetype low = 0; // always fits (or limit <= 0, then nothing does and low stays 0)
    qsizetype high = text.size();
    if (limit <= 0)
        return 0;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(middle)) < limit)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

} // namespace

QString LongestPrefixNarrowerThan(const QFontMetrics& metrics, const QString& text, int limit) {
    if (metrics.horizontalAdvance(text) < limit)
        return text;
    return text.left(WholeCharacters(text, FittingLength(metrics, text, limit)));
}

QString ShortenMiddle(const QFontMetrics& metrics, const QString& lead, const QString& middle,
                      const QString& tail, int limit) {
    const QString whole = lead + middle + tail;
    if (metrics.horizontalAdvance(whole) < limit)
        return whole;
    const QString mark(QChar(0x2026)); // "…"
    const int around = metrics.horizontalAdvance(lead + mark + tail);
    QString kept = LongestPrefixNarrowerThan(metrics, middle, limit - around);
    const auto shortened = [&] {
        qsizetype end = kept.size();
        while (end > 0 && kept.at(end - 1) == QLatin1Char(' '))
            --end; // "Automatic…", not "Automatic …"
        return lead + kept.left(end) + mark + tail;
    };
    // Widths of joined texts may differ from the sum of their parts by a pixel.
    while (!kept.isEmpty() && metrics.horizontalAdvance(shortened()) >= limit)
        kept.truncate(WholeCharacters(kept, kept.size() - 1));
    return shortened();
}

CommentLinePair BreakCommentLine(const QFontMetrics& metrics, const QString& text, int firstWidth) {
    if (metrics.horizontalAdvance(text) <= firstWidth)
        return {text, QString()};
    // The first prefix that is not narrower than the box; the break lies at or before it.
    const qsizetype overflow = std::min(FittingLength(metrics, text, firstWidth) + 1, text.size());
    const qsizetype blank = text.lastIndexOf(QLatin1Char(' '), overflow - 1);
    qsizetype breakAfter = blank >= 0 ? blank + 1 : overflow;
    if (breakAfter < text.size() && text.at(breakAfter - 1).isHighSurrogate())
        ++breakAfter;
    return {text.left(breakAfter), text.mid(breakAfter, kSecondLineLimit)};
}

} // namespace quenra
