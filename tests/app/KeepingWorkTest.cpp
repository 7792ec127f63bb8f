// The window never throws away the inspector's work: the questions asked before the record is
// replaced or the window closes, and the file an open that stopped early must not overwrite.
#include "MainWindowFixture.h"
#include "app/QtPrompter.h"
#include "app/StringGrid.h"
#include "files/ProjectFileReader.h"
#include "files/RecoveryCopies.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using test::MainWindowTest;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Clicks `button` of the next message box that opens, as the inspector would.
void ClickInNextMessageBox(QMessageBox::StandardButton button) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->button(button)) {
            box->button(button)->click();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

struct CloseAnswer {
    QMessageBox::StandardButton Button;
    bool Closes;
};

class SaveBeforeQuittingBox : public ::testing::TestWithParam<CloseAnswer> {};

// The real message box: its No button quits without saving, Cancel keeps the window open.
TEST_P(SaveBeforeQuittingBox, NoQuitsAndCancelStays) {
    QTemporaryDir folder;
    QtPrompter prompter;
    test::RecordingShell shell;
    MainWindow window(prompter, shell, folder.path(), QString());
    prompter.SetParent(&window);
    window.show();
    ClickInNextMessageBox(GetParam().Button);
    EXPECT_EQ(window.close(), GetParam().Closes);
    EXPECT_EQ(window.isVisible(), !GetParam().Closes);
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveBeforeQuittingBox,
                         ::testing::Values(CloseAnswer{QMessageBox::No, true},
                                           CloseAnswer{QMessageBox::Cancel, false}));

// A command that replaces the record, with what it asks for besides the question about changes.
struct Replacing {
    const char* Action;
    bool ChoosesAFile;     // Open asks for the file first
    bool ConfirmsRecovery; // Recover Last File asks its own question after
};

class ReplacingTheRecord : public MainWindowTest, public ::testing::WithParamInterface<Replacing> {
protected:
    void SetUp() override {
        // The last run's work, which Recover Last File brings back.
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUENRA_EXAMPLES_DIR "/Hydrant.qrx"),
                                RecoveryCopyPath(folder_.path())));
        Start();
    }
    // Runs the command; `saveAs` is the name given to a Save As the question may lead to.
    void Run(std::optional<Prompter::Answer> toTheQuestion, const QString& saveAs = QString()) {
        if (GetParam().ChoosesAFile) {
            prompter_.FileNames << QStringLiteral(QUENRA_EXAMPLES_DIR "/Hydrant.qrx");
        }
        if (toTheQuestion) {
            prompter_.Answers.push_back(*toTheQuestion);
            prompter_.FileNames << saveAs;
        }
        if (GetParam().ConfirmsRecovery) {
            prompter_.Answers.push_back(Prompter::Answer::Yes);
        }
        Trigger(GetParam().Action);
    }
    int ChangeQuestions() const {
        return static_cast<int>(
            prompter_.Questions.count(QStringLiteral("Save changes to [untitled]?")));
    }
};

TEST_P(ReplacingTheRecord, NothingIsAskedWhenNothingChanged) {
    // Looking at every page is no change.
    for (int tab = 0; tab < Tabs()->count(); ++tab) {
        Tabs()->setCurrentIndex(tab);
    }
    Run(std::nullopt);
    EXPECT_EQ(ChangeQuestions(), 0);
}

TEST_P(ReplacingTheRecord, CancelKeepsTheWork) {
    Type("Client1", QStringLiteral("Typed by hand"));
    Run(Prompter::Answer::Cancel);
    EXPECT_EQ(ChangeQuestions(), 1);
    EXPECT_EQ(Project().ClientName, QStringLiteral("Typed by hand"));
    EXPECT_EQ(Project().ProjectFileName, QStringLiteral("untitled"));
}

TEST_P(ReplacingTheRecord, NoThrowsTheWorkAway) {
    Type("Client1", QStringLiteral("Typed by hand"));
    Run(Prompter::Answer::No);
    EXPECT_EQ(ChangeQuestions(), 1);
    EXPECT_NE(Project().ClientName, QStringLiteral("Typed by hand"));
}

TEST_P(ReplacingTheRecord, YesGoesOnOnlyWhenTheWorkWasSaved) {
    Type("Client1", QStringLiteral("Typed by hand"));
    Run(Prompter::Answer::Yes, QString()); // the Save As is cancelled
    EXPECT_EQ(Project().ClientName, QStringLiteral("Typed by hand"));

    const QString kept = Path(QStringLiteral("Kept.qrx"));
    Run(Prompter::Answer::Yes, kept);
    EXPECT_NE(Project().ClientName, QStringLiteral("Typed by hand"));
    ProjectData onDisk;
    ASSERT_EQ(ReadProjectFile(onDisk, kept, prompter_), ReadOutcome::Complete);
    EXPECT_EQ(onDisk.ClientName, QStringLiteral("Typed by hand"));
}

INSTANTIATE_TEST_SUITE_P(Commands, ReplacingTheRecord,
                         ::testing::Values(Replacing{"New1", false, false},
                                           Replacing{"NewSupplyReport1", false, false},
                                           Replacing{"Open1", true, false},
                                           Replacing{"RecoverLastFile1", false, true}));

TEST_F(MainWindowTest, ASavedProjectIsAskedAboutOnlyAfterItChanges) {
    Start(QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"));
    const QString copy = Path(QStringLiteral("Plant.qrx"));
    prompter_.FileNames << copy;
    ASSERT_TRUE(window_->SaveAsCommand());
    Type("Client1", QStringLiteral("Renamed client"));
    prompter_.Answers.push_back(Prompter::Answer::Yes);
    window_->OpenNamedFile(QStringLiteral(QUENRA_EXAMPLES_DIR "/Hydrant.qrx"));
    const QStringList asked = {QStringLiteral("Save changes to [") + copy + "]?"};
    EXPECT_EQ(prompter_.Questions, asked);
    EXPECT_TRUE(Project().IsHydrantTest);
    ProjectData onDisk;
    ASSERT_EQ(ReadProjectFile(onDisk, copy, prompter_), ReadOutcome::Complete);
    EXPECT_EQ(onDisk.ClientName, QStringLiteral("Renamed client")) << "Yes saved as Save does";

    window_->OpenNamedFile(copy);
    EXPECT_EQ(prompter_.Questions.size(), 1) << "a file just opened has no changes";
}

class OpenStoppedEarly : public MainWindowTest,
                         public ::testing::WithParamInterface<const char*> {};

// A file that was not read to its end keeps its name, but Save goes to Save As on that name, so
// that only a deliberate choice replaces it.
TEST_P(OpenStoppedEarly, SaveAsksForTheNameFirst) {
    const QString path = Path(QLatin1String(GetParam()));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUENRA_TEST_DATA_DIR "/") + GetParam(), path));
    const QByteArray before = Contents(path);
    Start();
    prompter_.FileNames << path;
    Trigger("Open1");
    ASSERT_FALSE(prompter_.Messages.isEmpty()) << "the open stopped with a message";
    EXPECT_EQ(Project().ProjectFileName, path);

    prompter_.FileNames << QString(); // the inspector cancels the Save As
    EXPECT_FALSE(window_->SaveCommand());
    EXPECT_EQ(prompter_.SuggestedNames, QStringList{path});
    EXPECT_EQ(Contents(path), before);

    prompter_.Answers.push_back(Prompter::Answer::Yes);
    prompter_.FileNames << QString();
    EXPECT_FALSE(window_->close()) << "the close query's Yes goes the same way";
    EXPECT_EQ(Contents(path), before);

    prompter_.FileNames << path; // the deliberate choice
    EXPECT_TRUE(window_->SaveCommand());
    EXPECT_NE(Contents(path), before);
}

INSTANTIATE_TEST_SUITE_P(Files, OpenStoppedEarly,
                         ::testing::Values("photo.qrx", "PlantCutShort.qrx"));

// The window is destroyed while a cell of the readings table is being typed in: the editor hands
// its text over as it closes, into a record that must still be there.
TEST_F(MainWindowTest, DestroyingTheWindowWhileACellIsTypedInIsSafe) {
    Start();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    Tabs()->setCurrentIndex(2); // pump test 1
    auto* grid = Find<StringGrid>("PT");
    grid->SetCurrentCell(1, 1);
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_NE(grid->CellEditor(), nullptr);
    QTest::keyClicks(grid->CellEditor(), QStringLiteral("468"));
    ASSERT_TRUE(grid->CellEditor()->hasFocus());
    window_.reset();
}

} // namespace
} // namespace quenra
