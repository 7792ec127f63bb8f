#pragma once

#include "ReportLayout.h"

namespace quenra {

// The design of the report layout: every section's size, every control's rectangle, caption,
// alignment and font, the "Space Holder" partners and the "x" value placeholders.
const ReportLayout& ReportTemplate();

} // namespace quenra
