#include "FileAccess.h"

#include "FileMessages.h"

#include <QFileInfo>

namespace quenra {

std::optional<QString> UnreachableFileMessage(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile()) {
        return std::nullopt;
    }
    if (info.exists()) {
        return file_messages::NotAFile(path);
    }
    // Bytes of a name that are not text in the locale's encoding were read as the replacement
    // character, so the name no longer leads to the file.
    if (path.contains(QChar::ReplacementCharacter)) {
        return file_messages::NameNotInLocaleEncoding(path);
    }
    return file_messages::FileNotFound(path);
}

} // namespace quenra
