#pragma once

#include "PlotGeometry.h"

#include <QList>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace quenra {

struct DisplayOrders;
struct ProjectData;

// Column groups of the readings table: the volts and the amps columns stand under a common
// header written over their middle column.
enum class PumpDataTableGroup {
    None,
    Volts,
    Amps,
};

// One column of the readings table on the graph.
struct PumpDataTableColumn {
    QString Header1;
    QString Header2;
    QStringList Cells; // one per shown row, top to bottom, brackets and braces removed
    int Left = 0;      // from the table's left edge
    int Width = 0;
    PumpDataTableGroup Group = PumpDataTableGroup::None;
};

// The readings table of one pump test, measured in the painter's font. Empty (no columns)
// when there is no table to draw.
struct PumpDataTableLayout {
    int Test = 0;
    int TextHeight = 0; // of "W", the height of every text line
    int Rows = 0;       // shown reading rows, the transfer switch row included
    bool ShowsVoltsAmps = false;
    QString DateLine;
    QList<PumpDataTableColumn> Columns;
    int Width = 0;  // inside the frame
    int Height = 0; // inside the frame

    bool IsEmpty() const { return Columns.isEmpty(); }

    // The top of text line `line` of every column (1 the first header line, 2 the second,
    // 3 onwards the rows) in a table whose inside starts at `tableTop`: the lines are stacked
    // upwards from the bottom edge, which leaves a little room under the date line.
    int LineTop(int tableTop, int line) const {
        return tableTop + Height + (line - Rows - 3) * TextHeight;
    }
};

// The pump test whose readings the graph's table repeats, or 0 when no table is drawn: in a
// fire pump project that does not hide its readings and shows a net curve, the test the graph
// was asked for (1..5), else the newest of the pump tests whose net curve is shown.
int PumpDataTableTest(const ProjectData& project, const DisplayOrders& orders,
                      int requestedTest = 0);

// The table's columns, rows, texts and size for the painter's current font. A test outside
// 1..5 gives an empty layout.
PumpDataTableLayout LayoutPumpDataTable(const QPainter& painter, const ProjectData& project,
                                        int test);

// The top left corner of the table's inside: one pixel in from the plot's top right corner.
QPoint PumpDataTableOrigin(const PumpDataTableLayout& layout, const PlotGeometry& plot);

// True when the table with its frame lies in the right half of the plot and above its bottom,
// where it leaves the rest of the plot's data in view.
bool PumpDataTableFitsPlot(const PumpDataTableLayout& layout, const PlotGeometry& plot);

// The font height for the table of `test`: `fontHeight`, lowered one step at a time as the
// legend's is, while the table does not fit the plot (see PumpDataTableFitsPlot). Leaves the
// painter in that font.
int FitPumpDataTableFont(QPainter& painter, const ProjectData& project, int test,
                         const PlotGeometry& plot, int fontHeight);

// Draws the table of `test` inside the plot's top right corner, in the painter's current font;
// nothing for a test outside 1..5. The painter's pen, brush and hints are left as they were.
void DrawPumpDataTable(QPainter& painter, const ProjectData& project, int test,
                       const PlotGeometry& plot);

} // namespace quenra
