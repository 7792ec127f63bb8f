// How long one report page (2805 x 3630, a letter page at 330 pixels per inch) takes to
// compose, with the graph preparation that brings its demand results up to date, against
// encoding the same page as a JPEG at the program's quality. Composing should stay within
// twice the encoding.
#include "BenchSupport.h"
#include "files/ProjectFileReader.h"
#include "hydraulics/DataErrorPrompt.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "output/JpegWriter.h"
#include "platform/Prompter.h"
#include "report/ReportComposer.h"
#include "report/ReportPageList.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quenra;

using QuietPrompter = quenra::bench::QuietPrompter;

struct PlantReport {
    ProjectData Project;
    QuietPrompter Prompter;
    PromptFlags Flags;

    PlantReport() {
        ResetToDefaults(Project);
        ReadProjectFile(Project, QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), Prompter);
    }
};

// The test page of the example plant: data table, statements, transfer switch results and
// comments, the fullest page the example has.
const ReportPageRequest kTestPage{1, 1, {}, 1};
const ReportPageFrame kFrame{kReportScale, 461, 120};

QImage LetterPage() {
    return QImage(2805, 3630, QImage::Format_RGB32);
}

void BM_ComposeReportPage(benchmark::State& state) {
    PlantReport report;
    ReportComposer composer(
        report.Project,
        PreparedGraphVerdicts(report.Project,
                              CheckBeforeDrawing(report.Project, report.Prompter, report.Flags)));
    QImage page = LetterPage();
    for (auto _ : state) {
        const ReportPageFacts facts = composer.ComposeReportPage(kTestPage, kFrame, page);
        benchmark::DoNotOptimize(facts);
    }
}
BENCHMARK(BM_ComposeReportPage)->Unit(benchmark::kMillisecond);

void BM_EncodeReportPage(benchmark::State& state) {
    PlantReport report;
    ReportComposer composer(
        report.Project,
        PreparedGraphVerdicts(report.Project,
                              CheckBeforeDrawing(report.Project, report.Prompter, report.Flags)));
    QImage page = LetterPage();
    composer.ComposeReportPage(kTestPage, kFrame, page);
    QByteArray jpeg;
    for (auto _ : state) {
        EncodeJpeg(page, &jpeg, nullptr);
        benchmark::DoNotOptimize(jpeg.data());
    }
    state.counters["bytes"] = static_cast<double>(jpeg.size());
}
BENCHMARK(BM_EncodeReportPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return quenra::bench::RunOffscreenBenchmarks(argc, argv);
}
