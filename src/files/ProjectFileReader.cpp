#include "ProjectFileReader.h"

#include "FileAccess.h"
#include "FileMessages.h"
#include "ProjectFileLayout.h"
#include "Windows1252.h"
#include "hydraulics/NumberText.h"
#include "platform/Prompter.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace quenra {

namespace {

using namespace project_file;

// Hands out the lines of a file one at a time. Past the end every line reads as empty text,
// so a file cut short fills the rest of a section with empty values.
class LineReader {
public:
    explicit LineReader(QStringList lines) : lines_(std::move(lines)) {}

    bool AtEnd() const { return next_ >= lines_.size(); }
    QString Next() { return AtEnd() ? QString() : lines_.at(next_++); }

    // Skips lines up to and including the first that contains the key word.
    bool SkipPast(const QString& key) {
        while (!AtEnd()) {
            if (Next().contains(key)) {
                return true;
            }
        }
        return false;
    }

    // Collects a comment page: the lines up to the banner that ends it (which is consumed),
    // each ended by CR LF, the way the comment box keeps its text. The page ends at the next
    // banner-shaped line with the key word, so that a comment that mentions the word stays in
    // its page; files whose banners are worded otherwise end it at any line with the word.
    // A page that is one empty line is the empty page.
    bool CollectPage(const QString& key, QString& page) {
        page.clear();
        const qsizetype banner = NextBannerWith(key);
        while (!AtEnd()) {
            const bool isEnd = banner >= 0 ? next_ == banner : lines_.at(next_).contains(key);
            const QString line = Next();
            if (isEnd) {
                if (page == QStringLiteral("\r\n")) {
                    page.clear();
                }
                return true;
            }
            page += line;
            page += QStringLiteral("\r\n");
        }
        return false;
    }

    void Text(QString& value) { value = Next(); }
    void Bool(bool& value) { value = TrimBlanks(Next()) == QStringLiteral("1"); }
    void Int(int& value) { value = ParseIntegerOr(Next(), 0); }
    void IntOr(int& value, int fallback) { value = ParseIntegerOr(Next(), fallback); }
    void Colour(quenra::Colour& value) {
        value = static_cast<quenra::Colour>(ParseIntegerOr(Next(), 0));
    }

private:
    // The index of the next line whose text, blanks trimmed, stands between slashes and holds
    // the key word; -1 when none follows. The file is searched once per key word.
    qsizetype NextBannerWith(const QString& key) {
        auto banners = bannersByKey_.find(key);
        if (banners == bannersByKey_.end()) {
            QList<qsizetype> found;
            for (qsizetype i = 0; i < lines_.size(); ++i) {
                if (!lines_.at(i).contains(key)) {
                    continue;
                }
                const QString trimmed = TrimBlanks(lines_.at(i));
                if (trimmed.startsWith(QLatin1Char('/')) && trimmed.endsWith(QLatin1Char('/'))) {
                    found.append(i);
                }
            }
            banners = bannersByKey_.insert(key, found);
        }
        const auto next = std::lower_bound(banners->cbegin(), banners->cend(), next_);
        return next == banners->cend() ? -1 : *next;
    }

    QStringList lines_;
    qsizetype next_ = 0;
    QHash<QString, QList<qsizetype>> bannersByKey_;
};

// Reads the numbered comment pages first..5 that follow the next numbered banner.
bool ReadCommentPages(LineReader& in, PerTest<QString>& pages, int first, Prompter& prompter) {
    if (!in.SkipPast(kCommentKey)) {
        prompter.Inform(file_messages::CommentPageNotFound(first));
        return false;
    }
    for (int page = first; page <= kTestCount; ++page) {
        if (!in.CollectPage(kCommentKey, pages[page])) {
            prompter.Inform(file_messages::kEndOfCommentsNotFound);
            return false;
        }
    }
    return true;
}

bool FindSection(LineReader& in, const QString& key, Prompter& prompter) {
    if (in.SkipPast(key)) {
        return true;
    }
    prompter.Inform(file_messages::SectionNotFound(key));
    return false;
}

ReadOutcome ReadSections(ProjectData& p, LineReader& in, Prompter& prompter) {
    if (!in.SkipPast(kVersionKey)) {
        prompter.Inform(file_messages::kVersionNotFound);
        return ReadOutcome::Stopped;
    }
    int version = ParseIntegerOr(in.Next(), 0);
    if (version > kNewestVersion) {
        prompter.Inform(file_messages::kNewerVersion);
        version = kNewestVersion;
    }

    if (!FindSection(in, kSupplyKey, prompter)) {
        return ReadOutcome::Stopped;
    }
    SupplySection(in, p, version, [] {});

    if (!FindSection(in, kGeneralKey, prompter)) {
        return ReadOutcome::Stopped;
    }
    GeneralSection(in, p);

    if (!FindSection(in, kCommentKey, prompter)) {
        return ReadOutcome::Stopped;
    }
    if (!in.CollectPage(kPumpKey, p.Comments[1])) {
        prompter.Inform(file_messages::SectionNotFound(kPumpKey));
        return ReadOutcome::Stopped;
    }
    PumpSection(in, p, version);

    if (!FindSection(in, kSetupKey, prompter)) {
        return ReadOutcome::Stopped;
    }
    SetupSection(in, p);
    // Every report shows its alarm section; the switch stored in older files is not used.
    p.ReportAlarmsSection = true;

    if (version >= 3) {
        CommentSwitches(in, p);
        if (!ReadCommentPages(in, p.Comments, 2, prompter)) {
            return ReadOutcome::Stopped;
        }
    }
    if (version >= 4) {
        in.Bool(p.HideVoltsAmps);
    }
    if (version >= 5) {
        Version5Tail(in, p);
    }
    if (version >= 6 && !ReadCommentPages(in, p.HydrantComments, 1, prompter)) {
        return ReadOutcome::Stopped;
    }
    return ReadOutcome::Complete;
}

} // namespace

bool ReadWholeFile(const QString& path, QByteArray& bytes, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    bytes = file.read(limit + 1);
    if (bytes.size() > limit || file.error() != QFileDevice::NoError) {
        bytes.clear();
        return false;
    }
    return true;
}

ReadOutcome ReadProjectBytes(ProjectData& project, const QByteArray& bytes, Prompter& prompter) {
    LineReader in(SplitFileLines(DecodeWindows1252(bytes)));
    return ReadSections(project, in, prompter);
}

ReadOutcome ReadProjectFile(ProjectData& project, const QString& path, Prompter& prompter) {
    if (const std::optional<QString> unreachable = UnreachableFileMessage(path)) {
        prompter.Inform(*unreachable);
        return ReadOutcome::Unreadable;
    }
    QByteArray bytes;
    if (!ReadWholeFile(path, bytes)) {
        prompter.Inform(file_messages::FileUnreadable(path));
        return ReadOutcome::Unreadable;
    }
    return ReadProjectBytes(project, bytes, prompter);
}

} // namespace quenra
