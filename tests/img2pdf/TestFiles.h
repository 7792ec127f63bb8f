#pragma once

// Test JPEGs made with libjpeg, and small file helpers, for the converter's tests.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace quenra::img2pdf::test {

struct JpegRecipe {
    int width = 40;
    int height = 30;
    J_COLOR_SPACE colourSpace = JCS_RGB; // JCS_GRAYSCALE, JCS_RGB or JCS_CMYK
    bool progressive = false;
    int dotsPerInch = 0; // 0: the JFIF header states only an aspect ratio
};

// A JPEG with a gradient, so that its data is not trivially small.
inline QByteArray MakeJpeg(const JpegRecipe& recipe) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    const int components =
        recipe.colourSpace == JCS_GRAYSCALE ? 1 : (recipe.colourSpace == JCS_CMYK ? 4 : 3);
    info.image_width = static_cast<JDIMENSION>(recipe.width);
    info.image_height = static_cast<JDIMENSION>(recipe.height);
    info.input_components = components;
    info.in_color_space = recipe.colourSpace;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 65, TRUE);
    if (recipe.progressive) {
        jpeg_simple_progression(&info);
    }
    if (recipe.dotsPerInch > 0) {
        info.density_unit = 1;
        info.X_density = static_cast<UINT16>(recipe.dotsPerInch);
        info.Y_density = static_cast<UINT16>(recipe.dotsPerInch);
    }
    jpeg_start_compress(&info, TRUE);
    QByteArray row(recipe.width * components, '\0');
    while (info.next_scanline < info.image_height) {
        for (int i = 0; i < row.size(); ++i) {
            row[i] = static_cast<char>((i * 7 + static_cast<int>(info.next_scanline) * 3) % 256);
        }
        JSAMPROW rows[] = {reinterpret_cast<JSAMPLE*>(row.data())};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray jpeg(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return jpeg;
}

inline QByteArray MakeJpeg(int width, int height) {
    return MakeJpeg(JpegRecipe{width, height});
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every entry of a folder, hidden ones too: a failed run must leave no temporary file.
inline QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace quenra::img2pdf::test
