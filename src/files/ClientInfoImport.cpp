#include "ClientInfoImport.h"

#include "FileMessages.h"
#include "ImportFile.h"
#include "ProjectFileReader.h"
#include "Windows1252.h"
#include "model/CommentText.h"
#include "model/ProjectData.h"
#include "model/TextLimits.h"
#include "platform/Prompter.h"

namespace quenra {

namespace {

// A longer value is cut to this many characters.
constexpr qsizetype kMaxValueLength = 999;

// How a cut of the page is told.
const QString kCommentPageName = QStringLiteral("Comment page 1");

constexpr QChar kKeyEnd = u'=';
const QString kLineEnd = QStringLiteral("\r\n");

struct ClientField {
    const char* key;
    QString ProjectData::*field;
};

constexpr ClientField kClientFields[] = {
    {"ClientCompany", &ProjectData::ClientName},
    {"ClientAdd1", &ProjectData::SiteLocation},
    {"ClientAdd2", &ProjectData::CityStateZip},
    {"SurveyDate", &ProjectData::VisitDate},
};

// Each of these keys adds one line to comment page 1, in the order of the file.
constexpr const char* kCommentKeys[] = {"Comment1", "Comment2", "Comment3", "Comment4", "Comment5"};

bool IsCommentKey(const QString& key) {
    for (const char* commentKey : kCommentKeys) {
        if (key == QLatin1String(commentKey)) {
            return true;
        }
    }
    return false;
}

// Sets the client field that `key` names; false when it names none.
bool SetClientField(ProjectData& project, const QString& key, const QString& value) {
    for (const ClientField& client : kClientFields) {
        if (key == QLatin1String(client.key)) {
            project.*client.field = value;
            return true;
        }
    }
    return false;
}

// Applies one line. Section lines ("[name]") only group the keys: a key means the same in any
// section, and a section line, which begins with "[", never names a key.
void ApplyLine(ProjectData& project, const QString& line, QString& comments, ImportResult& result) {
    const qsizetype keyEnd = line.indexOf(kKeyEnd);
    if (keyEnd < 0) {
        return;
    }
    const QString key = line.left(keyEnd);
    const QString value = line.mid(keyEnd + 1, kMaxValueLength);
    if (SetClientField(project, key, value)) {
        result.DataFound = true;
        return;
    }
    if (IsCommentKey(key)) {
        result.DataFound = true;
        // Lines past the page's bound are left out; the page is cut once read.
        if (comments.size() <= text_limits::kMaxCommentPageLength) {
            comments += value + kLineEnd;
        }
    }
}

} // namespace

ImportResult ImportClientInfoText(ProjectData& project, const QString& text) {
    // Comment page 1 starts empty, whatever the new project held.
    QString comments;
    ImportResult result;
    for (const QString& line : SplitFileLines(text)) {
        ApplyLine(project, line, comments, result);
    }
    if (comments.size() > text_limits::kMaxCommentPageLength) {
        comments = CutCommentPage(comments, text_limits::kMaxCommentPageLength);
        result.CutMessages << file_messages::TextCut(kCommentPageName,
                                                     text_limits::kMaxCommentPageLength);
    }
    project.Comments[1] = comments;
    return result;
}

bool ImportClientInfoFile(ProjectData& project, const QString& path, Prompter& prompter) {
    return ImportFile(project, path, prompter, ImportClientInfoText);
}

} // namespace quenra
