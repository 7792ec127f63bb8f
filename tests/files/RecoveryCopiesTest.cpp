#include "files/RecoveryCopies.h"
#include "files/HeadlessProjectView.h"
#include "files/ProjectFileWriter.h"
#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

class RecoveryCopies : public ::testing::Test {
protected:
    QString Bak() const { return RecoveryCopyPath(dir_.path()); }
    QString Bk2() const { return PreviousRecoveryCopyPath(dir_.path()); }
    QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir dir_;
    test::ScriptedPrompter prompter_;
};

TEST_F(RecoveryCopies, AFirstStartInAFreshFolderDoesNothing) {
    RotateRecoveryCopies(dir_.path(), prompter_);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_TRUE(prompter_.Messages.isEmpty());
}

TEST_F(RecoveryCopies, TheLastRunsCopyComesBackAfterTheNextStart) {
    // First run: the inspector works on a project and the program dies without a save.
    ProjectData firstRun;
    firstRun.ClientName = QStringLiteral("Riverside Paper Mill");
    firstRun.ProjectFileName = QStringLiteral("/surveys/Plant.qrx");
    ASSERT_TRUE(WriteRecoveryCopy(firstRun, dir_.path(), prompter_));
    EXPECT_EQ(Files(), QStringList{QStringLiteral("recover.bak")});
    EXPECT_TRUE(prompter_.Messages.isEmpty()) << "the recovery copy is saved without a word";

    // Second run: the copy is rotated at start, then overwritten at the first tab change.
    RotateRecoveryCopies(dir_.path(), prompter_);
    EXPECT_EQ(Files(), QStringList{QStringLiteral("recover.bk2")});
    ProjectData secondRun;
    ASSERT_TRUE(WriteRecoveryCopy(secondRun, dir_.path(), prompter_));

    // Recover Last File, confirmed.
    secondRun.ProjectFileName = QStringLiteral("/surveys/Other.qrx");
    HeadlessProjectView view(secondRun);
    view.SelectMainTab(3);
    prompter_.Answers.push_back(Prompter::Answer::Yes);
    EXPECT_TRUE(RecoverLastFile(secondRun, dir_.path(), prompter_, view));
    EXPECT_EQ(prompter_.Questions,
              QStringList{QStringLiteral("Recovering old file will override your current "
                                         "data.  Proceed?")});
    EXPECT_EQ(secondRun.ClientName, QStringLiteral("Riverside Paper Mill"));
    EXPECT_EQ(secondRun.ProjectFileName, QStringLiteral("untitled"));
    EXPECT_EQ(view.MainTab(), 0);
    EXPECT_TRUE(prompter_.Messages.isEmpty());
}

TEST_F(RecoveryCopies, ThirdStartReplacesTheOldestCopy) {
    ProjectData older;
    older.ClientName = QStringLiteral("older");
    ASSERT_TRUE(SaveFileBytes(Bk2(), SerializeProject(older)));
    ProjectData newer;
    newer.ClientName = QStringLiteral("newer");
    ASSERT_TRUE(WriteRecoveryCopy(newer, dir_.path(), prompter_));

    RotateRecoveryCopies(dir_.path(), prompter_);
    EXPECT_EQ(Files(), QStringList{QStringLiteral("recover.bk2")});
    QFile bk2(Bk2());
    ASSERT_TRUE(bk2.open(QIODevice::ReadOnly));
    EXPECT_TRUE(bk2.readAll().contains("\r\nnewer\r\n"));
}

TEST_F(RecoveryCopies, OnlyAnOldCopyStaysAsItIs) {
    ASSERT_TRUE(SaveFileBytes(Bk2(), SerializeProject(ProjectData())));
    RotateRecoveryCopies(dir_.path(), prompter_);
    EXPECT_EQ(Files(), QStringList{QStringLiteral("recover.bk2")});
}

TEST_F(RecoveryCopies, RecoveringNeedsACopyAndAYes) {
    ProjectData p;
    p.ClientName = QStringLiteral("current work");
    HeadlessProjectView view(p);
    EXPECT_FALSE(RecoverLastFile(p, dir_.path(), prompter_, view));
    EXPECT_EQ(prompter_.Messages, QStringList{QStringLiteral("File [") + Bk2() +
                                              QStringLiteral("] not found.  Nothing to recover.")});
    EXPECT_TRUE(prompter_.Questions.isEmpty());

    ASSERT_TRUE(SaveFileBytes(Bk2(), SerializeProject(ProjectData())));
    prompter_.Answers.push_back(Prompter::Answer::No);
    EXPECT_FALSE(RecoverLastFile(p, dir_.path(), prompter_, view));
    EXPECT_EQ(p.ClientName, QStringLiteral("current work"));
}

TEST_F(RecoveryCopies, ACopyWithoutItsLaterSectionsKeepsTheCurrentValuesThere) {
    QByteArray bytes = SerializeProject(ProjectData());
    bytes.truncate(bytes.indexOf("///////////  General Data"));
    ASSERT_TRUE(SaveFileBytes(Bk2(), bytes));

    ProjectData p;
    p.ClientName = QStringLiteral("current work");
    p.RatedFlow = QStringLiteral("1500");
    HeadlessProjectView view(p);
    prompter_.Answers.push_back(Prompter::Answer::Yes);
    EXPECT_TRUE(RecoverLastFile(p, dir_.path(), prompter_, view));
    EXPECT_EQ(prompter_.Messages, QStringList{QStringLiteral("General Data not found")});
    EXPECT_EQ(p.RatedFlow, QString()) << "read from the copy";
    EXPECT_EQ(p.ClientName, QStringLiteral("current work")) << "not in the copy";
}

TEST_F(RecoveryCopies, ARotationThatCannotRenameSaysSo) {
    ASSERT_TRUE(WriteRecoveryCopy(ProjectData(), dir_.path(), prompter_));
    // A folder in the way of "recover.bk2" can be neither deleted as a file nor replaced.
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("recover.bk2/inside")));
    RotateRecoveryCopies(dir_.path(), prompter_);
    ASSERT_EQ(prompter_.Messages.size(), 1);
    EXPECT_EQ(prompter_.Messages[0], QStringLiteral("Can not delete file [") + Bk2() +
                                         QStringLiteral("].  Recovery of old files not possible."));
    EXPECT_TRUE(QFile::exists(Bak()));
}

} // namespace
} // namespace quenra
