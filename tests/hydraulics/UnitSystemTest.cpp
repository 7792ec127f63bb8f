#include "hydraulics/UnitSystem.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

TEST(UnitSystem, WordsFollowTheSystem) {
    const UnitWords litresBar = UnitWordsFor(4);
    EXPECT_EQ(litresBar.PressureLabel, QStringLiteral("(bar)"));
    EXPECT_EQ(litresBar.FlowLabel, QStringLiteral("(l/s)"));
    EXPECT_EQ(litresBar.DiameterLabel, QStringLiteral("(mm)"));
    EXPECT_EQ(litresBar.SmallLengthLabel, QStringLiteral("(cm)"));
    EXPECT_EQ(UnitWordsFor(5).FlowWord, QStringLiteral("cm/hr"));
    EXPECT_EQ(UnitWordsFor(6).PressureWord, QStringLiteral("kpa"));
    // An index from a damaged file gets the English words.
    for (int unknown : {-1, 7, 1000}) {
        EXPECT_EQ(UnitWordsFor(unknown).PressureLabel, QStringLiteral("(psi)")) << unknown;
        EXPECT_EQ(UnitWordsFor(unknown).DiameterLabel, QStringLiteral("(in)")) << unknown;
    }
    EXPECT_EQ(UnitSystemItems().size(), kUnitSystemCount);
}

TEST(UnitSystem, ComposedCaptionsAndItems) {
    const UnitWords english = UnitWordsFor(0);
    const UnitWords kpa = UnitWordsFor(1);
    EXPECT_EQ(ComposeCaption(QStringLiteral("Static Pressure "), english.PressureLabel),
              QStringLiteral("Static Pressure (psi)"));
    EXPECT_EQ(ComposeCaption(QStringLiteral("Residual Flow "), kpa.FlowLabel),
              QStringLiteral("Residual Flow (l/s)"));
    const QStringList suction = SuctionTypeItems(english);
    ASSERT_EQ(suction.size(), 3);
    EXPECT_EQ(suction[0],
              QStringLiteral("Centrifugal: Negative entries in inches of Hg, Positive in psi"));
    EXPECT_EQ(suction[1],
              QStringLiteral("Turbine Lift: Suction is in ft of lift, other entries in psi"));
    EXPECT_EQ(SuctionTypeItems(kpa)[2], QStringLiteral("All entries in kpa"));
    EXPECT_EQ(LiftOrHeadItems(kpa), QStringList({"Lift (m)", "Head (m)"}));
}

} // namespace
} // namespace quenra
