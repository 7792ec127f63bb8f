#include "hydraulics/DateText.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);
const QLocale kGermany(QLocale::German, QLocale::Germany);

TEST(DateText, DatesAreWrittenWithFourDigitYears) {
    EXPECT_EQ(ShortDateFormat(kUnitedStates), QStringLiteral("M/d/yyyy"));
    EXPECT_EQ(FormatShortDate(QDate(2026, 12, 8), kUnitedStates), QStringLiteral("12/8/2026"));
    EXPECT_EQ(FormatShortDate(QDate(2026, 12, 8), kGermany), QStringLiteral("08.12.2026"));
}

TEST(DateText, DatesAreReadInTheLocaleTheWideFormOrIso) {
    EXPECT_EQ(ReadDate(QStringLiteral("12/8/2026"), kUnitedStates), QDate(2026, 12, 8));
    EXPECT_EQ(ReadDate(QStringLiteral(" 6/3/2024 "), kUnitedStates), QDate(2024, 6, 3));
    EXPECT_EQ(ReadDate(QStringLiteral("2026-12-08"), kUnitedStates), QDate(2026, 12, 8));
    EXPECT_EQ(ReadDate(QStringLiteral("08.12.2026"), kGermany), QDate(2026, 12, 8));
    EXPECT_TRUE(ReadDate(QStringLiteral("12/8/26"), kUnitedStates).has_value());

    for (const char* bad : {"", "   ", "yesterday", "13/45/2026", "12/8", "2026-02-30"}) {
        EXPECT_FALSE(ReadDate(QString::fromLatin1(bad), kUnitedStates).has_value()) << bad;
    }
}

struct TwoDigitYearCase {
    const char* Text;
    int CurrentYear;
    QDate Expected;
};

class TwoDigitYears : public ::testing::TestWithParam<TwoDigitYearCase> {};

// A two-digit year is the one ending in those digits within the 100 years that end 19 years
// after the current year.
TEST_P(TwoDigitYears, ReadWithinTheHundredYearsAroundNow) {
    const TwoDigitYearCase& c = GetParam();
    EXPECT_EQ(ReadDate(QString::fromLatin1(c.Text), kUnitedStates, c.CurrentYear), c.Expected);
    EXPECT_EQ(ReadDate(QString::fromLatin1(c.Text), QLocale::c(), c.CurrentYear), c.Expected);
    EXPECT_EQ(ReadDate(QString::fromLatin1(c.Text), kGermany, c.CurrentYear), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(DateText, TwoDigitYears,
                         ::testing::Values(TwoDigitYearCase{"12/8/26", 2026, QDate(2026, 12, 8)},
                                           TwoDigitYearCase{"1/1/45", 2026, QDate(2045, 1, 1)},
                                           TwoDigitYearCase{"12/31/46", 2026, QDate(1946, 12, 31)},
                                           TwoDigitYearCase{"6/3/99", 2026, QDate(1999, 6, 3)},
                                           TwoDigitYearCase{"2/29/00", 2026, QDate(2000, 2, 29)},
                                           TwoDigitYearCase{"7/4/09", 2090, QDate(2109, 7, 4)},
                                           TwoDigitYearCase{"7/4/10", 2090, QDate(2010, 7, 4)}));

TEST(DateText, GermanShortDatesWithTwoDigitYearsAreWidenedToo) {
    EXPECT_EQ(ReadDate(QStringLiteral("08.12.26"), kGermany, 2026), QDate(2026, 12, 8));
    EXPECT_EQ(ReadDate(QStringLiteral("08.12.50"), kGermany, 2026), QDate(1950, 12, 8));
    EXPECT_FALSE(ReadDate(QStringLiteral("2/29/00"), kUnitedStates, 2090).has_value())
        << "2100 has no leap day";
}

// Files from US machines hold M/d/yyyy dates; every locale reads them the same way, and the C
// locale of containers reads and writes dates as US English does.
TEST(DateText, UsDatesReadTheSameInEveryLocale) {
    for (const QLocale& locale : {kUnitedStates, kGermany, QLocale::c()}) {
        SCOPED_TRACE(locale.name().toStdString());
        EXPECT_EQ(ReadDate(QStringLiteral("10/14/2026"), locale), QDate(2026, 10, 14));
        EXPECT_EQ(ReadDate(QStringLiteral("3/4/2025"), locale), QDate(2025, 3, 4));
        EXPECT_EQ(ReadDate(QStringLiteral("2025-03-04"), locale), QDate(2025, 3, 4));
    }
    EXPECT_EQ(
        ReadDate(QStringLiteral("04/03/2025"), QLocale(QLocale::English, QLocale::UnitedKingdom)),
        QDate(2025, 3, 4))
        << "the locale's own form comes first";
    EXPECT_EQ(ReadDate(QStringLiteral("8 Dec 2026"), QLocale::c()), QDate(2026, 12, 8))
        << "dates written under the C locale in its own form still read";
    EXPECT_EQ(FormatShortDate(QDate(2026, 12, 8), QLocale::c()), QStringLiteral("12/8/2026"));
    EXPECT_EQ(ShortDateFormat(QLocale::c()), QStringLiteral("M/d/yyyy"));
}

} // namespace
} // namespace quenra
