#include "UnitFactors.h"

#include "UnitSystem.h"

#include <array>

namespace quenra {

namespace {

constexpr double kKpaPerPsi = 6.894757293168361;
constexpr double kBarPerPsi = kKpaPerPsi / 100;
constexpr double kLitresPerGallon = 3.785411784;
constexpr double kLitresPerSecondPerGpm = kLitresPerGallon / 60;
constexpr double kCubicMetresPerHourPerGpm = kLitresPerGallon * 60 / 1000;
constexpr double kLitresPerMinutePerGpm = kLitresPerGallon;

// In the order of the unit system choice: psi-gpm, kpa-l/s, bar-cm/hr, bar-l/m, bar-l/s,
// kpa-cm/hr, kpa-l/m.
constexpr std::array<UnitFactors, kUnitSystemCount> kFactors{{
    {1, 1},
    {kKpaPerPsi, kLitresPerSecondPerGpm},
    {kBarPerPsi, kCubicMetresPerHourPerGpm},
    {kBarPerPsi, kLitresPerMinutePerGpm},
    {kBarPerPsi, kLitresPerSecondPerGpm},
    {kKpaPerPsi, kCubicMetresPerHourPerGpm},
    {kKpaPerPsi, kLitresPerMinutePerGpm},
}};

constexpr int kEnglishSystem = 0;

} // namespace

UnitFactors UnitFactorsFor(int unitSystem) {
    return kFactors[static_cast<std::size_t>(KnownUnitSystem(unitSystem))];
}

bool IsEnglishUnits(int unitSystem) {
    return KnownUnitSystem(unitSystem) == kEnglishSystem;
}

} // namespace quenra
