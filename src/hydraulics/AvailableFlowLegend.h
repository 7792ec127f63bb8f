#pragma once

#include "AvailableFlow.h"
#include "LegendContent.h"

namespace quenra {

// Adds to each hydrant test of the legend the flow it makes available at the rating pressure,
// with a square in its class colour, and below it the reason there is none or the note that it
// is an estimate.
void AddAvailableFlowLines(LegendContent& legend, const ProjectData& project,
                           double ratingPressurePsi = kDefaultRatingPressurePsi);

} // namespace quenra
