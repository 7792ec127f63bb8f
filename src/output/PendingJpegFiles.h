#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QSaveFile;

namespace quenra {

// JPEG files that are written under temporary names beside their final ones and take their
// final names together, once the last one is written. Until then no file under a final name is
// touched, so a run that stops on the way (a full disk on page 2, a cancel) leaves every earlier
// file as it was and none of its own: what is not committed is removed when this goes.
class PendingJpegFiles {
public:
    PendingJpegFiles();
    ~PendingJpegFiles();

    PendingJpegFiles(const PendingJpegFiles&) = delete;
    PendingJpegFiles& operator=(const PendingJpegFiles&) = delete;

    // Encodes the image and writes it under a temporary name beside path. On failure returns
    // false with a message naming path in error.
    bool Add(const QImage& image, const QString& path, QString* error);

    // Gives every file its final name, in the order added. When one cannot take it, the files
    // that already had theirs are removed again (with the rest), so that no set is left half
    // new, and error says why.
    bool CommitAll(QString* error);

    // The final names, in the order added.
    const QStringList& Names() const { return names_; }

private:
    std::vector<std::unique_ptr<QSaveFile>> files_;
    QStringList names_;
};

} // namespace quenra
