#include "RatedPumpCurve.h"

#include <cmath>

namespace quenra {

namespace {

bool StrictlyMonotonic(double churn, double rated, double at150) {
    return (churn > rated && rated > at150) || (churn < rated && rated < at150);
}

} // namespace

RatedPumpCurve::RatedPumpCurve(double ratedFlow, double churn, double at150, double exponent,
                               double coefficient)
    : ratedFlow_(ratedFlow), churn_(churn), at150_(at150), exponent_(exponent),
      coefficient_(coefficient) {}

std::optional<RatedPumpCurve> RatedPumpCurve::Through(double ratedFlow, double churn, double rated,
                                                      double at150) {
    if (!(ratedFlow > 0.0) || !StrictlyMonotonic(churn, rated, at150))
        return std::nullopt;
    const double exponent =
        std::log10((churn - at150) / (churn - rated)) / std::log10(kOverloadFactor);
    const double coefficient = (churn - rated) / std::pow(ratedFlow, exponent);
    return RatedPumpCurve(ratedFlow, churn, at150, exponent, coefficient);
}

std::vector<double> RatedPumpCurve::Flows() const {
    const double lastFlow = kOverloadFactor * ratedFlow_;
    const double step = lastFlow / kSteps;
    std::vector<double> flows;
    flows.reserve(kSteps + 1);
    for (int i = 0; i < kSteps; ++i)
        flows.push_back(i * step);
    flows.push_back(lastFlow);
    return flows;
}

double RatedPumpCurve::PumpPressureAt(int step, double flow) const {
    if (step == kSteps)
        return at150_;
    return churn_ - coefficient_ * std::pow(flow, exponent_);
}

std::vector<FlowPressure> RatedPumpCurve::Points() const {
    return BoostedPoints([](double) { return 0.0; });
}

std::vector<FlowPressure>
RatedPumpCurve::BoostedPoints(const std::function<double(double)>& supplyPressureAt) const {
    const std::vector<double> flows = Flows();
    std::vector<FlowPressure> points;
    points.reserve(flows.size());
    for (std::size_t i = 0; i < flows.size(); ++i) {
        const double flow = flows[i];
        points.push_back(
            {flow, PumpPressureAt(static_cast<int>(i), flow) + supplyPressureAt(flow)});
    }
    return points;
}

} // namespace quenra
