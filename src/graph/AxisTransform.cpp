#include "AxisTransform.h"

#include <cmath>

namespace quenra {

AxisTransform FlowTransform(int flowScaleIndex) {
    switch (flowScaleIndex) {
    case flow_scale::Modified:
        return AxisTransform::Power;
    case flow_scale::Log:
        return AxisTransform::Log;
    default:
        return AxisTransform::Linear;
    }
}

AxisTransform PressureTransform(int pressureScaleIndex) {
    switch (pressureScaleIndex) {
    case pressure_scale::Log:
        return AxisTransform::Log;
    case pressure_scale::Modified:
        return AxisTransform::Power;
    default:
        return AxisTransform::Linear;
    }
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

double ScaleFlow(int flowScaleIndex, double flow) {
    return TransformValue(FlowTransform(flowScaleIndex), flow);
}

double ScalePressure(int pressureScaleIndex, double pressure) {
    return TransformValue(PressureTransform(pressureScaleIndex), pressure);
}

bool FlowTickShown(int flowScaleIndex, double tick) {
    return FlowTransform(flowScaleIndex) == AxisTransform::Linear || tick >= 0;
}

bool PressureTickShown(int pressureScaleIndex, double tick) {
    switch (PressureTransform(pressureScaleIndex)) {
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
