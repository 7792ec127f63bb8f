#pragma once

#include <QByteArray>
#include <QString>

namespace quenra {

struct ProjectData;
class Prompter;

// How far reading a project file got.
enum class ReadOutcome {
    Complete,   // every line the file's version has was read (a newer version is read as ours)
    Stopped,    // a section was missing; the fields read so far keep their file values
    Unreadable, // the file is missing or could not be read; the record is unchanged
};

// Reads project file contents into the record, which the caller has reset (or not, for the
// recovery copy). Files of every layout version are accepted; each problem is told to the
// prompter with the message the inspector knows.
ReadOutcome ReadProjectBytes(ProjectData& project, const QByteArray& bytes, Prompter& prompter);

// Reads the file at path; a missing file gives "File [path] not found".
ReadOutcome ReadProjectFile(ProjectData& project, const QString& path, Prompter& prompter);

// The largest project file the reader takes. With texts bounded where they enter (model/
// TextLimits.h) the largest file the writer produces is about 2.2 MB, well inside it.
constexpr qint64 kMaxProjectFileBytes = 8ll << 20;

// Reads a whole file that the program opens for reading: at most `limit` bytes, so no file can
// take unbounded memory. Returns false when it is missing, unreadable or larger.
bool ReadWholeFile(const QString& path, QByteArray& bytes, qint64 limit = kMaxProjectFileBytes);

} // namespace quenra
