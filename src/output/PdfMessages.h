#pragma once

#include <QString>

// Every text the PDF production shows the inspector. Paths stand between square brackets, as
// in all of the program's messages about files.
namespace quenra::pdf_messages {

// The name the default and numbered PDF files take while the project has no file yet.
inline const QString kUntitled = QStringLiteral("untitled");
inline const QString kPdfExtension = QStringLiteral(".pdf");

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
inline QString CannotAccess(const QString& path) {
    return QStringLiteral("Can not access file [") + path +
           QStringLiteral("].  This file may be open (in Adobe Reader). Close it and try aagain.");
}
inline QString FolderTakesNoNewFile(const QString& folder, const QString& path) {
    return QStringLiteral("The folder [%1] does not accept new files, so [%2] cannot be "
                          "rewritten there.  The file was not changed.")
        .arg(folder, path);
}

// Naming a new file
inline QString NoFreeName(const QString& first, const QString& last) {
    return QStringLiteral("No PDF file was written: the names [%1] to [%2] are all taken.  Move "
                          "or delete some of those files, then try again.")
        .arg(first, last);
}

// The converter. Its log is removed with the run's folder, so what it said that matters is
// quoted in the message itself.
inline QString CannotDeleteLog(const QString& log) {
    return QStringLiteral("Can not delete file [") + log + QStringLiteral("]");
}
inline QString CannotMakeRunFolder(const QString& folder) {
    return QStringLiteral("Cannot create the folder [%1] for the PDF's page images.  No PDF was "
                          "written.")
        .arg(folder);
}
inline QString NoOutputFile() {
    return QStringLiteral("No PDF file was chosen.  Nothing was written.");
}
inline QString ConverterNotStarted(const QString& program, const QString& reason) {
    return QStringLiteral("The PDF converter [%1] could not be started (%2).  No PDF was written.")
        .arg(program, reason);
}
inline QString NoLog(const QString& log, int seconds) {
    return QStringLiteral("The PDF converter did not write its log [%1] within %2 seconds and "
                          "was stopped.  No PDF was written.")
        .arg(log, QString::number(seconds));
}
inline QString ConverterFailed(const QString& output, const QString& reason) {
    return QStringLiteral("The PDF file [%1] was not completed: %2.").arg(output, reason);
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
inline QString NoPageCount() {
    return QStringLiteral("the converter's completion line does not say how many pages it added");
}
inline QString NotThereAfterCompletion() {
    return QStringLiteral("the converter reported completion, but the file is not there");
}
inline QString OlderThanRun() {
    return QStringLiteral("the converter reported completion, but the file is older than this "
                          "run");
}
inline QString OtherPageCount(int added, int expected) {
    return QStringLiteral("the converter added %1 page(s) instead of %2")
        .arg(QString::number(added), QString::number(expected));
}
inline QString ConverterTimedOut(const QString& output, int seconds) {
    return QStringLiteral("The PDF converter did not complete [%1] within %2 seconds and was "
                          "stopped.")
        .arg(output, QString::number(seconds));
}
inline QString ConverterCancelled(const QString& output) {
    return QStringLiteral("PDF output was cancelled; [%1] was not written.").arg(output);
}

} // namespace quenra::pdf_messages
