// How long the work before every graph drawing takes for the Plant example: the graph page
// repaints on every resize and every report page renders a graph, so this must stay far below
// a frame.
#include "files/ProjectFileReader.h"
#include "hydraulics/CurveRebuild.h"
#include "hydraulics/DataErrorPrompt.h"
#include "hydraulics/GraphPreparation.h"
#include "model/ProjectData.h"
#include "platform/Prompter.h"

#include <benchmark/benchmark.h>

namespace {

class SilentPrompter : public quenra::Prompter {
public:
    void Inform(const QString&) override {}
    Answer Ask(const QString&, Choices) override { return Answer::No; }
};

quenra::ProjectData PlantExample() {
    quenra::ProjectData project;
    SilentPrompter prompter;
    quenra::ReadProjectFile(project, QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), prompter);
    return project;
}

// Display orders, evaluated tests, the silent check, the rebuild and the legend content.
void BM_PrepareGraphOfPlant(benchmark::State& state) {
    quenra::ProjectData project = PlantExample();
    SilentPrompter prompter;
    quenra::GraphRequest request;
    for (auto _ : state) {
        quenra::PromptFlags flags;
        benchmark::DoNotOptimize(quenra::PrepareGraph(
            project, quenra::CheckBeforeDrawing(project, prompter, flags), request));
    }
}
BENCHMARK(BM_PrepareGraphOfPlant);

// The curve table and demand results alone.
void BM_RebuildCurvesOfPlant(benchmark::State& state) {
    const quenra::ProjectData project = PlantExample();
    const quenra::PerTest<bool> noFlags{};
    for (auto _ : state)
        benchmark::DoNotOptimize(quenra::RebuildCurves(project, {1, 1}, noFlags));
}
BENCHMARK(BM_RebuildCurvesOfPlant);

} // namespace

BENCHMARK_MAIN();
