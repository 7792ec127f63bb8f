#pragma once

// What the benchmarks that paint or read projects share.
#include "platform/Prompter.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace quenra::bench {

// Answers every question with the harmless choice and keeps nothing.
class QuietPrompter : public Prompter {
public:
    void Inform(const QString&) override {}
    Answer Ask(const QString&, Choices) override { return Answer::No; }
};

// Runs the registered benchmarks inside an application on the offscreen platform, which
// painting needs and which needs no display; widgets need a QApplication.
template <class Application = QGuiApplication> int RunOffscreenBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace quenra::bench
