#pragma once

#include <optional>

namespace quenra {

// Choices the record keeps as the code of the chosen item. The codes are those the project
// file holds; other installations read them, so they never change.

// The transfer switch list of a pump test, in list order.
enum class TransferSwitchStatus {
    NotApplicable = 0, // "N/A"
    Passed = 1,        // "Tested and Passed"
    Failed = 2,        // "Tested and Failed"
    NoSwitch = 3,      // "No Transfer Switch"
    NotTested = 4,     // "Transfer Switch Not Tested"
};

// Whether the combined curve can meet the largest demand.
enum class DemandVerdict {
    CannotMeet = 0,
    CanMeet = 1,
    NotApplicable = 2,
};

// Whether the motor's volts and amps meet the standard.
enum class MotorVerdict {
    Fails = 0,
    Meets = 1,
    NotTaken = 2,
};

// The status a stored code stands for; nothing for a code no item has (a damaged file), which
// says nothing about the switch.
std::optional<TransferSwitchStatus> ReadTransferSwitch(int stored);
// A verdict code no item has reads as the negative answer, as the report has always stated it.
DemandVerdict ReadDemandVerdict(int stored);
MotorVerdict ReadMotorVerdict(int stored);

constexpr int StoredCode(TransferSwitchStatus status) {
    return static_cast<int>(status);
}
constexpr int StoredCode(DemandVerdict verdict) {
    return static_cast<int>(verdict);
}
constexpr int StoredCode(MotorVerdict verdict) {
    return static_cast<int>(verdict);
}

// The two verdict lists show their items from the last code to the first: "N/A" (or "not
// taken") on top, the negative answer at the bottom. A code no item has gives an index outside
// the list, which selects nothing.
constexpr int VerdictListIndex(int stored) {
    return StoredCode(DemandVerdict::NotApplicable) - stored;
}
constexpr int VerdictCodeAt(int listIndex) {
    return StoredCode(DemandVerdict::NotApplicable) - listIndex;
}

} // namespace quenra
