// The graph page of a full fire pump project (five tests displayed with their discharge
// curves, NFPA 20 and 25 curves, five demand points) rendered at the largest capture size,
// side by side with the JPEG encoding of that same page; and the Graph tab's repaint at the
// usual paint box size, also with a typed pressure range whose 5 psi grid has thousands of
// lines, each of whose labels is measured for the margin.
#include "BenchSupport.h"
#include "files/ProjectFileReader.h"
#include "graph/GraphPage.h"
#include "graph/ReportLogo.h"
#include "hydraulics/DataErrorPrompt.h"
#include "hydraulics/GraphPreparation.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "output/JpegWriter.h"
#include "platform/Prompter.h"

#include <benchmark/benchmark.h>

namespace {

using QuietPrompter = quenra::bench::QuietPrompter;

quenra::ProjectData FullPumpProject() {
    quenra::ProjectData project;
    quenra::ResetToDefaults(project);
    QuietPrompter prompter;
    quenra::ReadProjectFile(project, QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), prompter);
    const QString dates[] = {{},
                             QStringLiteral("10/14/2026"),
                             QStringLiteral("6/3/2024"),
                             QStringLiteral("9/20/2025"),
                             QStringLiteral("3/1/2023"),
                             QStringLiteral("5/5/2022")};
    for (int test = 1; test <= quenra::kTestCount; ++test) {
        if (test > 3) {
            project.PumpReadings[test] = project.PumpReadings[1];
        }
        project.PumpTestDate[test] = dates[test];
        project.PumpTestInGraph[test] = true;
        project.PumpTestCombined[test] = true;
        project.DemandShow[test] = true;
        project.DemandPurpose[test] = QStringLiteral("Demand %1").arg(test);
        project.DemandFlow[test] = QString::number(250 * test);
        project.DemandPressure[test] = QString::number(60 + 5 * test);
    }
    project.ShowNfpa20Curve = true;
    project.ShowNfpa25Curve = true;
    project.ShowPumpRatingCurve = true;
    return project;
}

void RenderPage(quenra::ProjectData& project, const QImage& logo, QImage& page) {
    QuietPrompter prompter;
    quenra::PromptFlags flags;
    const quenra::PreparedGraph prepared =
        quenra::PrepareGraph(project, quenra::CheckBeforeDrawing(project, prompter, flags));
    quenra::DrawGraphPage(page, project, prepared, logo);
}

void BM_RenderCapture3000(benchmark::State& state) {
    quenra::ProjectData project = FullPumpProject();
    const QImage logo = quenra::MakeReportLogo();
    QImage page(3000, 2318, QImage::Format_RGB32);
    for (auto _ : state) {
        RenderPage(project, logo, page);
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_RenderCapture3000)->Unit(benchmark::kMillisecond);

void BM_EncodeCapture3000(benchmark::State& state) {
    quenra::ProjectData project = FullPumpProject();
    QImage page(3000, 2318, QImage::Format_RGB32);
    RenderPage(project, quenra::MakeReportLogo(), page);
    QByteArray jpeg;
    for (auto _ : state) {
        quenra::EncodeJpeg(page, &jpeg, nullptr);
        benchmark::DoNotOptimize(jpeg.data());
    }
    state.counters["bytes"] = static_cast<double>(jpeg.size());
}
BENCHMARK(BM_EncodeCapture3000)->Unit(benchmark::kMillisecond);

void BM_RepaintGraphTab1024x700(benchmark::State& state) {
    quenra::ProjectData project = FullPumpProject();
    const QImage logo = quenra::MakeReportLogo();
    for (auto _ : state) {
        // A repaint makes its bitmap afresh.
        QImage page(1024, 700, QImage::Format_RGB32);
        RenderPage(project, logo, page);
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_RepaintGraphTab1024x700)->Unit(benchmark::kMillisecond);

void BM_RepaintGraphTabTypedPressureRange(benchmark::State& state) {
    quenra::ProjectData project = FullPumpProject();
    project.DefaultPressureRange = false;
    project.MinPressure = QStringLiteral("0");
    project.MaxPressure = QString::number(state.range(0));
    const QImage logo = quenra::MakeReportLogo();
    for (auto _ : state) {
        QImage page(1024, 700, QImage::Format_RGB32);
        RenderPage(project, logo, page);
        benchmark::DoNotOptimize(page.constBits());
    }
    state.counters["grid lines"] = static_cast<double>(state.range(0) / 5);
}
BENCHMARK(BM_RepaintGraphTabTypedPressureRange)
    ->Arg(200)
    ->Arg(5000)
    ->Arg(49000)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return quenra::bench::RunOffscreenBenchmarks(argc, argv);
}
