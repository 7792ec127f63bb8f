#pragma once

#include "JpegHeader.h"

#include <QByteArray>
#include <QString>

namespace quenra::img2pdf {

// One page image, read and checked, ready to go into the PDF unchanged.
struct PageImage {
    QString path;
    QByteArray jpeg; // the file's bytes
    JpegHeader header;
};

} // namespace quenra::img2pdf
