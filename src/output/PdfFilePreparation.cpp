#include "output/PdfFilePreparation.h"

#include "output/PdfMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace quenra {

namespace {

enum class Replaceable {
    Yes,
    Locked,             // the file does not open for writing
    FolderTakesNoFiles, // the new file could not be written beside it
};

// The converter's new file is written where this probe is: a hidden file beside the PDF,
// removed again at once.
bool FolderTakesNewFile(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".pdf-check-XXXXXX")));
    return probe.open();
}

Replaceable CheckReplaceable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::ExistingOnly)) {
        return Replaceable::Locked;
    }
    file.close();
    if (!FolderTakesNewFile(QFileInfo(path).absolutePath())) {
        return Replaceable::FolderTakesNoFiles;
    }
    return Replaceable::Yes;
}

PdfPreparation Ready() {
    return PdfPreparation{true, QString()};
}

PdfPreparation NotReady(const QString& message) {
    return PdfPreparation{false, message};
}

} // namespace

PdfPreparation PrepareOverwrite(const QString& path) {
    if (!QFile::exists(path)) {
        return Ready();
    }
    switch (CheckReplaceable(path)) {
    case Replaceable::Yes:
        return Ready();
    case Replaceable::Locked:
        return NotReady(pdf_messages::CannotReplace(path));
    case Replaceable::FolderTakesNoFiles:
        return NotReady(pdf_messages::FolderTakesNoNewFile(QFileInfo(path).absolutePath(), path));
    }
    return NotReady(pdf_messages::CannotReplace(path));
}

PdfPreparation PrepareAppend(const QString& path) {
    if (!QFile::exists(path)) {
        return NotReady(pdf_messages::NotFound(path));
    }
    switch (CheckReplaceable(path)) {
    case Replaceable::Yes:
        return Ready();
    case Replaceable::Locked:
        return NotReady(pdf_messages::CannotAccess(path));
    case Replaceable::FolderTakesNoFiles:
        return NotReady(pdf_messages::FolderTakesNoNewFile(QFileInfo(path).absolutePath(), path));
    }
    return NotReady(pdf_messages::CannotAccess(path));
}

} // namespace quenra
