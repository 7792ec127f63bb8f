// How long opening and saving a full project takes: the recovery copy is written at every tab
// change, so writing must stay far below what an inspector would notice.
#include "files/ProjectFileReader.h"
#include "files/ProjectFileWriter.h"
#include "hydraulics/PumpTestTable.h"
#include "model/ProjectData.h"
#include "platform/Prompter.h"

#include <benchmark/benchmark.h>

namespace {

class SilentPrompter : public quenra::Prompter {
public:
    void Inform(const QString&) override {}
    Answer Ask(const QString&, Choices) override { return Answer::No; }
};

quenra::ProjectData FullProject() {
    quenra::ProjectData p;
    p.RatedSpeed = QStringLiteral("1780");
    p.DriverVolts = QStringLiteral("460");
    p.DriverAmps = QStringLiteral("118");
    for (int t = 1; t <= quenra::kTestCount; ++t) {
        p.Comments[t] = QStringLiteral("Pump tested with three hose streams.\r\n").repeated(20);
        for (int row = 1; row <= quenra::kReadingRows; ++row) {
            for (int column = 1; column <= quenra::kReadingColumns; ++column) {
                p.PumpReadings[t][row][column] = QString::number(100 + row * 10 + column);
            }
        }
    }
    return p;
}

void BM_SerializeProject(benchmark::State& state) {
    const quenra::ProjectData project = FullProject();
    for (auto _ : state) {
        benchmark::DoNotOptimize(quenra::SerializeProject(project));
    }
}
BENCHMARK(BM_SerializeProject);

void BM_ReadProject(benchmark::State& state) {
    const QByteArray bytes = quenra::SerializeProject(FullProject());
    SilentPrompter prompter;
    for (auto _ : state) {
        quenra::ProjectData project;
        benchmark::DoNotOptimize(quenra::ReadProjectBytes(project, bytes, prompter));
    }
}
BENCHMARK(BM_ReadProject);

void BM_PumpTestTableUpdate(benchmark::State& state) {
    quenra::ProjectData project = FullProject();
    for (auto _ : state) {
        benchmark::DoNotOptimize(quenra::PumpTestTableUpdate(project, 1));
    }
}
BENCHMARK(BM_PumpTestTableUpdate);

} // namespace

BENCHMARK_MAIN();
