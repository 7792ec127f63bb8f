#pragma once

#include <QString>

namespace quenra {

// Reading and writing of the numbers that inspectors type as text. Every calculation reads
// its inputs through these routines; none of them looks at the host locale ("." is always the
// decimal separator).

// Removes characters up to and including the blank (control characters too) at both ends.
QString TrimBlanks(const QString& text);

// Trims, then removes one opening "(", "<", "[" or "{" at the start and one closing ")", ">",
// "]" or "}" at the end.
QString StripBrackets(const QString& text);

// The general reader of a typed number: brackets stripped, ".5" and "-.5" repaired; blank or
// unreadable text reads as 0.
double ParseNumber(const QString& text);

// Whether ParseNumber reads the text as the number it shows: blank text (read as 0, as meant)
// and every number the reader accepts; false for text that reads as 0 only because it is not
// a number ("12a", "1,5", "((12))").
bool ReadsAsNumber(const QString& text);

// Reader of a value the program wrote between braces, with words around it allowed:
// "Flow {1250} gpm" reads as 1250. Unreadable text reads as 0.
double ParseBracedNumber(const QString& text);

// Reads a decimal integer line (optional sign, digits, surrounding blanks allowed); anything
// else, or a value outside 32 bits, gives the fallback.
int ParseIntegerOr(const QString& text, int fallback);

// x rounded to 0..5 decimals; a product exactly halfway between two integers goes to the even
// one, so RoundTo(0, 2.5) is 2 and RoundTo(2, 1.005) is 1 (1.005 * 100 is 100.4999...).
double RoundTo(int decimals, double x);

// The general number format: shortest text with at most 15 significant digits, no trailing
// zeros; scientific notation ("1.2E-6", "1E20") only below 0.00001 in magnitude or beyond 15
// digits before the point.
QString FormatGeneral(double x);

// RoundTo followed by FormatGeneral.
QString FormatRounded(int decimals, double x);

// A computed flow as the tables show it: "{" + whole number + "}", or "------" for zero.
QString FormatComputedFlow(double x);

// The text of an empty computed cell.
inline const QString kEmptyComputed = QStringLiteral("------");

} // namespace quenra
