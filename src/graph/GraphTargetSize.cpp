#include "graph/GraphTargetSize.h"

#include "hydraulics/NumberText.h"
#include "model/ProjectData.h"

#include <cmath>

namespace quenra {

namespace {

// Any margin beyond this is far past the 49 % limit already; capping it keeps the integer
// conversion defined for absurd inputs.
constexpr double kMarginCap = 1000.0;

int NearestInt(double x) {
    return static_cast<int>(std::lround(x));
}

// The share of `length` left after two opposite margins, to the nearest pixel.
int ReducedLength(int length, int marginA, int marginB) {
    return NearestInt(static_cast<double>(length) * (100 - marginA - marginB) / 100.0);
}

void LimitPair(int& a, int& b) {
    if (a + b > 98) {
        a = 49;
        b = 49;
    }
}

} // namespace

int MarginPercent(const QString& text) {
    double value = std::fabs(ParseNumber(text));
    if (!std::isfinite(value) || value > kMarginCap) {
        value = kMarginCap;
    }
    return NearestInt(value);
}

PageMargins ReadPageMargins(const ProjectData& project) {
    PageMargins m;
    m.Left = MarginPercent(project.MarginLeft);
    m.Top = MarginPercent(project.MarginTop);
    m.Right = MarginPercent(project.MarginRight);
    m.Bottom = MarginPercent(project.MarginBottom);
    LimitPair(m.Left, m.Right);
    LimitPair(m.Top, m.Bottom);
    return m;
}

QSize CaptureBitmapSize(CaptureSize size, QSize screenBox) {
    switch (size) {
    case CaptureSize::Landscape1000:
        return {1000, 773};
    case CaptureSize::Landscape2000:
        return {2000, 1545};
    case CaptureSize::Landscape3000:
        return {3000, 2318};
    case CaptureSize::Portrait1000:
        return {773, 1000};
    case CaptureSize::Portrait2000:
        return {1545, 2000};
    case CaptureSize::Portrait3000:
        return {2318, 3000};
    case CaptureSize::ActualSize:
        break;
    }
    return screenBox;
}

GraphBitmapSize TargetSize(GraphTarget target, const ProjectData& project, QSize screenBox,
                           QSize printerPage) {
    GraphBitmapSize result;
    result.Margins = ReadPageMargins(project);
    const PageMargins& m = result.Margins;

    switch (target) {
    case GraphTarget::Capture:
        result.Bitmap =
            CaptureBitmapSize(CaptureSizeFromIndex(project.CaptureSizeIndex), screenBox);
        result.Placement = QRect(QPoint(0, 0), result.Bitmap);
        break;
    case GraphTarget::Pdf: {
        const QSize page =
            CaptureBitmapSize(CaptureSizeFromIndex(project.CaptureSizeIndex), screenBox);
        result.Page = page;
        result.Bitmap = QSize(ReducedLength(page.width(), m.Left, m.Right),
                              ReducedLength(page.height(), m.Top, m.Bottom));
        result.Placement =
            QRect(QPoint(page.width() * m.Left / 100, page.height() * m.Top / 100), result.Bitmap);
        break;
    }
    case GraphTarget::Printer: {
        result.Page = printerPage;
        const double printableWidth =
            static_cast<double>(printerPage.width()) * (100 - m.Left - m.Right) / 100.0;
        const double printableHeight =
            static_cast<double>(printerPage.height()) * (100 - m.Top - m.Bottom) / 100.0;
        if (!(printableHeight > 0.0)) {
            return result; // nothing fits on the page
        }
        const double ratio = printableWidth / printableHeight;
        if (ratio > 1.0) {
            result.Bitmap = QSize(kPrinterBitmapSide, NearestInt(kPrinterBitmapSide / ratio));
        } else {
            result.Bitmap = QSize(NearestInt(kPrinterBitmapSide * ratio), kPrinterBitmapSide);
        }
        const int w = printerPage.width();
        const int h = printerPage.height();
        result.Placement =
            QRect(QPoint(w * m.Left / 100, h * m.Top / 100),
                  QPoint(w * (100 - m.Right) / 100 - 1, h * (100 - m.Bottom) / 100 - 1));
        break;
    }
    case GraphTarget::Screen:
        result.Bitmap = screenBox;
        result.Placement = QRect(QPoint(0, 0), result.Bitmap);
        break;
    }
    result.Render = result.Bitmap.width() > 0 && result.Bitmap.height() > 0;
    return result;
}

} // namespace quenra
