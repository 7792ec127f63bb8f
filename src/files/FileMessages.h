#pragma once

#include <QString>

namespace quenra::file_messages {

// Every message the project files show the inspector. Paths stand between square brackets.

inline QString FileNotFound(const QString& path) {
    return QStringLiteral("File [") + path + QStringLiteral("] not found");
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
