#pragma once

namespace quenra {

// How many of a unit system's display units make one psi and one gpm. Stored values are never
// converted; these factors only carry the graph's own fixed allowances (its headroom and its
// finest pressure grid), which were chosen in psi and gpm, into the units a project shows.
struct UnitFactors {
    double Pressure = 1; // kpa or bar per psi
    double Flow = 1;     // l/s, cm/hr (cubic metres per hour) or l/m per gpm
};

// The factors of unit system 0..6; an unknown system counts as English, whose factors are 1.
UnitFactors UnitFactorsFor(int unitSystem);

// True for the English system (psi and gpm), also for an unknown system index.
bool IsEnglishUnits(int unitSystem);

} // namespace quenra
