#include "hydraulics/DisplayOrder.h"
#include "CurveProjects.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);
const QDateTime kNow(QDate(2026, 5, 20), QTime(14, 30));

DisplayOrders Orders(const ProjectData& p) {
    return MakeDisplayOrders(p, kNow, kUnitedStates);
}

EvaluatedTests Choose(const ProjectData& p, int requested = 0) {
    return ChooseEvaluatedTests(p, Orders(p), requested, kNow, kUnitedStates);
}

TEST(DisplayOrder, NewestTestDateFirstAndAnUnreadableDateCountsAsNow) {
    ProjectData p = test::BlankHydrantProject();
    const char* dates[] = {"3/1/2024", "2026-05-20", "not a date", "12/31/2025", ""};
    for (int t = 1; t <= kTestCount; ++t) {
        p.SupplyTestDate[t] = QString::fromLatin1(dates[t - 1]);
        p.SupplyShowCurve[t] = true;
    }
    // Tests 3 and 5 have no readable date and count as made now, in number order; test 2 is
    // dated today, at midnight, before now.
    EXPECT_EQ(Orders(p).Hydrant, (QList<int>{3, 5, 2, 4, 1}));
    p.SupplyShowCurve[3] = false;
    EXPECT_EQ(Orders(p).Hydrant, (QList<int>{5, 2, 4, 1}));
    EXPECT_EQ(TestMoment(QStringLiteral("garbage"), kNow, kUnitedStates), kNow);
    EXPECT_EQ(TestMoment(QStringLiteral("5/19/2026"), kNow, kUnitedStates),
              QDate(2026, 5, 19).startOfDay());
}

TEST(DisplayOrder, EqualDatesKeepTheirNumberOrder) {
    ProjectData p = test::BlankPumpProject();
    for (int t : {2, 4, 5}) {
        p.PumpTestDate[t] = QStringLiteral("6/3/2024");
        p.PumpTestInGraph[t] = true;
        p.PumpTestCombined[t] = true;
    }
    p.PumpTestDate[1] = QStringLiteral("6/2/2024");
    p.PumpTestInGraph[1] = true;
    p.PumpTestCombined[1] = true;
    EXPECT_EQ(Orders(p).Pump, (QList<int>{2, 4, 5, 1}));
    // Of the displayed discharge curves with the latest date, the lowest number is evaluated.
    EXPECT_EQ(Choose(p).PumpTest, 2);
    p.PumpTestCombined[2] = false;
    EXPECT_EQ(Choose(p).PumpTest, 4);
    // An undated test counts as made now: newer than any dated one.
    p.PumpTestDate[5].clear();
    EXPECT_EQ(Choose(p).PumpTest, 5);
}

TEST(DisplayOrder, EvaluatedTestsInBothKindsOfProject) {
    ProjectData p = test::BlankPumpProject();
    // Nothing displayed: supply test 1, no pump test.
    EXPECT_EQ(Choose(p), (EvaluatedTests{1, 0}));
    p.SupplyShowCurve[2] = p.SupplyShowCurve[4] = true;
    p.SupplyTestDate[2] = QStringLiteral("1/5/2025");
    p.SupplyTestDate[4] = QStringLiteral("2/5/2025");
    // The net curve alone does not make a test evaluated.
    p.PumpTestInGraph[3] = true;
    EXPECT_EQ(Choose(p), (EvaluatedTests{4, 0}));
    p.PumpTestCombined[3] = true;
    EXPECT_EQ(Choose(p), (EvaluatedTests{4, 3}));
    p.IsHydrantTest = true;
    EXPECT_EQ(Choose(p), (EvaluatedTests{4, 3}));
}

TEST(DisplayOrder, ARequestedTestOverridesTheOneOfItsKind) {
    ProjectData p = test::BlankPumpProject();
    p.PumpTestCombined[3] = true;
    p.SupplyShowCurve[2] = true;
    EXPECT_EQ(Choose(p, 5), (EvaluatedTests{0, 5}));
    p.IsHydrantTest = true;
    EXPECT_EQ(Choose(p, 5), (EvaluatedTests{5, 0}));
    // Anything but 1..5 lets the rules choose.
    EXPECT_EQ(Choose(p, 0), (EvaluatedTests{2, 3}));
    EXPECT_EQ(Choose(p, 6), (EvaluatedTests{2, 3}));
    EXPECT_EQ(Choose(p, -1), (EvaluatedTests{2, 3}));
}

} // namespace
} // namespace quenra
