// Files that are not what their name says, and names that lead nowhere: the inspector is told
// what is wrong, and the project on screen stays as it was.
#include "files/ClientInfoImport.h"
#include "files/OpenProject.h"
#include "files/ProjectView.h"
#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

namespace quenra {
namespace {

class NoView : public ProjectView {
public:
    void BeginLoading(const QString&) override { ++Calls; }
    void EndLoading() override { ++Calls; }
    void SelectMainTab(int) override { ++Calls; }
    void Refresh() override { ++Calls; }
    int Calls = 0;
};

QString DataFile(const char* name) {
    return QStringLiteral(QUENRA_TEST_DATA_DIR "/") + QLatin1String(name);
}

// A project the inspector is working on, which a failed open must leave alone.
ProjectData WorkInProgress() {
    ProjectData p;
    p.ProjectFileName = QStringLiteral("/work/Riverside.qrx");
    p.ClientName = QStringLiteral("Riverside Mill");
    p.RatedFlow = QStringLiteral("1500");
    p.Comments[1] = QStringLiteral("Valve 3 sticks.\r\n");
    return p;
}

// Opens `path` the way the window and the command line open a file named on it: a ".ini" is
// the client-information import, anything else the project open.
bool OpenAsNamed(ProjectData& project, const QString& path, Prompter& prompter, ProjectView& view) {
    if (path.endsWith(QStringLiteral(".ini"))) {
        return ImportClientInfoFile(project, path, prompter);
    }
    return OpenProject(project, path, prompter, view) != ReadOutcome::Unreadable;
}

class ForeignFile : public ::testing::TestWithParam<std::pair<const char*, const char*>> {
protected:
    QString CopyAs(const char* fixture, const char* name) {
        const QString path = QDir(dir_.path()).filePath(QLatin1String(name));
        EXPECT_TRUE(QFile::copy(DataFile(fixture), path));
        return path;
    }

    QTemporaryDir dir_;
    ProjectData project_ = WorkInProgress();
    test::ScriptedPrompter prompter_;
    NoView view_;
};

// Bytes of another kind named as a legacy project or a client-information file.
TEST_P(ForeignFile, NothingOfTheFormatIsAnOpenThatFailed) {
    const auto [fixture, name] = GetParam();
    const QString path = CopyAs(fixture, name);
    EXPECT_FALSE(OpenAsNamed(project_, path, prompter_, view_));
    EXPECT_EQ(prompter_.Messages, QStringList{"No Quenra data found in [" + path + "]"});
    EXPECT_EQ(project_.ClientName, "Riverside Mill");
    EXPECT_EQ(project_.RatedFlow, "1500");
    EXPECT_EQ(project_.Comments[1], "Valve 3 sticks.\r\n");
    EXPECT_EQ(project_.ProjectFileName, "/work/Riverside.qrx");
    EXPECT_EQ(view_.Calls, 0);
}

INSTANTIATE_TEST_SUITE_P(
    TextAndBinary, ForeignFile,
    ::testing::Values(
        std::pair{"not-quenra.txt", "notes.ned"}, std::pair{"not-quenra.bin", "image.ned"},
        std::pair{"not-quenra.txt", "notes.ini"}, std::pair{"not-quenra.bin", "image.ini"},
        // a client file named as a legacy project and the other way round
        std::pair{"client.ini", "client.ned"}, std::pair{"legacy.ned", "legacy.ini"}));

TEST(ForeignFileFixtures, TheRealFormatsStillImport) {
    test::ScriptedPrompter prompter;
    NoView view;
    ProjectData legacy = WorkInProgress();
    EXPECT_EQ(OpenProject(legacy, DataFile("legacy.ned"), prompter, view), ReadOutcome::Complete);
    EXPECT_EQ(legacy.ClientName, "Harbour Mills");
    EXPECT_EQ(legacy.RatedFlow, "1000");
    EXPECT_EQ(legacy.Comments[1],
              "Pump room heated.\r\nPacking leaks slightly.\r\nRetest in spring.\r\n");
    EXPECT_EQ(legacy.ProjectFileName, DataFile("legacy.ned"));

    ProjectData client;
    EXPECT_TRUE(ImportClientInfoFile(client, DataFile("client.ini"), prompter));
    EXPECT_EQ(client.ClientName, "Harbour Mills");
    EXPECT_EQ(client.Comments[1], "Annual test requested by the insurer.\r\n"
                                  "Contact: plant engineer, ext. 214\r\n");
    EXPECT_TRUE(prompter.Messages.isEmpty());
}

// What is not a regular file: a folder, a named pipe (which would block a reader) and a
// device.
class NotAFile : public ::testing::TestWithParam<const char*> {
protected:
    QString Make(const QString& kind) {
        if (kind == QStringLiteral("folder")) {
            return dir_.path();
        }
        if (kind == QStringLiteral("pipe")) {
            const QString path = QDir(dir_.path()).filePath(QStringLiteral("pipe.qrx"));
            EXPECT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            return path;
        }
        return QStringLiteral("/dev/zero");
    }

    QTemporaryDir dir_;
};

TEST_P(NotAFile, IsNamedSoAndLeavesTheProject) {
    const QString path = Make(QLatin1String(GetParam()));
    for (const char* reader : {"open", "ini"}) {
        SCOPED_TRACE(reader);
        ProjectData project = WorkInProgress();
        test::ScriptedPrompter prompter;
        NoView view;
        const bool opened =
            QLatin1String(reader) == QLatin1String("ini")
                ? ImportClientInfoFile(project, path, prompter)
                : OpenProject(project, path, prompter, view) != ReadOutcome::Unreadable;
        EXPECT_FALSE(opened);
        EXPECT_EQ(prompter.Messages, QStringList{"[" + path + "] is not a file"});
        EXPECT_EQ(project.ClientName, "Riverside Mill");
        EXPECT_EQ(view.Calls, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(FolderPipeDevice, NotAFile, ::testing::Values("folder", "pipe", "device"));

// A name from old media in another encoding reaches the program with stand-in characters.
TEST(UnreadableName, SaysTheLocaleIsTheCauseAndWhatHelps) {
    QTemporaryDir dir;
    const QByteArray bytes = QFile::encodeName(dir.path()) + "/caf\xe9.qrx";
    const int fd = ::open(bytes.constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const QString path = QFile::decodeName(bytes);
    ASSERT_TRUE(path.contains(QChar::ReplacementCharacter));

    ProjectData project = WorkInProgress();
    test::ScriptedPrompter prompter;
    NoView view;
    EXPECT_EQ(OpenProject(project, path, prompter, view), ReadOutcome::Unreadable);
    EXPECT_EQ(prompter.Messages,
              QStringList{"The name of file [" + path +
                          "] cannot be read in this locale's encoding.  Set LANG or LC_ALL to a "
                          "UTF-8 locale (such as C.UTF-8), or rename the file."});
    EXPECT_EQ(project.ClientName, "Riverside Mill");

    // A name that merely holds the stand-in character, and exists, opens as any other.
    prompter.Messages.clear();
    const QString real = QDir(dir.path()).filePath(QString::fromUtf8("caf\uFFFD-copy.qrx"));
    ASSERT_TRUE(QFile::copy(DataFile("plant-v5.qrx"), real));
    EXPECT_EQ(OpenProject(project, real, prompter, view), ReadOutcome::Complete);
    EXPECT_TRUE(prompter.Messages.isEmpty());
}

} // namespace
} // namespace quenra
