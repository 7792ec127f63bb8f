#pragma once

#include <QString>

#include <functional>

namespace quenra {

// How long a rename may take to show before the check gives up. Renames on a local disk show
// at once; network folders and virus scanners can hold them back for a moment.
inline constexpr int kRenameShowLimitMs = 5000;
inline constexpr int kRenameShowPollMs = 10;

struct RenameWait {
    int LimitMs = kRenameShowLimitMs;
    int PollMs = kRenameShowPollMs;
    // The rename itself; QFile::rename unless a test needs one that misbehaves.
    std::function<bool(const QString& from, const QString& to)> Rename;
};

// Whether an existing PDF may be given to the converter, and if not, why.
struct PdfPreparation {
    bool Ready = false;
    QString Message; // what to tell the inspector when not ready
};

// Before a PDF is replaced: proves the file is not locked (open in a viewer) by moving it
// aside and back. The file itself stays until the converter has the new one complete, so a
// failed conversion leaves it as it was. A file that does not exist is simply written.
PdfPreparation PrepareOverwrite(const QString& path, const RenameWait& wait = {});

// Before pages are added to a PDF: the file must exist and must not be locked, proved by
// moving it to the same name with ".pd2" and back.
PdfPreparation PrepareAppend(const QString& path, const RenameWait& wait = {});

} // namespace quenra
