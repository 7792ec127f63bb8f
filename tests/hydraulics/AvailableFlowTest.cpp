#include "hydraulics/AvailableFlow.h"
#include "hydraulics/AvailableFlowLegend.h"

#include "CurveProjects.h"
#include "QStringPrinter.h"

#include "hydraulics/DataErrorPrompt.h"
#include "hydraulics/GraphPreparation.h"
#include "hydraulics/LegendContent.h"
#include "support/ScriptedPrompter.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace quenra {
namespace {

// One supply test worked by hand in each unit system: the flow where its curve crosses 20 psi
// (137.9 kpa, 1.379 bar), as the legend and the report state it.
struct WorkedTest {
    int UnitSystem;
    double Static, Residual, Flow;
    double Expected; // the available flow in the system's own flow unit
    const char* Sentence;
    bool Estimate;
};

class AvailableFlowUnitsTest : public ::testing::TestWithParam<WorkedTest> {};

TEST_P(AvailableFlowUnitsTest, CrossesRatingPressureOnTheSupplyCurve) {
    const WorkedTest& c = GetParam();
    const AvailableFlow available =
        ComputeAvailableFlow(c.Static, c.Residual, c.Flow, c.UnitSystem);
    ASSERT_TRUE(available.Computable) << available.Reason.toStdString();
    EXPECT_NEAR(available.Flow, c.Expected, 1e-6 * c.Expected);
    EXPECT_EQ(AvailableFlowSentence(available, c.UnitSystem), QString::fromUtf8(c.Sentence));
    EXPECT_EQ(available.Estimate, c.Estimate);
    EXPECT_TRUE(available.Reason.isEmpty());
}

// 1836 * (52/17)^0.5399568 = 3357.77 gpm; the 17 psi drop is under a quarter of 72 psi.
INSTANTIATE_TEST_SUITE_P(
    EveryUnitSystem, AvailableFlowUnitsTest,
    ::testing::Values(
        WorkedTest{0, 72, 55, 1836, 3357.7711160, "Available: 3 358 gpm @ 20 psi (Class AA)", true},
        WorkedTest{1, 500, 350, 100, 160.9402741, "Available: 160.9 l/s @ 137.9 kpa (Class AA)",
                   false},
        WorkedTest{2, 5, 3.5, 200, 321.8805482, "Available: 321.9 cm/hr @ 1.379 bar (Class A)",
                   false},
        WorkedTest{3, 5, 3.5, 6000, 9656.4164457, "Available: 9 656 l/m @ 1.379 bar (Class AA)",
                   false},
        WorkedTest{4, 6, 4, 40, 62.8706530, "Available: 62.9 l/s @ 1.379 bar (Class B)", false},
        WorkedTest{5, 450, 300, 60, 89.1190423, "Available: 89.1 cm/hr @ 137.9 kpa (Class C)",
                   false},
        WorkedTest{6, 400, 250, 1500, 2027.5335441, "Available: 2 028 l/m @ 137.9 kpa (Class B)",
                   false}));

// The sentence reads the same on a German or US desktop: "." before the decimals, a blank
// between the thousands.
TEST(AvailableFlowTest, SentenceDoesNotFollowTheDesktopLocale) {
    const QLocale saved;
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(locale);
        EXPECT_EQ(AvailableFlowSentence(ComputeAvailableFlow(500, 350, 100, 1), 1),
                  QStringLiteral("Available: 160.9 l/s @ 137.9 kpa (Class AA)"));
        EXPECT_EQ(AvailableFlowSentence(ComputeAvailableFlow(5, 3.5, 6000, 3), 3),
                  QStringLiteral("Available: 9 656 l/m @ 1.379 bar (Class AA)"));
    }
    QLocale::setDefault(saved);
}

TEST(AvailableFlowTest, OtherRatingPressureIsTakenInPsi) {
    // 60 psi static, 40 psi residual at 1000 gpm, rated at 30 psi: 1000 * (30/20)^0.5399568.
    const AvailableFlow available = ComputeAvailableFlow(60, 40, 1000, 0, 30.0);
    ASSERT_TRUE(available.Computable);
    EXPECT_NEAR(available.Flow, 1244.749, 1e-3);
    EXPECT_EQ(AvailableFlowSentence(available, 0),
              QStringLiteral("Available: 1 245 gpm @ 30 psi (Class A)"));
    // The same in a kpa project: 30 psi is 206.8 kpa.
    EXPECT_EQ(RatingPressureNumber(ComputeAvailableFlow(600, 400, 50, 1, 30.0).RatingPressure, 1),
              QStringLiteral("206.8"));
}

struct Unavailable {
    const char* Name;
    double Static, Residual, Flow;
    int UnitSystem;
    const char* Reason;
};

class AvailableFlowNotComputableTest : public ::testing::TestWithParam<Unavailable> {};

TEST_P(AvailableFlowNotComputableTest, GivesNoValueAndSaysWhy) {
    const Unavailable& c = GetParam();
    const AvailableFlow available =
        ComputeAvailableFlow(c.Static, c.Residual, c.Flow, c.UnitSystem);
    EXPECT_FALSE(available.Computable);
    EXPECT_EQ(available.Reason, QString::fromUtf8(c.Reason));
    EXPECT_EQ(AvailableFlowNote(available), QString::fromUtf8(c.Reason));
    EXPECT_EQ(AvailableFlowSentence(available, c.UnitSystem),
              QStringLiteral("Available: not computable"));
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    EveryCase, AvailableFlowNotComputableTest,
    ::testing::Values(
        Unavailable{"StaticBelowRating", 18, 10, 500, 0, "static pressure at or below 20 psi"},
        Unavailable{"StaticAtRating", 20, 10, 500, 0, "static pressure at or below 20 psi"},
        Unavailable{"StaticAtRatingKpa", 137.89514, 100, 50, 1,
                    "static pressure at or below 137.9 kpa"},
        Unavailable{"StaticBelowRatingBar", 1.2, 1, 500, 3,
                    "static pressure at or below 1.379 bar"},
        Unavailable{"BlankTest", 0, 0, 0, 0, "static pressure at or below 20 psi"},
        Unavailable{"ResidualEqualsStatic", 60, 60, 1000, 0,
                    "residual pressure at or above static pressure"},
        Unavailable{"ResidualAboveStatic", 60, 65, 1000, 0,
                    "residual pressure at or above static pressure"},
        Unavailable{"NoResidualPressure", 60, 0, 1000, 0, "no residual pressure"},
        Unavailable{"NegativeResidualPressure", 60, -5, 1000, 0, "no residual pressure"},
        Unavailable{"NoFlow", 60, 40, 0, 0, "no residual flow"},
        Unavailable{"NegativeFlow", 60, 40, -100, 0, "no residual flow"},
        Unavailable{"InfiniteFlow", 60, 40, kInfinity, 0, "numbers out of range"},
        Unavailable{"FlowTooLargeForResult", 60, 59.9999999, 1e307, 0, "numbers out of range"}),
    [](const ::testing::TestParamInfo<Unavailable>& testCase) { return testCase.param.Name; });

// The class follows the whole gallons shown beside it.
struct ClassBoundary {
    double Gpm;
    NfpaClass Class;
};

class NfpaClassBoundaryTest : public ::testing::TestWithParam<ClassBoundary> {};

TEST_P(NfpaClassBoundaryTest, ClassOfShownFlow) {
    EXPECT_EQ(NfpaClassName(ClassOfFlowGpm(GetParam().Gpm)), NfpaClassName(GetParam().Class))
        << GetParam().Gpm;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, NfpaClassBoundaryTest,
    ::testing::Values(ClassBoundary{1500, NfpaClass::AA}, ClassBoundary{1499.5, NfpaClass::AA},
                      ClassBoundary{1499.4, NfpaClass::A}, ClassBoundary{1499, NfpaClass::A},
                      ClassBoundary{1000, NfpaClass::A}, ClassBoundary{999.4, NfpaClass::B},
                      ClassBoundary{500, NfpaClass::B}, ClassBoundary{499.5, NfpaClass::B},
                      ClassBoundary{498.5, NfpaClass::C}, ClassBoundary{0, NfpaClass::C}));

TEST(AvailableFlowTest, ShownFigureAndClassAgreeAtTheBoundary) {
    // 1499.5 gpm is printed as 1 500: it must not be called class A beside that figure.
    AvailableFlow available;
    available.Computable = true;
    available.Flow = available.FlowGpm = 1499.5;
    available.RatingPressure = 20;
    available.Class = ClassOfFlowGpm(available.FlowGpm);
    EXPECT_EQ(AvailableFlowSentence(available, 0),
              QStringLiteral("Available: 1 500 gpm @ 20 psi (Class AA)"));
}

struct DropCase {
    double Static, Residual;
    bool Estimate;
};

class SmallDropTest : public ::testing::TestWithParam<DropCase> {};

TEST_P(SmallDropTest, UnderAQuarterIsAnEstimate) {
    const AvailableFlow available =
        ComputeAvailableFlow(GetParam().Static, GetParam().Residual, 1000, 0);
    ASSERT_TRUE(available.Computable);
    EXPECT_EQ(available.Estimate, GetParam().Estimate);
    EXPECT_EQ(AvailableFlowNote(available),
              GetParam().Estimate ? QStringLiteral("pressure drop under 25 %: estimate")
                                  : QString());
}

INSTANTIATE_TEST_SUITE_P(Drops, SmallDropTest,
                         ::testing::Values(DropCase{80, 60, false}, DropCase{80, 60.1, true},
                                           DropCase{80, 79, true}, DropCase{80, 30, false}));

TEST(AvailableFlowTest, ProjectNumbersAreReadAsTyped) {
    ProjectData p = test::BlankHydrantProject();
    test::SetSupplyTest(p, 2, "(72)", "55", ".1836E4");
    const AvailableFlow available = AvailableFlowOf(p, 2);
    ASSERT_TRUE(available.Computable);
    EXPECT_NEAR(available.Flow, 3357.771, 1e-3);
    test::SetSupplyTest(p, 2, "72", "fifty", "1836");
    EXPECT_EQ(AvailableFlowOf(p, 2).Reason, QStringLiteral("no residual pressure"));
}

class AvailableFlowLegendTest : public ::testing::Test {
protected:
    AvailableFlowLegendTest() {
        test::SetSupplyTest(project, 1, "72", "55", "1836");
        test::SetSupplyTest(project, 2, "80", "50", "900");
        test::SetSupplyTest(project, 3, "15", "10", "500");
        project.SupplyTestDate[2] = QStringLiteral("5/1/2024");
        for (int t = 1; t <= 3; ++t)
            project.SupplyShowCurve[t] = true;
    }
    LegendContent Legend(const AvailableFlowOption& option) {
        GraphRequest request;
        request.AvailableFlow = option;
        PromptFlags flags;
        flags.ErrorPromptSuppressed = true;
        return PrepareGraph(project, CheckBeforeDrawing(project, prompter, flags), request).Legend;
    }
    const LegendEntry& Entry(const LegendContent& legend, int test) {
        for (const LegendEntry& entry : legend.Entries)
            if (entry.Kind == LegendEntryKind::HydrantTest && entry.Number == test)
                return entry;
        throw std::runtime_error("no legend entry");
    }
    ProjectData project = test::BlankHydrantProject();
    test::ScriptedPrompter prompter;
};

TEST_F(AvailableFlowLegendTest, OffLeavesTheLegendAsItWas) {
    AvailableFlowOption off;
    off.RatingPressurePsi = 35;
    const LegendContent legend = Legend(off);
    EXPECT_EQ(Entry(legend, 1).Lines.size(), 3);
    EXPECT_EQ(Entry(legend, 2).Lines.size(), 4);
    LegendContent plain = Legend(AvailableFlowOption{});
    ASSERT_EQ(plain.Entries.size(), legend.Entries.size());
    for (qsizetype i = 0; i < plain.Entries.size(); ++i)
        EXPECT_EQ(plain.Entries[i].Lines, legend.Entries[i].Lines);
}

TEST_F(AvailableFlowLegendTest, OnAddsTheSentenceTheClassSquareAndTheNote) {
    const LegendContent legend = Legend({true, kDefaultRatingPressurePsi});
    const LegendEntry& first = Entry(legend, 1);
    ASSERT_EQ(first.Lines.size(), 5);
    EXPECT_EQ(first.Lines[3].Text, QStringLiteral("Available: 3 358 gpm @ 20 psi (Class AA)"));
    ASSERT_TRUE(first.Lines[3].Swatch.has_value());
    EXPECT_EQ(*first.Lines[3].Swatch, NfpaClassColour(NfpaClass::AA));
    EXPECT_EQ(first.Lines[4].Text, QStringLiteral("pressure drop under 25 %: estimate"));
    EXPECT_FALSE(first.Lines[4].Swatch.has_value());

    // 900 * (60/30)^0.5399568 = 1308.54: class A, a reliable 30 psi drop, no note.
    const LegendEntry& second = Entry(legend, 2);
    ASSERT_EQ(second.Lines.size(), 5);
    EXPECT_EQ(second.Lines[4].Text, QStringLiteral("Available: 1 309 gpm @ 20 psi (Class A)"));
    EXPECT_EQ(*second.Lines[4].Swatch, NfpaClassColour(NfpaClass::A));

    const LegendEntry& third = Entry(legend, 3);
    ASSERT_EQ(third.Lines.size(), 5);
    EXPECT_EQ(third.Lines[3].Text, QStringLiteral("Available: not computable"));
    EXPECT_FALSE(third.Lines[3].Swatch.has_value());
    EXPECT_EQ(third.Lines[4].Text, QStringLiteral("static pressure at or below 20 psi"));
}

TEST_F(AvailableFlowLegendTest, ReadsTheFlowTheCheckRaised) {
    // The data check raises a residual flow of 10 or less to 10 before the curve is drawn;
    // the available flow is read off that same curve.
    test::SetSupplyTest(project, 1, "80", "50", "5");
    const LegendContent legend = Legend({true, kDefaultRatingPressurePsi});
    EXPECT_EQ(Entry(legend, 1).Lines[3].Text,
              QStringLiteral("Available: 15 gpm @ 20 psi (Class C)"));
}

} // namespace
} // namespace quenra
