#include "NiceTicks.h"

#include "hydraulics/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quenra {

namespace {

constexpr int kLowestExponent = -8;
constexpr int kHighestExponent = 10;
constexpr std::array<double, 4> kMantissas{1, 2, 2.5, 5};
constexpr double kHalfStepMantissa = 2.5;
// The decimals FormatRounded can write.
constexpr int kMostLabelDecimals = 5;
// Tick indexes are kept well inside the range of an int.
constexpr double kLargestTickIndex = 1e9;

} // namespace

Ticks NiceTicks(double min, double max, int mostIntervals, double smallestAcceptedStep,
                double coarserThan) {
    if (!std::isfinite(min) || !std::isfinite(max)) {
        return {};
    }
    for (int exponent = kLowestExponent; exponent <= kHighestExponent; ++exponent) {
        for (const double mantissa : kMantissas) {
            const double step = mantissa * std::pow(10.0, exponent);
            const double intervals = std::trunc((max - min) / step);
            const bool accepted = intervals <= mostIntervals ||
                                  (smallestAcceptedStep > 0 && step >= smallestAcceptedStep);
            const double lowIndex = min / step;
            const double highIndex = max / step;
            if (!accepted || step <= coarserThan || std::abs(lowIndex) > kLargestTickIndex ||
                std::abs(highIndex) > kLargestTickIndex) {
                continue;
            }
            const double first = min == 0 ? 0 : std::trunc(lowIndex) - 1;
            const double count = (std::trunc(highIndex) + 1) - first + 1;
            if (count > kMostTicks) {
                continue;
            }
            Ticks ticks;
            ticks.Step = step;
            ticks.FirstIndex = static_cast<int>(first);
            ticks.Count = std::max(0, static_cast<int>(count));
            ticks.Exponent = mantissa == kHalfStepMantissa ? exponent - 1 : exponent;
            return ticks;
        }
    }
    return {};
}

int TickLabelDecimals(const Ticks& ticks) {
    return std::clamp(-ticks.Exponent, 0, kMostLabelDecimals);
}

double RoundedTickValue(const Ticks& ticks, int i) {
    return RoundTo(TickLabelDecimals(ticks), ticks.Value(i));
}

QString TickLabel(const Ticks& ticks, int i) {
    return FormatRounded(TickLabelDecimals(ticks), ticks.Value(i));
}

} // namespace quenra
