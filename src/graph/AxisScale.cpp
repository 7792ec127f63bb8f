#include "AxisScale.h"

#include <algorithm>
#include <cmath>

namespace quenra {

namespace {

constexpr double kMiddle = 0.5;

} // namespace

AxisScale::AxisScale(AxisTransform transform, AxisRange range, double marginBelow,
                     double marginAbove, int pixelAtLow, int pixelAtHigh)
    : transform_(transform), pixelAtLow_(pixelAtLow), pixelAtHigh_(pixelAtHigh) {
    const double low = TransformValue(transform, range.Min);
    const double high = TransformValue(transform, range.Max);
    const double span = high - low;
    low_ = low - marginBelow * span;
    high_ = high + marginAbove * span;
}

double AxisScale::Transform(double value) const {
    return TransformValue(transform_, value);
}

int AxisScale::ToPixel(double value) const {
    const double span = high_ - low_;
    double fraction = (Transform(value) - low_) / span;
    if (!(span > 0) || !std::isfinite(span) || std::isnan(fraction)) {
        fraction = kMiddle;
    }
    // Holding the fraction first turns an infinite one into a finite coordinate.
    fraction = std::clamp(fraction, -double{kFarthestPixel}, double{kFarthestPixel});
    const double pixel = pixelAtLow_ + fraction * (pixelAtHigh_ - pixelAtLow_);
    const double held = std::clamp(pixel, -double{kFarthestPixel}, double{kFarthestPixel});
    return static_cast<int>(std::nearbyint(held));
}

AxisScale FlowAxisScale(FlowScale scale, AxisRange range, int left, int right) {
    return {FlowTransform(scale), range, kFlowMarginBelow, kFlowMarginAbove, left, right};
}

AxisScale PressureAxisScale(PressureScale scale, AxisRange range, int bottom, int top) {
    return {PressureTransform(scale), range, kPressureMargin, kPressureMargin, bottom, top};
}

} // namespace quenra
