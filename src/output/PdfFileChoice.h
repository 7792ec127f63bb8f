#pragma once

#include <QString>

#include <optional>

namespace quenra {

// New PDF files are numbered from 1; the highest number tried before giving up.
inline constexpr int kMaxPdfNumber = 9999;

// The file "PDF Save" writes: the PDF chosen or written last, else the project file with the
// extension ".pdf", else "untitled.pdf" in the program folder while the project has no file.
QString DefaultPdfFile(const QString& currentPdfFile, const QString& projectFileName,
                       const QString& programFolder);

// The project file's path without its extension, or "untitled" in the program folder while
// the project has no file: the stem of the numbered new PDF files.
QString PdfFileStem(const QString& projectFileName, const QString& programFolder);

// stem + "_" + n + ".pdf" for the first n from 1 to kMaxPdfNumber that names nothing on disk.
// Nothing when every one is taken: a new file never replaces an earlier one.
std::optional<QString> NewPdfFile(const QString& projectFileName, const QString& programFolder);

// The message shown instead of a conversion when NewPdfFile finds no free name.
QString NoFreePdfNameMessage(const QString& projectFileName, const QString& programFolder);

// The document title: the project file's name without folder and extension.
QString PdfTitle(const QString& projectFileName);

// The path with its last extension (the dot and what follows it in the file name) replaced by
// `extension`, or with `extension` added when the name has none.
QString ChangeExtension(const QString& path, const QString& extension);

} // namespace quenra
