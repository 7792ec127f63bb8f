#pragma once

#include <QString>

namespace quenra {

// What a file handed to the program is taken for, by its extension in any case: the one place
// that decides it for the window's Open, drops, the command line and the batch commands.
enum class FileKind {
    Project,       // ".qrx", and any other name: opened as a project file
    LegacyProject, // ".ned": imported, never written
    ClientInfo,    // ".ini": client information into a new fire pump test
};

FileKind FileKindOf(const QString& path);

// Whether the name ends in one of the three extensions the program knows (what a drop takes).
bool HasKnownExtension(const QString& path);

} // namespace quenra
