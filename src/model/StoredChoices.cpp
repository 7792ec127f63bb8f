#include "StoredChoices.h"

namespace quenra {

std::optional<TransferSwitchStatus> ReadTransferSwitch(int stored) {
    if (stored < StoredCode(TransferSwitchStatus::NotApplicable) ||
        stored > StoredCode(TransferSwitchStatus::NotTested))
        return std::nullopt;
    return static_cast<TransferSwitchStatus>(stored);
}

DemandVerdict ReadDemandVerdict(int stored) {
    switch (stored) {
    case StoredCode(DemandVerdict::CanMeet):
        return DemandVerdict::CanMeet;
    case StoredCode(DemandVerdict::NotApplicable):
        return DemandVerdict::NotApplicable;
    default:
        return DemandVerdict::CannotMeet;
    }
}

MotorVerdict ReadMotorVerdict(int stored) {
    switch (stored) {
    case StoredCode(MotorVerdict::Meets):
        return MotorVerdict::Meets;
    case StoredCode(MotorVerdict::NotTaken):
        return MotorVerdict::NotTaken;
    default:
        return MotorVerdict::Fails;
    }
}

} // namespace quenra
