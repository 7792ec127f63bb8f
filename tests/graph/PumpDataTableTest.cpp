#include "graph/PumpDataTable.h"

#include "graph/ArialFont.h"
#include "graph/GraphText.h"
#include "hydraulics/DisplayOrder.h"
#include "hydraulics/PumpTestLayout.h"
#include "hydraulics/PumpTestTable.h"
#include "model/ProjectData.h"
#include "support/RandomProject.h"

#include <QImage>
#include <QLocale>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace quenra {
namespace {

constexpr int kFontHeight = 19;
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(192, 192, 192);
const QRgb kInside = qRgb(255, 250, 200);
const QRgb kText = qRgb(0, 0, 160);

void SetRow(ProjectData& project, int test, int row, const QStringList& volts, const QString& speed,
            const QString& discharge, const QString& suction, const QString& flow) {
    ReadingTable& table = project.PumpReadings[test];
    for (int phase = 0; phase < kPhaseCount && phase < volts.size(); ++phase) {
        table[row][kFirstVoltsColumn + phase] = volts[phase];
        table[row][kFirstAmpsColumn + phase] = QStringLiteral("52");
    }
    table[row][kSpeedColumn] = speed;
    table[row][kDischargeColumn] = discharge;
    table[row][kSuctionColumn] = suction;
    table[row][kFlowColumn] = flow;
}

// An electric fire pump whose test 1 used three rows: churn, 100 % and 150 %, with volts and
// amps read, one voltage marked out of range.
ProjectData ThreeRowProject() {
    ProjectData project;
    project.IsHydrantTest = false;
    project.DriverKind = kElectricDriver;
    project.RatedSpeed = QStringLiteral("1780");
    project.PumpTestInGraph[1] = true;
    project.PumpTestDate[1] = QStringLiteral("2024-05-02");
    project.ReportBackgroundColor = MakeColour(255, 250, 200);
    project.FormTextColor = MakeColour(0, 0, 160);
    SetRow(project, 1, 1, {"460", "<430>", "461"}, "1785", "150", "20", "");
    SetRow(project, 1, 2, {"455", "456", "457"}, "1760", "130", "15", "1000");
    SetRow(project, 1, 3, {"450", "451", "452"}, "1750", "95", "10", "1500");
    PumpTestTableUpdate(project, 1);
    return project;
}

// A painter on a white bitmap with the graph font, as the page renderer sets it up.
struct Canvas {
    QImage Image{800, 600, QImage::Format_RGB32};
    QPainter Painter;

    Canvas() {
        Image.fill(kWhite);
        Painter.begin(&Image);
        Painter.setFont(ArialFont(kFontHeight));
    }
};

QStringList Headers(const PumpDataTableLayout& layout, int line) {
    QStringList headers;
    for (const PumpDataTableColumn& column : layout.Columns)
        headers << (line == 1 ? column.Header1 : column.Header2);
    return headers;
}

const PumpDataTableColumn& ColumnNamed(const PumpDataTableLayout& layout, const QString& name) {
    for (const PumpDataTableColumn& column : layout.Columns) {
        if (column.Header1 == name)
            return column;
    }
    static const PumpDataTableColumn none;
    ADD_FAILURE() << "no column " << name.toStdString();
    return none;
}

TEST(PumpDataTableTest, OnlyFirePumpProjectsThatShowANetCurveGetATable) {
    ProjectData project = ThreeRowProject();
    EXPECT_EQ(PumpDataTableTest(project, DisplayOrders{{}, {3, 1}}), 3);
    EXPECT_EQ(PumpDataTableTest(project, DisplayOrders{{}, {}}), 0);
    EXPECT_EQ(PumpDataTableTest(project, DisplayOrders{{}, {9}}), 0);

    ProjectData hidden = project;
    hidden.HideAllReadings = true;
    EXPECT_EQ(PumpDataTableTest(hidden, DisplayOrders{{}, {1}}), 0);
    ProjectData hydrant = project;
    hydrant.IsHydrantTest = true;
    EXPECT_EQ(PumpDataTableTest(hydrant, DisplayOrders{{1}, {1}}), 0);
}

TEST(PumpDataTableTest, TheNewestTestWithItsNetCurveShownIsRepeated) {
    ProjectData project = ThreeRowProject();
    project.PumpTestInGraph = {false, true, false, true, true, false};
    project.PumpTestDate[3] = QStringLiteral("2025-01-10");
    project.PumpTestDate[4] = QStringLiteral("2023-07-01");
    project.PumpTestDate[5] = QStringLiteral("2026-01-01"); // newest, but its curve is hidden
    const QDateTime now(QDate(2026, 3, 1), QTime(12, 0));
    EXPECT_EQ(PumpDataTableTest(project, MakeDisplayOrders(project, now, QLocale::c())), 3);
}

TEST(LayoutPumpDataTable, ColumnsHeadersAndUnitLabels) {
    Canvas canvas;
    ProjectData project = ThreeRowProject();
    project.HideVoltsAmps = true;
    PumpDataTableLayout layout = LayoutPumpDataTable(canvas.Painter, project, 1);
    EXPECT_EQ(Headers(layout, 1),
              QStringList({"Hose", "Discharge", "Suction", "Net", "Flow", "Speed"}));
    EXPECT_EQ(Headers(layout, 2), QStringList({"", "(psi)", "(psi)", "(psi)", "(gpm)", "(RPM)"}));
    EXPECT_EQ(layout.DateLine, QStringLiteral(" Date: 2024-05-02"));

    project.UnitSystem = 1;
    layout = LayoutPumpDataTable(canvas.Painter, project, 1);
    EXPECT_EQ(Headers(layout, 2), QStringList({"", "(kpa)", "(kpa)", "(kpa)", "(l/s)", "(RPM)"}));
}

TEST(LayoutPumpDataTable, VoltsAndAmpsOnlyForAnElectricMotorWithReadings) {
    Canvas canvas;
    const ProjectData project = ThreeRowProject();
    const PumpDataTableLayout shown = LayoutPumpDataTable(canvas.Painter, project, 1);
    EXPECT_TRUE(shown.ShowsVoltsAmps);
    EXPECT_EQ(Headers(shown, 1), QStringList({"Hose", "", "Volts", "", "", "Amps", "", "Discharge",
                                              "Suction", "Net", "Flow", "Speed"}));
    EXPECT_EQ(Headers(shown, 2).mid(1, 6), QStringList({"AB", "AC", "BC", "AB", "AC", "BC"}));
    EXPECT_EQ(shown.Columns[3].Group, PumpDataTableGroup::Volts);
    EXPECT_EQ(shown.Columns[4].Group, PumpDataTableGroup::Amps);
    EXPECT_EQ(shown.Columns[7].Group, PumpDataTableGroup::None);

    ProjectData diesel = project;
    diesel.DriverKind = kDieselDriver;
    ProjectData hidden = project;
    hidden.HideVoltsAmps = true;
    ProjectData zeros = project;
    for (int row = 1; row <= kReadingRows; ++row) {
        for (int phase = 0; phase < kPhaseCount; ++phase) {
            zeros.PumpReadings[1][row][kFirstVoltsColumn + phase] = QStringLiteral("0");
            zeros.PumpReadings[1][row][kFirstAmpsColumn + phase] = QString();
        }
    }
    // Readings in a row past the last used one do not count.
    zeros.PumpReadings[1][6][kFirstVoltsColumn] = QStringLiteral("460");
    for (const ProjectData* without : {&diesel, &hidden, &zeros}) {
        const PumpDataTableLayout layout = LayoutPumpDataTable(canvas.Painter, *without, 1);
        EXPECT_FALSE(layout.ShowsVoltsAmps);
        EXPECT_EQ(layout.Columns.size(), 6);
    }
}

TEST(LayoutPumpDataTable, RowsAreNumberedFromZeroWithTheTransferSwitchLast) {
    Canvas canvas;
    ProjectData project = ThreeRowProject();
    PumpDataTableLayout layout = LayoutPumpDataTable(canvas.Painter, project, 1);
    EXPECT_EQ(layout.Rows, 3);
    EXPECT_EQ(layout.Columns[0].Cells, QStringList({"0", "1", "2"}));

    // The switch test keeps its reading in the table's last row, whatever the rows used.
    project.TransferSwitchState[1] = 2;
    SetRow(project, 1, kReadingRows, {"440", "441", "442"}, "1790", "160", "22", "");
    PumpTestTableUpdate(project, 1);
    layout = LayoutPumpDataTable(canvas.Painter, project, 1);
    EXPECT_EQ(layout.Rows, 4);
    EXPECT_EQ(layout.Columns[0].Cells, QStringList({"0", "1", "2", "TS"}));
    EXPECT_EQ(ColumnNamed(layout, "Discharge").Cells, QStringList({"150", "130", "95", "160"}));
    EXPECT_EQ(ColumnNamed(layout, "Speed").Cells.last(), QStringLiteral("1790"));

    // A diesel engine has no transfer switch row: row 7 is a flowing point.
    project.DriverKind = kDieselDriver;
    layout = LayoutPumpDataTable(canvas.Painter, project, 1);
    EXPECT_EQ(layout.Columns[0].Cells, QStringList({"0", "1", "2", "3", "4", "5", "6"}));
}

TEST(LayoutPumpDataTable, CellsLoseTheirMarksAndFollowPlotAdjusted) {
    Canvas canvas;
    ProjectData project = ThreeRowProject();
    PumpDataTableLayout layout = LayoutPumpDataTable(canvas.Painter, project, 1);
    ASSERT_EQ(project.PumpReadings[1][2][kNetPressureColumn], QStringLiteral("{115}"));
    EXPECT_EQ(ColumnNamed(layout, "Volts").Cells.first(), QStringLiteral("430"));
    EXPECT_EQ(ColumnNamed(layout, "Net").Cells, QStringList({"130", "115", "85"}));
    EXPECT_EQ(ColumnNamed(layout, "Flow").Cells, QStringList({"", "1000", "1500"}));

    project.PlotAdjusted[1] = true;
    layout = LayoutPumpDataTable(canvas.Painter, project, 1);
    EXPECT_EQ(ColumnNamed(layout, "Net").Cells, QStringList({"129.3", "117.6", "87.9"}));
    EXPECT_EQ(ColumnNamed(layout, "Flow").Cells, QStringList({"0", "1011", "1526"}));
    EXPECT_EQ(ColumnNamed(layout, "Discharge").Cells, QStringList({"150", "130", "95"}));
}

TEST(LayoutPumpDataTable, ColumnsFitTheirWidestTextWithALetterToSpare) {
    Canvas canvas;
    const QPainter& painter = canvas.Painter;
    ProjectData project = ThreeRowProject();
    project.PumpReadings[1][2][kSpeedColumn] = QStringLiteral("{17600000}");
    PumpDataTableLayout layout = LayoutPumpDataTable(painter, project, 1);
    const int h = TextHeight(painter);
    EXPECT_EQ(layout.TextHeight, h);
    EXPECT_EQ(layout.Height, std::lround(h * 6.3));
    EXPECT_EQ(layout.LineTop(100, 5), 100 + layout.Height - h); // the last row ends at the bottom

    EXPECT_EQ(layout.Columns[0].Width, TextWidth(painter, "HoseA"));
    EXPECT_EQ(ColumnNamed(layout, "Speed").Width, TextWidth(painter, "17600000A"));
    EXPECT_EQ(ColumnNamed(layout, "Discharge").Width, TextWidth(painter, "DischargeA"));
    int left = 0;
    for (const PumpDataTableColumn& column : layout.Columns) {
        EXPECT_EQ(column.Left, left);
        left += column.Width;
    }
    EXPECT_EQ(layout.Width, left);

    // A long date widens the table, not its columns.
    project.PumpTestDate[1] = QString(120, QLatin1Char('W'));
    layout = LayoutPumpDataTable(painter, project, 1);
    EXPECT_EQ(layout.Width, TextWidth(painter, " Date: " + project.PumpTestDate[1]));
    EXPECT_GT(layout.Width, left);
}

class DrawnTable : public ::testing::Test {
protected:
    Canvas canvas;
    ProjectData project = ThreeRowProject();
    PlotGeometry plot{60, 40, 700, 560};
    PumpDataTableLayout layout;
    int D = 0;
    int E = 0;

    void Draw() {
        layout = LayoutPumpDataTable(canvas.Painter, project, 1);
        const QPoint origin = PumpDataTableOrigin(layout, plot);
        D = origin.x();
        E = origin.y();
        DrawPumpDataTable(canvas.Painter, project, 1, plot);
    }
    QRgb At(int x, int y) const { return canvas.Image.pixel(x, y); }
};

TEST_F(DrawnTable, SitsInThePlotsTopRightCornerInAGreyFrame) {
    Draw();
    const int W = layout.Width;
    const int H = layout.Height;
    EXPECT_EQ(D + W, plot.Right - 1);
    EXPECT_EQ(E, plot.Top + 1);
    EXPECT_EQ(At(D - 2, E - 2), kGrey);
    EXPECT_EQ(At(D + W + 1, E + H + 1), kGrey);
    EXPECT_EQ(At(D - 3, E - 3), kWhite);
    EXPECT_EQ(At(D + W + 2, E + H + 2), kWhite);
    EXPECT_EQ(At(D + W, E + H / 2), kGrey);
    // The inside keeps a pixel's margin from every grid line.
    EXPECT_EQ(At(D, E + H - 1), kInside);
    EXPECT_EQ(At(D + W - 1, E + H - 1), kInside);
    EXPECT_EQ(At(D + W - 1, layout.LineTop(E, 3) - 1), kInside);
}

TEST_F(DrawnTable, GridLinesSeparateRowsAndColumns) {
    Draw();
    const int bottom = E + layout.Height;
    // Over the first row and over the first header line, not over the second header line.
    EXPECT_EQ(At(D + 1, layout.LineTop(E, 3) - 1), kGrey);
    EXPECT_EQ(At(D + layout.Width - 2, layout.LineTop(E, 5) - 1), kGrey);
    EXPECT_EQ(At(D + 1, layout.LineTop(E, 1) - 1), kGrey);
    EXPECT_EQ(At(D + 1, layout.LineTop(E, 2) - 1), kInside);

    // Between "Hose" and volts AB a full height line; between AB and AC it starts under
    // "Volts", where a line runs across the six volts and amps columns.
    const int hoseEnd = D + layout.Columns[1].Left;
    const int voltsAC = D + layout.Columns[2].Left;
    EXPECT_EQ(At(hoseEnd, layout.LineTop(E, 1) + 1), kGrey);
    EXPECT_EQ(At(hoseEnd, bottom - 2), kGrey);
    EXPECT_EQ(At(hoseEnd, bottom - 1), kInside);
    EXPECT_EQ(At(voltsAC, layout.LineTop(E, 1) + 1), kInside);
    EXPECT_EQ(At(voltsAC, layout.LineTop(E, 2) + 1), kGrey);
    const int underGroups = layout.LineTop(E, 2);
    EXPECT_EQ(At(D + layout.Columns[1].Left + 1, underGroups), kGrey);
    EXPECT_EQ(At(D + layout.Columns[7].Left - 1, underGroups), kGrey);
    EXPECT_EQ(At(D + layout.Columns[7].Left + 1, underGroups), kInside);
}

TEST_F(DrawnTable, TextIsInTheFormColourAndStaysInside) {
    canvas.Painter.setPen(QColor(10, 200, 10));
    Draw();
    EXPECT_EQ(canvas.Painter.pen().color(), QColor(10, 200, 10));
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < canvas.Image.height(); ++y) {
        for (int x = 0; x < canvas.Image.width(); ++x) {
            if (At(x, y) != kText)
                continue;
            const bool within = x >= D && x < D + layout.Width && y >= E && y < E + layout.Height;
            (within ? inside : outside)++;
        }
    }
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);
}

TEST_F(DrawnTable, NoTestDrawsNothing) {
    project.HideAllReadings = true;
    const QImage before = canvas.Image.copy();
    for (const int test : {0, -1, 6})
        DrawPumpDataTable(canvas.Painter, project, test, plot);
    EXPECT_EQ(canvas.Image, before);
    EXPECT_TRUE(LayoutPumpDataTable(canvas.Painter, project, 0).IsEmpty());
}

TEST(PumpDataTableRobustness, AnyProjectLaysOutAndDrawsWithoutHarm) {
    Canvas canvas;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const ProjectData project = test::RandomProject(seed).Make();
        for (int test = 1; test <= kTestCount; ++test) {
            const PumpDataTableLayout layout = LayoutPumpDataTable(canvas.Painter, project, test);
            EXPECT_LE(layout.Rows, kReadingRows);
            for (const PumpDataTableColumn& column : layout.Columns)
                EXPECT_EQ(column.Cells.size(), layout.Rows);
            DrawPumpDataTable(canvas.Painter, project, test, PlotGeometry{0, 0, 30, 20});
        }
    }
}

} // namespace
} // namespace quenra
