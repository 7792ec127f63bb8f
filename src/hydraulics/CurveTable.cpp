#include "CurveTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quenra {

namespace {

constexpr double kLargestStored = std::numeric_limits<float>::max();

} // namespace

float ToStoredValue(double value) {
    if (std::isnan(value))
        return 0.0F;
    return static_cast<float>(std::clamp(value, -kLargestStored, kLargestStored));
}

bool FitsStoredValue(double value) {
    return std::isfinite(value) && std::fabs(value) <= kLargestStored;
}

bool FitsStoredValues(std::span<const FlowPressure> points) {
    return std::all_of(points.begin(), points.end(), [](const FlowPressure& p) {
        return FitsStoredValue(p.Flow) && FitsStoredValue(p.Pressure);
    });
}

CurveTable::CurveTable(int lineWidth) {
    for (CurveSeries& series : series_) {
        series.X.assign(kPointCapacity, 0.0F);
        series.Y.assign(kPointCapacity, 0.0F);
        series.LineWidth = lineWidth;
    }
}

CurveSeries& CurveTable::Series(int index) {
    return series_.at(static_cast<std::size_t>(index));
}

const CurveSeries& CurveTable::Series(int index) const {
    return series_.at(static_cast<std::size_t>(index));
}

void CurveTable::SetPoint(int index, int point, double flow, double pressure) {
    if (point < 0 || point >= kPointCapacity)
        return;
    CurveSeries& series = Series(index);
    series.X[static_cast<std::size_t>(point)] = ToStoredValue(flow);
    series.Y[static_cast<std::size_t>(point)] = ToStoredValue(pressure);
}

int CurveTable::SetPoints(int index, std::span<const FlowPressure> points) {
    const int count = std::min(static_cast<int>(points.size()), kPointCapacity);
    for (int i = 0; i < count; ++i)
        SetPoint(index, i, points[static_cast<std::size_t>(i)].Flow,
                 points[static_cast<std::size_t>(i)].Pressure);
    return count;
}

} // namespace quenra
