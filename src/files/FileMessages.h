#pragma once

#include <QString>

namespace quenra::file_messages {

// Every message the project files show the inspector. Paths stand between square brackets.

inline QString FileNotFound(const QString& path) {
    return QStringLiteral("File [") + path + QStringLiteral("] not found");
}
// A directory, a pipe or a device named as a project or an import.
inline QString NotAFile(const QString& path) {
    return QStringLiteral("[") + path + QStringLiteral("] is not a file");
}
// A name whose bytes are not text in the locale's encoding: the name was read with stand-in
// characters, so the file it names cannot be found.
inline QString NameNotInLocaleEncoding(const QString& path) {
    return QStringLiteral("The name of file [") + path +
           QStringLiteral("] cannot be read in this locale's encoding.  Set LANG or LC_ALL to a "
                          "UTF-8 locale (such as C.UTF-8), or rename the file.");
}
// An import that recognised nothing of its format.
inline QString NoQuenraData(const QString& path) {
    return QStringLiteral("No Quenra data found in [") + path + QStringLiteral("]");
}
// An imported text longer than the record keeps.
inline QString TextCut(const QString& field, qsizetype length) {
    return field + QStringLiteral(" was cut to ") + QString::number(length) +
           QStringLiteral(" characters");
}
inline QString FileUnreadable(const QString& path) {
    return QStringLiteral("File [") + path + QStringLiteral("] could not be read");
}
inline QString FileNotSaved(const QString& path, const QString& reason) {
    return QStringLiteral("File [") + path + QStringLiteral("] could not be saved: ") + reason +
           QStringLiteral(".  The previous file is unchanged.");
}
inline QString Saving(const QString& path) {
    return QStringLiteral("Saving ") + path;
}
// One line per field, after a save that had to replace characters the file cannot hold.
inline QString UnstorableCharacters(const QString& field, int characters) {
    return field + QStringLiteral(": ") + QString::number(characters) +
           (characters == 1
                ? QStringLiteral(" character could not be stored and was saved as ?")
                : QStringLiteral(" characters could not be stored and were saved as ?"));
}

inline const QString kVersionNotFound = QStringLiteral("Version information not found");
inline const QString kNewerVersion = QStringLiteral(
    "Warning: File created by a newer version of Quenra.  Some data will be ignored.");
inline QString SectionNotFound(const QString& section) {
    return section + QStringLiteral(" not found");
}
inline QString CommentPageNotFound(int page) {
    return QStringLiteral("Comment Data ") + QString::number(page) + QStringLiteral(" not found");
}
inline const QString kEndOfCommentsNotFound = QStringLiteral("End of Comment Data not found");

inline QString CannotDeleteRecovery(const QString& bk2) {
    return QStringLiteral("Can not delete file [") + bk2 +
           QStringLiteral("].  Recovery of old files not possible.");
}
inline QString CannotRenameRecovery(const QString& bak, const QString& bk2) {
    return QStringLiteral("Can not rename file [") + bak + QStringLiteral("] to [") + bk2 +
           QStringLiteral("].  Recovery of old files not possible.");
}
inline QString NothingToRecover(const QString& bk2) {
    return QStringLiteral("File [") + bk2 + QStringLiteral("] not found.  Nothing to recover.");
}
inline const QString kConfirmRecovery =
    QStringLiteral("Recovering old file will override your current data.  Proceed?");

} // namespace quenra::file_messages
