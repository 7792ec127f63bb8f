#pragma once

#include <QString>

namespace quenra {

// The scratch folder beside the program where the page images of a PDF file are written for
// the converter, and the names of those images.
QString PdfImageFolder(const QString& programFolder);
QString GraphPdfImagePath(const QString& programFolder);
QString ReportPdfImagePath(const QString& programFolder, int page);

// Deletes every file in `folder` (folders inside it are left alone), so that the converter
// sees only the pages of the PDF file being made. Returns false when a file stays.
bool ClearFolder(const QString& folder);

} // namespace quenra
