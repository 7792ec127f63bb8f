#include "hydraulics/SupplyDerivedValues.h"

#include "QStringPrinter.h"

#include "model/ProjectData.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

class SupplyDerivedValuesTest : public ::testing::Test {
protected:
    void SetOutlet(const char* orifice, const char* coefficient, const char* pitot) {
        project.SupplyOrificeSize[3] = QString::fromLatin1(orifice);
        project.SupplyDischargeCoef[3] = QString::fromLatin1(coefficient);
        project.SupplyPitotReading[3] = QString::fromLatin1(pitot);
        project.SupplyResidualFlow[3] = QStringLiteral("1000");
    }
    ProjectData project;
};

TEST_F(SupplyDerivedValuesTest, LargeOutletTakesAutomaticCoefficient) {
    SetOutlet("4.0", "0.90", "5");
    project.SupplyCalcFlow[3] = true;
    EXPECT_TRUE(UpdateSupplyDerivedValues(project, 3, true));
    EXPECT_EQ(project.SupplyDischargeCoef[3], QStringLiteral("0.86"));
    // 29.8 * 0.86 * 16 * sqrt(5) = 916.9
    EXPECT_EQ(project.SupplyResidualFlow[3], QStringLiteral("917"));

    SetOutlet("4.5", "0.90", "5.5");
    EXPECT_TRUE(UpdateSupplyDerivedValues(project, 3, true));
    EXPECT_EQ(project.SupplyDischargeCoef[3], QStringLiteral("0.97"));
}

TEST_F(SupplyDerivedValuesTest, SmallOutletKeepsTypedCoefficient) {
    SetOutlet("2.5", "0.9", "10");
    project.SupplyCalcFlow[3] = true;
    EXPECT_FALSE(UpdateSupplyDerivedValues(project, 3, true));
    EXPECT_EQ(project.SupplyDischargeCoef[3], QStringLiteral("0.9"));
    EXPECT_EQ(project.SupplyResidualFlow[3], QStringLiteral("530"));
}

// The box state may still be that of the test shown before; each flag drives its own step.
TEST_F(SupplyDerivedValuesTest, BoxStateAndTestFlagActSeparately) {
    SetOutlet("4", "0.90", "5");
    project.SupplyCalcFlow[3] = true;
    EXPECT_TRUE(UpdateSupplyDerivedValues(project, 3, false));
    EXPECT_EQ(project.SupplyDischargeCoef[3], QStringLiteral("0.90"));
    // 29.8 * 0.9 * 16 * sqrt(5) = 959.5
    EXPECT_EQ(project.SupplyResidualFlow[3], QStringLiteral("960"));

    SetOutlet("4", "0.90", "5");
    project.SupplyCalcFlow[3] = false;
    EXPECT_TRUE(UpdateSupplyDerivedValues(project, 3, true));
    EXPECT_EQ(project.SupplyDischargeCoef[3], QStringLiteral("0.86"));
    EXPECT_EQ(project.SupplyResidualFlow[3], QStringLiteral("1000"));
}

TEST_F(SupplyDerivedValuesTest, OtherTestsAndBadIndexesUntouched) {
    SetOutlet("4", "0.90", "5");
    project.SupplyCalcFlow[3] = true;
    const ProjectData before = project;
    EXPECT_FALSE(UpdateSupplyDerivedValues(project, 2, true));
    EXPECT_FALSE(UpdateSupplyDerivedValues(project, 0, true));
    EXPECT_FALSE(UpdateSupplyDerivedValues(project, 6, true));
    EXPECT_EQ(project, before);
}

struct OutletsCase {
    const char* Outlets;
    const char* Flow;
};

class OutletsFlowedTest : public SupplyDerivedValuesTest,
                          public ::testing::WithParamInterface<OutletsCase> {};

// Two 2.5 in outlets at 30 psi with coefficient 0.9: 918.09 gpm each, 1836 together.
TEST_P(OutletsFlowedTest, ResidualFlowCountsEveryOutletFlowed) {
    SetOutlet("2.5", "0.9", "30");
    project.OutletsFlowed[3] = QString::fromLatin1(GetParam().Outlets);
    project.SupplyCalcFlow[3] = true;
    UpdateSupplyDerivedValues(project, 3, true);
    EXPECT_EQ(project.SupplyResidualFlow[3], QString::fromLatin1(GetParam().Flow));
}

INSTANTIATE_TEST_SUITE_P(Outlets, OutletsFlowedTest,
                         ::testing::Values(OutletsCase{"", "918"}, OutletsCase{"1", "918"},
                                           OutletsCase{"2", "1836"}, OutletsCase{" 3 ", "2754"},
                                           OutletsCase{"4", "3672"}, OutletsCase{"5", "918"},
                                           OutletsCase{"0", "918"}, OutletsCase{"2.5", "918"},
                                           OutletsCase{"two", "918"}));

} // namespace
} // namespace quenra
