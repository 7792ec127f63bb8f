#pragma once

#include <QString>

namespace quenra {

// What the converter's log says so far. The converter writes each line through at once; a
// line with "TickCount" appears only once the PDF is complete and in place, and a failed run
// ends with a line that starts with "Failed".
struct ConverterLogState {
    bool Exists = false;
    bool Completed = false;
    bool Failed = false;
    QString Reason; // a failed run's error lines, else its Failed line
};

// Reads the log as it stands. A log that cannot be opened counts as not there yet.
ConverterLogState ReadConverterLog(const QString& path);

} // namespace quenra
