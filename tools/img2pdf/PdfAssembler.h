#pragma once

#include "ConverterOptions.h"
#include "PageImage.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace quenra::img2pdf {

// Builds the output PDF: one page per image, each page the size of its image at the chosen
// pixels per inch, the JPEG bytes embedded as they are. The file is written beside the
// output and renamed over it only when complete, so an existing PDF survives any failure.
class PdfAssembler {
public:
    static constexpr double kPointsPerInch = 72.0;

    explicit PdfAssembler(const ConverterOptions& options);

    // Writes the PDF. On failure returns false with the reason in error.
    bool Write(const std::vector<PageImage>& pages, QString* error);

    // The page size in points for an image, at the -r density, else the density the image
    // states, else one pixel per point.
    static double PointsPerPixel(const JpegHeader& header, const ConverterOptions& options);

private:
    const ConverterOptions& options_;
};

} // namespace quenra::img2pdf
