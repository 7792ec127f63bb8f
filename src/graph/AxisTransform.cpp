#include "AxisTransform.h"

#include <cmath>

namespace quenra {

AxisTransform FlowTransform(FlowScale scale) {
    switch (scale) {
    case FlowScale::Modified:
        return AxisTransform::Power;
    case FlowScale::Log:
        return AxisTransform::Log;
    case FlowScale::Normal:
        break;
    }
    return AxisTransform::Linear;
}

AxisTransform PressureTransform(PressureScale scale) {
    switch (scale) {
    case PressureScale::Log:
        return AxisTransform::Log;
    case PressureScale::Modified:
        return AxisTransform::Power;
    case PressureScale::Normal:
        break;
    }
    return AxisTransform::Linear;
}

double TransformValue(AxisTransform transform, double value) {
    switch (transform) {
    case AxisTransform::Power:
        return value >= 0 ? std::pow(value, kFlowPowerExponent) : kPowerOfNegative;
    case AxisTransform::Log:
        return value > 0 ? std::log10(value) : kLogOfNonPositive;
    case AxisTransform::Linear:
        break;
    }
    return value;
}

double ScaleFlow(FlowScale scale, double flow) {
    return TransformValue(FlowTransform(scale), flow);
}

double ScalePressure(PressureScale scale, double pressure) {
    return TransformValue(PressureTransform(scale), pressure);
}

bool FlowTickShown(FlowScale scale, double tick) {
    return FlowTransform(scale) == AxisTransform::Linear || tick >= 0;
}

bool PressureTickShown(PressureScale scale, double tick) {
    switch (PressureTransform(scale)) {
    case AxisTransform::Log:
        return tick > 0;
    case AxisTransform::Power:
        return tick >= 0;
    case AxisTransform::Linear:
        break;
    }
    return true;
}

} // namespace quenra
