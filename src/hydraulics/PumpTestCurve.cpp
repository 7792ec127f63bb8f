#include "PumpTestCurve.h"

#include "CurveTable.h"

#include <algorithm>
#include <cmath>

namespace quenra {

namespace {

// The three readings whose law an interval follows: interval k (from reading k to k + 1,
// counted from 1) uses readings m - 1, m, m + 1 with m = max(k, 2).
struct Triple {
    FlowPressure A, B, C;
};

Triple TripleFor(std::span<const FlowPressure> readings, std::size_t interval) {
    const std::size_t middle = std::max<std::size_t>(interval, 2);
    return {readings[middle - 2], readings[middle - 1], readings[middle]};
}

} // namespace

double PumpTestCurve::Law::PressureAt(double flow) const {
    switch (Shape) {
    case Kind::Straight:
        return From.Pressure +
               (To.Pressure - From.Pressure) * (flow - From.Flow) / (To.Flow - From.Flow);
    case Kind::Fitted:
        return Pa - H * std::pow(std::max(flow - Qa, 0.0), N);
    case Kind::LeadIn:
        return Pa + H * std::pow(std::fabs(flow - Qa), N);
    }
    return 0.0;
}

void PumpTestCurve::AddInterval(double from, double to, const Law& law) {
    laws_.push_back(law);
    for (int j = 0; j < kStepsPerInterval; ++j) {
        const double flow = from + (to - from) * j / kStepsPerInterval;
        points_.push_back({flow, law.PressureAt(flow)});
        stepLaw_.push_back(laws_.size() - 1);
    }
}

std::optional<PumpTestCurve> PumpTestCurve::Fit(std::span<const FlowPressure> readings) {
    const std::size_t count = readings.size();
    if (count < kMinimumReadings)
        return std::nullopt;
    PumpTestCurve curve;
    for (std::size_t k = 1; k < count; ++k) {
        const FlowPressure& from = readings[k - 1];
        const FlowPressure& to = readings[k];
        const auto [a, b, c] = TripleFor(readings, k);
        const double d1 = b.Flow - a.Flow;
        const double d2 = c.Flow - a.Flow;
        if (!(d1 > 0.0) || !(d1 < d2))
            return std::nullopt;
        if (b.Pressure <= c.Pressure || b.Pressure >= a.Pressure) {
            curve.AddInterval(from.Flow, to.Flow, Law{Law::Kind::Straight, from, to});
            continue;
        }
        const double r1 = (a.Pressure - c.Pressure) / (a.Pressure - b.Pressure);
        const double r2 = d2 / d1;
        if (!(r1 > 0.0) || !(r2 > 0.0))
            return std::nullopt;
        const double n = std::log10(r1) / std::log10(r2);
        if (!(n >= 0.0))
            return std::nullopt;
        Law law{Law::Kind::Fitted, from, to, a.Flow, a.Pressure};
        law.N = n;
        law.H = (a.Pressure - b.Pressure) / std::pow(d1, n);
        if (k == 1 && from.Flow > 0.0) {
            Law leadIn = law;
            leadIn.Shape = Law::Kind::LeadIn;
            curve.AddInterval(0.0, from.Flow, leadIn);
        }
        curve.AddInterval(from.Flow, to.Flow, law);
    }
    curve.points_.push_back(readings[count - 1]);
    if (!FitsStoredValues(curve.points_))
        return std::nullopt;
    return curve;
}

std::optional<double> PumpTestCurve::PressureAt(double flow) const {
    for (std::size_t j = 0; j + 1 < points_.size(); ++j) {
        if (points_[j].Flow <= flow && flow <= points_[j + 1].Flow) {
            const double pressure = laws_[stepLaw_[j]].PressureAt(flow);
            return std::isfinite(pressure) ? std::optional<double>(pressure) : std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace quenra
