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

} // namespace
} // namespace quenra
