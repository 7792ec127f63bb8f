// Every kind of file an inspector brings, opened as a freshly started program opens the file
// named on its command line and saved at once: the save must be the committed expected file,
// byte for byte. A reader or writer change that moves, drops or alters one line shows here.
#include "files/ClientInfoImport.h"
#include "files/FileKind.h"
#include "files/HeadlessProjectView.h"
#include "files/OpenProject.h"
#include "files/ProjectFileWriter.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "support/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace quenra {
namespace {

QString DataFile(const QString& name) {
    return QStringLiteral(QUENRA_TEST_DATA_DIR "/") + name;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The fixture's expected save lies beside it: "plant-v1.qrx" -> "plant-v1.expected.qrx".
QString ExpectedSaveOf(const QString& fixture) {
    return fixture.left(fixture.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".expected.qrx");
}

class FixtureSave : public ::testing::TestWithParam<const char*> {};

TEST_P(FixtureSave, SavesTheExpectedFile) {
    const QString fixture = QString::fromLatin1(GetParam());
    const QString path = DataFile(fixture);
    ProjectData project;
    HeadlessProjectView view(project);
    test::ScriptedPrompter prompter;

    ResetToDefaults(project);
    if (FileKindOf(path) == FileKind::ClientInfo) {
        ASSERT_TRUE(ImportClientInfoFile(project, path, prompter));
    } else {
        ASSERT_EQ(OpenProject(project, path, prompter, view), ReadOutcome::Complete);
    }
    view.Refresh();
    EXPECT_TRUE(prompter.Messages.isEmpty()) << prompter.Messages.join('\n').toStdString();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString saved = dir.filePath(QStringLiteral("saved.qrx"));
    ASSERT_TRUE(WriteProjectFileQuietly(project, saved, prompter).Saved);

    const QByteArray expected = Contents(DataFile(ExpectedSaveOf(fixture)));
    const QByteArray written = Contents(saved);
    ASSERT_FALSE(expected.isEmpty());
    if (written != expected) {
        const QList<QByteArray> want = expected.split('\n');
        const QList<QByteArray> got = written.split('\n');
        qsizetype line = 0;
        while (line < want.size() && line < got.size() && want[line] == got[line]) {
            ++line;
        }
        ADD_FAILURE() << "first difference on line " << line + 1 << ": expected \""
                      << (line < want.size() ? want[line].trimmed().toStdString() : "<end>")
                      << "\", saved \""
                      << (line < got.size() ? got[line].trimmed().toStdString() : "<end>") << "\"";
    }
}

// Project files of every layout version, written as the installations of their time wrote
// them, the legacy ".ned" import and the client-information ".ini".
INSTANTIATE_TEST_SUITE_P(EveryVersionAndImport, FixtureSave,
                         ::testing::Values("plant-v0.qrx", "plant-v1.qrx", "plant-v2.qrx",
                                           "hydrant-v3.qrx", "hydrant-v4.qrx", "plant-v5.qrx",
                                           "hydrant-v6.qrx", "legacy.ned", "client.ini"),
                         [](const ::testing::TestParamInfo<const char*>& testCase) {
                             std::string name = testCase.param;
                             for (char& c : name) {
                                 if (c == '-' || c == '.') {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

} // namespace
} // namespace quenra
