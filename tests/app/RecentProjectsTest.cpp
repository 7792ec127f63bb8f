// File > Recent Projects: the last eight projects opened or saved, newest first, kept in the
// user's settings; missing files greyed out; File > Open starts where the last project lies.
#include "app/RecentProjects.h"
#include "MainWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>

namespace quenra {
namespace {

QString Example(const char* name) {
    return QStringLiteral(QUENRA_EXAMPLES_DIR "/") + QLatin1String(name);
}

class RecentProjectsTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        Start();
        // Every test begins with an empty list, whatever an earlier test left.
        Forget();
    }
    void Forget() {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quenra"),
                           QStringLiteral("Quenra"));
        settings.clear();
        window_->Recent()->UpdateMenu();
    }
    // A copy of an example in a folder of its own below the test folder.
    QString Copy(const char* example, const QString& as) {
        const QString path = Path(as);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::copy(Example(example), path);
        return QFileInfo(path).canonicalFilePath();
    }
    void Open(const QString& path) {
        prompter_.FileNames << path;
        Trigger("Open1");
    }
    QMenu* Menu() { return Find<QMenu>("RecentProjects1"); }
    QList<QAction*> Entries() {
        emit Menu()->aboutToShow();
        return Menu()->actions();
    }
};

TEST_F(RecentProjectsTest, KeepsTheLastEightOpenedNewestFirstOnce) {
    QStringList opened;
    for (int i = 1; i <= 9; ++i) {
        opened << Copy("Plant.qrx", QStringLiteral("site%1/Plant.qrx").arg(i));
        Open(opened.last());
    }
    Open(opened.at(4)); // opened again: moves to the top, not listed twice

    const QList<QAction*> entries = Entries();
    ASSERT_EQ(entries.size(), RecentProjects::kLimit);
    const QStringList expected = {opened[4], opened[8], opened[7], opened[6],
                                  opened[5], opened[3], opened[2], opened[1]};
    for (int i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i]->data().toString(), expected[i]) << i;
        EXPECT_EQ(entries[i]->objectName(), QStringLiteral("RecentProject%1").arg(i + 1));
        EXPECT_TRUE(entries[i]->text().contains(QStringLiteral("Plant.qrx")));
        EXPECT_TRUE(entries[i]->isEnabled());
    }
}

TEST_F(RecentProjectsTest, SavedProjectsAreListedAndTheListOutlivesTheWindow) {
    Project().ClientName = QStringLiteral("Harbor Mills");
    prompter_.FileNames << Path(QStringLiteral("saved/Harbor.qrx"));
    QDir().mkpath(Path(QStringLiteral("saved")));
    Trigger("SaveAs1");
    const QString saved = QFileInfo(Path(QStringLiteral("saved/Harbor.qrx"))).canonicalFilePath();
    ASSERT_FALSE(saved.isEmpty());

    // A new run of the program finds it in its menu and opens it from there.
    window_.reset();
    Start();
    const QList<QAction*> entries = Entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.first()->data().toString(), saved);
    entries.first()->trigger();
    EXPECT_EQ(Project().ProjectFileName, saved);
    EXPECT_EQ(Project().ClientName, QStringLiteral("Harbor Mills"));
}

TEST_F(RecentProjectsTest, AProjectNamedOnTheCommandLineIsListed) {
    const QString project = Copy("Plant.qrx", QStringLiteral("clicked/Plant.qrx"));
    window_.reset();
    Start(project); // as a double-click in the file manager starts the program
    QApplication::processEvents();
    const QList<QAction*> entries = Entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.first()->data().toString(), project);
}

TEST_F(RecentProjectsTest, AMissingFileIsGreyedOut) {
    const QString kept = Copy("Plant.qrx", QStringLiteral("a/Plant.qrx"));
    const QString gone = Copy("Hydrant.qrx", QStringLiteral("b/Hydrant.qrx"));
    Open(kept);
    Open(gone);
    ASSERT_TRUE(QFile::remove(gone));
    const QList<QAction*> entries = Entries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->data().toString(), gone);
    EXPECT_FALSE(entries[0]->isEnabled());
    EXPECT_TRUE(entries[1]->isEnabled());
}

TEST_F(RecentProjectsTest, AFileThatIsNotAProjectIsNotListed) {
    const QString picture = Path(QStringLiteral("photo.qrx"));
    QFile file(picture);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\n");
    file.close();
    Open(picture);
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_FALSE(Menu()->isEnabled());
}

TEST_F(RecentProjectsTest, OpenStartsInTheFolderOfTheLastProject) {
    prompter_.FileNames << QString(); // cancelled
    Trigger("Open1");
    ASSERT_EQ(prompter_.OpenFolders.size(), 1);
    EXPECT_EQ(prompter_.OpenFolders.last(), QString());

    const QString project = Copy("Hydrant.qrx", QStringLiteral("jobs/2026/Hydrant.qrx"));
    Open(project);
    prompter_.FileNames << QString();
    Trigger("Open1");
    EXPECT_EQ(prompter_.OpenFolders.last(), QFileInfo(project).absolutePath());
}

} // namespace
} // namespace quenra
