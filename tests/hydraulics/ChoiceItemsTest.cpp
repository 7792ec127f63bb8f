#include "hydraulics/ChoiceItems.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

TEST(StoredChoice, OneCharacterIsAnItemIndexAndLongerTextIsTheInspectorsWording) {
    EXPECT_EQ(StoredChoiceText(QStringLiteral("0"), SupplyTypeItems()),
              QStringLiteral("Public Main"));
    EXPECT_EQ(StoredChoiceText(QStringLiteral(" 3 "), SupplyTypeItems()),
              QStringLiteral("Not Specified"));
    // A letter in place of a digit counts as the first item, as older files were read.
    EXPECT_EQ(StoredChoiceText(QStringLiteral("x"), PumpPurposeItems()),
              QStringLiteral("automatic sprinkler system(s)"));
    // An index past the list shows nothing rather than another item.
    EXPECT_EQ(StoredChoiceText(QStringLiteral("7"), SupplyTypeItems()), QString());
    EXPECT_EQ(StoredChoiceText(QStringLiteral("Farm pond"), SupplyTypeItems()),
              QStringLiteral("Farm pond"));
    EXPECT_EQ(StoredItemIndex(QStringLiteral("12")), std::nullopt);
    EXPECT_EQ(StoredItemIndex(QStringLiteral("")), std::nullopt);
    EXPECT_EQ(StoredItemIndex(QStringLiteral("5")), 5);
}

} // namespace
} // namespace quenra
