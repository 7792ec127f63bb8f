#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quenra {

struct ProjectData;
class Prompter;

// A field of the record with characters that Windows-1252 cannot hold, which the file holds
// as "?".
struct UnstorableField {
    QString Field;      // the name the inspector knows the field by
    int Characters = 0; // how many of its characters were replaced

    friend bool operator==(const UnstorableField&, const UnstorableField&) = default;
};

// What a save did: whether the file was written, and which fields lost characters on the way
// (in file order, one entry per field).
struct SaveResult {
    bool Saved = false;
    QList<UnstorableField> Unstorable;
};

// The project as the bytes of a newest-layout project file (Windows-1252, CR LF). When
// `unstorable` is given it receives the fields whose characters were replaced by "?".
QByteArray SerializeProject(const ProjectData& project,
                            QList<UnstorableField>* unstorable = nullptr);

// Writes the bytes to path through a temporary file beside it that replaces the target only
// after a complete write, so a failed save never destroys the previous file. On failure
// returns false and, when `error` is given, the reason.
bool SaveFileBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Saves the project to path. Tells the inspector "Saving " + path first unless path is the
// recovery copy, and reports a failed write with the path in square brackets.
SaveResult WriteProjectFile(const ProjectData& project, const QString& path, Prompter& prompter);

// Saves without the "Saving " message (the batch command line and the recovery copy); a
// failure is still reported.
SaveResult WriteProjectFileQuietly(const ProjectData& project, const QString& path,
                                   Prompter& prompter);

// After a save that replaced characters, tells the inspector once which fields lost how many;
// says nothing otherwise.
void TellUnstorableCharacters(const SaveResult& result, Prompter& prompter);

} // namespace quenra
