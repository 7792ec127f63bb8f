#include "ReportProjects.h"

#include "hydraulics/QStringPrinter.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

TEST(PumpTestGrids, HeadersReadingsNozzlesAndPitotReadingsLandInTheirCells) {
    ProjectData project = test::ElectricPumpProject();
    project.PitotGrid[1][kNozzleDiameterRow][1] = QStringLiteral("1.75");
    project.PitotGrid[1][kNozzleCoefficientRow][1] = QStringLiteral("0.97");
    project.PitotGrid[1][kFirstPitotRow][3] = QStringLiteral("24");
    const ReportGrid& grid = test::FilledLayout(project, 1).SG1;
    EXPECT_EQ(grid.Cell(9, 0), "Pump Pres (psi)");
    EXPECT_EQ(grid.Cell(15, 0), ">Pitot Pressure Readings (psi)");
    EXPECT_EQ(grid.Cell(19, 1), "(gpm)");
    EXPECT_EQ(grid.Cell(18, 1), "6");
    // The churn row.
    EXPECT_EQ(grid.Cell(0, 2), "-");
    EXPECT_EQ(grid.Cell(1, 2), "480");
    EXPECT_EQ(grid.Cell(4, 2), "9");
    EXPECT_EQ(grid.Cell(7, 2), "1780");
    EXPECT_EQ(grid.Cell(10, 2), "120");
    EXPECT_EQ(grid.Cell(11, 2), "-----");
    EXPECT_EQ(grid.Cell(15, 2), ">This is the CHURN test");
    // Flowing point 1 with its nozzle and pitot reading.
    EXPECT_EQ(grid.Cell(0, 3), "1");
    EXPECT_EQ(grid.Cell(10, 3), "102");
    EXPECT_EQ(grid.Cell(19, 3), "1000");
    EXPECT_EQ(grid.Cell(11, 3), "1.75");
    EXPECT_EQ(grid.Cell(12, 3), "0.97");
    EXPECT_EQ(grid.Cell(15, 3), "24");
    // Three used readings and two header rows.
    EXPECT_EQ(grid.RowCount, 5);
    EXPECT_EQ(grid.Height, 5 * 17 + 3);
    EXPECT_EQ(test::FilledLayout(project, 1).Panel(PanelId::PumpTestDataBlock).Height, 5 * 17 + 23);
}

TEST(PumpTestGrids, AdjustedValuesReplaceTheMeasuredOnes) {
    ProjectData project = test::ElectricPumpProject();
    project.PlotAdjusted[1] = true;
    project.PumpReadings[1][2][kAdjustedPressureColumn] = QStringLiteral("{103.2}");
    project.PumpReadings[1][2][kAdjustedFlowColumn] = QStringLiteral("{1006}");
    const ReportGrid& grid = test::FilledLayout(project, 1).SG1;
    EXPECT_EQ(grid.Cell(10, 3), "103.2");
    EXPECT_EQ(grid.Cell(19, 3), "1006");
    // Only row 2 has adjusted values now.
    EXPECT_EQ(grid.RowCount, 2 + 2);
}

TEST(PumpTestGrids, TheTransferSwitchReadingFillsItsOwnTable) {
    ProjectData project = test::ElectricPumpProject();
    project.TransferSwitchState[1] = 1;
    project.PumpReadings[1][7][1] = QStringLiteral("455");
    project.PumpReadings[1][7][kFlowColumn] = QStringLiteral("1100");
    project.PumpReadings[1][7][kNetPressureColumn] = QStringLiteral("{95}");
    project.PitotGrid[1][kNozzleDiameterRow][6] = QStringLiteral("2.5");
    project.PitotGrid[1][8][2] = QStringLiteral("31");
    const ReportLayout R = test::FilledLayout(project, 1);
    EXPECT_EQ(R.SG2.Cell(0, 2), "TS");
    EXPECT_EQ(R.SG2.Cell(1, 2), "455");
    EXPECT_EQ(R.SG2.Cell(10, 2), "95");
    EXPECT_EQ(R.SG2.Cell(19, 2), "1100");
    EXPECT_EQ(R.SG2.Cell(11, 2), "2.5");
    EXPECT_EQ(R.SG2.Cell(14, 2), "31");
    EXPECT_EQ(R.SG2.Cell(5, 0), "Amps");
    // The switch reading is no point of the test table.
    EXPECT_EQ(R.SG1.RowCount, 3 + 2);
}

TEST(PumpTestGrids, CellsOutsideTheTableReadEmptyAndIgnoreWrites) {
    ReportGrid grid;
    grid.SetCell(20, 0, QStringLiteral("x"));
    grid.SetCell(0, 9, QStringLiteral("x"));
    grid.SetCell(-1, -1, QStringLiteral("x"));
    EXPECT_EQ(grid.Cell(20, 0), "");
    EXPECT_EQ(grid.Cell(0, 9), "");
    EXPECT_EQ(grid.Cell(-1, 3), "");
}

} // namespace
} // namespace quenra
