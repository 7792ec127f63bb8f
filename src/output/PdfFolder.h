#pragma once

#include <QString>

namespace quenra {

// The scratch folder beside the program that holds the folders of the PDF runs
// (PdfRunFolder), and the names of the page images inside a run's folder.
QString PdfImageFolder(const QString& programFolder);
QString GraphPdfImagePath(const QString& imageFolder);
QString ReportPdfImagePath(const QString& imageFolder, int page);

} // namespace quenra
