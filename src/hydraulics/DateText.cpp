#include "DateText.h"

#include "NumberText.h"

#include <QRegularExpression>

namespace quenra {

QString ShortDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
        format.replace(twoDigitYear, QStringLiteral("yyyy"));
    }
    return format;
}

QString FormatShortDate(const QDate& date, const QLocale& locale) {
    return locale.toString(date, ShortDateFormat(locale));
}

std::optional<QDate> ReadDate(const QString& text, const QLocale& locale) {
    const QString trimmed = TrimBlanks(text);
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    const QString formats[] = {ShortDateFormat(locale), locale.dateFormat(QLocale::ShortFormat)};
    for (const QString& format : formats) {
        const QDate date = locale.toDate(trimmed, format);
        if (date.isValid()) {
            return date;
        }
    }
    const QDate iso = QDate::fromString(trimmed, Qt::ISODate);
    if (iso.isValid()) {
        return iso;
    }
    return std::nullopt;
}

} // namespace quenra
