#pragma once

#include <QString>

#include <optional>

namespace quenra {

// Why `path` cannot be opened as a file, in the words the inspector is shown: it does not
// exist, it is a directory, pipe or device, or its name could not be read in the locale's
// encoding. Nothing when it names a regular file.
std::optional<QString> UnreachableFileMessage(const QString& path);

} // namespace quenra
