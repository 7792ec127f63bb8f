#include "files/ProjectFileReader.h"
#include "graph/ColourConversion.h"
#include "graph/GraphPage.h"
#include "hydraulics/AvailableFlow.h"
#include "hydraulics/DataErrorPrompt.h"
#include "hydraulics/GraphPreparation.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <optional>

namespace quenra {
namespace {

struct GraphFixture {
    const char* Name;
    const char* Path;
};

struct DrawnGraph {
    QImage Image;
    GraphPageLayout Layout;
};

// The graph page as the window draws it, with the request left as it always was or carrying
// the available flow option.
DrawnGraph Draw(const char* path, std::optional<AvailableFlowOption> option) {
    ProjectData project;
    ResetToDefaults(project);
    test::ScriptedPrompter prompter;
    EXPECT_EQ(ReadProjectFile(project, QString::fromUtf8(path), prompter), ReadOutcome::Complete);
    GraphRequest request;
    if (option)
        request.AvailableFlow = *option;
    PromptFlags flags;
    const PreparedGraph prepared =
        PrepareGraph(project, CheckBeforeDrawing(project, prompter, flags), request);
    DrawnGraph graph{QImage(QSize(2000, 1550), QImage::Format_RGB32), {}};
    graph.Layout = DrawGraphPage(graph.Image, project, prepared, QImage());
    return graph;
}

int CountPixels(const QImage& image, QRgb colour, int fromX) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

class AvailableFlowGraphTest : public ::testing::TestWithParam<GraphFixture> {};

TEST_P(AvailableFlowGraphTest, OffDrawsThePageExactlyAsBefore) {
    const DrawnGraph before = Draw(GetParam().Path, std::nullopt);
    const DrawnGraph off = Draw(GetParam().Path, AvailableFlowOption{false, 35});
    EXPECT_TRUE(off.Image == before.Image);
    EXPECT_EQ(off.Layout.LegendWidth, before.Layout.LegendWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Projects, AvailableFlowGraphTest,
    ::testing::Values(GraphFixture{"Hydrant", QUENRA_TEST_DATA_DIR "/AvailableFlowHydrant.qrx"},
                      GraphFixture{"Metric", QUENRA_TEST_DATA_DIR "/AvailableFlowMetric.qrx"},
                      GraphFixture{"Plant", QUENRA_EXAMPLES_DIR "/Plant.qrx"}),
    [](const ::testing::TestParamInfo<GraphFixture>& testCase) { return testCase.param.Name; });

TEST(AvailableFlowGraph, LegendShowsTheClassSquaresWhenOn) {
    const char* path = QUENRA_TEST_DATA_DIR "/AvailableFlowHydrant.qrx";
    const DrawnGraph off = Draw(path, std::nullopt);
    const DrawnGraph on = Draw(path, AvailableFlowOption{true, kDefaultRatingPressurePsi});
    if (QDir().mkpath(QStringLiteral("/tmp/graph-shots")))
        on.Image.save(QStringLiteral("/tmp/graph-shots/available-hydrant.png"));
    EXPECT_FALSE(on.Image == off.Image);
    // The legend column holds a square of each class the shown tests reach: AA (tests 1, 2)
    // and A (test 4); test 3 gives none.
    const int legendLeft = on.Image.width() - on.Layout.LegendWidth;
    const QRgb aa = ToQColor(NfpaClassColour(NfpaClass::AA)).rgb();
    const QRgb a = ToQColor(NfpaClassColour(NfpaClass::A)).rgb();
    const QRgb b = ToQColor(NfpaClassColour(NfpaClass::B)).rgb();
    EXPECT_EQ(CountPixels(off.Image, aa, legendLeft), 0);
    EXPECT_GT(CountPixels(on.Image, aa, legendLeft), 2 * 16);
    EXPECT_GT(CountPixels(on.Image, a, legendLeft), 16);
    EXPECT_EQ(CountPixels(on.Image, b, legendLeft), 0);
}

} // namespace
} // namespace quenra
