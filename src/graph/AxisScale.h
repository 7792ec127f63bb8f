#pragma once

#include "AxisRange.h"
#include "AxisTransform.h"

namespace quenra {

// Margins added to the transformed range of an axis, as fractions of its span, so that curves
// at the ends of the range stay clear of the frame.
constexpr double kFlowMarginBelow = 0.02;
constexpr double kFlowMarginAbove = 0.05;
constexpr double kPressureMargin = 0.05;

// Pixel coordinates are held within this magnitude, so that a value far off the plot still
// gives a coordinate a painter can take.
constexpr int kFarthestPixel = 1000000;

// The map of one axis from values to pixels: the transform, then the linear map of the
// widened transformed range onto the pixel span, then the nearest pixel (halves to even).
class AxisScale {
public:
    // `range` is widened by `marginBelow` and `marginAbove` of its transformed span; its
    // widened low end lands on `pixelAtLow`, its high end on `pixelAtHigh`.
    AxisScale(AxisTransform transform, AxisRange range, double marginBelow, double marginAbove,
              int pixelAtLow, int pixelAtHigh);

    double Transform(double value) const;
    double WidenedLow() const { return low_; }
    double WidenedHigh() const { return high_; }

    // The pixel of a value. A range that has no width once transformed (a log scale over
    // values of 0 or less, say) puts every value in the middle of the pixel span.
    int ToPixel(double value) const;

private:
    AxisTransform transform_;
    double low_ = 0;
    double high_ = 0;
    int pixelAtLow_ = 0;
    int pixelAtHigh_ = 0;
};

// The flow axis of the graph: its scale index, from the plot's left edge to its right edge.
AxisScale FlowAxisScale(FlowScale scale, AxisRange range, int left, int right);

// The pressure axis: larger pressures higher on the page, from the bottom edge to the top.
AxisScale PressureAxisScale(PressureScale scale, AxisRange range, int bottom, int top);

} // namespace quenra
