#pragma once

#include "GraphAxes.h"
#include "PlotGeometry.h"

#include <QImage>

namespace quenra {

struct PreparedGraph;
struct ProjectData;

// What a drawn graph page was laid out with, for the callers and the tests.
struct GraphPageLayout {
    int FontHeight = 0;  // the cell height the font was asked for, after the legend fitting
    int TextHeight = 0;  // h: the text height of "W" in that font
    int LegendWidth = 0; // the column at the right of the plot
    bool LegendFits = true;
    PlotGeometry Plot;
    GraphAxes Axes;
    int TableTest = 0;       // the pump test whose readings the table repeats; 0 for none
    int TableFontHeight = 0; // the table's own font, lowered until it fits the plot
};

// Draws the whole graph page of a prepared graph over `bitmap`: the plot with its grid,
// curves and symbols, the margins with the labels and titles, the pump test table in the
// plot's top right corner and the legend with the logo at the right. Nothing outside the
// image is touched; the image keeps its size. A requested test 1..5 (the one the legend's
// verdicts were prepared for) is also the one whose readings the table repeats.
GraphPageLayout DrawGraphPage(QImage& bitmap, const ProjectData& project,
                              const PreparedGraph& prepared, const QImage& logo,
                              int requestedTest = 0);

} // namespace quenra
