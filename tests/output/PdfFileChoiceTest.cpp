#include "output/PdfFileChoice.h"
#include "output/PdfFilePreparation.h"
#include "output/PdfMessages.h"

#include "hydraulics/QStringPrinter.h"
#include "img2pdf/LockedFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

void WriteText(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PdfFileChoiceTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return folder_.filePath(name); }
    QTemporaryDir folder_;
};

TEST_F(PdfFileChoiceTest, DefaultFileIsTheCurrentPdfThenTheProjectThenUntitled) {
    EXPECT_EQ(DefaultPdfFile(QStringLiteral("/a/Chosen.PDF"), QStringLiteral("/p/Plant.qrx"),
                             QStringLiteral("/prog")),
              QStringLiteral("/a/Chosen.PDF"));
    EXPECT_EQ(DefaultPdfFile(QString(), QStringLiteral("/p/Plant.qrx"), QStringLiteral("/prog")),
              QStringLiteral("/p/Plant.pdf"));
    EXPECT_EQ(DefaultPdfFile(QString(), QStringLiteral("untitled"), QStringLiteral("/prog")),
              QStringLiteral("/prog/untitled.pdf"));
}

TEST_F(PdfFileChoiceTest, OnlyTheLastExtensionOfTheFileNameIsReplaced) {
    EXPECT_EQ(ChangeExtension(QStringLiteral("/p/Site.2024/Plant.v2.qrx"), QStringLiteral(".pdf")),
              QStringLiteral("/p/Site.2024/Plant.v2.pdf"));
    EXPECT_EQ(ChangeExtension(QStringLiteral("/p/Site.2024/Plant"), QStringLiteral(".pdf")),
              QStringLiteral("/p/Site.2024/Plant.pdf"));
    EXPECT_EQ(ChangeExtension(QStringLiteral("C:\\Site.2024\\Plant"), QStringLiteral(".pd2")),
              QStringLiteral("C:\\Site.2024\\Plant.pd2"));
    EXPECT_EQ(PdfTitle(QStringLiteral("/p/Site.2024/Plant.v2.qrx")), QStringLiteral("Plant.v2"));
    EXPECT_EQ(PdfTitle(QStringLiteral("untitled")), QStringLiteral("untitled"));
}

TEST_F(PdfFileChoiceTest, NewFileTakesTheFirstFreeNumber) {
    const QString project = Path(QStringLiteral("Plant.qrx"));
    EXPECT_EQ(NewPdfFile(project, QStringLiteral("/prog")), Path(QStringLiteral("Plant_1.pdf")));
    WriteText(Path(QStringLiteral("Plant_1.pdf")), "1");
    WriteText(Path(QStringLiteral("Plant_2.pdf")), "2");
    EXPECT_EQ(NewPdfFile(project, QStringLiteral("/prog")), Path(QStringLiteral("Plant_3.pdf")));
    // A folder of that name cannot be written either.
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("Plant_3.pdf")));
    EXPECT_EQ(NewPdfFile(project, QStringLiteral("/prog")), Path(QStringLiteral("Plant_4.pdf")));
    EXPECT_EQ(NewPdfFile(QStringLiteral("untitled"), folder_.path()),
              Path(QStringLiteral("untitled_1.pdf")));
}

class PdfPreparationTest : public PdfFileChoiceTest {
protected:
    void SetUp() override {
        pdf_ = Path(QStringLiteral("Plant.pdf"));
        aside_ = Path(QStringLiteral("Plant.pd2"));
        WriteText(pdf_, "%PDF old pages");
    }
    // A short bound, so that a rename that never shows costs the test little.
    static RenameWait ShortWait() {
        RenameWait wait;
        wait.LimitMs = 100;
        wait.PollMs = 5;
        return wait;
    }
    QString pdf_;
    QString aside_;
};

TEST_F(PdfPreparationTest, AnUnlockedFileIsReadyAndLeftInPlace) {
    EXPECT_TRUE(PrepareAppend(pdf_).Ready);
    EXPECT_TRUE(PrepareOverwrite(pdf_).Ready);
    EXPECT_EQ(ReadText(pdf_), "%PDF old pages");
    EXPECT_FALSE(QFile::exists(aside_));
}

TEST_F(PdfPreparationTest, AStaleAsideFileIsRemovedFirst) {
    WriteText(aside_, "left over");
    EXPECT_TRUE(PrepareAppend(pdf_).Ready);
    EXPECT_EQ(ReadText(pdf_), "%PDF old pages");
    EXPECT_FALSE(QFile::exists(aside_));
}

TEST_F(PdfPreparationTest, MissingFileCannotBeAppendedToButCanBeWritten) {
    const QString missing = Path(QStringLiteral("Gone.pdf"));
    const PdfPreparation append = PrepareAppend(missing);
    EXPECT_FALSE(append.Ready);
    EXPECT_EQ(append.Message, QStringLiteral("file [") + missing + QStringLiteral("] not found."));
    EXPECT_TRUE(PrepareOverwrite(missing).Ready);
}

TEST_F(PdfPreparationTest, LockedFileGivesTheMessagesAndStaysAsItWas) {
    img2pdf::test::LockedFolder locked(folder_.path());
    if (!locked.IsLocked()) {
        GTEST_SKIP() << "this file system lets every file be renamed";
    }
    const PdfPreparation append = PrepareAppend(pdf_);
    EXPECT_FALSE(append.Ready);
    EXPECT_EQ(append.Message, QStringLiteral("Can not access file [") + pdf_ +
                                  QStringLiteral("].  This file may be open (in Adobe Reader). "
                                                 "Close it and try aagain."));
    const PdfPreparation overwrite = PrepareOverwrite(pdf_);
    EXPECT_FALSE(overwrite.Ready);
    EXPECT_EQ(overwrite.Message, QStringLiteral("File [") + pdf_ +
                                     QStringLiteral("] can not be deleted.  This file may be open "
                                                    "(in Adobe Reader). Close it and try aagain."));
    EXPECT_EQ(ReadText(pdf_), "%PDF old pages");
}

TEST_F(PdfPreparationTest, UndeletableAsideFileStopsTheAppend) {
    WriteText(aside_, "left over");
    img2pdf::test::LockedFolder locked(folder_.path());
    if (!locked.IsLocked()) {
        GTEST_SKIP() << "this file system lets every file be deleted";
    }
    const PdfPreparation append = PrepareAppend(pdf_);
    EXPECT_EQ(append.Message, QStringLiteral("Can not delete file [") + aside_ +
                                  QStringLiteral("].  Append not possible."));
    EXPECT_EQ(ReadText(pdf_), "%PDF old pages");
}

TEST_F(PdfPreparationTest, RenameThatNeverShowsEndsWithinTheBound) {
    RenameWait wait = ShortWait();
    wait.Rename = [](const QString&, const QString&) { return true; }; // claims, does nothing
    const PdfPreparation append = PrepareAppend(pdf_, wait);
    EXPECT_FALSE(append.Ready);
    EXPECT_EQ(append.Message, pdf_messages::MoveNeverShowed(pdf_, aside_, 1));
    EXPECT_EQ(ReadText(pdf_), "%PDF old pages");
}

TEST_F(PdfPreparationTest, FileThatCannotReturnIsNamedWhereItIs) {
    RenameWait wait = ShortWait();
    int renames = 0;
    wait.Rename = [&renames](const QString& from, const QString& to) {
        return ++renames == 1 && QFile::rename(from, to);
    };
    const PdfPreparation append = PrepareAppend(pdf_, wait);
    EXPECT_EQ(append.Message, QStringLiteral("Can not rename file [") + aside_ +
                                  QStringLiteral("] to [") + pdf_ +
                                  QStringLiteral("].  Append not possible."));
    EXPECT_EQ(ReadText(aside_), "%PDF old pages"); // where the message says it is
}

} // namespace
} // namespace quenra
