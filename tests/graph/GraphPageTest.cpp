#include "graph/GraphPage.h"

#include "GraphExamples.h"

#include "files/ProjectFileReader.h"
#include "graph/ArialFont.h"
#include "graph/AxisScale.h"
#include "graph/ColourConversion.h"
#include "graph/LegendPainter.h"
#include "graph/PlotGeometry.h"
#include "hydraulics/DataErrorPrompt.h"
#include "hydraulics/GraphPreparation.h"
#include "hydraulics/NumberText.h"
#include "hydraulics/SeriesNumbers.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "support/ScriptedPrompter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace quenra {
namespace {

const QRgb kPlot = qRgb(250, 250, 230);
const QRgb kPage = qRgb(200, 220, 200);
const QRgb kLightBlue = qRgb(156, 214, 255);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kRed = qRgb(255, 0, 0);

ProjectData Example(const char* name) {
    ProjectData project;
    ResetToDefaults(project);
    test::ScriptedPrompter prompter;
    ReadProjectFile(project, QStringLiteral(QUENRA_EXAMPLES_DIR "/") + QLatin1String(name),
                    prompter);
    project.GraphBackgroundColor = FromQColor(QColor(kPlot));
    project.OutsideBackgroundColor = FromQColor(QColor(kPage));
    return project;
}

// One hydrant test (80 psi static, 60 psi at 1000 gpm) and one demand point.
ProjectData OneHydrantTest(const QString& demandPressure) {
    ProjectData project;
    ResetToHydrantTestDefaults(project);
    project.SupplyShowCurve[1] = true;
    project.SupplyTestDate[1] = QStringLiteral("5/2/2024");
    project.SupplyStaticPressure[1] = QStringLiteral("80");
    project.SupplyResidualPressure[1] = QStringLiteral("60");
    project.SupplyResidualFlow[1] = QStringLiteral("1000");
    project.HydrantDemandShow[1] = true;
    project.HydrantDemandPurpose[1] = QStringLiteral("Sprinklers");
    project.HydrantDemandFlow[1] = QStringLiteral("1500");
    project.HydrantDemandPressure[1] = demandPressure;
    project.SupplyTestColor[1] = MakeColour(0, 0, 200);
    project.HydrantDemandColor[1] = MakeColour(0, 120, 0);
    project.GraphBackgroundColor = FromQColor(QColor(kPlot));
    project.OutsideBackgroundColor = FromQColor(QColor(kPage));
    return project;
}

struct DrawnPage {
    QImage Image;
    GraphPageLayout Layout;
    PreparedGraph Prepared;
};

DrawnPage Draw(ProjectData& project, QSize size = QSize(1000, 773)) {
    test::ScriptedPrompter prompter;
    PromptFlags flags;
    DrawnPage page;
    page.Prepared = PrepareGraph(project, CheckBeforeDrawing(project, prompter, flags));
    page.Image = QImage(size, QImage::Format_RGB32);
    page.Layout = DrawGraphPage(page.Image, project, page.Prepared, QImage());
    return page;
}

int CountPixels(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

TEST(GraphPage, PlotRectangleIsFilledAndFramedByThePageColour) {
    ProjectData project = OneHydrantTest(QStringLiteral("40"));
    const DrawnPage page = Draw(project);
    const PlotGeometry& plot = page.Layout.Plot;
    ASSERT_LT(plot.Left, plot.Right);
    ASSERT_LT(plot.Top, plot.Bottom);
    // Legend width and text height give the plot's edges.
    EXPECT_EQ(plot.Right, 1000 - page.Layout.LegendWidth);
    EXPECT_EQ(plot.Top, 2 * page.Layout.TextHeight);

    // Corners: the plot colour reaches (Right, Bottom) inclusive, the page colour starts next.
    const QRgb topLeft = page.Image.pixel(plot.Left + 1, plot.Top);
    EXPECT_TRUE(topLeft == kPlot || topLeft == kLightBlue || topLeft == kGrey);
    EXPECT_EQ(page.Image.pixel(plot.Left + 1, plot.Top - 1), kPage);
    EXPECT_EQ(page.Image.pixel(plot.Right + 1, plot.Bottom - 2), kPage);
    EXPECT_EQ(page.Image.pixel(plot.Right - 1, plot.Bottom + 1), kPage);
    EXPECT_EQ(page.Image.pixel(0, page.Image.height() - 1), kPage);
}

TEST(GraphPage, GridLinesAreLightBlueAndTheZeroLineGrey) {
    ProjectData project = OneHydrantTest(QStringLiteral("40"));
    project.FlowScaleIndex = 0; // linear, so the zero flow lies inside the plot
    const DrawnPage page = Draw(project);
    const PlotGeometry& plot = page.Layout.Plot;
    const AxisScale flow = FlowPixelScale(page.Layout.Axes, plot);
    const AxisScale pressure = PressurePixelScale(page.Layout.Axes, plot);
    ASSERT_DOUBLE_EQ(page.Layout.Axes.PressureTicks.Step, 5);

    // A point of the grid away from every curve: the top of the plot, a flow of 400 gpm (the
    // flow range 0..2364 is cut in steps of 200).
    ASSERT_DOUBLE_EQ(page.Layout.Axes.FlowTicks.Step, 200);
    const int x400 = flow.ToPixel(400);
    EXPECT_EQ(page.Image.pixel(x400, plot.Top + 3), kLightBlue);
    const int x0 = flow.ToPixel(0);
    ASSERT_GT(x0, plot.Left);
    EXPECT_EQ(page.Image.pixel(x0, plot.Top + 3), kGrey);
    // The zero pressure line is grey too, a pressure line of 5 psi light blue.
    const int xMiddle = (plot.Left + plot.Right) / 2 + 3;
    EXPECT_EQ(page.Image.pixel(xMiddle, pressure.ToPixel(0)), kGrey);
    EXPECT_EQ(page.Image.pixel(x400 + 7, pressure.ToPixel(5)), kLightBlue);
    // Between grid lines the plot keeps its colour.
    EXPECT_EQ(page.Image.pixel(x400 + 7, pressure.ToPixel(7.5)), kPlot);
}

TEST(GraphPage, SymbolsAreDrawnInTheirSeriesColourAtTheirPoint) {
    ProjectData project = OneHydrantTest(QStringLiteral("40"));
    project.FlowScaleIndex = 0;
    project.SupplyTestColor[1] = MakeColour(0, 160, 0);
    const DrawnPage page = Draw(project);
    const AxisScale flow = FlowPixelScale(page.Layout.Axes, page.Layout.Plot);
    const AxisScale pressure = PressurePixelScale(page.Layout.Axes, page.Layout.Plot);
    // The residual reading: 60 psi at 1000 gpm, a symbol of the test's colour. Rings are
    // hollow, so the symbol's pixels are looked for around the point.
    const QPoint residual(flow.ToPixel(1000), pressure.ToPixel(60));
    const int size = page.Layout.TextHeight / 2;
    EXPECT_GT(CountPixels(page.Image,
                          QRect(residual - QPoint(size, size), QSize(2 * size, 2 * size)),
                          qRgb(0, 160, 0)),
              size);
    // The demand point's colour at its symbol (1500 gpm, 40 psi).
    const QRgb demand = ToQColor(project.HydrantDemandColor[1]).rgb();
    EXPECT_EQ(page.Image.pixel(flow.ToPixel(1500), pressure.ToPixel(40)), demand);
}

TEST(GraphPage, SeriesThatAreNotCurvesGetNoLines) {
    ProjectData project = OneHydrantTest(QStringLiteral("40"));
    project.FlowScaleIndex = 0;
    test::ScriptedPrompter prompter;
    PromptFlags flags;
    PreparedGraph prepared = PrepareGraph(project, CheckBeforeDrawing(project, prompter, flags));
    CurveSeries& points = prepared.Curves.Curves.Series(50);
    points = CurveSeries();
    points.X = {200, 1800};
    points.Y = {20, 20};
    points.PointCount = 2;
    points.IsCurve = false;
    points.LineWidth = 3;
    points.Color = MakeColour(255, 0, 255);
    points.Symbol = PointSymbol::None;
    QImage image(1000, 773, QImage::Format_RGB32);
    const GraphPageLayout layout = DrawGraphPage(image, project, prepared, QImage());
    const AxisScale flow = FlowPixelScale(layout.Axes, layout.Plot);
    const AxisScale pressure = PressurePixelScale(layout.Axes, layout.Plot);
    const int y = pressure.ToPixel(20);
    EXPECT_EQ(CountPixels(
                  image, QRect(QPoint(flow.ToPixel(200), y - 2), QPoint(flow.ToPixel(1800), y + 2)),
                  qRgb(255, 0, 255)),
              0);

    points.IsCurve = true;
    DrawGraphPage(image, project, prepared, QImage());
    EXPECT_GT(CountPixels(
                  image, QRect(QPoint(flow.ToPixel(200), y - 2), QPoint(flow.ToPixel(1800), y + 2)),
                  qRgb(255, 0, 255)),
              100);
}

TEST(GraphPage, ANegativeSafetyCushionIsDrawnInRedAndAPositiveOneIsNot) {
    // At 1500 gpm the supply gives about 36 psi: a demand of 50 psi is short by 14.
    ProjectData shortSupply = OneHydrantTest(QStringLiteral("50"));
    const DrawnPage shortPage = Draw(shortSupply);
    ASSERT_TRUE(shortPage.Prepared.Legend.DemandVerdict[1].Text().startsWith(
        QStringLiteral("Safety Cushion: -")));
    const QRect legend(QPoint(shortPage.Layout.Plot.Right + 1, 0),
                       QPoint(shortPage.Image.width() - 1, shortPage.Image.height() - 1));
    EXPECT_GT(CountPixels(shortPage.Image, legend, kRed), 20);

    ProjectData enough = OneHydrantTest(QStringLiteral("20"));
    const DrawnPage enoughPage = Draw(enough);
    ASSERT_TRUE(enoughPage.Prepared.Legend.DemandVerdict[1].Text().startsWith(
        QStringLiteral("Safety Cushion: +")));
    EXPECT_EQ(CountPixels(enoughPage.Image, legend, kRed), 0);
}

TEST(GraphPage, ALegendTooTallForTheBitmapLowersTheFont) {
    ProjectData project = Example("Plant.qrx");
    const DrawnPage roomy = Draw(project, QSize(2000, 1545));
    EXPECT_TRUE(roomy.Layout.LegendFits);
    EXPECT_EQ(roomy.Layout.FontHeight,
              GraphFontHeight(2000, 1545, GraphFontSizeFromIndex(project.FontSizeIndex)));

    // A wide, low bitmap: the font that suits its width makes the legend too tall.
    const DrawnPage low = Draw(project, QSize(2000, 420));
    const int start = GraphFontHeight(2000, 420, GraphFontSizeFromIndex(project.FontSizeIndex));
    EXPECT_LT(low.Layout.FontHeight, start);
    EXPECT_TRUE(low.Layout.LegendFits);
    // One size larger would not have fitted.
    QImage probe(2000, 420, QImage::Format_RGB32);
    QPainter painter(&probe);
    painter.setFont(ArialFont(low.Layout.FontHeight + 1));
    LegendStyle style;
    style.SymbolSizeIndex = project.SymbolSizeIndex;
    EXPECT_EQ(DrawLegend(painter, LegendMode::Measure, 0, probe.size(), low.Prepared.Legend, style),
              -1);
    EXPECT_FALSE(MeasureLegend(painter, probe.size(), low.Prepared.Legend, style).Fits);
}

TEST(GraphPage, ABitmapTooSmallForAnyFontStillDrawsEverythingInside) {
    ProjectData project = Example("Plant.qrx");
    const DrawnPage tiny = Draw(project, QSize(60, 40));
    EXPECT_EQ(tiny.Layout.FontHeight, 4);
    EXPECT_FALSE(tiny.Layout.LegendFits);
    EXPECT_EQ(tiny.Image.size(), QSize(60, 40));
}

TEST(GraphPage, ThePumpTestTableFollowsTheReadingsSwitch) {
    ProjectData project = Example("Plant.qrx");
    const DrawnPage shown = Draw(project);
    EXPECT_EQ(shown.Layout.TableTest, 1);
    project.HideAllReadings = true;
    const DrawnPage hidden = Draw(project);
    EXPECT_EQ(hidden.Layout.TableTest, 0);
    // The plot does not move for the table.
    EXPECT_EQ(hidden.Layout.Plot, shown.Layout.Plot);
    const QRect corner(QPoint(shown.Layout.Plot.Right - 40, shown.Layout.Plot.Top + 1),
                       QSize(30, 6));
    EXPECT_GT(CountPixels(shown.Image, corner, qRgb(192, 192, 192)) +
                  CountPixels(shown.Image, corner, ToQColor(project.ReportBackgroundColor).rgb()),
              0);
}

TEST(GraphPage, TheLegendWidthIsItsWidestLinePlusTwoTextHeights) {
    ProjectData project = OneHydrantTest(QStringLiteral("40"));
    QImage image(1000, 773, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(ArialFont(20));
    test::ScriptedPrompter prompter;
    PromptFlags flags;
    const PreparedGraph prepared =
        PrepareGraph(project, CheckBeforeDrawing(project, prompter, flags));
    const LegendExtent extent =
        MeasureLegend(painter, image.size(), prepared.Legend, LegendStyle());
    int widest = 0;
    for (const LegendEntry& entry : prepared.Legend.Entries) {
        for (const LegendLine& line : entry.Lines) {
            widest = std::max(widest, painter.fontMetrics().horizontalAdvance(line.Text));
        }
    }
    const int h = painter.fontMetrics().ascent() + painter.fontMetrics().descent();
    EXPECT_EQ(extent.Width, widest + 2 * h);
}

// A demand point that lies beyond every curve, by its flow or by its pressure.
struct OutlyingDemand {
    const char* Flow;
    const char* Pressure;
};

class DemandBeyondTheCurves : public testing::TestWithParam<OutlyingDemand> {};

TEST_P(DemandBeyondTheCurves, IsDrawnAtItsFlowAndPressure) {
    // The supply curve of OneHydrantTest ends near 2100 gpm at 0 psi and starts at 80 psi.
    ProjectData project = OneHydrantTest(QString::fromLatin1(GetParam().Pressure));
    project.HydrantDemandFlow[1] = QString::fromLatin1(GetParam().Flow);
    project.DemandSymbol = 2; // a filled square
    project.FlowScaleIndex = 0;
    const DrawnPage page = Draw(project);
    const GraphRanges& ranges = page.Layout.Axes.Ranges;
    const double flow = ParseNumber(project.HydrantDemandFlow[1]);
    const double pressure = ParseNumber(project.HydrantDemandPressure[1]);
    EXPECT_GE(ranges.Flow.Max, flow);
    EXPECT_GE(ranges.Pressure.Max, pressure);

    const AxisScale flowScale = FlowPixelScale(page.Layout.Axes, page.Layout.Plot);
    const AxisScale pressureScale = PressurePixelScale(page.Layout.Axes, page.Layout.Plot);
    const QPoint centre(flowScale.ToPixel(flow), pressureScale.ToPixel(pressure));
    const QRect plot(QPoint(page.Layout.Plot.Left, page.Layout.Plot.Top),
                     QPoint(page.Layout.Plot.Right, page.Layout.Plot.Bottom));
    ASSERT_TRUE(plot.contains(centre));
    EXPECT_EQ(page.Image.pixel(centre), ToQColor(project.HydrantDemandColor[1]).rgb());
}

INSTANTIATE_TEST_SUITE_P(FlowOrPressure, DemandBeyondTheCurves,
                         testing::Values(OutlyingDemand{"4000", "30"}, OutlyingDemand{"500", "140"},
                                         OutlyingDemand{"3500", "120"}));

// The pump test table of the plant example, "Large" font, at the screen size of the batch
// graph, the landscape capture size that screens show and the portrait capture sizes.
class PumpTableOnThePlot : public testing::TestWithParam<QSize> {};

TEST_P(PumpTableOnThePlot, StaysInTheRightHalfOfThePlot) {
    ProjectData project = test::LoadExample(QStringLiteral("Plant.qrx"));
    project.FontSizeIndex = static_cast<int>(GraphFontSize::Large);
    project.GraphBackgroundColor = FromQColor(QColor(kPlot));
    const QRgb tableColour = qRgb(255, 255, 200);
    project.ReportBackgroundColor = FromQColor(QColor(tableColour));
    const PreparedGraph prepared = test::PrepareExampleGraph(project);
    const test::DrawnGraph drawn = test::DrawPrepared(project, prepared, GetParam());
    const PlotGeometry& plot = drawn.Layout.Plot;
    ASSERT_GT(drawn.Layout.TableTest, 0);

    // The row just inside the table's top: frame and table colour only in the right half.
    const int row = plot.Top + 1;
    const int middle = (plot.Left + plot.Right) / 2;
    const QRgb frameGrey = qRgb(192, 192, 192);
    const QRect leftHalf(QPoint(0, row), QPoint(middle - 1, row));
    const QRect rightHalf(QPoint(middle, row), QPoint(plot.Right, row));
    EXPECT_EQ(CountPixels(drawn.Image, leftHalf, tableColour) +
                  CountPixels(drawn.Image, leftHalf, frameGrey),
              0);
    EXPECT_GT(CountPixels(drawn.Image, rightHalf, tableColour), 0);
    EXPECT_LE(drawn.Layout.TableFontHeight, drawn.Layout.FontHeight);
    EXPECT_GT(drawn.Layout.TableFontHeight, 4);
}

INSTANTIATE_TEST_SUITE_P(ScreenAndCaptureSizes, PumpTableOnThePlot,
                         testing::Values(QSize(1024, 700), QSize(1000, 773), QSize(773, 1000),
                                         QSize(1545, 2000), QSize(2318, 3000)));

TEST(GraphPage, ARequestedPumpTestIsTheOneTheTableRepeats) {
    ProjectData project = test::LoadExample(QStringLiteral("Plant.qrx"));
    const PreparedGraph newest = test::PrepareExampleGraph(project);
    EXPECT_EQ(test::DrawPrepared(project, newest, QSize(1000, 773)).Layout.TableTest, 1);
    for (int requested = 2; requested <= 3; ++requested) {
        const PreparedGraph prepared = test::PrepareExampleGraph(project, requested);
        EXPECT_EQ(
            test::DrawPrepared(project, prepared, QSize(1000, 773), requested).Layout.TableTest,
            requested);
    }
}

TEST(LegendLogo, FitsBelowTheEntriesAtMostAFifthOfTheHeightStandingOnTheBottom) {
    const QSize bitmap(1000, 800);
    // Lots of room below the entries: the box is held to 15 % of the height, at the bottom.
    const QRect box = LegendLogoBox(700, 5, 300, bitmap);
    EXPECT_EQ(box.left(), 715);
    EXPECT_EQ(box.right(), 995);
    EXPECT_EQ(box.bottom(), 795);
    EXPECT_EQ(box.top(), 795 - 120);
    const QRect logo = FitLogo(QSize(657, 552), box);
    EXPECT_EQ(logo.bottom(), box.bottom());
    EXPECT_LE(logo.height(), box.height());
    EXPECT_NEAR(static_cast<double>(logo.width()) / logo.height(), 657.0 / 552.0, 0.02);
    EXPECT_GE(logo.left(), box.left());
    EXPECT_LE(logo.right(), box.right());
    // No room left under the entries: no logo.
    EXPECT_TRUE(FitLogo(QSize(657, 552), LegendLogoBox(700, 5, 800, bitmap)).isEmpty());
}

} // namespace
} // namespace quenra
