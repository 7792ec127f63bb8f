#pragma once

#include <QString>

// Every text the PDF production shows the inspector. Paths stand between square brackets, as
// in all of the program's messages about files.
namespace quenra::pdf_messages {

// The name the default and numbered PDF files take while the project has no file yet.
inline const QString kUntitled = QStringLiteral("untitled");
inline const QString kPdfExtension = QStringLiteral(".pdf");
// Where an existing PDF is moved for a moment to prove it is not locked.
inline const QString kAsideExtension = QStringLiteral(".pd2");

// The document information the converter records in every PDF.
inline const QString kAuthor = QStringLiteral("Morvek LLC");
inline const QString kDescription = QStringLiteral("Quenra ") + QStringLiteral("Version 3.001");

// Overwriting and appending
inline QString CannotReplace(const QString& path) {
    return QStringLiteral("File [") + path +
           QStringLiteral("] can not be deleted.  This file may be open (in Adobe Reader). Close "
                          "it and try aagain.");
}
inline QString NotFound(const QString& path) {
    return QStringLiteral("file [") + path + QStringLiteral("] not found.");
}
inline QString CannotDeleteAside(const QString& aside) {
    return QStringLiteral("Can not delete file [") + aside +
           QStringLiteral("].  Append not possible.");
}
inline QString CannotAccess(const QString& path) {
    return QStringLiteral("Can not access file [") + path +
           QStringLiteral("].  This file may be open (in Adobe Reader). Close it and try aagain.");
}
inline QString CannotRenameBack(const QString& aside, const QString& path) {
    return QStringLiteral("Can not rename file [") + aside + QStringLiteral("] to [") + path +
           QStringLiteral("].  Append not possible.");
}
inline QString CannotRenameBackBeforeOverwrite(const QString& aside, const QString& path) {
    return QStringLiteral("Can not rename file [") + aside + QStringLiteral("] to [") + path +
           QStringLiteral("].  Overwrite not possible.");
}
inline QString MoveNeverShowed(const QString& from, const QString& to, int seconds) {
    return QStringLiteral("File [%1] was renamed to [%2] but the change did not show within %3 "
                          "seconds.  The PDF file was not changed.")
        .arg(from, to, QString::number(seconds));
}
inline QString ReturnNeverShowed(const QString& aside, const QString& path, int seconds) {
    return QStringLiteral("File [%1] was renamed back to [%2] but the change did not show "
                          "within %3 seconds.  Check that [%2] is in place, then try again.")
        .arg(aside, path, QString::number(seconds));
}

// Naming a new file
inline QString NoFreeName(const QString& first, const QString& last) {
    return QStringLiteral("No PDF file was written: the names [%1] to [%2] are all taken.  Move "
                          "or delete some of those files, then try again.")
        .arg(first, last);
}

// The converter
inline QString CannotDeleteLog(const QString& log) {
    return QStringLiteral("Can not delete file [") + log + QStringLiteral("]");
}
inline QString NoOutputFile() {
    return QStringLiteral("No PDF file was chosen.  Nothing was written.");
}
inline QString ConverterNotStarted(const QString& program, const QString& reason,
                                   const QString& log) {
    return QStringLiteral("The PDF converter [%1] could not be started (%2).  No PDF was "
                          "written; no log was made at [%3].")
        .arg(program, reason, log);
}
inline QString NoLog(const QString& log, int seconds) {
    return QStringLiteral("The PDF converter did not write its log [%1] within %2 seconds and "
                          "was stopped.  No PDF was written.")
        .arg(log, QString::number(seconds));
}
inline QString ConverterFailed(const QString& output, const QString& reason, const QString& log) {
    return QStringLiteral("The PDF file [%1] was not written: %2.  See the log [%3].")
        .arg(output, reason, log);
}
inline QString ExitedWithStatus(int status) {
    return QStringLiteral("the converter ended with status %1").arg(status);
}
inline QString Crashed() {
    return QStringLiteral("the converter stopped unexpectedly");
}
inline QString EndedWithoutCompletion() {
    return QStringLiteral("the converter ended without reporting completion");
}
inline QString ConverterTimedOut(const QString& output, const QString& log, int seconds) {
    return QStringLiteral("The PDF converter did not complete [%1] within %2 seconds and was "
                          "stopped.  See the log [%3].")
        .arg(output, QString::number(seconds), log);
}
inline QString ConverterCancelled(const QString& output, const QString& log) {
    return QStringLiteral("PDF output was cancelled; [%1] was not written.  See the log [%2].")
        .arg(output, log);
}

} // namespace quenra::pdf_messages
