#pragma once

#include <QString>

namespace quenra {

// A demand point line of the report in three parts: what stands before the purpose, the
// purpose as typed, and the result after it. When the line is too long for its box the
// purpose gives way, so that the result (the safety cushion) is always read whole.
struct DemandLineText {
    QString Lead;    // "Demand Point 1 at 85 psi @ 750 gpm is for "
    QString Purpose; // "Automatic Sprinkler"
    QString Result;  // ". Safety Cushion: +91.7 psi"

    QString Whole() const { return Lead + Purpose + Result; }
};

} // namespace quenra
