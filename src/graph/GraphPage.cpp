#include "GraphPage.h"

#include "ArialFont.h"
#include "ColourConversion.h"
#include "CurvePainter.h"
#include "GraphText.h"
#include "GraphTexts.h"
#include "LegendPainter.h"
#include "PumpDataTable.h"
#include "SymbolPainter.h"
#include "hydraulics/GraphPreparation.h"
#include "hydraulics/UnitSystem.h"
#include "model/ProjectData.h"

#include <QPainter>

#include <algorithm>

namespace quenra {

namespace {

const QColor kGridColour(156, 214, 255);
const QColor kZeroLineColour(128, 128, 128);
const QColor kLabelColour(0, 0, 0);
constexpr int kPressureLabelGap = 7;
constexpr int kFlowLabelGap = 5;
constexpr int kPressureTitleLeft = 4;
constexpr int kQuarterTurn = 90;

// The rectangle from (x0, y0) to (x1, y1), covering pixels x0 .. x1 - 1 and y0 .. y1 - 1.
QRect Span(int x0, int y0, int x1, int y1) {
    return {x0, y0, x1 - x0, y1 - y0};
}

QColor GridColour(const Ticks& ticks, int i) {
    return ticks.IsZero(i) ? kZeroLineColour : kGridColour;
}

int WidestPressureLabel(const QPainter& painter, const GraphAxes& axes) {
    int widest = 0;
    for (int i = 0; i < axes.PressureTicks.Count; ++i) {
        if (PressureTickShown(axes.PressureScaleChoice, axes.PressureTicks.Value(i))) {
            widest = std::max(widest, TextWidth(painter, TickLabel(axes.PressureTicks, i)));
        }
    }
    return widest;
}

// One pixel wide lines at every shown tick inside the plot; the zero line grey.
void DrawGrid(QPainter& painter, const GraphAxes& axes, const PlotGeometry& plot,
              const AxisScale& flow, const AxisScale& pressure) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < axes.FlowTicks.Count; ++i) {
        const double tick = axes.FlowTicks.Value(i);
        const int x = flow.ToPixel(tick);
        if (FlowTickShown(axes.FlowScaleChoice, tick) && plot.Left < x && x < plot.Right &&
            plot.Top + 1 < plot.Bottom) {
            painter.fillRect(Span(x, plot.Top + 1, x + 1, plot.Bottom),
                             GridColour(axes.FlowTicks, i));
        }
    }
    for (int i = 0; i < axes.PressureTicks.Count; ++i) {
        const double tick = axes.PressureTicks.Value(i);
        const int y = pressure.ToPixel(tick);
        if (PressureTickShown(axes.PressureScaleChoice, tick) && plot.Top < y && y < plot.Bottom &&
            plot.Left < plot.Right) {
            painter.fillRect(Span(plot.Left, y, plot.Right, y + 1),
                             GridColour(axes.PressureTicks, i));
        }
    }
}

// The page colour around the plot, which also cuts off whatever was drawn beyond its edges.
void PaintMargins(QPainter& painter, QSize bitmap, const PlotGeometry& plot, QColor colour) {
    const int w = bitmap.width();
    const int h = bitmap.height();
    painter.fillRect(Span(0, 0, plot.Right + 1, plot.Top), colour);
    painter.fillRect(Span(plot.Right + 1, 0, w, plot.Bottom + 1), colour);
    painter.fillRect(Span(plot.Left, plot.Bottom + 1, w, h), colour);
    painter.fillRect(Span(0, plot.Top, plot.Left, h), colour);
}

// Pressure labels right-aligned beside their grid lines, centred on them.
void DrawPressureLabels(QPainter& painter, const GraphAxes& axes, const PlotGeometry& plot, int h) {
    for (const PressureLabelRow& row : PressureLabelRows(axes, plot, h)) {
        const QString label = TickLabel(axes.PressureTicks, row.Tick);
        DrawTextAt(painter, plot.Left - kPressureLabelGap - TextWidth(painter, label),
                   row.Y - h / 2, label);
    }
}

// Flow labels centred under their grid lines; one that would run into the label before it
// is left out, so that crowded labels never overlap.
void DrawFlowLabels(QPainter& painter, const GraphAxes& axes, const PlotGeometry& plot,
                    const AxisScale& flow) {
    int previousEnd = 0;
    for (int i = 0; i < axes.FlowTicks.Count; ++i) {
        if (!FlowTickShown(axes.FlowScaleChoice, axes.FlowTicks.Value(i))) {
            continue;
        }
        const int x = flow.ToPixel(RoundedTickValue(axes.FlowTicks, i));
        const QString label = QLatin1Char(' ') + TickLabel(axes.FlowTicks, i) + QLatin1Char(' ');
        const int width = TextWidth(painter, label);
        const int left = std::max(0, x - width / 2);
        if (plot.Left < x && x < plot.Right && left >= previousEnd) {
            DrawTextAt(painter, left, plot.Bottom + kFlowLabelGap, label);
            previousEnd = left + width;
        }
    }
}

void DrawCentred(QPainter& painter, const PlotGeometry& plot, int top, const QString& text) {
    const int left = (plot.Left + plot.Right - TextWidth(painter, text)) / 2;
    DrawTextAt(painter, left, top, text);
}

void DrawTitles(QPainter& painter, const ProjectData& project, const PlotGeometry& plot, int h) {
    const UnitWords words = UnitWordsFor(project.UnitSystem);
    const QString pressureTitle = graph_texts::kPressureTitle + words.PressureLabel;
    const int titleWidth = TextWidth(painter, pressureTitle);
    DrawRotatedText(painter, kPressureTitleLeft, (titleWidth + plot.Top + plot.Bottom) / 2,
                    kQuarterTurn, pressureTitle);
    DrawCentred(painter, plot, plot.Bottom + kFlowLabelGap + h,
                graph_texts::kFlowTitle + words.FlowLabel);
    DrawCentred(painter, plot, h / 2, project.GraphTitleText);
}

} // namespace

GraphPageLayout DrawGraphPage(QImage& bitmap, const ProjectData& project,
                              const PreparedGraph& prepared, const QImage& logo,
                              int requestedTest) {
    GraphPageLayout layout;
    if (bitmap.isNull()) {
        return layout;
    }
    const QSize size = bitmap.size();
    const QColor plotColour = ToQColor(project.GraphBackgroundColor);
    const QColor pageColour = ToQColor(project.OutsideBackgroundColor);
    LegendStyle style;
    style.SymbolSizeIndex = project.SymbolSizeIndex;
    style.PlotBackground = plotColour;
    style.Logo = logo;

    QPainter painter(&bitmap);
    painter.setBackgroundMode(Qt::TransparentMode);

    // The largest font whose legend fits the page's height.
    const int startHeight =
        GraphFontHeight(size.width(), size.height(), GraphFontSizeFromIndex(project.FontSizeIndex));
    layout.FontHeight = FitGraphFontHeight(startHeight, [&](int height) {
        painter.setFont(ArialFont(height));
        return MeasureLegend(painter, size, prepared.Legend, style).Fits;
    });
    painter.setFont(ArialFont(layout.FontHeight));
    const int h = TextHeight(painter);
    layout.TextHeight = h;
    const LegendExtent legend = MeasureLegend(painter, size, prepared.Legend, style);
    layout.LegendWidth = legend.Width;
    layout.LegendFits = legend.Fits;

    layout.Axes = MakeGraphAxes(project, prepared.Curves.Curves);
    // The labels' gaps depend on the plot's top and bottom alone, which the labels' width does
    // not move: the grid is spread first, so that only the labels kept are measured (a typed
    // range can give thousands of grid lines).
    SpreadPressureLabels(
        layout.Axes, ComputePlotGeometry(size.width(), size.height(), layout.LegendWidth, h, 0), h);
    layout.Plot = ComputePlotGeometry(size.width(), size.height(), layout.LegendWidth, h,
                                      WidestPressureLabel(painter, layout.Axes));
    const PlotGeometry& plot = layout.Plot;
    const AxisScale flow = FlowPixelScale(layout.Axes, plot);
    const AxisScale pressure = PressurePixelScale(layout.Axes, plot);

    if (plot.Left > plot.Right || plot.Top > plot.Bottom) {
        // A page too small for its margins: the margins alone would leave pixels unpainted.
        bitmap.fill(pageColour);
    }
    painter.fillRect(Span(plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1), plotColour);
    DrawGrid(painter, layout.Axes, plot, flow, pressure);
    DrawCurves(painter, prepared.Curves.Curves, flow, pressure,
               SymbolSize(h, project.SymbolSizeIndex), plotColour);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintMargins(painter, size, plot, pageColour);

    painter.setPen(kLabelColour);
    DrawPressureLabels(painter, layout.Axes, plot, h);
    DrawTitles(painter, project, plot, h);
    DrawFlowLabels(painter, layout.Axes, plot, flow);

    layout.TableTest = PumpDataTableTest(project, prepared.Orders, requestedTest);
    if (layout.TableTest > 0) {
        layout.TableFontHeight =
            FitPumpDataTableFont(painter, project, layout.TableTest, plot, layout.FontHeight);
        DrawPumpDataTable(painter, project, layout.TableTest, plot);
        painter.setFont(ArialFont(layout.FontHeight));
    }
    DrawLegend(painter, LegendMode::Draw, plot.Right, size, prepared.Legend, style);
    return layout;
}

} // namespace quenra
