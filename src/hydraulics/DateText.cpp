#include "DateText.h"

#include "NumberText.h"

#include <QCalendar>
#include <QRegularExpression>

namespace quenra {

namespace {

const QString kUsDateFormat = QStringLiteral("M/d/yyyy");
const QString kUsShortDateFormat = QStringLiteral("M/d/yy");

// A year written with two digits in a date format ("yy" and not part of "yyyy").
const QRegularExpression& TwoDigitYear() {
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return twoDigitYear;
}

// Reads the text in one format. Qt reads a two-digit year as 19xx and checks the day against
// that year, which would refuse 29 February of "00"; the Julian calendar, with a leap day in
// every fourth year, lets the day through, and the Gregorian date of the widened year decides.
std::optional<QDate> ReadInFormat(const QString& text, const QString& format, const QLocale& locale,
                                  int currentYear) {
    if (!format.contains(TwoDigitYear())) {
        const QDate date = locale.toDate(text, format);
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }
    const QCalendar julian(QCalendar::System::Julian);
    const QDate read = locale.toDate(text, format, julian);
    if (!read.isValid()) {
        return std::nullopt;
    }
    const QCalendar::YearMonthDay parts = julian.partsFromDate(read);
    const QDate date(WidenTwoDigitYear(parts.year % 100, currentYear), parts.month, parts.day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// The locale's own short date format with its year widened to four digits.
QString WidenedShortFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    format.replace(TwoDigitYear(), QStringLiteral("yyyy"));
    return format;
}

} // namespace

QLocale DateLocale(const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
    return locale;
}

QString ShortDateFormat(const QLocale& locale) {
    return WidenedShortFormat(DateLocale(locale));
}

QString FormatShortDate(const QDate& date, const QLocale& locale) {
    return DateLocale(locale).toString(date, ShortDateFormat(locale));
}

int WidenTwoDigitYear(int twoDigits, int currentYear) {
    const int lastYear = currentYear + 19;
    return lastYear - ((lastYear - twoDigits) % 100 + 100) % 100;
}

std::optional<QDate> ReadDate(const QString& text, const QLocale& locale, int currentYear) {
    const QString trimmed = TrimBlanks(text);
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    // The locale's own forms come first, so that a date written under the C locale in its
    // own form ("8 Dec 2026") still reads.
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const struct {
        QString Format;
        const QLocale& Locale;
    } forms[] = {{WidenedShortFormat(locale), locale},
                 {locale.dateFormat(QLocale::ShortFormat), locale},
                 {kUsDateFormat, us},
                 {kUsShortDateFormat, us}};
    for (const auto& form : forms) {
        if (const std::optional<QDate> date =
                ReadInFormat(trimmed, form.Format, form.Locale, currentYear)) {
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
