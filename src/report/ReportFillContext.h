#pragma once

#include "hydraulics/LegendContent.h"
#include "model/ProjectData.h"

namespace quenra {

// What the statements of a page depend on beside the layout they write.
struct ReportFillContext {
    const ProjectData& Project;
    int ReportPageIndex = 1; // the page's number in the run, from 1
    // The result text at each demand point of the graph of the test being reported: a safety
    // cushion, "Out of Range", or empty.
    PerTest<DemandPointVerdict> DemandVerdict{};
};

} // namespace quenra
