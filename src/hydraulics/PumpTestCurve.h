#pragma once

#include "FlowPressure.h"

#include <optional>
#include <span>
#include <vector>

namespace quenra {

// The curve of a pump test through its readings: each interval between two readings follows
// a law P = Pa - H * (Q - Qa)^n fitted through three neighbouring readings, or a straight line
// where the pressures of those readings do not fall; a first reading above zero flow gets a
// lead-in from zero flow on the first interval's law.
class PumpTestCurve {
public:
    static constexpr int kStepsPerInterval = 30;
    // Fewer readings than this give no curve.
    static constexpr int kMinimumReadings = 3;

    // The curve through `readings` (in table order, a blank reading as zero flow and pressure),
    // or nothing when the data are bad: too few readings, flows that do not increase, or points
    // beyond what a series can hold.
    static std::optional<PumpTestCurve> Fit(std::span<const FlowPressure> readings);

    // The generated points: lead-in, 30 per interval, and the last reading closing the curve.
    const std::vector<FlowPressure>& Points() const { return points_; }

    // The pressure at `flow` by the law of the first generated step that contains it; nothing
    // when the flow lies outside the curve.
    std::optional<double> PressureAt(double flow) const;

private:
    // The law of one interval or of the lead-in.
    struct Law {
        enum class Kind { Straight, Fitted, LeadIn };
        Kind Shape = Kind::Straight;
        FlowPressure From; // straight: the interval's end points
        FlowPressure To;
        double Qa = 0.0; // fitted and lead-in: the first of the three readings
        double Pa = 0.0;
        double H = 0.0;
        double N = 0.0;

        double PressureAt(double flow) const;
    };

    // Adds the 30 points of one interval from `from` to `to` on `law`.
    void AddInterval(double from, double to, const Law& law);

    std::vector<FlowPressure> points_;
    std::vector<Law> laws_;
    std::vector<std::size_t> stepLaw_; // law of the step that starts at each point
};

} // namespace quenra
