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

} // namespace
} // namespace quenra
