#include "PumpTestGrids.h"

#include "ReportTexts.h"

#include "hydraulics/NumberText.h"
#include "hydraulics/PumpTestLayout.h"
#include "hydraulics/PumpTestTable.h"
#include "hydraulics/UnitSystem.h"
#include "model/ProjectData.h"

namespace quenra {

namespace {

namespace text = report_text;

// Table columns (from 0).
constexpr int kNumberColumn = 0;
constexpr int kFirstVoltsCell = 1;
constexpr int kFirstAmpsCell = 4;
constexpr int kSpeedCell = 7;
constexpr int kDischargeCell = 8;
constexpr int kSuctionCell = 9;
constexpr int kNetCell = 10;
constexpr int kDiameterCell = 11;
constexpr int kCoefficientCell = 12;
constexpr int kFirstPitotCell = 13;
constexpr int kFlowCell = 19;

constexpr int kHeaderRows = 2;
constexpr int kChurnTableRow = 2;
constexpr int kRowHeight = 17;
constexpr int kGridMargin = 3;
constexpr int kHeadingHeight = 20;

// The nozzle beside the transfer switch reading, whose pitot readings are those of the last
// flowing point.
constexpr int kTransferSwitchReading = kReadingRows;
constexpr int kTransferSwitchNozzle = kOutlets;

void FillHeaderRows(ReportGrid& grid, const UnitWords& words) {
    grid.Clear();
    grid.SetCell(2, 0, text::kGridVolts);
    grid.SetCell(5, 0, text::kGridAmps);
    grid.SetCell(9, 0, text::kGridPumpPressure + words.PressureLabel);
    grid.SetCell(11, 0, text::kGridNozzles);
    grid.SetCell(15, 0, text::kGridPitotReadings + words.PressureLabel);
    grid.SetCell(19, 0, text::kGridFlow);
    const QString secondRow[] = {text::kGridNo,         text::kGridAb,  text::kGridAc,
                                 text::kGridBc,         text::kGridAb,  text::kGridAc,
                                 text::kGridBc,         text::kGridRpm, text::kGridDischarge,
                                 text::kGridSuction,    text::kGridNet, text::kGridDiameter,
                                 text::kGridCoefficient};
    int column = 0;
    for (const QString& cell : secondRow)
        grid.SetCell(column++, 1, cell);
    for (int outlet = 1; outlet <= kOutlets; ++outlet)
        grid.SetCell(kFirstPitotCell + outlet - 1, 1, QString::number(outlet));
    grid.SetCell(kFlowCell, 1, words.FlowLabel);
}

// The measured readings of one row as typed, and its computed net pressure and flow (the
// speed-adjusted ones when the test plots adjusted values).
void FillReadingRow(ReportGrid& grid, int tableRow, const ProjectData& p, int test,
                    int readingRow) {
    const auto& cells = p.PumpReadings[test][readingRow];
    for (int phase = 0; phase < kPhaseCount; ++phase) {
        grid.SetCell(kFirstVoltsCell + phase, tableRow, cells[kFirstVoltsColumn + phase]);
        grid.SetCell(kFirstAmpsCell + phase, tableRow, cells[kFirstAmpsColumn + phase]);
    }
    grid.SetCell(kSpeedCell, tableRow, cells[kSpeedColumn]);
    grid.SetCell(kDischargeCell, tableRow, cells[kDischargeColumn]);
    grid.SetCell(kSuctionCell, tableRow, cells[kSuctionColumn]);
    const bool adjusted = p.PlotAdjusted[test];
    grid.SetCell(kNetCell, tableRow,
                 FormatGeneral(ParseBracedNumber(
                     cells[adjusted ? kAdjustedPressureColumn : kNetPressureColumn])));
    grid.SetCell(
        kFlowCell, tableRow,
        FormatGeneral(ParseBracedNumber(cells[adjusted ? kAdjustedFlowColumn : kFlowColumn])));
}

void FillNozzle(ReportGrid& grid, int tableRow, const ProjectData& p, int test, int nozzle) {
    const PitotTable& pitot = p.PitotGrid[test];
    grid.SetCell(kDiameterCell, tableRow, pitot[kNozzleDiameterRow][nozzle]);
    grid.SetCell(kCoefficientCell, tableRow, pitot[kNozzleCoefficientRow][nozzle]);
}

void FillPitotReadings(ReportGrid& grid, int tableRow, const ProjectData& p, int test,
                       int flowingPoint) {
    const auto& readings = p.PitotGrid[test][kFirstPitotRow + flowingPoint - 1];
    for (int outlet = 1; outlet <= kOutlets; ++outlet)
        grid.SetCell(kFirstPitotCell + outlet - 1, tableRow, readings[outlet]);
}

} // namespace

void FillTestDataGrid(ReportLayout& R, const ProjectData& project, int test) {
    ReportGrid& grid = R.SG1;
    FillHeaderRows(grid, UnitWordsFor(project.UnitSystem));
    grid.SetCell(kDiameterCell, kChurnTableRow, text::kGridNoNozzle);
    grid.SetCell(kCoefficientCell, kChurnTableRow, text::kGridNoNozzle);
    grid.SetCell(15, kChurnTableRow, text::kGridChurnNote);
    for (int reading = 1; reading <= kReadingRows; ++reading) {
        const int tableRow = reading + 1;
        grid.SetCell(kNumberColumn, tableRow,
                     reading == kChurnRow ? text::kGridChurnRow : QString::number(reading - 1));
        FillReadingRow(grid, tableRow, project, test, reading);
        if (reading <= kFlowingPoints) {
            FillNozzle(grid, reading + 2, project, test, reading);
            FillPitotReadings(grid, reading + 2, project, test, reading);
        }
    }
    grid.RowCount = LastReadingRow(project, test) + kHeaderRows;
    grid.Height = grid.RowCount * kRowHeight + kGridMargin;
    R.Panel(PanelId::PumpTestDataBlock).Height = grid.Height + kHeadingHeight;
}

void FillTransferSwitchGrid(ReportGrid& grid, const ProjectData& project, int test) {
    FillHeaderRows(grid, UnitWordsFor(project.UnitSystem));
    const int row = kHeaderRows;
    grid.SetCell(kNumberColumn, row, text::kGridTransferSwitchRow);
    FillReadingRow(grid, row, project, test, kTransferSwitchReading);
    FillNozzle(grid, row, project, test, kTransferSwitchNozzle);
    FillPitotReadings(grid, row, project, test, kFlowingPoints);
}

} // namespace quenra
