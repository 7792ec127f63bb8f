#include "ConversionLog.h"

#include "ConverterMessages.h"

#include <cstdio>

namespace quenra::img2pdf {

bool ConversionLog::Open(const QString& path, QString* error) {
    if (path.isEmpty()) {
        return true;
    }
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text |
                    QIODevice::Unbuffered)) {
        *error = messages::CannotWriteLog(path, file_.errorString());
        return false;
    }
    return true;
}

void ConversionLog::Line(const QString& text) {
    if (file_.isOpen()) {
        file_.write((text + u'\n').toUtf8());
    }
}

void ConversionLog::Error(const QString& message) {
    const QString line = messages::ErrorLine(message);
    Line(line);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

} // namespace quenra::img2pdf
