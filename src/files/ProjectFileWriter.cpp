#include "ProjectFileWriter.h"

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

// Collects the lines of a file in order.
class LineWriter {
public:
    void Line(const QString& text) {
        out_ += text;
        out_ += kLineEnd;
    }

    // A one-line value is written as it is. A line break inside it would shift every later
    // line of the file, so it is written as a blank instead.
    void Text(const QString& value) {
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
    // ends with a line break gets no extra empty line at every save.
    void CommentPage(const QString& page) {
        for (const QString& line : CommentLines(page)) {
            Line(line);
        }
    }

    const QString& Text() const { return out_; }

private:
    QString out_;
};

} // namespace

QByteArray SerializeProject(const ProjectData& p) {
    using namespace project_file;
    LineWriter io;

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

bool WriteProjectFileQuietly(const ProjectData& project, const QString& path, Prompter& prompter) {
    QString error;
    if (!SaveFileBytes(path, SerializeProject(project), &error)) {
        prompter.Inform(file_messages::FileNotSaved(path, error));
        return false;
    }
    return true;
}

bool WriteProjectFile(const ProjectData& project, const QString& path, Prompter& prompter) {
    if (QFileInfo(path).fileName().compare(kRecoveryCopyName, Qt::CaseInsensitive) != 0) {
        prompter.Inform(file_messages::Saving(path));
    }
    return WriteProjectFileQuietly(project, path, prompter);
}

} // namespace quenra
