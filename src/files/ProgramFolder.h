#pragma once

#include <QString>

namespace quenra {

// The folder that holds the recovery copies and the "PDF" scratch folder: the program's own
// folder, or the per-user data folder when the program's folder is not writable (an installed
// copy). Needs a QCoreApplication.
QString ProgramFolder();

// The same choice for a given executable folder; the per-user folder is created when needed.
QString ProgramFolderFor(const QString& executableFolder);

} // namespace quenra
