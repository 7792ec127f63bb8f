#pragma once

#include "ConverterOptions.h"
#include "PageImage.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace quenra::img2pdf {

// Builds the output PDF: one page per image, each page the size of its image at the chosen
// pixels per inch, the JPEG bytes embedded as they are. The file is written beside the
// output and renamed over it only when complete, so an existing PDF survives any failure.
class PdfAssembler {
public:
    static constexpr double kPointsPerInch = 72.0;

    explicit PdfAssembler(const ConverterOptions& options);

    // Writes the PDF; oldPages is set to the number of pages kept from the existing file (0
    // when none are kept). On failure returns false with the reason in error; the existing
    // file is then as it was.
    bool Write(const std::vector<PageImage>& pages, int* oldPages, QString* error);

    // The pages the finished file holds, read back from the file itself; nothing (and the
    // reason in error) when it cannot be read.
    static std::optional<int> PagesInFile(const QString& path, QString* error);

    // The page size in points for an image, at the -r density, else the density the image
    // states, else one pixel per point.
    static double PointsPerPixel(const JpegHeader& header, const ConverterOptions& options);

private:
    const ConverterOptions& options_;
};

} // namespace quenra::img2pdf
