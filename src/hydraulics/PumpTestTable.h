#pragma once

#include "model/ProjectData.h"

#include <optional>

namespace quenra {

// A cell of the readings grid: column 0..15, row 0..7 (row 0 and column 0 are headers).
struct GridCell {
    int Column = 1;
    int Row = 1;
};

// What the readings grid of a pump test page shows after an update.
struct PumpTestTableView {
    // Rows 1..7, columns 1..15 as shown; electrical readings out of their limits are between
    // "<" and ">" here, never in the record. The mean voltage (4) and total current (8)
    // columns show "------" (they are hidden on the page).
    ReadingTable Shown;
    // The "< Out Of Range >" indicator.
    bool OutOfRange = false;
    // Whether the flows were computed from pitot readings, and the six flow box texts.
    bool PitotFlowsComputed = false;
    std::array<QString, 7> HoseStreamFlows; // index 1..6
};

// Recomputes the derived columns of one pump test and stores them in the record: mean voltage
// (4), total current (8), net pressure (12), speed adjusted pressure (13) and flow (15), and the
// pitot flows of column 14 when the test uses them. `editing` is the cell being typed in,
// which is never marked out of range.
PumpTestTableView PumpTestTableUpdate(ProjectData& project, int pumpTest,
                                      std::optional<GridCell> editing = std::nullopt);

// Rules other parts of the program use to read a pump test.
int LastReadingRow(const ProjectData& project, int pumpTest);
bool HasElectricalReadings(const ProjectData& project, int pumpTest);
bool IsAnnualTest(const ProjectData& project, int pumpTest);
bool IsElectricDriver(const ProjectData& project);
bool IsDieselDriver(const ProjectData& project);
bool HasTransferSwitchRow(const ProjectData& project, int pumpTest);

} // namespace quenra
