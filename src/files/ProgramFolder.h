#pragma once

#include <QString>

namespace quenra {

// The folder that holds the recovery copies and the "PDF" scratch folder: the program's own
// folder, or the per-user data folder when the program's folder is not writable (an installed
// copy). Needs a QCoreApplication.
QString ProgramFolder();

// The same choice for a given executable folder; the per-user folder is created when needed.
// An installed copy (the install rules put kInstalledMarker beside the program) always uses the
// per-user folder: its folder belongs to the system, even when an administrator could write in
// it, and files left there would outlive the package.
QString ProgramFolderFor(const QString& executableFolder);

inline const QString kInstalledMarker = QStringLiteral("quenra.installed");

} // namespace quenra
