#pragma once

#include <QString>

namespace quenra {

struct ProjectData;

// The "Number of Outlets Flowed" list offers 1 to 4.
constexpr int kMostOutletsFlowed = 4;

// The outlets flowed as a count: a text that reads as 1..4; blank or anything else counts as 1.
int OutletsFlowedCount(const QString& text);

// The derived values that a refresh stores for the supply test shown. `calc` is the state the
// "Calculate Flow" box had when the refresh began, which may still be that of the test shown
// before: with it and a 4 or 4.5 outlet the discharge coefficient follows the pitot reading;
// with the test's own calculate flag the residual flow is computed from the pitot reading: the
// one-outlet flow times the number of outlets flowed.
// Returns whether the outlet is a large one (the coefficient box is then disabled).
bool UpdateSupplyDerivedValues(ProjectData& project, int supplyTest, bool calc);

} // namespace quenra
