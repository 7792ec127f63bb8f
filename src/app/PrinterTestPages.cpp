#include "PrinterTestPages.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>

namespace quenra {

namespace {

const QRgb kCyan = qRgb(0, 255, 255);
const QRgb kMagenta = qRgb(255, 0, 255);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlack = qRgb(0, 0, 0);

// One band of noise; the columns first..last (from 1) are always black.
void FillNoise(QImage& band, int firstBlack, int lastBlack) {
    QRandomGenerator* random = QRandomGenerator::global();
    for (int y = 0; y < band.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(band.scanLine(y));
        for (int x = 0; x < band.width(); ++x) {
            QRgb colour = kBlack;
            if (x + 1 >= firstBlack && x + 1 <= lastBlack) {
                colour = kBlack;
            } else if (random->generateDouble() < 0.25) {
                colour = kCyan;
            } else if (random->generateDouble() < 0.33) {
                colour = kMagenta;
            } else {
                colour = random->generateDouble() < 0.5 ? kBlack : kYellow;
            }
            row[x] = colour;
        }
    }
}

} // namespace

bool PrintNoiseAtPrinterWidth(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRect page = painter.viewport();
    constexpr int kBand = 3;
    QImage band(page.width(), kBand, QImage::Format_RGB32);
    for (int j = 0; j <= (page.height() - kBand) / kBand; ++j) {
        FillNoise(band, 501, 549);
        painter.drawImage(0, kBand * j, band);
    }
    return painter.end();
}

bool PrintStretchedNoise(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRect page = painter.viewport();
    constexpr int kBand = 4;
    QImage band(300, kBand, QImage::Format_RGB32);
    for (int j = 0; j <= (page.height() - kBand) / kBand; ++j) {
        FillNoise(band, 51, 54);
        painter.drawImage(QRect(0, kBand * j, page.width(), kBand), band);
    }
    return painter.end();
}

} // namespace quenra
