#pragma once

#include <QRect>
#include <QSize>
#include <QString>

namespace quenra {

struct ProjectData;

// Where a graph page goes.
enum class GraphTarget {
    Screen,
    Capture,
    Printer,
    Pdf,
};

// The graph and PDF bitmap size choices, in the order of the choice list; "Actual Size" is the
// paint box.
enum class CaptureSize {
    ActualSize = 0,
    Landscape1000 = 1,
    Landscape2000 = 2,
    Landscape3000 = 3,
    Portrait1000 = 4,
    Portrait2000 = 5,
    Portrait3000 = 6,
};

// The record keeps the choice as its place in the list (`CaptureSizeIndex`), and so does the
// project file.
constexpr int kLastCaptureSizeIndex = 6;
constexpr CaptureSize CaptureSizeFromIndex(int index) {
    return index > 0 && index <= kLastCaptureSizeIndex ? static_cast<CaptureSize>(index)
                                                       : CaptureSize::ActualSize;
}

// The printed bitmap's longer side in pixels.
constexpr int kPrinterBitmapSide = 1800;

// Page margins in whole percent, as the graph and report outputs use them.
struct PageMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    friend bool operator==(const PageMargins&, const PageMargins&) = default;
};

// One margin text as a whole percentage: unreadable text is 0, a negative value counts by its
// magnitude, fractions go to the nearest whole number.
int MarginPercent(const QString& text);

// The four margins of the project; when left + right exceed 98 both become 49 so that some
// page width stays for the graph, and likewise top + bottom.
PageMargins ReadPageMargins(const ProjectData& project);

// The bitmap size of a capture size choice; "Actual Size" gives the on-screen paint box.
QSize CaptureBitmapSize(CaptureSize size, QSize screenBox);

// The sizes a graph rendering needs for one target.
struct GraphBitmapSize {
    // False when nothing is rendered (no printable height, or an empty bitmap).
    bool Render = false;
    // The bitmap the graph is drawn into.
    QSize Bitmap;
    // PDF: the page bitmap the graph is placed on; printer: the printer page; else empty.
    QSize Page;
    // Where the graph bitmap lands: on the page (PDF, at its own size; printer, stretched,
    // corners inclusive), or at (0, 0) in its own size for screen and capture.
    QRect Placement;
    PageMargins Margins;

    friend bool operator==(const GraphBitmapSize&, const GraphBitmapSize&) = default;
};

// Bitmap size and placement for `target`: the screen uses the paint box, a
// capture the capture size choice, a PDF page the capture size reduced by the margins, and the
// printer 1800 pixels along the longer side of the page's printable area.
GraphBitmapSize TargetSize(GraphTarget target, const ProjectData& project, QSize screenBox,
                           QSize printerPage);

} // namespace quenra
