#include "ImportFile.h"

#include "FileAccess.h"
#include "FileMessages.h"
#include "ProjectFileReader.h"
#include "Windows1252.h"
#include "model/ProjectData.h"
#include "platform/Prompter.h"

#include <utility>

namespace quenra {

namespace {

// Far above any real legacy or client-information file, small enough to read whole.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

} // namespace

bool ImportFile(ProjectData& project, const QString& path, Prompter& prompter,
                ImportResult (*importText)(ProjectData&, const QString&)) {
    if (const std::optional<QString> unreachable = UnreachableFileMessage(path)) {
        prompter.Inform(*unreachable);
        return false;
    }
    QByteArray bytes;
    if (!ReadWholeFile(path, bytes, kMaxFileBytes)) {
        prompter.Inform(file_messages::FileUnreadable(path));
        return false;
    }
    // The import fills a copy, so that a file of anything else replaces nothing.
    ProjectData imported = project;
    const ImportResult result = importText(imported, DecodeWindows1252(bytes));
    if (!result.DataFound) {
        prompter.Inform(file_messages::NoQuenraData(path));
        return false;
    }
    for (const QString& message : result.CutMessages) {
        prompter.Inform(message);
    }
    project = std::move(imported);
    return true;
}

} // namespace quenra
