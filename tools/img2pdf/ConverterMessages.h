#pragma once

#include <QString>

// Every text the converter writes into its log or onto stderr. Paths stand between square
// brackets, as in all of the program's messages about files.
namespace quenra::img2pdf::messages {

inline QString InPath(const QString& path) {
    return QStringLiteral("[") + path + QStringLiteral("]");
}

inline QString Usage() {
    return QStringLiteral(
        "Usage: Img2PDF [-p 1|0] [-r PIXELS_PER_INCH] [-u AUTHOR] [-d SUBJECT] [-t TITLE]\n"
        "               [-l LOG] -o OUTPUT.pdf IMAGES...\n"
        "  IMAGES    JPEG files; a * or ? in the file name part stands for the matching files,\n"
        "            taken in name order with numbers by value (Report2 before Report10)\n"
        "  -o        the PDF to create or replace\n"
        "  -p 1      add the pages after those of the existing OUTPUT; -p 0 before them\n"
        "  -r        image pixels per inch of paper (default: the density the image states,\n"
        "            else 72)\n"
        "  -u -d -t  author, subject and title of the document\n"
        "  -l        log file; its last line starts with \"TickCount\" once the PDF is complete\n"
        "The whole parameter text may also be given as one argument, with double quotes\n"
        "around values that contain blanks.");
}

// Command line
inline QString UnknownOption(const QString& option) {
    return QStringLiteral("Unknown option %1").arg(option);
}
inline QString MissingValue(const QString& option) {
    return QStringLiteral("The option %1 needs a value").arg(option);
}
inline QString BadPageOrder(const QString& value) {
    return QStringLiteral("-p takes 1 (append) or 0 (insert), not \"%1\"").arg(value);
}
inline QString BadPixelsPerInch(const QString& value) {
    return QStringLiteral("-r takes a number of pixels per inch above 0, not \"%1\"").arg(value);
}
inline QString NoOutput() {
    return QStringLiteral("No output file: give one with -o");
}
inline QString NoImages() {
    return QStringLiteral("No images: name the JPEG files or a pattern such as PDF/*.jpg");
}

// Images
inline QString NoMatchingImage(const QString& pattern) {
    return QStringLiteral("No image matches %1").arg(InPath(pattern));
}
inline QString CannotReadImage(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot read the image %1: %2").arg(InPath(path), reason);
}
inline QString NotARegularFile() {
    return QStringLiteral("not a regular file (a folder, device or pipe)");
}
inline QString ImageTooLarge(qint64 limit) {
    return QStringLiteral("larger than %1 MiB, the most an image may have")
        .arg(QString::number(limit >> 20));
}
inline QString GrewWhileRead() {
    return QStringLiteral("the file grew while it was read");
}
inline QString NotAJpeg(const QString& reason) {
    return QStringLiteral("not a JPEG image (%1)").arg(reason);
}
inline QString TruncatedJpeg() {
    return QStringLiteral("the JPEG data ends before its end marker");
}
inline QString UnsupportedPrecision(int bits) {
    return QStringLiteral("%1-bit samples; a PDF holds 8-bit JPEG images only").arg(bits);
}
inline QString UnsupportedArithmeticCoding() {
    return QStringLiteral("arithmetic coding, which PDF viewers do not decode");
}
inline QString UnsupportedColourSpace(int components) {
    return QStringLiteral("an unknown colour space with %1 components").arg(components);
}
inline QString PageAdded(int page, const QString& path, int width, int height, double widthInches,
                         double heightInches) {
    // One arg() call for all: a path may itself contain "%2".
    return QStringLiteral("Page %1: %2, %3 x %4 pixels, %5 x %6 in")
        .arg(QString::number(page), InPath(path), QString::number(width), QString::number(height),
             QString::number(widthInches, 'f', 2), QString::number(heightInches, 'f', 2));
}

// The PDF
inline QString Converting(int images, const QString& output) {
    return QStringLiteral("Converting %1 image(s) into %2")
        .arg(QString::number(images), InPath(output));
}
inline QString CannotReadExistingPdf(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot read the existing PDF %1: %2").arg(InPath(path), reason);
}
inline QString DamagedExistingPdf(const QString& path, const QString& reason) {
    return QStringLiteral("The existing PDF %1 is damaged and would lose content if it were "
                          "rewritten: %2")
        .arg(InPath(path), reason);
}
inline QString PageTreeUnreadable(const QString& warning) {
    return QStringLiteral("its list of pages cannot be read (%1)").arg(warning);
}
inline QString PageCountDiffers(const QString& stated, int found) {
    return QStringLiteral("it says it holds %1 page(s) but %2 were found")
        .arg(stated, QString::number(found));
}
inline QString PageUnreadable(int page, const QString& warning) {
    return warning.isEmpty()
               ? QStringLiteral("page %1 cannot be read").arg(page)
               : QStringLiteral("page %1 cannot be read (%2)").arg(QString::number(page), warning);
}
inline QString CannotReadBack(const QString& path, const QString& reason) {
    return QStringLiteral("The PDF %1 was written but cannot be read back: %2")
        .arg(InPath(path), reason);
}
inline QString PageCountAfterWriting(int found, int expected) {
    return QStringLiteral("The PDF written holds %1 page(s), not the %2 it should")
        .arg(QString::number(found), QString::number(expected));
}
inline QString CannotWritePdf(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot write the PDF %1: %2").arg(InPath(path), reason);
}
inline QString ShortWrite(qint64 written, qint64 wanted) {
    return QStringLiteral("only %1 of %2 bytes were written")
        .arg(QString::number(written), QString::number(wanted));
}
inline QString CannotWriteLog(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot write the log %1: %2").arg(InPath(path), reason);
}

// Outcome. The program waits for the last line of the log to start with TickCount: it is
// written only once the PDF is in place, with the pages read back from it. A failed run ends
// with the Failed line instead.
inline QString ErrorLine(const QString& message) {
    return QStringLiteral("Error: ") + message;
}
inline QString Failed(const QString& output) {
    return QStringLiteral("Failed: no PDF was written; %1 is as it was").arg(InPath(output));
}
inline QString WrittenButWrong(const QString& output) {
    return QStringLiteral("Failed: %1 was replaced but does not hold the pages it should")
        .arg(InPath(output));
}
inline QString Completed(int added, int total, const QString& output, qint64 milliseconds) {
    return QStringLiteral("TickCount %1 ms: %2 page(s) added, %3 page(s) in %4")
        .arg(QString::number(milliseconds), QString::number(added), QString::number(total),
             InPath(output));
}

} // namespace quenra::img2pdf::messages
