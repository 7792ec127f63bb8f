#include "hydraulics/NumberText.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

namespace quenra {
namespace {

constexpr int kMaxDecimals = 5;
constexpr int kSignificantDigits = 15;
// Below this magnitude a value is written in scientific notation.
constexpr int kSmallestFixedExponent = -5;
// Only this many characters after the opening brace are looked at.
constexpr qsizetype kBracedTextLimit = 199;

bool IsBlank(QChar c) {
    return c.unicode() <= 0x20;
}

bool IsOpeningBracket(QChar c) {
    return c == QLatin1Char('(') || c == QLatin1Char('<') || c == QLatin1Char('[') ||
           c == QLatin1Char('{');
}

bool IsClosingBracket(QChar c) {
    return c == QLatin1Char(')') || c == QLatin1Char('>') || c == QLatin1Char(']') ||
           c == QLatin1Char('}');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSign(char c) {
    return c == '+' || c == '-';
}

// Skips the digits at s[i...]; returns how many there were.
std::size_t SkipDigits(std::string_view s, std::size_t& i) {
    const std::size_t start = i;
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    return i - start;
}

// A plain decimal: optional sign, at least one digit, an optional fraction, an optional
// exponent. Words, "inf", "nan", hexadecimal and a bare leading point are not numbers here.
bool IsPlainDecimal(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && IsSign(s[i]))
        ++i;
    if (SkipDigits(s, i) == 0)
        return false;
    if (i < s.size() && s[i] == '.') {
        ++i;
        SkipDigits(s, i);
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && IsSign(s[i]))
            ++i;
        if (SkipDigits(s, i) == 0)
            return false;
    }
    return i == s.size();
}

// A plain decimal all of whose digits are zeros ("0", "-0.00", "0e7").
bool IsZeroText(std::string_view s) {
    for (const char c : s) {
        if (c == 'e' || c == 'E')
            break;
        if (IsDigit(c) && c != '0')
            return false;
    }
    return true;
}

// Converts a plain decimal with "." as separator whatever the host locale; anything else,
// and anything beyond the range of a double, reads as 0.
double ConvertDecimal(const QString& text) {
    // Characters outside Latin-1 become '?', which no number contains.
    const QByteArray bytes = text.toLatin1();
    std::string_view s(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!IsPlainDecimal(s))
        return 0.0;
    if (s.front() == '+')
        s.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return 0.0;
    return value;
}

// The 15 significant digits of |x| (trailing zeros removed) and the decimal exponent of the
// first one, after rounding.
struct Digits {
    std::string Significant;
    int Exponent = 0;
};

Digits SignificantDigits(double magnitude) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    // "d.dddddddddddddde+XX"
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    Digits digits;
    digits.Significant.push_back(text[0]);
    if (e > 2)
        digits.Significant.append(text.substr(2, e - 2));
    while (digits.Significant.size() > 1 && digits.Significant.back() == '0')
        digits.Significant.pop_back();
    const bool negativeExponent = text[e + 1] == '-';
    int exponent = 0;
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    digits.Exponent = negativeExponent ? -exponent : exponent;
    return digits;
}

std::string ScientificText(const Digits& digits) {
    std::string text(1, digits.Significant[0]);
    if (digits.Significant.size() > 1)
        text += '.' + digits.Significant.substr(1);
    std::array<char, 8> exponent{};
    const auto end =
        std::to_chars(exponent.data(), exponent.data() + exponent.size(), digits.Exponent).ptr;
    return text + 'E' + std::string(exponent.data(), end);
}

std::string FixedText(const Digits& digits) {
    if (digits.Exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-digits.Exponent - 1), '0') +
               digits.Significant;
    const auto integerDigits = static_cast<std::size_t>(digits.Exponent) + 1;
    std::string text = digits.Significant.substr(0, integerDigits);
    text.resize(integerDigits, '0');
    if (digits.Significant.size() > integerDigits)
        text += '.' + digits.Significant.substr(integerDigits);
    return text;
}

QString NonFiniteText(double x) {
    if (std::isnan(x))
        return QStringLiteral("NAN");
    return x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
}

} // namespace

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

QString StripBrackets(const QString& text) {
    QString stripped = TrimBlanks(text);
    if (!stripped.isEmpty() && IsOpeningBracket(stripped.front()))
        stripped.remove(0, 1);
    if (!stripped.isEmpty() && IsClosingBracket(stripped.back()))
        stripped.chop(1);
    return stripped;
}

// The text ParseNumber converts: brackets stripped, ".5" and "-.5" given their leading zero.
QString RepairedNumberText(const QString& text) {
    QString number = TrimBlanks(StripBrackets(text));
    // Inspectors often type ".5" or "-.5"; the converter wants a digit before the point.
    if (number.startsWith(QLatin1String("-.")))
        number.insert(1, QLatin1Char('0'));
    else if (number.startsWith(QLatin1Char('.')))
        number.prepend(QLatin1Char('0'));
    return number;
}

double ParseNumber(const QString& text) {
    return ConvertDecimal(RepairedNumberText(text));
}

bool ReadsAsNumber(const QString& text) {
    const QString number = RepairedNumberText(text);
    if (number.isEmpty())
        return true;
    const QByteArray bytes = number.toLatin1();
    const std::string_view s(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // A number too large for a double also reads as 0.
    return IsPlainDecimal(s) && (ConvertDecimal(number) != 0.0 || IsZeroText(s));
}

double ParseBracedNumber(const QString& text) {
    QString number = TrimBlanks(StripBrackets(text));
    const qsizetype open = number.indexOf(QLatin1Char('{'));
    if (open >= 0) {
        number = number.mid(open + 1, kBracedTextLimit);
        const qsizetype close = number.indexOf(QLatin1Char('}'));
        if (close >= 0)
            number.truncate(close);
    }
    return ConvertDecimal(TrimBlanks(number));
}

int ParseIntegerOr(const QString& text, int fallback) {
    const QByteArray bytes = TrimBlanks(text).toLatin1();
    std::string_view s(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        if (!s.empty() && !IsDigit(s.front()))
            return fallback;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size())
        return fallback;
    return value;
}

double RoundTo(int decimals, double x) {
    static constexpr std::array<double, kMaxDecimals + 1> kScales{1.0,    10.0,    100.0,
                                                                  1000.0, 10000.0, 100000.0};
    const double scale = kScales[static_cast<std::size_t>(std::clamp(decimals, 0, kMaxDecimals))];
    const double scaled = x * scale;
    if (!std::isfinite(scaled))
        return x;
    // nearbyint rounds halves to even in the default rounding mode.
    return std::nearbyint(scaled) / scale;
}

QString FormatGeneral(double x) {
    if (!std::isfinite(x))
        return NonFiniteText(x);
    if (x == 0.0)
        return QStringLiteral("0"); // negative zero too
    const Digits digits = SignificantDigits(std::fabs(x));
    const bool scientific =
        digits.Exponent < kSmallestFixedExponent || digits.Exponent >= kSignificantDigits;
    const std::string body = scientific ? ScientificText(digits) : FixedText(digits);
    return QString::fromLatin1((x < 0 ? "-" : "") + body);
}

QString FormatRounded(int decimals, double x) {
    return FormatGeneral(RoundTo(decimals, x));
}

QString FormatComputedFlow(double x) {
    if (x == 0.0)
        return kEmptyComputed;
    return QLatin1Char('{') + FormatRounded(0, x) + QLatin1Char('}');
}

} // namespace quenra
