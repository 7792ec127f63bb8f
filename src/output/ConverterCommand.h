#pragma once

#include "output/PdfMode.h"

#include <QString>
#include <QStringList>

namespace quenra {

// The converter's file name in the folder of the running program.
#ifdef Q_OS_WIN
inline const QString kConverterProgramName = QStringLiteral("Img2PDF.exe");
#else
inline const QString kConverterProgramName = QStringLiteral("Img2PDF");
#endif

// The page images are written for a letter page 11 inches high.
inline constexpr double kPageHeightInches = 11.0;

// One conversion, with every path resolved.
struct ConverterJob {
    PdfMode Mode = PdfMode::Overwrite;
    int PageImageHeight = 0; // pixels; the images' density follows from it
    QString ProjectFileName; // full path or "untitled": the document title
    QString ImageFolder;     // the run's page images, every file in it
    QString LogFile;         // the run's converter log
    QString OutputFile;      // the PDF to make, replace or extend
    QString Description;     // the product and version, recorded in the PDF
};

// The converter beside the program in `executableFolder`.
QString ConverterProgramPath(const QString& executableFolder);

// Every page image of the run: its image folder with the pattern *.*.
QString ConverterImagePattern(const QString& imageFolder);

// Pixels per inch of an 11-inch page image of that height.
int PixelsPerInch(int pageImageHeight);

// The argument list the converter is started with, in the order of the parameter text.
QStringList ConverterArguments(const ConverterJob& job);

// The same command as one parameter text, paths between double quotes, as it is shown and
// logged: [" -p 1 " | " -p 0 "] " -r N -u "author" -d "description" -t "title" -l "log"
// -o "output" " "images"".
QString ConverterParameterText(const ConverterJob& job);

} // namespace quenra
