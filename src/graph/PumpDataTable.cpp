#include "PumpDataTable.h"

#include "ArialFont.h"
#include "ColourConversion.h"
#include "GraphText.h"
#include "PumpDataTableTexts.h"

#include "hydraulics/DisplayOrder.h"
#include "hydraulics/NumberText.h"
#include "hydraulics/PumpTestLayout.h"
#include "hydraulics/PumpTestTable.h"
#include "hydraulics/UnitSystem.h"
#include "model/ProjectData.h"

#include <QColor>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quenra {

namespace {

namespace texts = pump_data_table_texts;
using group = PumpDataTableGroup;

const QColor kGridGrey(192, 192, 192);

// Room for the date line, the two header lines and a little air, in text lines.
constexpr double kLinesBesideRows = 3.3;
// Text lines of the headers; the rows follow them.
constexpr int kFirstHeaderLine = 1;
constexpr int kSecondHeaderLine = 2;
// The frame around the inside, and the gap between the table and the plot's edge.
constexpr int kFrameWidth = 2;
constexpr int kPlotGap = 1;

bool IsPumpTest(int test) {
    return test >= 1 && test <= kTestCount;
}

// The readings table rows shown, top to bottom, and their labels: the used rows numbered from
// 0, then the transfer switch reading, which is always kept in the table's last row.
struct ShownRows {
    QList<int> TableRows;
    QStringList Labels;
};

ShownRows RowsToShow(const ProjectData& project, int test) {
    ShownRows shown;
    const int usedRows = LastReadingRow(project, test);
    for (int row = 1; row <= usedRows; ++row) {
        shown.TableRows.append(row);
        shown.Labels.append(QString::number(row - 1));
    }
    if (HasTransferSwitchRow(project, test)) {
        shown.TableRows.append(kReadingRows);
        shown.Labels.append(texts::kTransferSwitchRow);
    }
    return shown;
}

bool ShowsVoltsAmps(const ProjectData& project, int test) {
    return !project.HideVoltsAmps && !IsDieselDriver(project) &&
           HasElectricalReadings(project, test);
}

PumpDataTableColumn Column(const QString& header1, const QString& header2, QStringList cells,
                           PumpDataTableGroup columnGroup = group::None) {
    PumpDataTableColumn column;
    column.Header1 = header1;
    column.Header2 = header2;
    column.Cells = std::move(cells);
    column.Group = columnGroup;
    return column;
}

QStringList CellsOf(const ReadingTable& readings, const ShownRows& rows, int readingColumn) {
    QStringList cells;
    for (const int row : rows.TableRows)
        cells.append(StripBrackets(readings[row][readingColumn]));
    return cells;
}

// AB, AC and BC of volts or amps, the group's name over the middle one.
void AppendPhaseColumns(QList<PumpDataTableColumn>& columns, const ReadingTable& readings,
                        const ShownRows& rows, int firstReadingColumn, const QString& name,
                        PumpDataTableGroup columnGroup) {
    const QString phases[kPhaseCount] = {texts::kPhaseAB, texts::kPhaseAC, texts::kPhaseBC};
    constexpr int kMiddlePhase = 1;
    for (int phase = 0; phase < kPhaseCount; ++phase) {
        columns.append(Column(phase == kMiddlePhase ? name : QString(), phases[phase],
                              CellsOf(readings, rows, firstReadingColumn + phase), columnGroup));
    }
}

QList<PumpDataTableColumn> TableColumns(const ProjectData& project, int test, const ShownRows& rows,
                                        bool voltsAmps) {
    const ReadingTable& readings = project.PumpReadings[test];
    const UnitWords words = UnitWordsFor(project.UnitSystem);
    const bool adjusted = project.PlotAdjusted[test];
    QList<PumpDataTableColumn> columns;
    columns.append(Column(texts::kHose, QString(), rows.Labels));
    if (voltsAmps) {
        AppendPhaseColumns(columns, readings, rows, kFirstVoltsColumn, texts::kVolts, group::Volts);
        AppendPhaseColumns(columns, readings, rows, kFirstAmpsColumn, texts::kAmps, group::Amps);
    }
    columns.append(
        Column(texts::kDischarge, words.PressureLabel, CellsOf(readings, rows, kDischargeColumn)));
    columns.append(
        Column(texts::kSuction, words.PressureLabel, CellsOf(readings, rows, kSuctionColumn)));
    columns.append(
        Column(texts::kNet, words.PressureLabel,
               CellsOf(readings, rows, adjusted ? kAdjustedPressureColumn : kNetPressureColumn)));
    columns.append(Column(texts::kFlow, words.FlowLabel,
                          CellsOf(readings, rows, adjusted ? kAdjustedFlowColumn : kFlowColumn)));
    columns.append(Column(texts::kSpeed, texts::kRpm, CellsOf(readings, rows, kSpeedColumn)));
    return columns;
}

// The text lines of a column, header lines first.
QStringList ColumnLines(const PumpDataTableColumn& column) {
    return QStringList{column.Header1, column.Header2} + column.Cells;
}

// The widest of the column's texts, each with a letter's margin.
int ColumnWidth(const QPainter& painter, const PumpDataTableColumn& column) {
    int width = 0;
    for (const QString& text : ColumnLines(column))
        width = std::max(width, TextWidth(painter, text + texts::kWidthMargin));
    return width;
}

// Rectangles and lines are given the way the layout counts them: the right and bottom
// coordinates, and a line's end, are just outside what is painted.
void FillBetween(QPainter& painter, int left, int top, int right, int bottom,
                 const QColor& colour) {
    if (right > left && bottom > top)
        painter.fillRect(QRect(left, top, right - left, bottom - top), colour);
}

void VerticalLine(QPainter& painter, int x, int top, int end) {
    FillBetween(painter, x, top, x + 1, end, kGridGrey);
}

void HorizontalLine(QPainter& painter, int left, int end, int y) {
    FillBetween(painter, left, y, end, y + 1, kGridGrey);
}

void DrawTexts(QPainter& painter, const PumpDataTableLayout& layout, QPoint origin) {
    DrawTextAt(painter, origin.x(), origin.y(), layout.DateLine);
    for (const PumpDataTableColumn& column : layout.Columns) {
        const QStringList lines = ColumnLines(column);
        for (int index = 0; index < lines.size(); ++index) {
            const QString& text = lines[index];
            const int left =
                origin.x() + column.Left + (column.Width - TextWidth(painter, text)) / 2;
            DrawTextAt(painter, left, layout.LineTop(origin.y(), index + kFirstHeaderLine), text);
        }
    }
}

// Column boundaries from the first header line down, except inside the volts and the amps
// groups, where they start under the group's name; a line under the group names; a line over
// every text line but the second header line.
void DrawGrid(QPainter& painter, const PumpDataTableLayout& layout, QPoint origin) {
    const int left = origin.x();
    const int bottom = origin.y() + layout.Height;
    const QList<PumpDataTableColumn>& columns = layout.Columns;
    for (int index = 1; index < columns.size(); ++index) {
        const PumpDataTableGroup columnGroup = columns[index].Group;
        const bool insideGroup =
            columnGroup != group::None && columnGroup == columns[index - 1].Group;
        const int top =
            layout.LineTop(origin.y(), insideGroup ? kSecondHeaderLine : kFirstHeaderLine);
        VerticalLine(painter, left + columns[index].Left, top, bottom - 1);
    }
    const auto grouped = [](const PumpDataTableColumn& c) { return c.Group != group::None; };
    const auto first = std::find_if(columns.begin(), columns.end(), grouped);
    const auto last = std::find_if(columns.rbegin(), columns.rend(), grouped);
    if (first != columns.end()) {
        HorizontalLine(painter, left + first->Left, left + last->Left + last->Width,
                       layout.LineTop(origin.y(), kSecondHeaderLine));
    }
    const int lastLine = layout.Rows + kSecondHeaderLine;
    for (int line = kFirstHeaderLine; line <= lastLine; ++line) {
        if (line != kSecondHeaderLine) {
            HorizontalLine(painter, left + 1, left + layout.Width - 1,
                           layout.LineTop(origin.y(), line) - 1);
        }
    }
}

} // namespace

int PumpDataTableTest(const ProjectData& project, const DisplayOrders& orders, int requestedTest) {
    if (project.IsHydrantTest || project.HideAllReadings || orders.Pump.isEmpty())
        return 0;
    if (IsPumpTest(requestedTest))
        return requestedTest;
    const int newest = orders.Pump.first();
    return IsPumpTest(newest) ? newest : 0;
}

PumpDataTableLayout LayoutPumpDataTable(const QPainter& painter, const ProjectData& project,
                                        int test) {
    PumpDataTableLayout layout;
    if (!IsPumpTest(test))
        return layout;
    const ShownRows rows = RowsToShow(project, test);
    layout.Test = test;
    layout.TextHeight = TextHeight(painter);
    layout.Rows = static_cast<int>(rows.TableRows.size());
    layout.ShowsVoltsAmps = ShowsVoltsAmps(project, test);
    layout.DateLine = texts::kDatePrefix + project.PumpTestDate[test];
    layout.Columns = TableColumns(project, test, rows, layout.ShowsVoltsAmps);
    int left = 0;
    for (PumpDataTableColumn& column : layout.Columns) {
        column.Left = left;
        column.Width = ColumnWidth(painter, column);
        left += column.Width;
    }
    layout.Width = std::max(left, TextWidth(painter, layout.DateLine));
    layout.Height =
        static_cast<int>(std::lround(layout.TextHeight * (layout.Rows + kLinesBesideRows)));
    return layout;
}

QPoint PumpDataTableOrigin(const PumpDataTableLayout& layout, const PlotGeometry& plot) {
    return {plot.Right - layout.Width - kPlotGap, plot.Top + kPlotGap};
}

bool PumpDataTableFitsPlot(const PumpDataTableLayout& layout, const PlotGeometry& plot) {
    const QPoint origin = PumpDataTableOrigin(layout, plot);
    const int frameLeft = origin.x() - kFrameWidth;
    const int frameBottom = origin.y() + layout.Height + kFrameWidth;
    return frameLeft >= (plot.Left + plot.Right) / 2 && frameBottom <= plot.Bottom;
}

int FitPumpDataTableFont(QPainter& painter, const ProjectData& project, int test,
                         const PlotGeometry& plot, int fontHeight) {
    const int fitted = FitGraphFontHeight(fontHeight, [&](int height) {
        painter.setFont(ArialFont(height));
        return PumpDataTableFitsPlot(LayoutPumpDataTable(painter, project, test), plot);
    });
    painter.setFont(ArialFont(fitted));
    return fitted;
}

void DrawPumpDataTable(QPainter& painter, const ProjectData& project, int test,
                       const PlotGeometry& plot) {
    const PumpDataTableLayout layout = LayoutPumpDataTable(painter, project, test);
    if (layout.IsEmpty())
        return;
    const QPoint origin = PumpDataTableOrigin(layout, plot);
    const int right = origin.x() + layout.Width;
    const int bottom = origin.y() + layout.Height;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    FillBetween(painter, origin.x() - kFrameWidth, origin.y() - kFrameWidth, right + kFrameWidth,
                bottom + kFrameWidth, kGridGrey);
    FillBetween(painter, origin.x(), origin.y(), right, bottom,
                ToQColor(project.ReportBackgroundColor));
    painter.setPen(ToQColor(project.FormTextColor));
    DrawTexts(painter, layout, origin);
    DrawGrid(painter, layout, origin);
    painter.restore();
}

} // namespace quenra
