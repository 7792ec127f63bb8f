#include "hydraulics/NozzleFlow.h"

#include "QStringPrinter.h"

#include "hydraulics/NumberText.h"
#include "model/ProjectData.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

QString Text(const char* text) {
    return QString::fromLatin1(text);
}

TEST(NozzleFlow, PitotFlowFormula) {
    const float flow = PitotFlow(Text("0.9"), Text("2.5"), Text("10"), 0);
    EXPECT_NEAR(flow, 530.077, 0.001);
    EXPECT_EQ(FormatRounded(0, flow), QStringLiteral("530"));
    EXPECT_NEAR(PitotFlow(Text("1"), Text("10"), Text("4"), 3), 133.2, 0.0001);
    // The readings are typed text: brackets and a leading point are fine.
    EXPECT_EQ(PitotFlow(Text(".9"), Text("(2.5)"), Text("10"), 0), flow);
    // A gauge read below zero counts by its magnitude.
    EXPECT_EQ(PitotFlow(Text("0.9"), Text("2.5"), Text("-16"), 0),
              PitotFlow(Text("0.9"), Text("2.5"), Text("16"), 0));
    // Unknown unit systems are English ones.
    EXPECT_EQ(PitotFlow(Text("0.9"), Text("2.5"), Text("10"), 42), flow);
    EXPECT_EQ(NozzleSizeList(-3), NozzleSizeList(0));
    EXPECT_NE(NozzleSizeList(1), NozzleSizeList(0));
    EXPECT_EQ(PitotFlow(Text(""), Text("2.5"), Text("10"), 0), 0.0F);
    EXPECT_EQ(PitotFlow(Text("0.9"), Text("2.5"), Text("ten"), 0), 0.0F);
}

TEST(NozzleFlow, ConstantIsSinglePrecision) {
    // 29.8 in single precision times 9 rounds to 268.19998; 29.8 in double would give 268.20001.
    const float flow = PitotFlow(Text("1"), Text("3"), Text("1"), 0);
    EXPECT_EQ(flow, 29.8F * 9.0F);
    EXPECT_NE(flow, static_cast<float>(29.8 * 9.0));
}

TEST(NozzleFlow, LargeOutletCoefficientFollowsPitot) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0.97"}, {"2", "0.97"},   {"3", "0.92"},  {"4", "0.89"},   {" 5 ", "0.86"},
        {"6", "0.84"}, {"7", "0.83"},   {"40", "0.83"}, {"-16", "0.83"}, {"5.5", "0.97"},
        {"", "0.97"},  {"abc", "0.97"}, {"+3", "0.92"}};
    for (const auto& [pitot, coefficient] : cases)
        EXPECT_EQ(LargeOutletCoefficient(Text(pitot)), Text(coefficient)) << pitot;
}

TEST(NozzleFlow, LargeOutletIsExactlyFourOrFourAndAHalf) {
    for (const char* size : {"4", "4.0", "4.5", " 4.50 ", "(4)"})
        EXPECT_TRUE(IsLargeOutlet(Text(size))) << size;
    for (const char* size : {"2.5", "4.25", "45", "", "four", "-4"})
        EXPECT_FALSE(IsLargeOutlet(Text(size))) << size;
}

class HoseStreamFlowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        project.UsePitotFlows[2] = true;
        SetNozzle(1, "2.5", ".9");
        SetNozzle(2, "2.5", ".9");
    }
    void SetNozzle(int outlet, const char* diameter, const char* coefficient) {
        project.PitotGrid[2][1][outlet] = Text(diameter);
        project.PitotGrid[2][2][outlet] = Text(coefficient);
    }
    void SetPitot(int point, int outlet, const char* pitot) {
        project.PitotGrid[2][point + 2][outlet] = Text(pitot);
    }
    ProjectData project;
};

TEST_F(HoseStreamFlowsTest, WritesFlowColumnOfEachFlowingPoint) {
    SetPitot(1, 1, "10");
    SetPitot(3, 1, "10");
    SetPitot(3, 2, "10");
    SetPitot(4, 3, "10"); // nozzle 3 has no diameter or coefficient
    project.PumpReadings[2][1][14] = Text("1500");
    project.PumpReadings[2][3][14] = Text("1500");

    HoseStreamTexts texts;
    ASSERT_TRUE(HoseStreamFlows(project, 2, &texts));
    EXPECT_EQ(texts[1], QStringLiteral("{530}"));
    EXPECT_EQ(texts[2], QStringLiteral("------"));
    EXPECT_EQ(texts[3], QStringLiteral("{1060}"));
    EXPECT_EQ(texts[4], QStringLiteral("------"));
    EXPECT_EQ(project.PumpReadings[2][2][14], QStringLiteral("{530}"));
    EXPECT_EQ(project.PumpReadings[2][3][14], QStringLiteral("------"));
    EXPECT_EQ(project.PumpReadings[2][4][14], QStringLiteral("{1060}"));
    EXPECT_EQ(project.PumpReadings[2][1][14], QStringLiteral("0"));
}

TEST_F(HoseStreamFlowsTest, MetricNozzle) {
    project.UnitSystem = 3;
    SetNozzle(1, "10", "1");
    SetPitot(1, 1, "4");
    ASSERT_TRUE(HoseStreamFlows(project, 2));
    EXPECT_EQ(project.PumpReadings[2][2][14], QStringLiteral("{133}"));
}

TEST_F(HoseStreamFlowsTest, LeavesTestsWithoutPitotReadingsAlone) {
    SetPitot(1, 1, "10");
    project.PumpReadings[2][2][14] = Text("1200");
    project.UsePitotFlows[2] = false;
    const ProjectData before = project;
    EXPECT_FALSE(HoseStreamFlows(project, 2));
    EXPECT_FALSE(HoseStreamFlows(project, 0));
    EXPECT_FALSE(HoseStreamFlows(project, 6));
    EXPECT_EQ(project, before);
}

} // namespace
} // namespace quenra
