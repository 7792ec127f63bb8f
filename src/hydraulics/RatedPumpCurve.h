#pragma once

#include "FlowPressure.h"

#include <functional>
#include <optional>
#include <vector>

namespace quenra {

// The curve of a pump through churn, rated and 150 % points: P = churn - c * Q^n, with n
// fixed by the three pressures. Serves the rated pump and the NFPA 25 reduced curve.
class RatedPumpCurve {
public:
    static constexpr double kOverloadFactor = 1.5; // the third point lies at 150 % of rated flow
    static constexpr int kSteps = 80;              // points before the closing 150 % point

    // The curve exists only for a positive rated flow and pressures that strictly fall (or
    // strictly rise) from churn through rated to 150 %.
    static std::optional<RatedPumpCurve> Through(double ratedFlow, double churn, double rated,
                                                 double at150);

    double Exponent() const { return exponent_; }
    double Coefficient() const { return coefficient_; }

    // The flows of the curve: 80 even steps from no flow, then 150 % of rated flow.
    std::vector<double> Flows() const;

    // The curve's points; at the closing point the pump gives exactly its 150 % pressure.
    std::vector<FlowPressure> Points() const;

    // The points of the pump boosting a supply: at each flow the pump's pressure plus the
    // pressure the supply gives at that flow.
    std::vector<FlowPressure>
    BoostedPoints(const std::function<double(double)>& supplyPressureAt) const;

private:
    RatedPumpCurve(double ratedFlow, double churn, double at150, double exponent,
                   double coefficient);
    double PumpPressureAt(int step, double flow) const;

    double ratedFlow_;
    double churn_;
    double at150_;
    double exponent_;
    double coefficient_;
};

} // namespace quenra
