#include "JpegHeader.h"

#include "ConverterMessages.h"
#include "JpegErrorTrap.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace quenra::img2pdf {
namespace {

using jpeg_trap::JumpingErrorManager;
using jpeg_trap::TrapErrors;

// The header fields, as plain data: the longjmp lands in ReadFields, which therefore holds
// nothing with a destructor.
struct Fields {
    unsigned width;
    unsigned height;
    int components;
    J_COLOR_SPACE colourSpace;
    int precision;
    bool arithmetic;
    bool adobe;
    bool jfif;
    int densityUnit;
    int xDensity;
    unsigned long headerEnd; // bytes up to the first scan
};

bool ReadFields(const unsigned char* data, unsigned long size, Fields* fields, char* message) {
    jpeg_decompress_struct info{};
    JumpingErrorManager errors{};
    info.err = TrapErrors(errors);
    if (setjmp(errors.resume) != 0) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    *fields = Fields{info.image_width,
                     info.image_height,
                     info.num_components,
                     info.jpeg_color_space,
                     info.data_precision,
                     info.arith_code != FALSE,
                     info.saw_Adobe_marker != FALSE,
                     info.saw_JFIF_marker != FALSE,
                     info.density_unit,
                     info.X_density,
                     size - static_cast<unsigned long>(info.src->bytes_in_buffer)};
    jpeg_destroy_decompress(&info);
    return true;
}

// The entropy-coded data stuffs every 0xFF with a zero byte, so after the first scan's
// header the pair FF D9 can only be the end-of-image marker: a file cut short lacks it.
bool HasEndMarker(const QByteArray& jpeg, unsigned long headerEnd) {
    static const QByteArray endOfImage("\xFF\xD9", 2);
    return jpeg.lastIndexOf(endOfImage) >= static_cast<qsizetype>(headerEnd);
}

double DotsPerInch(const Fields& fields) {
    if (!fields.jfif || fields.xDensity <= 0) {
        return 0;
    }
    switch (fields.densityUnit) {
    case 1:
        return fields.xDensity;
    case 2:
        return fields.xDensity * 2.54; // dots per centimetre
    default:
        return 0; // only an aspect ratio
    }
}

} // namespace

std::optional<JpegHeader> JpegHeader::Read(const QByteArray& jpeg, QString* error) {
    Fields fields{};
    char message[JMSG_LENGTH_MAX] = {};
    if (!ReadFields(reinterpret_cast<const unsigned char*>(jpeg.constData()),
                    static_cast<unsigned long>(jpeg.size()), &fields, message)) {
        *error = messages::NotAJpeg(QString::fromLocal8Bit(message));
        return std::nullopt;
    }
    if (fields.precision != 8) {
        *error = messages::UnsupportedPrecision(fields.precision);
        return std::nullopt;
    }
    if (fields.arithmetic) {
        *error = messages::UnsupportedArithmeticCoding();
        return std::nullopt;
    }
    if (!HasEndMarker(jpeg, fields.headerEnd)) {
        *error = messages::TruncatedJpeg();
        return std::nullopt;
    }

    JpegHeader header;
    header.width = static_cast<int>(fields.width);
    header.height = static_cast<int>(fields.height);
    header.components = fields.components;
    header.dotsPerInch = DotsPerInch(fields);
    if (fields.components == 1 && fields.colourSpace == JCS_GRAYSCALE) {
        header.colourSpace = ColourSpace::Gray;
    } else if (fields.components == 3 &&
               (fields.colourSpace == JCS_YCbCr || fields.colourSpace == JCS_RGB)) {
        header.colourSpace = ColourSpace::Rgb;
    } else if (fields.components == 4 &&
               (fields.colourSpace == JCS_CMYK || fields.colourSpace == JCS_YCCK)) {
        header.colourSpace = ColourSpace::Cmyk;
        header.invertedCmyk = fields.adobe;
    } else {
        *error = messages::UnsupportedColourSpace(fields.components);
        return std::nullopt;
    }
    return header;
}

} // namespace quenra::img2pdf
