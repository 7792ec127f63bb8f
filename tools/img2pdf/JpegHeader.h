#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quenra::img2pdf {

// What a PDF needs to know about a JPEG image to show its bytes as they are.
struct JpegHeader {
    enum class ColourSpace { Gray, Rgb, Cmyk };

    int width = 0;
    int height = 0;
    int components = 0;
    ColourSpace colourSpace = ColourSpace::Rgb;
    // CMYK files written by Adobe's software store inverted values; the PDF turns them back.
    bool invertedCmyk = false;
    // The density the file states (JFIF), in dots per inch; 0 when it states none.
    double dotsPerInch = 0;

    // Reads the header with libjpeg. Returns nothing and sets error when the bytes are not a
    // complete JPEG image that a PDF can hold (8-bit samples, Huffman coding, gray, RGB or
    // CMYK). The image itself is not decoded.
    static std::optional<JpegHeader> Read(const QByteArray& jpeg, QString* error);
};

} // namespace quenra::img2pdf
