#include "hydraulics/NumberText.h"

#include "QStringPrinter.h"
#include "support/NumberTexts.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <string>

namespace quenra {
namespace {

TEST(NumberText, TrimAndStripBrackets) {
    EXPECT_EQ(TrimBlanks(QStringLiteral("\t\x01 12 5\r\n ")), QStringLiteral("12 5"));
    // A no-break space is not a blank: only codes up to 0x20 are trimmed.
    EXPECT_EQ(TrimBlanks(QString(QChar(0xA0)) + QStringLiteral("7")), QString(QChar(0xA0)) + "7");
    EXPECT_EQ(StripBrackets(QStringLiteral("  [12]  ")), QStringLiteral("12"));
    EXPECT_EQ(StripBrackets(QStringLiteral("((12))")), QStringLiteral("(12)"));
    EXPECT_EQ(StripBrackets(QStringLiteral("<430")), QStringLiteral("430"));
    EXPECT_EQ(StripBrackets(QStringLiteral("(")), QString());
    EXPECT_EQ(StripBrackets(QString()), QString());
}

TEST(NumberText, ParseNumberReadsTypedText) {
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral(".5")), 0.5);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("-.5")), -0.5);
    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral(" (.5) ")), 0.5);
    for (const char* bracketed : {"(12)", "[12]", "{12}", "<12>", " 12 ", "+12", "12.", "1.2e1"})
        EXPECT_DOUBLE_EQ(ParseNumber(QString::fromLatin1(bracketed)), 12.0) << bracketed;
    // Only one bracket goes at each end; everything else that is not a plain decimal is 0.
    for (const char* unreadable : {"((12))", "", "   ", "abc", "12 psi", "1,5", "1 000", "inf",
                                   "nan", "0x10", "1e", "+.5", "--5", "1e400", "\u0663"})
        EXPECT_EQ(ParseNumber(QString::fromUtf8(unreadable)), 0.0) << unreadable;
}

TEST(NumberText, ParseBracedNumberReadsProgramWrittenValues) {
    EXPECT_DOUBLE_EQ(ParseBracedNumber(QStringLiteral("Flow {1250} gpm")), 1250.0);
    EXPECT_EQ(ParseNumber(QStringLiteral("Flow {1250} gpm")), 0.0);
    EXPECT_DOUBLE_EQ(ParseBracedNumber(QStringLiteral("{134.5}")), 134.5);
    EXPECT_DOUBLE_EQ(ParseBracedNumber(QStringLiteral("<430>")), 430.0);
    EXPECT_DOUBLE_EQ(ParseBracedNumber(QStringLiteral("{-12}")), -12.0);
    EXPECT_DOUBLE_EQ(ParseBracedNumber(QStringLiteral("net {42")), 42.0);
    // No leading-point repair here.
    EXPECT_EQ(ParseBracedNumber(QStringLiteral(".5")), 0.0);
    EXPECT_EQ(ParseBracedNumber(QStringLiteral("{.5}")), 0.0);
    EXPECT_EQ(ParseBracedNumber(kEmptyComputed), 0.0);
    EXPECT_EQ(ParseBracedNumber(QStringLiteral("{}")), 0.0);
    // Only 199 characters after the brace are read: 250 ones read as a 199-digit number.
    const double ones = ParseBracedNumber(QStringLiteral("x{") + QString(250, QLatin1Char('1')) +
                                          QStringLiteral("} gpm"));
    EXPECT_GT(ones, 1e198);
    EXPECT_LT(ones, 1e199);
}

TEST(NumberText, ParseIntegerOrFallsBack) {
    EXPECT_EQ(ParseIntegerOr(QStringLiteral(" 42 "), -1), 42);
    EXPECT_EQ(ParseIntegerOr(QStringLiteral("+7"), -1), 7);
    EXPECT_EQ(ParseIntegerOr(QStringLiteral("-2147483648"), -1), INT_MIN);
    for (const char* text : {"", "4.0", "5.5", "2147483648", "+-1", "7 gpm", "x"})
        EXPECT_EQ(ParseIntegerOr(QString::fromLatin1(text), -1), -1) << text;
}

TEST(NumberText, RoundToSendsHalvesToEven) {
    EXPECT_EQ(RoundTo(0, 2.5), 2.0);
    EXPECT_EQ(RoundTo(0, 3.5), 4.0);
    EXPECT_EQ(RoundTo(0, -2.5), -2.0);
    EXPECT_EQ(RoundTo(0, 1017.142857), 1017.0);
    // 1.005 * 100 is 100.49999999999999 in double.
    EXPECT_EQ(RoundTo(2, 1.005), 1.0);
    EXPECT_EQ(RoundTo(1, 134.4953), 134.5);
    EXPECT_EQ(RoundTo(5, 0.123456789), 0.12346);
    EXPECT_EQ(RoundTo(5, 1e305), 1e305);
}

TEST(NumberText, FormatGeneralWritesShortestFifteenDigits) {
    EXPECT_EQ(FormatGeneral(100.0), QStringLiteral("100"));
    EXPECT_EQ(FormatGeneral(2.50), QStringLiteral("2.5"));
    EXPECT_EQ(FormatGeneral(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(FormatGeneral(-2.0 / 3.0), QStringLiteral("-0.666666666666667"));
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(FormatGeneral(-0.0), QStringLiteral("0"));
    EXPECT_EQ(FormatGeneral(0.00001), QStringLiteral("0.00001"));
    EXPECT_EQ(FormatGeneral(0.000012), QStringLiteral("0.000012"));
    EXPECT_EQ(FormatGeneral(1e-6), QStringLiteral("1E-6"));
    EXPECT_EQ(FormatGeneral(-1.2e-6), QStringLiteral("-1.2E-6"));
    EXPECT_EQ(FormatGeneral(123456789012345.0), QStringLiteral("123456789012345"));
    EXPECT_EQ(FormatGeneral(1e15), QStringLiteral("1E15"));
    EXPECT_EQ(FormatGeneral(999999999999999.9), QStringLiteral("1E15"));
    EXPECT_EQ(FormatGeneral(1e20), QStringLiteral("1E20"));
    EXPECT_EQ(FormatGeneral(123456789012345678.0), QStringLiteral("1.23456789012346E17"));
    EXPECT_EQ(FormatRounded(0, 2.5), QStringLiteral("2"));
    EXPECT_EQ(FormatRounded(1, 460.6666), QStringLiteral("460.7"));
}

TEST(NumberText, FormatComputedFlowBracesNonZero) {
    EXPECT_EQ(FormatComputedFlow(1017.14), QStringLiteral("{1017}"));
    EXPECT_EQ(FormatComputedFlow(0.3), QStringLiteral("{0}"));
    EXPECT_EQ(FormatComputedFlow(0.0), QStringLiteral("------"));
}

// Inspectors' machines run with all sorts of locales; "." must stay the separator.
TEST(NumberText, IgnoresHostLocale) {
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    const QLocale previousQt;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"}) {
        if (std::setlocale(LC_ALL, name) != nullptr)
            break;
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("2.5")), 2.5);
    EXPECT_EQ(ParseNumber(QStringLiteral("2,5")), 0.0);
    EXPECT_DOUBLE_EQ(ParseBracedNumber(QStringLiteral("{134.5}")), 134.5);
    EXPECT_EQ(FormatGeneral(1234.5), QStringLiteral("1234.5"));
    EXPECT_EQ(FormatGeneral(1.2e-6), QStringLiteral("1.2E-6"));

    QLocale::setDefault(previousQt);
    std::setlocale(LC_ALL, previousC.c_str());
}

class ReadsAsNumberTest : public ::testing::TestWithParam<test::NumberTextCase> {};

// A blank box and every number the reader accepts are numbers; text that reads as 0 only
// because it is none is not.
TEST_P(ReadsAsNumberTest, TellsNumbersFromTextThatReadsAsZero) {
    EXPECT_EQ(ReadsAsNumber(GetParam().Text), GetParam().IsNumber);
    if (!GetParam().IsNumber) {
        EXPECT_EQ(ParseNumber(GetParam().Text), 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadsAsNumberTest,
                         ::testing::ValuesIn(test::NumberTextCases().toVector()));

} // namespace
} // namespace quenra
