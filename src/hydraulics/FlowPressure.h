#pragma once

namespace quenra {

// One point of a pressure-flow curve: flow on the x axis, pressure on the y axis, both in the
// project's unit system.
struct FlowPressure {
    double Flow = 0.0;
    double Pressure = 0.0;

    friend bool operator==(const FlowPressure&, const FlowPressure&) = default;
};

} // namespace quenra
