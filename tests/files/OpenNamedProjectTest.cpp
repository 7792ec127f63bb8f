// A file named on the command line, chosen, dropped or picked from the recent list: what its
// extension makes of it, what the record holds afterwards and what the inspector is told.
#include "files/OpenNamedProject.h"
#include "files/ProjectView.h"
#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace quenra {
namespace {

class RecordingView : public ProjectView {
public:
    void BeginLoading(const QString&) override { Calls << QStringLiteral("begin"); }
    void EndLoading() override { Calls << QStringLiteral("end"); }
    void SelectMainTab(int) override { Calls << QStringLiteral("tab"); }
    void Refresh() override { Calls << QStringLiteral("refresh"); }
    void NewProjectStarted() override { Calls << QStringLiteral("new"); }
    QStringList Calls;
};

constexpr const char* kKept = "/work/Riverside.qrx";
constexpr const char* kOpenedPath = "(the path opened)";

struct NamedFile {
    const char* Label;
    const char* Fixture; // in tests/data, copied under Name; null: nothing there; "": a folder
    const char* Name;
    FileKind Kind;
    ReadOutcome Outcome;
    const char* ClientName;      // afterwards
    const char* RatedFlow;       // afterwards: "1500" while the work in progress is kept
    const char* ProjectFileName; // afterwards: kKept, kOpenedPath or "untitled"
    const char* Message;         // what the inspector is told, %1 the path; "" nothing
    const char* FirstViewCall;
};

void PrintTo(const NamedFile& file, std::ostream* os) {
    *os << file.Label;
}

class OpenNamedProjectTest : public ::testing::TestWithParam<NamedFile> {
protected:
    QString Place(const NamedFile& file) {
        const QString path = QDir(dir_.path()).filePath(QLatin1String(file.Name));
        if (file.Fixture && *file.Fixture) {
            EXPECT_TRUE(QFile::copy(
                QStringLiteral(QUENRA_TEST_DATA_DIR "/") + QLatin1String(file.Fixture), path));
        } else if (file.Fixture) {
            EXPECT_TRUE(QDir().mkdir(path));
        }
        return path;
    }

    // A project the inspector is working on, which only a file that can be read replaces.
    static ProjectData WorkInProgress() {
        ProjectData p;
        p.ProjectFileName = QLatin1String(kKept);
        p.ClientName = QStringLiteral("Riverside Mill");
        p.RatedFlow = QStringLiteral("1500");
        return p;
    }

    QTemporaryDir dir_;
    test::ScriptedPrompter prompter_;
    RecordingView view_;
};

TEST_P(OpenNamedProjectTest, TheExtensionDecidesAndTheScreenIsRefreshedOnceAtTheEnd) {
    const NamedFile& file = GetParam();
    const QString path = Place(file);
    ProjectData project = WorkInProgress();

    const OpenedFile opened = OpenNamedProject(project, path, prompter_, view_);

    EXPECT_EQ(opened.Kind, file.Kind);
    EXPECT_EQ(opened.Outcome, file.Outcome);
    EXPECT_EQ(project.ClientName, QLatin1String(file.ClientName));
    EXPECT_EQ(project.RatedFlow, QLatin1String(file.RatedFlow));
    const QLatin1String fileName(file.ProjectFileName);
    EXPECT_EQ(project.ProjectFileName, fileName == QLatin1String(kOpenedPath) ? path : fileName);
    const QStringList told =
        *file.Message ? QStringList{QString(QLatin1String(file.Message)).arg(path)} : QStringList();
    EXPECT_EQ(prompter_.Messages, told);
    ASSERT_FALSE(view_.Calls.isEmpty());
    EXPECT_EQ(view_.Calls.first(), QLatin1String(file.FirstViewCall));
    EXPECT_EQ(view_.Calls.last(), QStringLiteral("refresh"));
    const bool started = file.Kind == FileKind::ClientInfo && file.Outcome == ReadOutcome::Complete;
    EXPECT_EQ(view_.Calls.count(QStringLiteral("new")), started ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, OpenNamedProjectTest,
    ::testing::Values(
        NamedFile{"Project", "plant-v5.qrx", "Plant.qrx", FileKind::Project, ReadOutcome::Complete,
                  "Riverside Paper Mill", "1000", kOpenedPath, "", "begin"},
        NamedFile{"LegacyProject", "legacy.ned", "OLD.NED", FileKind::LegacyProject,
                  ReadOutcome::Complete, "Harbour Mills", "1000", kOpenedPath, "", "begin"},
        // Client information starts a new fire pump test, whatever the case of its extension.
        NamedFile{"ClientInfo", "client.ini", "Owner.INI", FileKind::ClientInfo,
                  ReadOutcome::Complete, "Harbour Mills", "", "untitled", "", "new"},
        NamedFile{"Missing", nullptr, "nowhere.qrx", FileKind::Project, ReadOutcome::Unreadable,
                  "Riverside Mill", "1500", kKept, "File [%1] not found", "refresh"},
        NamedFile{"Folder", "", "Survey.qrx", FileKind::Project, ReadOutcome::Unreadable,
                  "Riverside Mill", "1500", kKept, "[%1] is not a file", "refresh"},
        NamedFile{"NotQuenraAsLegacy", "not-quenra.txt", "notes.ned", FileKind::LegacyProject,
                  ReadOutcome::Unreadable, "Riverside Mill", "1500", kKept,
                  "No Quenra data found in [%1]", "refresh"},
        // Client information that brings nothing in replaces nothing, like any file that
        // cannot be read.
        NamedFile{"NotQuenraAsClientInfo", "not-quenra.txt", "notes.ini", FileKind::ClientInfo,
                  ReadOutcome::Unreadable, "Riverside Mill", "1500", kKept,
                  "No Quenra data found in [%1]", "refresh"}),
    [](const ::testing::TestParamInfo<NamedFile>& testCase) { return testCase.param.Label; });

} // namespace
} // namespace quenra
