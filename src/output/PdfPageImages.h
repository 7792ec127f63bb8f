#pragma once

#include <QStringList>

namespace quenra {

// The page images a graph or report run left in the PDF folder for the converter.
struct PdfPageImages {
    QStringList Files;       // in page order
    int PageImageHeight = 0; // the page height in pixels (the graph's larger side)
};

} // namespace quenra
