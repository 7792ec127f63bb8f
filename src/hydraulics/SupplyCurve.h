#pragma once

#include "FlowPressure.h"

#include <vector>

namespace quenra {

// The water supply law of a hydrant flow test: P = static - C * Q^1.852, through the static
// pressure at no flow and the residual pressure at the residual flow.
class SupplyCurve {
public:
    static constexpr double kExponent = 1.852;
    // The inverse exponent as inspectors' tables give it, not 1 / 1.852 computed.
    static constexpr double kInverseExponent = 0.5399568;
    static constexpr int kPointCount = 100;
    // How far a supply whose pressure does not fall is drawn.
    static constexpr double kFlatCurveFlow = 1000.0;

    SupplyCurve(double staticPressure, double residualPressure, double residualFlow);

    double StaticPressure() const { return static_; }
    double Coefficient() const { return coefficient_; }
    // The flow at which the pressure reaches zero, or 1000 when it never falls.
    double MaxFlow() const { return maxFlow_; }

    // Pressure at `flow`; flows below zero count as no flow.
    double PressureAt(double flow) const;

    // The 100 points from no flow to MaxFlow.
    std::vector<FlowPressure> Points() const;

private:
    double static_;
    double coefficient_;
    double maxFlow_;
};

} // namespace quenra
