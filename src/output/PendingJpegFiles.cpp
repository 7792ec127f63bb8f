#include "output/PendingJpegFiles.h"

#include "output/JpegWriter.h"

#include <QFile>
#include <QSaveFile>

namespace quenra {

namespace {

QString CannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot write the JPEG file [%1]: %2").arg(path, reason);
}

} // namespace

PendingJpegFiles::PendingJpegFiles() = default;

// QSaveFile removes the temporary file of every file not committed.
PendingJpegFiles::~PendingJpegFiles() = default;

bool PendingJpegFiles::Add(const QImage& image, const QString& path, QString* error) {
    QByteArray jpeg;
    QString reason;
    if (!EncodeJpeg(image, &jpeg, &reason)) {
        *error = CannotWrite(path, reason);
        return false;
    }
    // Unbuffered, so that a short write on a full disk shows in write()'s result here: through
    // a buffer the loss goes unnoticed and commit() puts a truncated file in place.
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = CannotWrite(path, file->errorString());
        return false;
    }
    const qint64 written = file->write(jpeg);
    if (written != jpeg.size()) {
        *error = CannotWrite(
            path,
            written < 0
                ? file->errorString()
                : QStringLiteral("only %1 of %2 bytes were written").arg(written).arg(jpeg.size()));
        file->cancelWriting();
        return false;
    }
    files_.push_back(std::move(file));
    names_ << path;
    return true;
}

bool PendingJpegFiles::CommitAll(QString* error) {
    for (std::size_t at = 0; at < files_.size(); ++at) {
        if (files_[at]->commit()) {
            continue;
        }
        *error = CannotWrite(names_[static_cast<qsizetype>(at)], files_[at]->errorString());
        for (std::size_t done = 0; done < at; ++done) {
            QFile::remove(names_[static_cast<qsizetype>(done)]);
        }
        files_.clear();
        return false;
    }
    files_.clear();
    return true;
}

} // namespace quenra
