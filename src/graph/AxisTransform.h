#pragma once

namespace quenra {

// How the values of one graph axis are bent before they are laid out in pixels.
enum class AxisTransform {
    Linear, // the value itself
    Power,  // value^1.852: a supply curve P = Ps - C * Q^1.852 becomes a straight line
    Log,    // log10 of the value
};

// The flow scale choices, numbered as the record stores them (`FlowScaleIndex`).
enum class FlowScale {
    Normal = 0,
    Modified = 1,
    Log = 2,
};

// The pressure scale choices, numbered in the item order of the pressure scale selector.
enum class PressureScale {
    Normal = 0,
    Log = 1,
    Modified = 2,
};

// The flow scale of the record's stored index; an unknown index is the normal scale.
constexpr FlowScale FlowScaleFromIndex(int index) {
    return index == 1 || index == 2 ? static_cast<FlowScale>(index) : FlowScale::Normal;
}

// The exponent of flow in the friction loss of a supply.
constexpr double kFlowPowerExponent = 1.852;

// What a power scale gives for a negative value and a log scale for a value of 0 or less.
constexpr double kPowerOfNegative = 0.0;
constexpr double kLogOfNonPositive = -100.0;

// The transform of a flow or pressure scale.
AxisTransform FlowTransform(FlowScale scale);
AxisTransform PressureTransform(PressureScale scale);

// The transformed value.
double TransformValue(AxisTransform transform, double value);

// `ScaleX` and `ScaleY` of the graph: a flow or pressure on its scale.
double ScaleFlow(FlowScale scale, double flow);
double ScalePressure(PressureScale scale, double pressure);

// Whether the grid line and label of a tick value belong on the axis: negative flows have no
// place on the power and log scales, nor negative pressures on the power scale, nor pressures
// of 0 or less on the log scale.
bool FlowTickShown(FlowScale scale, double tick);
bool PressureTickShown(PressureScale scale, double tick);

} // namespace quenra
