#pragma once

#include "model/ProjectData.h"

namespace quenra {

// PumpAtDemand of a demand point whose flow lies outside the evaluated pump test's curve.
constexpr float kOutOfPumpRange = -12345.0F;
// Any pump pressure above this counts as found on the curve.
constexpr float kOutOfPumpRangeLimit = -12344.0F;

// The pressures at the five demand points, from the evaluated supply and pump tests.
struct DemandResults {
    PerTest<float> SupplyAtDemand{};  // evaluated supply curve at the demand flow
    PerTest<float> PumpAtDemand{};    // evaluated pump test's net curve, or kOutOfPumpRange
    PerTest<float> BoostedAtDemand{}; // evaluated pump test's discharge curve
    PerTest<float> CushionAtDemand{}; // boosted pressure minus the demand pressure

    friend bool operator==(const DemandResults&, const DemandResults&) = default;
};

} // namespace quenra
