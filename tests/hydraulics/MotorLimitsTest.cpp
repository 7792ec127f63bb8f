#include "hydraulics/MotorLimits.h"
#include "hydraulics/NumberText.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quenra {
namespace {

// One motor, one reading, and what the page and the report state about it.
struct MotorCase {
    const char* Name;
    double RatedVolts;
    double RatedAmps;
    double ServiceFactor;
    double Volts;
    double Amps;
    bool VoltsOutside;
    bool AmpsOutside;
    const char* StatedVoltRange; // "" when no range is stated
    const char* StatedMaxAmps;   // "" when no limit is stated
};

void PrintTo(const MotorCase& c, std::ostream* out) {
    *out << c.Name;
}

class MotorLimitsTest : public testing::TestWithParam<MotorCase> {};

TEST_P(MotorLimitsTest, JudgesReadingsAtTheStatedLimits) {
    const MotorCase& c = GetParam();
    const MotorLimits limits(c.RatedVolts, c.RatedAmps, c.ServiceFactor);
    EXPECT_EQ(limits.VoltsOutside(c.Volts), c.VoltsOutside);
    EXPECT_EQ(limits.AmpsOutside(c.Amps), c.AmpsOutside);
    const QString range = limits.StatesVolts()
                              ? FormatRounded(1, limits.LowVolts()) + QStringLiteral("/") +
                                    FormatRounded(1, limits.HighVolts())
                              : QString();
    EXPECT_EQ(range, QString::fromLatin1(c.StatedVoltRange));
    const QString maxAmps = limits.StatesMaxAmps() ? FormatRounded(2, limits.MaxAmps()) : QString();
    EXPECT_EQ(maxAmps, QString::fromLatin1(c.StatedMaxAmps));
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, MotorLimitsTest,
    testing::Values(
        MotorCase{"AtTheLowestVoltsAndMostAmps", 460, 118, 1.15, 437, 135.7, false, false,
                  "437/506", "135.7"},
        MotorCase{"AtTheHighestVolts", 460, 118, 1.15, 506, 100, false, false, "437/506", "135.7"},
        MotorCase{"JustBelowTheLowestVolts", 460, 118, 1.15, 436.9, 100, true, false, "437/506",
                  "135.7"},
        MotorCase{"JustAboveTheHighestVoltsAndMostAmps", 460, 118, 1.15, 506.1, 135.8, true, true,
                  "437/506", "135.7"},
        // 100 A times 1.15 is 115 A to the inspector, though not in binary arithmetic.
        MotorCase{"AtMostAmpsOfARoundRating", 460, 100, 1.15, 460, 115, false, false, "437/506",
                  "115"},
        // A blank factor states no current limit, yet readings are judged as if it were 1.
        MotorCase{"BlankFactorAtTheRatedAmps", 460, 118, 0, 460, 118, false, false, "437/506", ""},
        MotorCase{"BlankFactorAboveTheRatedAmps", 460, 118, 0, 460, 118.1, false, true, "437/506",
                  ""},
        MotorCase{"NoRatings", 0, 0, 1.15, 0, 0, false, false, "", ""}),
    [](const testing::TestParamInfo<MotorCase>& testCase) {
        return std::string(testCase.param.Name);
    });

} // namespace
} // namespace quenra
