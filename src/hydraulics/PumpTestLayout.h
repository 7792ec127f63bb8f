#pragma once

namespace quenra {

// Columns of a pump test's readings table (PumpReadings[t][row][column]).
constexpr int kFirstVoltsColumn = 1; // AB, AC, BC in columns 1..3
constexpr int kMeanVoltsColumn = 4;
constexpr int kFirstAmpsColumn = 5; // AB, AC, BC in columns 5..7
constexpr int kTotalAmpsColumn = 8;
constexpr int kSpeedColumn = 9;
constexpr int kDischargeColumn = 10;
constexpr int kSuctionColumn = 11;
constexpr int kNetPressureColumn = 12;
constexpr int kAdjustedPressureColumn = 13;
constexpr int kFlowColumn = 14;
constexpr int kAdjustedFlowColumn = 15;
constexpr int kPhaseCount = 3;

// Row 1 of the readings table is the churn point; rows 2..7 are flowing points 1..6.
constexpr int kChurnRow = 1;
constexpr int kFlowingPoints = 6;

// Rows of a pump test's nozzle table (PitotGrid[t][row][outlet]): the pitot reading of flowing
// point r is in row r + 2.
constexpr int kNozzleDiameterRow = 1;
constexpr int kNozzleCoefficientRow = 2;
constexpr int kFirstPitotRow = 3;

// Driver kinds of the fire pump (DriverKind).
constexpr int kElectricDriver = 0;
constexpr int kDieselDriver = 1;

} // namespace quenra
