#include "CommentText.h"

namespace quenra {

QStringList CommentLines(const QString& page) {
    QString text = page;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QString CommentPage(const QStringList& lines) {
    QString page;
    for (const QString& line : lines) {
        page += line;
        page += QStringLiteral("\r\n");
    }
    return page;
}

QString CutCommentPage(const QString& page, qsizetype length) {
    if (page.size() <= length) {
        return page;
    }
    QString cut = page.left(length - 2);
    if (cut.endsWith(QLatin1Char('\r'))) {
        cut.chop(1);
    }
    return cut + QStringLiteral("\r\n");
}

} // namespace quenra
