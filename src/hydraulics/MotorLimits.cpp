#include "hydraulics/MotorLimits.h"

#include <cmath>

namespace quenra {
namespace {

// A limit as the inspector reads it on the page: 100 A times a service factor of 1.15 is 115 A,
// not the 114.99999999999999 of binary arithmetic, which would mark a reading of exactly 115.
double AsReadLimit(double limit) {
    constexpr double kScale = 1e6;
    return std::abs(limit) < 1e9 ? std::round(limit * kScale) / kScale : limit;
}

} // namespace

MotorLimits::MotorLimits(double ratedVolts, double ratedAmps, double serviceFactor)
    : ratedVolts_(ratedVolts), ratedAmps_(ratedAmps), serviceFactor_(serviceFactor) {}

bool MotorLimits::VoltsOutside(double volts) const {
    return volts < AsReadLimit(LowVolts()) || volts > AsReadLimit(HighVolts());
}

bool MotorLimits::AmpsOutside(double amps) const {
    const double factor = serviceFactor_ > 0.0 ? serviceFactor_ : 1.0;
    return amps > AsReadLimit(ratedAmps_ * factor);
}

} // namespace quenra
