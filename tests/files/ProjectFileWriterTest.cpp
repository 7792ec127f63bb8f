#include "files/ProjectFileWriter.h"
#include "files/ProjectFileReader.h"
#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace quenra {
namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ProjectFileWriter, ValuesAreWrittenAsTheOriginalPlatformWroteThem) {
    ProjectData p;
    p.SupplyTestColor[1] = MakeColour(255, 0, 0);
    p.SupplyTestColor[2] = 0xFF00000Fu; // a system colour: the high byte set
    p.SupplyShowCurve[1] = true;
    p.SupplyShowCurve[2] = false;
    p.SupplyTypeText = QStringLiteral("  Tank ");
    const QByteArray bytes = SerializeProject(p);
    EXPECT_TRUE(bytes.startsWith("///////////  Version ///////////////\r\n6\r\n"
                                 "///////////  Supply Data ///////////////\r\n"
                                 "  Tank \r\n255\r\n-16777201\r\n1\r\n0\r\n"));
    EXPECT_TRUE(bytes.endsWith("///////////  End Comment Data ///////////////\r\n"));
    EXPECT_FALSE(bytes.contains("\n\n")) << "every line ends in CR LF";
    EXPECT_EQ(bytes.count("\r\n"), bytes.count("\n"));

    test::ScriptedPrompter prompter;
    ProjectData read;
    ReadProjectBytes(read, bytes, prompter);
    EXPECT_EQ(read.SupplyTestColor[2], 0xFF00000Fu);
}

TEST(ProjectFileWriter, SavingTellsTheInspectorExceptForTheRecoveryCopy) {
    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    const QString path = dir.filePath(QStringLiteral("Plant.QRX"));
    EXPECT_TRUE(WriteProjectFile(ProjectData(), path, prompter).Saved);
    EXPECT_TRUE(
        WriteProjectFile(ProjectData(), dir.filePath(QStringLiteral("recover.bak")), prompter)
            .Saved);
    EXPECT_EQ(prompter.Messages, QStringList{QStringLiteral("Saving ") + path});
    EXPECT_EQ(FileBytes(path), SerializeProject(ProjectData()));
}

TEST(ProjectFileWriter, AFailedSaveLeavesThePreviousFileIntactAndSaysSo) {
    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    const QString path = dir.filePath(QStringLiteral("Plant.qrx"));
    ProjectData first;
    first.ClientName = QStringLiteral("First save");
    ASSERT_TRUE(WriteProjectFileQuietly(first, path, prompter).Saved);
    const QByteArray before = FileBytes(path);

    // The disk fills up in the middle of the save: files may grow to 1000 bytes only.
    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ProjectData second;
    second.ClientName = QStringLiteral("Second save");
    const bool written = WriteProjectFileQuietly(second, path, prompter).Saved;
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    ASSERT_EQ(prompter.Messages.size(), 1);
    EXPECT_TRUE(prompter.Messages[0].startsWith(QStringLiteral("File [") + path +
                                                QStringLiteral("] could not be saved: ")));
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Plant.qrx")})
        << "no temporary file is left behind";

    // A target in a folder that does not exist fails the same way, as does a folder name.
    prompter.Messages.clear();
    EXPECT_FALSE(
        WriteProjectFileQuietly(first, dir.filePath(QStringLiteral("no/such/x.qrx")), prompter)
            .Saved);
    EXPECT_FALSE(WriteProjectFileQuietly(first, dir.path(), prompter).Saved);
    EXPECT_EQ(prompter.Messages.size(), 2);
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

} // namespace
} // namespace quenra
