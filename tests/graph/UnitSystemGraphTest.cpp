#include "GraphExamples.h"

#include "graph/ArialFont.h"
#include "graph/AxisScale.h"
#include "graph/AxisTransform.h"
#include "graph/GraphText.h"
#include "graph/NiceTicks.h"
#include "hydraulics/CurveTable.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>

namespace quenra {
namespace {

// Display units per psi and per gpm of each unit system, from the definitions of the units
// (1 psi = 6.894757 kpa, 1 gal = 3.785412 l).
struct Units {
    double Pressure;
    double Flow;
};
constexpr std::array<Units, 7> kUnits{{{1, 1},
                                       {6.894757, 0.06309020},
                                       {0.06894757, 0.2271247},
                                       {0.06894757, 3.785412},
                                       {0.06894757, 0.06309020},
                                       {6.894757, 0.2271247},
                                       {6.894757, 3.785412}}};

const QSize kPageSize(1000, 773);

// How the numbers of an example are read in another unit system: converted, as an inspector
// measuring in that system would have typed them, or kept as typed with only the unit words
// changed.
enum class Numbers { Converted, AsTyped };

struct MetricCase {
    const char* Example;
    int UnitSystem;
    Numbers Values;
};

void PrintTo(const MetricCase& c, std::ostream* os) {
    *os << c.Example << " in unit system " << c.UnitSystem
        << (c.Values == Numbers::Converted ? ", converted" : ", as typed");
}

void ScaleCurves(CurveTable& curves, Units units) {
    for (int index = 1; index <= CurveTable::kSeriesCount; ++index) {
        CurveSeries& series = curves.Series(index);
        for (float& x : series.X)
            x = static_cast<float>(x * units.Flow);
        for (float& y : series.Y)
            y = static_cast<float>(y * units.Pressure);
    }
}

// The highest pressure of the curves drawn.
double HighestCurvePressure(const CurveTable& curves) {
    double highest = -std::numeric_limits<double>::infinity();
    for (int index = 1; index <= CurveTable::kSeriesCount; ++index) {
        const CurveSeries& series = curves.Series(index);
        if (!series.IsCurve)
            continue;
        for (int point = 0; point < series.PointCount; ++point)
            highest = std::max(highest, static_cast<double>(series.Y[point]));
    }
    return highest;
}

// The pixel rows of the pressure labels drawn, top to bottom.
QList<int> PressureLabelRows(const GraphPageLayout& layout) {
    const AxisScale pressure = PressurePixelScale(layout.Axes, layout.Plot);
    QList<int> rows;
    const Ticks& ticks = layout.Axes.PressureTicks;
    for (int i = 0; i < ticks.Count; ++i) {
        if (!PressureTickShown(layout.Axes.PressureScaleChoice, ticks.Value(i)))
            continue;
        const int y = pressure.ToPixel(RoundedTickValue(ticks, i));
        if (layout.Plot.Top < y && y < layout.Plot.Bottom)
            rows.prepend(y);
    }
    return rows;
}

class MetricGraph : public testing::TestWithParam<MetricCase> {};

TEST_P(MetricGraph, LabelsStandApartAndTheCurvesReachTheUpperHalf) {
    const MetricCase& c = GetParam();
    ProjectData project = test::LoadExample(QString::fromLatin1(c.Example));
    const PreparedGraph english = test::PrepareExampleGraph(project);
    const GraphRanges englishRanges = MakeGraphAxes(project, english.Curves.Curves).Ranges;

    // Converted numbers give the English curves in the other units; numbers as typed are read
    // in the other system (its pitot constant included).
    const Units units = kUnits[static_cast<std::size_t>(c.UnitSystem)];
    PreparedGraph prepared = english;
    if (c.Values == Numbers::Converted)
        ScaleCurves(prepared.Curves.Curves, units);
    project.UnitSystem = c.UnitSystem;
    if (c.Values == Numbers::AsTyped)
        prepared = test::PrepareExampleGraph(project);
    const test::DrawnGraph drawn = test::DrawPrepared(project, prepared, kPageSize);
    const GraphPageLayout& layout = drawn.Layout;
    const int h = layout.TextHeight;
    ASSERT_GT(h, 0);

    const QList<int> rows = PressureLabelRows(layout);
    ASSERT_GE(rows.size(), 3);
    for (qsizetype i = 1; i < rows.size(); ++i)
        EXPECT_GE(rows[i] - rows[i - 1], h) << "labels " << i - 1 << " and " << i;

    // The margin fits the widest label of the grid kept, not of the finer grid it replaced.
    QImage canvas(1, 1, QImage::Format_RGB32);
    QPainter painter(&canvas);
    painter.setFont(ArialFont(layout.FontHeight));
    int widest = 0;
    for (int i = 0; i < layout.Axes.PressureTicks.Count; ++i)
        if (PressureTickShown(layout.Axes.PressureScaleChoice, layout.Axes.PressureTicks.Value(i)))
            widest = std::max(widest, TextWidth(painter, TickLabel(layout.Axes.PressureTicks, i)));
    EXPECT_EQ(layout.Plot.Left, 2 * h + widest);

    const AxisScale pressure = PressurePixelScale(layout.Axes, layout.Plot);
    const int highest = pressure.ToPixel(HighestCurvePressure(prepared.Curves.Curves));
    EXPECT_LT(highest, (layout.Plot.Top + layout.Plot.Bottom) / 2);

    if (c.Values == Numbers::Converted) {
        // The same graph as in English units, every range in the other units.
        const GraphRanges& ranges = layout.Axes.Ranges;
        const double relative = 1e-5;
        EXPECT_NEAR(ranges.Pressure.Max, englishRanges.Pressure.Max * units.Pressure,
                    englishRanges.Pressure.Max * units.Pressure * relative);
        EXPECT_NEAR(ranges.Flow.Max, englishRanges.Flow.Max * units.Flow,
                    englishRanges.Flow.Max * units.Flow * relative);
        EXPECT_NEAR(ranges.Flow.Min, englishRanges.Flow.Min * units.Flow,
                    std::abs(englishRanges.Flow.Min * units.Flow) * relative + 1e-9);
    }
}

std::vector<MetricCase> MetricCases() {
    std::vector<MetricCase> cases;
    for (const char* example : {"Plant.qrx", "Hydrant.qrx"})
        for (int system = 1; system <= 6; ++system)
            for (Numbers values : {Numbers::Converted, Numbers::AsTyped})
                cases.push_back({example, system, values});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(BothExamples, MetricGraph, testing::ValuesIn(MetricCases()));

// On the small graphs of the Graph tab (800 x 600, 1024 x 700) the 5 psi grid stands closer
// than a line of text: the labels drawn keep a text height apart, and still cover the axis.
struct SmallGraphCase {
    const char* Example;
    int Width;
    int Height;
};

void PrintTo(const SmallGraphCase& c, std::ostream* os) {
    *os << c.Example << " at " << c.Width << "x" << c.Height;
}

class SmallGraph : public testing::TestWithParam<SmallGraphCase> {};

TEST_P(SmallGraph, PressureLabelsStandATextHeightApart) {
    ProjectData project =
        test::LoadExample(QString::fromLatin1(GetParam().Example) + QStringLiteral(".qrx"));
    const PreparedGraph prepared = test::PrepareExampleGraph(project);
    const GraphPageLayout layout =
        test::DrawPrepared(project, prepared, QSize(GetParam().Width, GetParam().Height)).Layout;
    const std::vector<PressureLabelRow> rows =
        PressureLabelRows(layout.Axes, layout.Plot, layout.TextHeight);
    ASSERT_GE(rows.size(), 4u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_GE(rows[i - 1].Y - rows[i].Y, layout.TextHeight) << "label " << i;
    }
    // Thinning leaves out single labels, never a stretch of the axis: the labels drawn are at
    // most two text heights apart.
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_LT(rows[i - 1].Y - rows[i].Y, 3 * layout.TextHeight) << "label " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(BothExamples, SmallGraph,
                         testing::Values(SmallGraphCase{"Plant", 800, 600},
                                         SmallGraphCase{"Plant", 1024, 700},
                                         SmallGraphCase{"Hydrant", 800, 600},
                                         SmallGraphCase{"Hydrant", 1024, 700}));

// English graphs are the ones inspectors know: pixel for pixel the pages kept in tests/data
// (the pump test table is left out, it has its own rules).
class EnglishGraph : public testing::TestWithParam<const char*> {};

TEST_P(EnglishGraph, IsPixelForPixelTheKeptPage) {
    const QString name = QString::fromLatin1(GetParam());
    ProjectData project = test::LoadExample(name + QStringLiteral(".qrx"));
    ASSERT_EQ(project.UnitSystem, 0);
    project.HideAllReadings = true;
    const PreparedGraph prepared = test::PrepareExampleGraph(project);
    const QImage drawn = test::DrawPrepared(project, prepared, kPageSize).Image;

    const QImage kept(QStringLiteral(QUENRA_TEST_DATA_DIR "/graph/") + name +
                      QStringLiteral("-english.png"));
    ASSERT_FALSE(kept.isNull());
    const bool same =
        drawn.convertToFormat(QImage::Format_RGB32) == kept.convertToFormat(QImage::Format_RGB32);
    if (!same) {
        const QString actual = QDir::temp().filePath(name + QStringLiteral("-english-drawn.png"));
        drawn.save(actual);
        ADD_FAILURE() << "the page differs from the kept one; drawn page saved as "
                      << actual.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(BothExamples, EnglishGraph, testing::Values("Plant", "Hydrant"));

} // namespace
} // namespace quenra
