#pragma once

namespace quenra {

// The limits an electric motor's readings are judged by: its voltage may lie 5 % below and
// 10 % above its rating, its current may reach the rated amps times the service factor.
// The caller reads the three ratings from the record in its own way (the report strips
// braces, the page does not).
class MotorLimits {
public:
    static constexpr double kLowVoltsFactor = 0.95;
    static constexpr double kHighVoltsFactor = 1.1;

    MotorLimits(double ratedVolts, double ratedAmps, double serviceFactor);

    // The limits as stated on the page and in the report, before any rounding for display.
    double LowVolts() const { return kLowVoltsFactor * ratedVolts_; }
    double HighVolts() const { return kHighVoltsFactor * ratedVolts_; }
    double MaxAmps() const { return ratedAmps_ * serviceFactor_; }
    bool StatesVolts() const { return ratedVolts_ != 0.0; }
    // A blank service factor states no current limit.
    bool StatesMaxAmps() const { return ratedAmps_ != 0.0 && serviceFactor_ != 0.0; }

    // Whether a reading lies outside the limits as the inspector reads them: a reading of
    // exactly the stated limit is inside. Judging takes a blank service factor as 1.
    bool VoltsOutside(double volts) const;
    bool AmpsOutside(double amps) const;

private:
    double ratedVolts_;
    double ratedAmps_;
    double serviceFactor_;
};

} // namespace quenra
