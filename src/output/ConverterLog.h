#pragma once

#include <QString>

#include <optional>

namespace quenra {

// What the converter's log says so far. The converter writes each line through at once. Its
// last line starts with "TickCount" once the PDF is complete and in place, and then says how
// many pages it added and how many the file holds, read back from the file; a failed run ends
// with a line that starts with "Failed". Paths the log quotes (the output, the images) may hold
// any word, so only the start of the last line counts.
struct ConverterLogState {
    bool Exists = false;
    bool Completed = false;
    bool Failed = false;
    QString Reason;                // a failed run's error lines, else its Failed line
    std::optional<int> AddedPages; // from the completion line
};

// Reads the log as it stands. A log that cannot be opened counts as not there yet.
ConverterLogState ReadConverterLog(const QString& path);

} // namespace quenra
