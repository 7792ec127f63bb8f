#pragma once

#include "hydraulics/AvailableFlow.h"

#include <QString>

namespace quenra {

// The inspector's choice to state the available flow, kept in the user's settings rather than
// in the project: project files travel between installations and keep their lines. The rating
// pressure is kept as typed, in psi.

AvailableFlowOption ReadAvailableFlowOption();
QString ReadRatingPressureText();
void StoreShowAvailableFlow(bool show);
void StoreRatingPressureText(const QString& text);

// The rating pressure a typed text stands for: the number read from it, or 20 psi when it
// reads as 0 or less (a supply is never rated at no pressure).
double RatingPressureOfText(const QString& text);

} // namespace quenra
