#include "Converter.h"

#include "CommandLine.h"
#include "ConversionLog.h"
#include "ConverterMessages.h"
#include "ImagePattern.h"
#include "PageImage.h"
#include "PdfAssembler.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <vector>

namespace quenra::img2pdf {
namespace {

void PrintUsage() {
    std::fprintf(stderr, "%s\n", messages::Usage().toLocal8Bit().constData());
}

// Reads one image and checks that a PDF can hold it; false after logging why not. Only
// regular files are read, and only up to the image limit: a FIFO would block the run for good
// and a device such as /dev/zero would fill the memory.
bool ReadImage(const QString& path, std::vector<PageImage>* pages, ConversionLog& log) {
    const QFileInfo entry(path);
    if (entry.exists() && !entry.isFile()) {
        log.Error(messages::CannotReadImage(path, messages::NotARegularFile()));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        log.Error(messages::CannotReadImage(path, file.errorString()));
        return false;
    }
    const qint64 size = file.size();
    if (size > Converter::kMaxImageBytes) {
        log.Error(
            messages::CannotReadImage(path, messages::ImageTooLarge(Converter::kMaxImageBytes)));
        return false;
    }
    // One byte past the size tells a file that grows while it is read; only the room the file
    // needs is taken.
    const QByteArray jpeg = file.read(size + 1);
    if (jpeg.size() > size) {
        log.Error(messages::CannotReadImage(path, messages::GrewWhileRead()));
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        log.Error(messages::CannotReadImage(path, file.errorString()));
        return false;
    }
    QString reason;
    const std::optional<JpegHeader> header = JpegHeader::Read(jpeg, &reason);
    if (!header) {
        log.Error(messages::CannotReadImage(path, reason));
        return false;
    }
    pages->push_back(PageImage{path, jpeg, *header});
    return true;
}

// Reads every image the patterns name, in page order. Every unusable image is logged, not
// only the first, so that one run tells all that is wrong.
bool ReadImages(const QStringList& patterns, std::vector<PageImage>* pages, ConversionLog& log) {
    bool allRead = true;
    for (const QString& pattern : patterns) {
        const QStringList files = ImagePattern::Files(pattern);
        if (files.isEmpty()) {
            log.Error(messages::NoMatchingImage(pattern));
            allRead = false;
        }
        for (const QString& path : files) {
            allRead = ReadImage(path, pages, log) && allRead;
        }
    }
    return allRead;
}

} // namespace

int Converter::Run(const QStringList& afterProgramName) {
    const QStringList arguments = CommandLine::Arguments(afterProgramName);
    if (arguments.isEmpty()) {
        PrintUsage();
        return kBadCommandLine;
    }
    QString mistake;
    const ConverterOptions options = CommandLine::Parse(arguments, &mistake);
    if (!mistake.isEmpty()) {
        ConversionLog log;
        QString logError;
        if (!log.Open(options.logPath, &logError)) {
            std::fprintf(stderr, "%s\n", logError.toLocal8Bit().constData());
        }
        log.Error(mistake);
        PrintUsage();
        return kBadCommandLine;
    }
    return Convert(options);
}

int Converter::Convert(const ConverterOptions& options) {
    // The program waits for the log to appear: it is the first thing made.
    ConversionLog log;
    QString error;
    if (!log.Open(options.logPath, &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return kFailed;
    }
    return Convert(options, log);
}

int Converter::Convert(const ConverterOptions& options, ConversionLog& log) {
    QElapsedTimer timer;
    timer.start();
    const auto fail = [&] {
        log.Line(messages::Failed(options.outputPath));
        return kFailed;
    };

    std::vector<PageImage> pages;
    if (!ReadImages(options.imagePatterns, &pages, log)) {
        return fail();
    }
    log.Line(messages::Converting(static_cast<int>(pages.size()), options.outputPath));
    for (std::size_t at = 0; at < pages.size(); ++at) {
        const PageImage& page = pages[at];
        const double inchesPerPixel =
            PdfAssembler::PointsPerPixel(page.header, options) / PdfAssembler::kPointsPerInch;
        log.Line(messages::PageAdded(static_cast<int>(at + 1), page.path, page.header.width,
                                     page.header.height, page.header.width * inchesPerPixel,
                                     page.header.height * inchesPerPixel));
    }

    QString error;
    int oldPages = 0;
    if (!PdfAssembler(options).Write(pages, &oldPages, &error)) {
        log.Error(error);
        return fail();
    }
    // The file is in place now; what it holds is read back before completion is reported.
    const int expected = oldPages + static_cast<int>(pages.size());
    const std::optional<int> total = PdfAssembler::PagesInFile(options.outputPath, &error);
    if (!total || *total != expected) {
        log.Error(total ? messages::PageCountAfterWriting(*total, expected) : error);
        log.Line(messages::WrittenButWrong(options.outputPath));
        return kFailed;
    }
    log.Line(messages::Completed(*total - oldPages, *total, options.outputPath, timer.elapsed()));
    return kCompleted;
}

} // namespace quenra::img2pdf
