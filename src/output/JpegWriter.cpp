#include "output/JpegWriter.h"

#include "JpegErrorTrap.h"
#include "output/PendingJpegFiles.h"

#include <QtEndian>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace quenra {
namespace {

using jpeg_trap::JumpingErrorManager;
using jpeg_trap::TrapErrors;

// How the rows of the prepared image reach libjpeg.
struct RowLayout {
    J_COLOR_SPACE colorSpace;
    int components;
};

// The longjmp lands in this frame, so it holds nothing with a destructor: the image is only
// read through its scan lines, and the output buffer belongs to libjpeg until the caller
// frees it. Returns false with the reason in message.
bool Compress(const QImage& image, RowLayout layout, unsigned char** output,
              unsigned long* outputSize, char* message) {
    jpeg_compress_struct info{};
    JumpingErrorManager errors{};
    info.err = TrapErrors(errors);
    if (setjmp(errors.resume) != 0) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_compress(&info);
        return false;
    }

    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, output, outputSize);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = layout.components;
    info.in_color_space = layout.colorSpace;
    jpeg_set_defaults(&info);
    // Forcing baseline keeps every quantisation value within 8 bits; no progressive scans.
    jpeg_set_quality(&info, kJpegQuality, TRUE);
    info.write_JFIF_header = TRUE;
    info.density_unit = 1; // dots per inch
    info.X_density = kJpegDotsPerInch;
    info.Y_density = kJpegDotsPerInch;

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg only reads the row; its row type is not const.
        JSAMPROW row =
            const_cast<JSAMPLE*>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

bool EncodeJpeg(const QImage& image, QByteArray* jpeg, QString* error) {
    jpeg->clear();
    if (image.isNull()) {
        if (error != nullptr) {
            *error = QStringLiteral("the image is empty");
        }
        return false;
    }

    // 32-bit RGB rows are 0xffRRGGBB words; on a little-endian machine their bytes are B, G, R,
    // X, which libjpeg-turbo takes as they are. Elsewhere the rows are repacked as R, G, B.
    QImage rows;
    RowLayout layout{JCS_RGB, 3};
#if defined(JCS_EXTENSIONS) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    rows = image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
    layout = RowLayout{JCS_EXT_BGRX, 4};
#else
    rows = image.convertToFormat(QImage::Format_RGB888);
#endif

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool encoded = Compress(rows, layout, &buffer, &size, message);
    if (encoded) {
        *jpeg = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    } else if (error != nullptr) {
        *error = QString::fromLocal8Bit(message);
    }
    std::free(buffer); // allocated by libjpeg's memory destination, also after a failure
    return encoded;
}

bool WriteJpeg(const QImage& image, const QString& path, QString* error) {
    PendingJpegFiles file;
    QString reason;
    if (file.Add(image, path, &reason) && file.CommitAll(&reason)) {
        return true;
    }
    if (error != nullptr) {
        *error = reason;
    }
    return false;
}

} // namespace quenra
