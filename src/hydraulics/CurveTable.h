#pragma once

#include "FlowPressure.h"
#include "PointSymbol.h"
#include "model/ProjectData.h"

#include <array>
#include <span>
#include <vector>

namespace quenra {

// One numbered series of the graph: its points in single precision, as the graph draws them,
// and how they are drawn.
struct CurveSeries {
    int PointCount = 0;   // points drawn; 0 hides the series
    std::vector<float> X; // flow of each point
    std::vector<float> Y; // pressure of each point
    Colour Color = 0;
    int LineWidth = 0; // positive: solid pen of that width; negative: broad dotted band
    PointSymbol Symbol = PointSymbol::None;
    bool IsCurve = true; // joined by lines and counted for the automatic axis ranges

    friend bool operator==(const CurveSeries&, const CurveSeries&) = default;
};

// The single precision value a computed pressure or flow is stored as: values beyond the range
// of a float are held at its largest magnitude, so a series never holds an infinity.
float ToStoredValue(double value);

// True when a computed value is finite and fits a float.
bool FitsStoredValue(double value);

// True when every flow and pressure of `points` fits a float: a curve with a point beyond
// that cannot be drawn and is left out.
bool FitsStoredValues(std::span<const FlowPressure> points);

// The 50 series the graph draws, numbered 1..50 (see SeriesNumbers.h).
class CurveTable {
public:
    static constexpr int kSeriesCount = 50;
    // The longest series: a pump test curve through all seven readings whose first flow is
    // above zero has 30 lead-in points, 30 points for each of its six intervals and the
    // closing point.
    static constexpr int kPointCapacity = 30 + 6 * 30 + 1;

    // Every series empty: no points, no symbol, joined, `lineWidth` wide.
    explicit CurveTable(int lineWidth = 1);

    CurveSeries& Series(int index);
    const CurveSeries& Series(int index) const;

    // Point `point` (from 0) of series `index`; points beyond the capacity are not kept.
    void SetPoint(int index, int point, double flow, double pressure);

    // Puts `points` into series `index` from point 0 and returns how many were stored.
    int SetPoints(int index, std::span<const FlowPressure> points);

    friend bool operator==(const CurveTable&, const CurveTable&) = default;

private:
    std::array<CurveSeries, kSeriesCount + 1> series_; // element 0 unused
};

} // namespace quenra
