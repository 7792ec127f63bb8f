#pragma once

#include "ReportControl.h"
#include "ReportPainter.h"

#include "hydraulics/AvailableFlow.h"

namespace quenra {

// The line that states a supply test's available flow in the report: the caption
// "Available:" and the value with its class and note, laid out as a comment line of the form.
struct AvailableFlowLine {
    ReportControl Label;
    ReportControl Value;
};

// The line for supply test 1..5 whose label stands `top` layout pixels below its section's top.
AvailableFlowLine MakeAvailableFlowLine(const ProjectData& project, int supplyTest,
                                        double ratingPressurePsi, int top);

// The water supply section of a fire pump report: the heading "Water Supply - " with the date
// of supply test 1, the supply the combined curve is built on, and its available flow line.
// Only a supply test 1 that holds numbers gets the section; returns whether it was drawn.
bool DrawPumpSupplySection(ReportPainter& pen, const ProjectData& project,
                           double ratingPressurePsi);

} // namespace quenra
