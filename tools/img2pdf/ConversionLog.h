#pragma once

#include <QFile>
#include <QString>

namespace quenra::img2pdf {

// The log the program reads while it waits: one line per step, written through at once so
// that a reader polling the file sees every line as soon as it exists. Errors also go to
// stderr, for a converter run by hand or without a log.
class ConversionLog {
public:
    // Creates or empties the log at path; an empty path keeps no log. On failure returns false
    // with the reason in error.
    bool Open(const QString& path, QString* error);

    void Line(const QString& text);
    void Error(const QString& message);

private:
    QFile file_;
};

} // namespace quenra::img2pdf
