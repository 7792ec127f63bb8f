#include "ReportValueText.h"

#include "ReportTexts.h"

#include "hydraulics/NumberText.h"
#include "hydraulics/PumpTestTable.h"

namespace quenra {

QString RoundedOrNotAvailable(int decimals, double value) {
    return value == 0.0 ? report_text::kNotAvailable : FormatRounded(decimals, value);
}

QString NfpaStandard(const ProjectData& project, int test) {
    return IsAnnualTest(project, test) ? report_text::kNfpa25 : report_text::kNfpa20;
}

} // namespace quenra
