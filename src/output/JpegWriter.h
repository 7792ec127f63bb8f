#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quenra {

// Every JPEG the program writes (graph and report captures, the page images for PDF files) is
// baseline, three-component (YCbCr from RGB) at this quality, so that the files look and
// weigh the same whatever produced the page.
inline constexpr int kJpegQuality = 65;

// The JFIF header says 96 dots per inch: the pages are drawn at 96 pixels per inch (the font
// heights assume it), so viewers and printers that honour the density show them at their
// drawn size.
inline constexpr int kJpegDotsPerInch = 96;

// Encodes the image into memory. Any format is accepted (it is converted to 32-bit RGB
// first); alpha is dropped. On failure returns false and, when error is given, sets it to
// libjpeg's reason; jpeg is then left empty.
bool EncodeJpeg(const QImage& image, QByteArray* jpeg, QString* error);

// Writes the image as a JPEG file. The bytes go to a temporary file beside the target which
// replaces it only once everything is on disk, so a failure never leaves a truncated file
// and never harms an existing one. On failure returns false and, when error is given, sets
// it to a message that names the path in square brackets.
bool WriteJpeg(const QImage& image, const QString& path, QString* error);

} // namespace quenra
