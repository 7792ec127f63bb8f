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

QString ChoiceText(const QString& stored, const QStringList& items) {
    const QString trimmed = TrimBlanks(stored);
    if (trimmed.size() != 1)
        return stored;
    const int index = trimmed.at(0).isDigit() ? trimmed.at(0).digitValue() : 0;
    return index >= 0 && index < items.size() ? items.at(index) : QString();
}

} // namespace quenra
