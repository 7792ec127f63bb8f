#pragma once

#include "ReportColours.h"
#include "ReportFontSizes.h"

namespace quenra {

// How a page is painted: its colours, its text sizes, and whether the tables leave out the
// volts and amps columns (a diesel engine has none).
struct ReportStyle {
    ReportColours Colours;
    ReportFontSizes Sizes;
    bool WithoutElectricColumns = false;
};

} // namespace quenra
