#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace quenra {

// Dates are kept as the text of the system's short date format. They are written with a
// four-digit year: a two-digit year reads back as the 1900s and would sort a new test as the
// oldest.

// The locale's short date format with its year widened to four digits ("M/d/yy" becomes
// "M/d/yyyy").
QString ShortDateFormat(const QLocale& locale = QLocale());

QString FormatShortDate(const QDate& date, const QLocale& locale = QLocale());

// Reads a date leniently: the locale's short format, the same with a four-digit year, or ISO
// (2026-12-08). Anything else is no date.
std::optional<QDate> ReadDate(const QString& text, const QLocale& locale = QLocale());

} // namespace quenra
