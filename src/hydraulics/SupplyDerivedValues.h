#pragma once

namespace quenra {

struct ProjectData;

// The derived values that a refresh stores for the supply test shown. `calc` is the state the
// "Calculate Flow" box had when the refresh began, which may still be that of the test shown
// before: with it and a 4 or 4.5 outlet the discharge coefficient follows the pitot reading;
// with the test's own calculate flag the residual flow is computed from the pitot reading.
// Returns whether the outlet is a large one (the coefficient box is then disabled).
bool UpdateSupplyDerivedValues(ProjectData& project, int supplyTest, bool calc);

} // namespace quenra
