#include "SaveFilePipeline.h"

#include "ConverterMessages.h"

#include <QSaveFile>

#include <stdexcept>

namespace quenra::img2pdf {
namespace {

constexpr qsizetype kBlockSize = 1 << 20;

} // namespace

SaveFilePipeline::SaveFilePipeline(QSaveFile* file) : Pipeline("save file", nullptr), file_(file) {
    pending_.reserve(kBlockSize);
}

void SaveFilePipeline::write(unsigned char const* data, size_t length) {
    const auto* bytes = reinterpret_cast<const char*>(data);
    const auto size = static_cast<qsizetype>(length);
    if (size >= kBlockSize) {
        // An image's data: straight to the file, after what came before it.
        Flush();
        WriteToFile(bytes, size);
        return;
    }
    pending_.append(bytes, size);
    if (pending_.size() >= kBlockSize) {
        Flush();
    }
}

void SaveFilePipeline::finish() {
    Flush();
}

void SaveFilePipeline::Flush() {
    if (pending_.isEmpty()) {
        return;
    }
    WriteToFile(pending_.constData(), pending_.size());
    pending_.resize(0); // keeps the block allocated for the next round
}

void SaveFilePipeline::WriteToFile(const char* data, qsizetype size) {
    const qint64 written = file_->write(data, size);
    if (written != size) {
        const QString reason =
            written < 0 ? file_->errorString() : messages::ShortWrite(written, size);
        throw std::runtime_error(reason.toStdString());
    }
}

} // namespace quenra::img2pdf
