// The whole report of a fire pump project with five tests, written as the Report tab's capture
// writes it, against the JPEG encoding of the same pages; and a repaint of the Report tab when
// nothing changed, which must show the pages it already has.
#include "BenchSupport.h"
#include "app/ReportView.h"
#include "files/ProjectFileReader.h"
#include "hydraulics/DataErrorPrompt.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "output/ConverterRun.h"
#include "output/JpegWriter.h"
#include "output/PdfRunFolder.h"
#include "output/ReportRenderer.h"
#include "platform/Prompter.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace quenra;

using QuietPrompter = quenra::bench::QuietPrompter;

ProjectData FiveTestProject() {
    ProjectData project;
    ResetToDefaults(project);
    QuietPrompter prompter;
    ReadProjectFile(project, QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), prompter);
    for (int test = 4; test <= kTestCount; ++test) {
        project.PumpReadings[test] = project.PumpReadings[1];
        project.PumpTestDate[test] = QStringLiteral("5/%1/2022").arg(test);
        project.PumpTestInGraph[test] = true;
    }
    return project;
}

void BM_ReportCaptureFiveTests(benchmark::State& state) {
    ProjectData project = FiveTestProject();
    QuietPrompter prompter;
    QTemporaryDir folder;
    int pages = 0;
    for (auto _ : state) {
        const auto written =
            WriteReportPages(project, QDir(folder.path()).filePath(QStringLiteral("r")), prompter);
        pages = written ? static_cast<int>(written->size()) : 0;
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ReportCaptureFiveTests)->Unit(benchmark::kMillisecond);

// `--pdf`'s work: the page images written for the converter, then the converter's run.
void BM_PdfFiveTests(benchmark::State& state) {
    ProjectData project = FiveTestProject();
    QuietPrompter prompter;
    QTemporaryDir folder;
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("five.pdf"));
    for (auto _ : state) {
        const PdfRunFolder run(folder.path());
        const auto images = WriteReportPdfImages(project, run.ImageFolder(), prompter);
        if (!images) {
            state.SkipWithError("no page images");
            return;
        }
        ConverterRequest request;
        request.CurrentPdfFile = pdf;
        request.ProjectFileName = project.ProjectFileName;
        request.ProgramFolder = folder.path();
        request.UseRunFolder(run);
        request.PageImageHeight = images->PageImageHeight;
        request.PageCount = static_cast<int>(images->Files.size());
        if (!ConverterRun().Run(request).Completed()) {
            state.SkipWithError("the converter did not complete");
            return;
        }
    }
}
BENCHMARK(BM_PdfFiveTests)->Unit(benchmark::kMillisecond)->UseRealTime();

// The encoding of the same pages alone: composed once, encoded on every round.
void BM_EncodeFiveTestPages(benchmark::State& state) {
    ProjectData project = FiveTestProject();
    QuietPrompter prompter;
    PromptFlags flags;
    const DemandVerdictSource verdicts =
        PreparedGraphVerdicts(project, CheckBeforeDrawing(project, prompter, flags));
    ReportRenderer renderer;
    const ReportLayoutChoice choice =
        ChooseReportLayout(renderer, project, verdicts, QSize(1024, 700), prompter);
    ReportViewOptions options;
    options.Mode = ReportMode::Print;
    options.Multipage = choice.Multipage;
    QList<QImage> pages;
    options.PrintPage = [&pages](const QImage& page, int, int) { pages << page; };
    renderer.Run(project, verdicts, options, ReportPlaces(), prompter);
    QByteArray jpeg;
    for (auto _ : state) {
        for (const QImage& page : pages) {
            EncodeJpeg(page, &jpeg, nullptr);
            benchmark::DoNotOptimize(jpeg.data());
        }
    }
    state.counters["pages"] = static_cast<double>(pages.size());
}
BENCHMARK(BM_EncodeFiveTestPages)->Unit(benchmark::kMillisecond);

void BM_ReportTabRepaintUnchanged(benchmark::State& state) {
    ProjectData project = FiveTestProject();
    QuietPrompter prompter;
    PromptFlags flags;
    ReportView view(project, prompter, flags, QDir::tempPath());
    view.resize(1000, 680);
    view.show();
    view.PaintBox()->grab(); // composes once
    for (auto _ : state) {
        const QPixmap shown = view.PaintBox()->grab();
        benchmark::DoNotOptimize(shown.cacheKey());
    }
}
BENCHMARK(BM_ReportTabRepaintUnchanged)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return quenra::bench::RunOffscreenBenchmarks<QApplication>(argc, argv);
}
