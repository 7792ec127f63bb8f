#pragma once

#include <QString>

namespace quenra {

// Whether an existing PDF may be given to the converter, and if not, why.
struct PdfPreparation {
    bool Ready = false;
    QString Message; // what to tell the inspector when not ready
};

// Before a PDF is replaced: proves that the converter can put the new file in its place without
// the old one ever leaving it. The converter writes the new file beside the old one and renames
// it over the old one once complete, so two things must hold: the file opens for writing (it is
// not locked, as a viewer locks it) and its folder takes a new file. The file is opened for
// appending and closed without a byte written; nothing is moved or renamed, so there is no
// moment in which the PDF is anywhere but under its own name. A file that does not exist is
// simply written.
PdfPreparation PrepareOverwrite(const QString& path);

// Before pages are added to a PDF: the file must exist, and the same proof as for replacing it.
PdfPreparation PrepareAppend(const QString& path);

} // namespace quenra
