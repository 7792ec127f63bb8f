// What the converter adds to a PDF Save: the time to write N report page images (2805 x 3630,
// a letter page at 330 pixels per inch, JPEG at the program's quality) against the time to
// wrap those files into a PDF. The converter should cost no more than a tenth of the former.
#include "BenchSupport.h"
#include "Converter.h"
#include "output/JpegWriter.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kPageWidth = 2805;
constexpr int kPageHeight = 3630;

// White page with framed sections, rules and 200 lines of text: what a report page holds.
QImage ReportLikePage() {
    QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 3));
    for (int section = 0; section < 50; ++section) {
        painter.drawRect(150 + (section % 2) * 1270, 200 + (section / 2) * 130, 1230, 120);
    }
    painter.setPen(QPen(Qt::blue, 4));
    for (int rule = 0; rule < 20; ++rule) {
        painter.drawLine(150, 3450 - rule * 8, 2650, 3300 - rule * 12);
    }
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(34);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int line = 0; line < 200; ++line) {
        painter.drawText(180 + (line % 2) * 1270, 250 + (line / 2) * 32,
                         QStringLiteral("Pump test %1: 1250 gpm at 92 psi, net 104 psi").arg(line));
    }
    return page;
}

QString PagePath(const QTemporaryDir& folder, int page) {
    return folder.filePath(QStringLiteral("PDF/Report%1.jpg").arg(page));
}

// The program's side: encode and write every page image of the report.
void BM_WritePageImages(benchmark::State& state) {
    const QImage page = ReportLikePage();
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("PDF"));
    const int pages = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int at = 1; at <= pages; ++at) {
            if (!quenra::WriteJpeg(page, PagePath(folder, at), nullptr)) {
                state.SkipWithError("the page image was not written");
                return;
            }
        }
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_WritePageImages)->Arg(1)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);

// The converter's side: the same files into a new PDF, log included.
void BM_ConvertPageImages(benchmark::State& state) {
    const QImage page = ReportLikePage();
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("PDF"));
    const int pages = static_cast<int>(state.range(0));
    for (int at = 1; at <= pages; ++at) {
        quenra::WriteJpeg(page, PagePath(folder, at), nullptr);
    }
    quenra::img2pdf::ConverterOptions options;
    options.pixelsPerInch = kPageHeight / 11.0;
    options.title = QStringLiteral("Plant");
    options.logPath = folder.filePath(QStringLiteral("log.txt"));
    options.outputPath = folder.filePath(QStringLiteral("Plant_1.pdf"));
    options.imagePatterns = {folder.filePath(QStringLiteral("PDF/*.*"))};
    for (auto _ : state) {
        if (quenra::img2pdf::Converter::Convert(options) !=
            quenra::img2pdf::Converter::kCompleted) {
            state.SkipWithError("the conversion failed");
            return;
        }
    }
    state.counters["pages"] = pages;
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(options.outputPath).size());
}
BENCHMARK(BM_ConvertPageImages)->Arg(1)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);

// What the user waits for: the converter program started as the program starts it, from
// process start to exit. Wall time is the measure: the work happens in the child process.
void BM_RunConverterProgram(benchmark::State& state) {
    const QImage page = ReportLikePage();
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("PDF"));
    const int pages = static_cast<int>(state.range(0));
    for (int at = 1; at <= pages; ++at) {
        quenra::WriteJpeg(page, PagePath(folder, at), nullptr);
    }
    const QStringList arguments = {QStringLiteral("-r 330 -t \"Plant\" -l \"%1\" -o \"%2\" \"%3\"")
                                       .arg(folder.filePath(QStringLiteral("log.txt")),
                                            folder.filePath(QStringLiteral("Plant_1.pdf")),
                                            folder.filePath(QStringLiteral("PDF/*.*")))};
    for (auto _ : state) {
        QProcess converter;
        converter.start(QStringLiteral(IMG2PDF_PROGRAM), arguments);
        if (!converter.waitForFinished(60000) || converter.exitCode() != 0) {
            state.SkipWithError("the converter failed");
            return;
        }
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_RunConverterProgram)
    ->Arg(1)
    ->Arg(3)
    ->Arg(6)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return quenra::bench::RunOffscreenBenchmarks(argc, argv);
}
