#include "output/PdfFileChoice.h"
#include "output/PdfFilePreparation.h"
#include "output/PdfMessages.h"

#include "hydraulics/QStringPrinter.h"
#include "img2pdf/LockedFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <unistd.h>

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
    QString pdf_;
    QString aside_;
};

TEST_F(PdfPreparationTest, AnUnlockedFileIsReadyAndLeftInPlace) {
    EXPECT_TRUE(PrepareAppend(pdf_).Ready);
    EXPECT_TRUE(PrepareOverwrite(pdf_).Ready);
    EXPECT_EQ(ReadText(pdf_), "%PDF old pages");
    EXPECT_FALSE(QFile::exists(aside_));
    // The folder's check leaves nothing behind.
    EXPECT_EQ(
        QDir(folder_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("Plant.pdf")});
}

// An earlier version moved the PDF aside under ".pd2" for a moment; one killed then left the
// inspector's only copy there, so such a file is never deleted.
TEST_F(PdfPreparationTest, AFileLeftAsideByAnEarlierRunIsLeftAlone) {
    WriteText(aside_, "the only copy");
    EXPECT_TRUE(PrepareAppend(pdf_).Ready);
    EXPECT_TRUE(PrepareOverwrite(pdf_).Ready);
    EXPECT_EQ(ReadText(pdf_), "%PDF old pages");
    EXPECT_EQ(ReadText(aside_), "the only copy");
}

TEST_F(PdfPreparationTest, MissingFileCannotBeAppendedToButCanBeWritten) {
    const QString missing = Path(QStringLiteral("Gone.pdf"));
    const PdfPreparation append = PrepareAppend(missing);
    EXPECT_FALSE(append.Ready);
    EXPECT_EQ(append.Message, QStringLiteral("file [") + missing + QStringLiteral("] not found."));
    EXPECT_TRUE(PrepareOverwrite(missing).Ready);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(PdfPreparationTest, LockedFileGivesTheMessagesAndStaysAsItWas) {
    img2pdf::test::LockedFile locked(pdf_);
    if (!locked.IsLocked()) {
        GTEST_SKIP() << "this file system lets every file be written";
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

// The converter writes the new file beside the old one: a folder that takes no new file would
// make it fail after the pages were made.
TEST_F(PdfPreparationTest, FolderThatTakesNoNewFileStopsBoth) {
    img2pdf::test::LockedFolder locked(folder_.path());
    if (!locked.IsLocked()) {
        GTEST_SKIP() << "this file system lets every file be created";
    }
    const QString message = pdf_messages::FolderTakesNoNewFile(folder_.path(), pdf_);
    EXPECT_EQ(PrepareAppend(pdf_).Message, message);
    EXPECT_EQ(PrepareOverwrite(pdf_).Message, message);
    EXPECT_FALSE(PrepareOverwrite(pdf_).Ready);
    EXPECT_EQ(ReadText(pdf_), "%PDF old pages");
}

// Whatever moment a preparation is interrupted at (the program killed, the power gone), the
// PDF is under its own name: a second thread watches the name through many preparations.
TEST_F(PdfPreparationTest, ThePdfIsNeverAwayFromItsName) {
    std::atomic<bool> done{false};
    std::atomic<bool> seenAway{false};
    std::atomic<long> looks{0};
    const QByteArray name = QFile::encodeName(pdf_);
    std::thread watcher([&] {
        while (!done.load()) {
            if (::access(name.constData(), F_OK) != 0) {
                seenAway = true;
            }
            ++looks;
        }
    });
    while (looks.load() == 0) {
        std::this_thread::yield();
    }
    for (int round = 0; round < 500 && !seenAway.load(); ++round) {
        EXPECT_TRUE(PrepareOverwrite(pdf_).Ready);
        EXPECT_TRUE(PrepareAppend(pdf_).Ready);
    }
    done = true;
    watcher.join();
    EXPECT_FALSE(seenAway.load());
    EXPECT_EQ(ReadText(pdf_), "%PDF old pages");
    EXPECT_FALSE(QFile::exists(aside_));
}

} // namespace
} // namespace quenra
