#include "StoredChoices.h"

namespace quenra {
namespace {

// Both verdict lists have the codes 0, 1 and 2.
bool IsVerdictCode(int stored) {
    return stored >= 0 && stored <= StoredCode(DemandVerdict::NotApplicable);
}

} // namespace

std::optional<TransferSwitchStatus> ReadTransferSwitch(int stored) {
    if (stored < StoredCode(TransferSwitchStatus::NotApplicable) ||
        stored > StoredCode(TransferSwitchStatus::NotTested))
        return std::nullopt;
    return static_cast<TransferSwitchStatus>(stored);
}

DemandVerdict ReadDemandVerdict(int stored) {
    return IsVerdictCode(stored) ? static_cast<DemandVerdict>(stored) : DemandVerdict::CannotMeet;
}

MotorVerdict ReadMotorVerdict(int stored) {
    return IsVerdictCode(stored) ? static_cast<MotorVerdict>(stored) : MotorVerdict::Fails;
}

} // namespace quenra
