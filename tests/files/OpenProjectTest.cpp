#include "files/OpenProject.h"
#include "files/ProjectFileWriter.h"
#include "files/ProjectView.h"
#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

// Keeps the order in which opening a project drives the view.
class RecordingView : public ProjectView {
public:
    void BeginLoading(const QString& path) override { Calls << QStringLiteral("begin ") + path; }
    void EndLoading() override { Calls << QStringLiteral("end"); }
    void SelectMainTab(int index) override { Calls << QStringLiteral("tab %1").arg(index); }
    void Refresh() override { Calls << QStringLiteral("refresh"); }
    QStringList Calls;
};

QStringList SweepFromLastPumpTestPage() {
    QStringList calls;
    for (int tab = 7; tab >= 0; --tab) {
        calls << QStringLiteral("tab %1").arg(tab) << QStringLiteral("refresh");
    }
    return calls;
}

class OpenProjectTest : public ::testing::Test {
protected:
    QString Save(const ProjectData& p, const QString& name) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(SaveFileBytes(path, SerializeProject(p)));
        return path;
    }

    QTemporaryDir dir_;
    test::ScriptedPrompter prompter_;
    RecordingView view_;
};

TEST_F(OpenProjectTest, AFirePumpTestIsShownThenEveryPageIsRefreshedDownToTheFirst) {
    ProjectData source;
    source.ClientName = QStringLiteral("Riverside");
    const QString path = Save(source, QStringLiteral("Plant.qrx"));

    ProjectData p;
    p.RatedFlow = QStringLiteral("left over from the last project");
    EXPECT_EQ(OpenProject(p, path, prompter_, view_), ReadOutcome::Complete);
    EXPECT_EQ(p.ClientName, QStringLiteral("Riverside"));
    EXPECT_EQ(p.RatedFlow, QString()) << "the record is reset before reading";
    EXPECT_EQ(p.ProjectFileName, path);

    QStringList expected{QStringLiteral("begin ") + path, QStringLiteral("tab 0"),
                         QStringLiteral("refresh")};
    expected << SweepFromLastPumpTestPage() << QStringLiteral("end");
    EXPECT_EQ(view_.Calls, expected);
}

TEST_F(OpenProjectTest, AHydrantTestIsShownOnce) {
    ProjectData source;
    source.IsHydrantTest = true;
    const QString path = Save(source, QStringLiteral("Hydrant.qrx"));
    ProjectData p;
    EXPECT_EQ(OpenProject(p, path, prompter_, view_), ReadOutcome::Complete);
    EXPECT_EQ(view_.Calls, (QStringList{QStringLiteral("begin ") + path, QStringLiteral("tab 0"),
                                        QStringLiteral("refresh"), QStringLiteral("end")}));
}

TEST_F(OpenProjectTest, AFileThatStopsEarlyIsStillSweptButNotShownFirst) {
    QByteArray bytes = SerializeProject(ProjectData());
    bytes.truncate(bytes.indexOf("///////////  Pump Data"));
    const QString path = dir_.filePath(QStringLiteral("cut.qrx"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    ProjectData p;
    EXPECT_EQ(OpenProject(p, path, prompter_, view_), ReadOutcome::Stopped);
    EXPECT_EQ(prompter_.Messages, QStringList{QStringLiteral("Pump Data not found")});
    QStringList expected{QStringLiteral("begin ") + path};
    expected << SweepFromLastPumpTestPage() << QStringLiteral("end");
    EXPECT_EQ(view_.Calls, expected);
}

TEST_F(OpenProjectTest, AMissingFileLeavesEverythingAsItWas) {
    ProjectData p;
    p.ClientName = QStringLiteral("unsaved work");
    p.ProjectFileName = QStringLiteral("/surveys/Current.qrx");
    const QString path = dir_.filePath(QStringLiteral("nowhere.qrx"));
    EXPECT_EQ(OpenProject(p, path, prompter_, view_), ReadOutcome::Unreadable);
    EXPECT_EQ(p.ClientName, QStringLiteral("unsaved work"));
    EXPECT_EQ(p.ProjectFileName, QStringLiteral("/surveys/Current.qrx"));
    EXPECT_TRUE(view_.Calls.isEmpty());
    EXPECT_EQ(prompter_.Messages,
              QStringList{QStringLiteral("File [") + path + QStringLiteral("] not found")});
}

TEST_F(OpenProjectTest, TheLegacyImportIsChosenByTheExtensionInAnyCase) {
    const QString path = dir_.filePath(QStringLiteral("OLD.Ned"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"Form\",\"ExtraDataInfo\",\"\",0\r\n\"Text\",\"Text1\",\"Old Mill\",0\r\n");
    file.close();

    ProjectData p;
    EXPECT_EQ(OpenProject(p, path, prompter_, view_), ReadOutcome::Complete);
    EXPECT_EQ(p.ClientName, QStringLiteral("Old Mill"));
    EXPECT_EQ(p.ProjectFileName, path);
    EXPECT_EQ(view_.Calls.mid(1, 2),
              (QStringList{QStringLiteral("tab 0"), QStringLiteral("refresh")}));
    EXPECT_TRUE(prompter_.Messages.isEmpty());
}

} // namespace
} // namespace quenra
