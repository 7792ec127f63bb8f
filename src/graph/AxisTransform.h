#pragma once

namespace quenra {

// How the values of one graph axis are bent before they are laid out in pixels.
enum class AxisTransform {
    Linear, // the value itself
    Power,  // value^1.852: a supply curve P = Ps - C * Q^1.852 becomes a straight line
    Log,    // log10 of the value
};

// The flow scale choices as the record stores them (`FlowScaleIndex`).
namespace flow_scale {
constexpr int Normal = 0;
constexpr int Modified = 1;
constexpr int Log = 2;
} // namespace flow_scale

// The pressure scale choices, in the item order of the pressure scale selector.
namespace pressure_scale {
constexpr int Normal = 0;
constexpr int Log = 1;
constexpr int Modified = 2;
} // namespace pressure_scale

// The exponent of flow in the friction loss of a supply.
constexpr double kFlowPowerExponent = 1.852;

// What a power scale gives for a negative value and a log scale for a value of 0 or less.
constexpr double kPowerOfNegative = 0.0;
constexpr double kLogOfNonPositive = -100.0;

// The transform of a flow or pressure scale index; an unknown index is treated as linear.
AxisTransform FlowTransform(int flowScaleIndex);
AxisTransform PressureTransform(int pressureScaleIndex);

// The transformed value.
double TransformValue(AxisTransform transform, double value);

// `ScaleX` and `ScaleY` of the graph: a flow or pressure on the scale of its index.
double ScaleFlow(int flowScaleIndex, double flow);
double ScalePressure(int pressureScaleIndex, double pressure);

// Whether the grid line and label of a tick value belong on the axis: negative flows have no
// place on the power and log scales, nor negative pressures on the power scale, nor pressures
// of 0 or less on the log scale.
bool FlowTickShown(int flowScaleIndex, double tick);
bool PressureTickShown(int pressureScaleIndex, double tick);

} // namespace quenra
