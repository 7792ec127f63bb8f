#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace quenra {

// Dates are kept as the text of the system's short date format. They are written with a
// four-digit year: a two-digit year is ambiguous to every other reader of the file. The C
// (POSIX) locale of containers and headless jobs has no short date format of its own that
// inspectors know: it counts as US English, the form most files hold.

// The locale whose date formats are used: US English for the C locale, else the locale.
QLocale DateLocale(const QLocale& locale = QLocale());

// The locale's short date format with its year widened to four digits ("M/d/yy" becomes
// "M/d/yyyy").
QString ShortDateFormat(const QLocale& locale = QLocale());

QString FormatShortDate(const QDate& date, const QLocale& locale = QLocale());

// The year a two-digit year stands for: the one ending in those digits within the 100 years
// that end 19 years after `currentYear` (in 2026: 1946 to 2045).
int WidenTwoDigitYear(int twoDigits, int currentYear);

// Reads a date leniently: the locale's short format with a four-digit year, then as the
// locale writes it, then the US forms M/d/yyyy and M/d/yy that files from US machines hold,
// then ISO (2026-12-08). A two-digit year is widened around `currentYear`. Anything else is
// no date.
std::optional<QDate> ReadDate(const QString& text, const QLocale& locale = QLocale(),
                              int currentYear = QDate::currentDate().year());

} // namespace quenra
