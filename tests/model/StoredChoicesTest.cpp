#include "model/StoredChoices.h"

#include <gtest/gtest.h>

#include <optional>

namespace quenra {
namespace {

// A code as a project file may hold it, and what each list reads it as.
struct StoredCase {
    int Stored;
    std::optional<TransferSwitchStatus> Switch;
    DemandVerdict Demand;
    MotorVerdict Motor;
    int ListIndex; // of the verdict lists; outside 0..2 selects nothing
};

class StoredChoicesTest : public testing::TestWithParam<StoredCase> {};

TEST_P(StoredChoicesTest, ReadsEachCodeAsTheListsMeanIt) {
    const StoredCase& c = GetParam();
    EXPECT_EQ(ReadTransferSwitch(c.Stored), c.Switch);
    EXPECT_EQ(ReadDemandVerdict(c.Stored), c.Demand);
    EXPECT_EQ(ReadMotorVerdict(c.Stored), c.Motor);
    EXPECT_EQ(VerdictListIndex(c.Stored), c.ListIndex);
    EXPECT_EQ(VerdictCodeAt(c.ListIndex), c.Stored);
    if (c.Switch) {
        EXPECT_EQ(StoredCode(*c.Switch), c.Stored);
    }
}

using enum TransferSwitchStatus;
INSTANTIATE_TEST_SUITE_P(
    FileCodes, StoredChoicesTest,
    testing::Values(StoredCase{-1, std::nullopt, DemandVerdict::CannotMeet, MotorVerdict::Fails, 3},
                    StoredCase{0, NotApplicable, DemandVerdict::CannotMeet, MotorVerdict::Fails, 2},
                    StoredCase{1, Passed, DemandVerdict::CanMeet, MotorVerdict::Meets, 1},
                    StoredCase{2, Failed, DemandVerdict::NotApplicable, MotorVerdict::NotTaken, 0},
                    StoredCase{3, NoSwitch, DemandVerdict::CannotMeet, MotorVerdict::Fails, -1},
                    StoredCase{4, NotTested, DemandVerdict::CannotMeet, MotorVerdict::Fails, -2},
                    StoredCase{5, std::nullopt, DemandVerdict::CannotMeet, MotorVerdict::Fails,
                               -3}));

TEST(StoredChoices, VerdictsWriteTheCodesTheFileHolds) {
    EXPECT_EQ(StoredCode(DemandVerdict::CannotMeet), 0);
    EXPECT_EQ(StoredCode(DemandVerdict::CanMeet), 1);
    EXPECT_EQ(StoredCode(DemandVerdict::NotApplicable), 2);
    EXPECT_EQ(StoredCode(MotorVerdict::Fails), 0);
    EXPECT_EQ(StoredCode(MotorVerdict::Meets), 1);
    EXPECT_EQ(StoredCode(MotorVerdict::NotTaken), 2);
}

} // namespace
} // namespace quenra
