#pragma once

#include <QString>

// The PDF menu's save dialog, its pop-up menu and what its commands say.
namespace quenra::pdf_command_texts {

inline const QString kSaveFilter = QStringLiteral("PDF Files|*.PDF");
inline const QString kDefaultExtension = QStringLiteral(".pdf");

inline const QString kOverwriteFile = QStringLiteral("Overwrite File");
inline const QString kInsertInFile = QStringLiteral("Insert in File");
inline const QString kAppendToFile = QStringLiteral("Append to File");
inline const QString kCancel = QStringLiteral("Cancel");

inline const QString kProgressText = QStringLiteral("Making the PDF file...");
inline const QString kProgressCancel = QStringLiteral("Cancel");

inline QString Saving(const QString& path) {
    return QStringLiteral("Saving ") + path;
}

} // namespace quenra::pdf_command_texts
