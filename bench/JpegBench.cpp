// How long a capture-sized graph page (3000 x 2318, the largest capture) takes to become a
// JPEG at the program's quality: the yardstick the graph rendering is measured against.
#include "BenchSupport.h"
#include "output/JpegWriter.h"

#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// White page, grey grid, coloured curves, symbols and text: what a graph page holds.
QImage GraphLikePage() {
    QImage page(3000, 2318, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(192, 192, 192));
    for (int x = 200; x <= 2800; x += 100) {
        painter.drawLine(x, 150, x, 2100);
    }
    for (int y = 150; y <= 2100; y += 75) {
        painter.drawLine(200, y, 2800, y);
    }
    const QColor colours[] = {Qt::red, Qt::blue, Qt::darkGreen, Qt::magenta, Qt::black};
    for (int curve = 0; curve < 5; ++curve) {
        QPainterPath path(QPointF(200, 300 + 150 * curve));
        for (int x = 200; x <= 2800; x += 20) {
            path.lineTo(x, 300 + 150 * curve + 0.0002 * std::pow(x - 200, 1.85));
        }
        painter.setPen(QPen(colours[curve], 4));
        painter.drawPath(path);
        painter.drawEllipse(QPointF(600 + 400 * curve, 500 + 150 * curve), 14, 14);
    }
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(40);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int line = 0; line < 30; ++line) {
        painter.drawText(2200, 200 + 50 * line,
                         QStringLiteral("Test %1: 1250 gpm at 92 psi").arg(line));
    }
    painter.drawText(1200, 2250, QStringLiteral("Flow (gpm)"));
    return page;
}

void BM_EncodeCapturePage(benchmark::State& state) {
    const QImage page = GraphLikePage();
    QByteArray jpeg;
    for (auto _ : state) {
        quenra::EncodeJpeg(page, &jpeg, nullptr);
        benchmark::DoNotOptimize(jpeg.data());
    }
    state.counters["bytes"] = static_cast<double>(jpeg.size());
}
BENCHMARK(BM_EncodeCapturePage)->Unit(benchmark::kMillisecond);

// The same, written to a file through the temporary-file-and-rename path.
void BM_WriteCapturePage(benchmark::State& state) {
    const QImage page = GraphLikePage();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Graph1.jpg"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(quenra::WriteJpeg(page, path, nullptr));
    }
}
BENCHMARK(BM_WriteCapturePage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return quenra::bench::RunOffscreenBenchmarks(argc, argv);
}
