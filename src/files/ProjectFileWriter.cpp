#include "ProjectFileWriter.h"

#include "FieldLabels.h"
#include "FileMessages.h"
#include "ProjectFileLayout.h"
#include "Windows1252.h"
#include "model/CommentText.h"
#include "platform/Prompter.h"

#include <QFileInfo>
#include <QSaveFile>

namespace quenra {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kRecoveryCopyName = QStringLiteral("recover.bak");
const QString kShortWrite =
    QStringLiteral("only part of the file could be written (is the disk full?)");

// Collects the lines of a file in order, and notes the fields of the record whose characters
// the code page cannot hold.
class LineWriter {
public:
    explicit LineWriter(const ProjectData& project) : project_(project) {}

    void Line(const QString& text) {
        out_ += text;
        out_ += kLineEnd;
    }

    // A one-line value is written as it is. A line break inside it would shift every later
    // line of the file, so it is written as a blank instead.
    void Text(const QString& value) {
        NoteUnstorable(value);
        if (value.contains(QLatin1Char('\n'))) {
            QString flattened = value;
            flattened.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            flattened.replace(QLatin1Char('\n'), QLatin1Char(' '));
            Line(flattened);
        } else {
            Line(value);
        }
    }
    void Bool(bool value) { Line(value ? QStringLiteral("1") : QStringLiteral("0")); }
    void Int(int value) { Line(QString::number(value)); }
    void IntOr(int value, int) { Int(value); }
    // Colours are written as the signed integers the original platform used, so a system
    // colour with the high byte set reads back unchanged.
    void Colour(quenra::Colour value) { Line(QString::number(static_cast<qint32>(value))); }

    // A comment page is written as its lines, each ended by CR LF, so a page that already
    // ends with a line break gets no extra empty line at every save. An empty page is one
    // empty line, so that every value of the file is at least one line.
    void CommentPage(const QString& page) {
        NoteUnstorable(page);
        const QStringList lines = CommentLines(page);
        if (lines.isEmpty()) {
            Line(QString());
        }
        for (const QString& line : lines) {
            Line(line);
        }
    }

    const QString& Text() const { return out_; }
    const QList<UnstorableField>& Unstorable() const { return unstorable_; }

private:
    void NoteUnstorable(const QString& field) {
        const int characters = UnstorableCharacters(field);
        if (characters == 0) {
            return;
        }
        // The cells of a table share one name: count them together.
        const QString label = FieldLabel(project_, &field);
        for (UnstorableField& known : unstorable_) {
            if (known.Field == label) {
                known.Characters += characters;
                return;
            }
        }
        unstorable_.append({label, characters});
    }

    const ProjectData& project_;
    QString out_;
    QList<UnstorableField> unstorable_;
};

} // namespace

QByteArray SerializeProject(const ProjectData& p, QList<UnstorableField>* unstorable) {
    using namespace project_file;
    LineWriter io(p);

    io.Line(kVersionBanner);
    io.Line(QString::number(kNewestVersion));
    io.Line(kSupplyBanner);
    SupplySection(io, p, kNewestVersion, [] {});
    io.Line(kGeneralBanner);
    GeneralSection(io, p);
    io.Line(kCommentBanner);
    io.CommentPage(p.Comments[1]);
    io.Line(kPumpBanner);
    PumpSection(io, p, kNewestVersion);
    io.Line(kSetupBanner);
    SetupSection(io, p);
    CommentSwitches(io, p);
    for (int page = 2; page <= kTestCount; ++page) {
        io.Line(NumberedCommentBanner(page));
        io.CommentPage(p.Comments[page]);
    }
    io.Line(kEndCommentBanner);
    io.Bool(p.HideVoltsAmps);
    Version5Tail(io, p);
    for (int page = 1; page <= kTestCount; ++page) {
        io.Line(NumberedCommentBanner(page));
        io.CommentPage(p.HydrantComments[page]);
    }
    io.Line(kEndCommentBanner);
    if (unstorable) {
        *unstorable = io.Unstorable();
    }
    return EncodeWindows1252(io.Text());
}

bool SaveFileBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    // Unbuffered, so that a disk that fills up during the write shows as a short write here:
    // through the buffer a short write is only seen at commit, which then still replaces the
    // previous file with the truncated one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error) {
            *error = file.error() == QFileDevice::NoError ? kShortWrite : file.errorString();
        }
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

SaveResult WriteProjectFileQuietly(const ProjectData& project, const QString& path,
                                   Prompter& prompter) {
    SaveResult result;
    const QByteArray bytes = SerializeProject(project, &result.Unstorable);
    QString error;
    result.Saved = SaveFileBytes(path, bytes, &error);
    if (!result.Saved) {
        prompter.Inform(file_messages::FileNotSaved(path, error));
    }
    return result;
}

SaveResult WriteProjectFile(const ProjectData& project, const QString& path, Prompter& prompter) {
    if (QFileInfo(path).fileName().compare(kRecoveryCopyName, Qt::CaseInsensitive) != 0) {
        prompter.Inform(file_messages::Saving(path));
    }
    return WriteProjectFileQuietly(project, path, prompter);
}

void TellUnstorableCharacters(const SaveResult& result, Prompter& prompter) {
    if (!result.Saved || result.Unstorable.isEmpty()) {
        return;
    }
    QStringList lines;
    for (const UnstorableField& field : result.Unstorable) {
        lines.append(file_messages::UnstorableCharacters(field.Field, field.Characters));
    }
    prompter.Inform(lines.join(QLatin1Char('\n')));
}

} // namespace quenra
