#include "SupplyCurve.h"

#include <algorithm>
#include <cmath>

namespace quenra {

SupplyCurve::SupplyCurve(double staticPressure, double residualPressure, double residualFlow)
    : static_(staticPressure), coefficient_(0.0), maxFlow_(kFlatCurveFlow) {
    if (residualFlow > 0.0)
        coefficient_ = (staticPressure - residualPressure) / std::pow(residualFlow, kExponent);
    if (coefficient_ > 0.0)
        maxFlow_ = std::pow(staticPressure / coefficient_, kInverseExponent);
}

double SupplyCurve::PressureAt(double flow) const {
    return static_ - coefficient_ * std::pow(std::max(flow, 0.0), kExponent);
}

std::vector<FlowPressure> SupplyCurve::Points() const {
    std::vector<FlowPressure> points;
    points.reserve(kPointCount);
    for (int i = 0; i < kPointCount; ++i) {
        const double flow = i / static_cast<double>(kPointCount - 1) * maxFlow_;
        points.push_back({flow, PressureAt(flow)});
    }
    return points;
}

} // namespace quenra
