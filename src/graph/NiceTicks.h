#pragma once

#include <QString>

namespace quenra {

// The tick values of one axis: (FirstIndex + i) * Step for i = 0 .. Count - 1.
struct Ticks {
    double Step = 0;
    int FirstIndex = 0;
    int Count = 0;
    // The power of ten of the step, one less for steps of 2.5 * 10^e, whose half digit needs
    // one more decimal.
    int Exponent = 0;

    double Value(int i) const { return (FirstIndex + i) * Step; }
    // The tick at value 0, whose grid line is drawn grey.
    bool IsZero(int i) const { return FirstIndex + i == 0; }

    friend bool operator==(const Ticks&, const Ticks&) = default;
};

// Beyond this many ticks a step is too fine to draw, whatever the rules accept.
constexpr int kMostTicks = 10000;

// The finest round step m * 10^e (m = 1, 2, 2.5, 5; e = -8 .. 10) that divides max - min
// into at most `mostIntervals` whole intervals, or that reaches `smallestAcceptedStep` when
// that is positive (which caps the step there). The ticks run from one step below min to one
// step above max. A step whose ticks would be more than `kMostTicks` is passed over; when no
// step is left (non-finite or astronomically wide ranges) there are no ticks. Steps not above
// `coarserThan` are passed over, which gives the next coarser grid than one already taken.
Ticks NiceTicks(double min, double max, int mostIntervals, double smallestAcceptedStep,
                double coarserThan = 0);

// The decimals of the tick labels: as many as the step's exponent lies below zero, at most 5.
int TickLabelDecimals(const Ticks& ticks);

// Tick i rounded to the label's decimals: where the label and its grid line are placed.
double RoundedTickValue(const Ticks& ticks, int i);

// The label text of tick i.
QString TickLabel(const Ticks& ticks, int i);

} // namespace quenra
