#include "output/PdfRunFolder.h"

#include "output/PdfFolder.h"

#include "img2pdf/LockedFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <sys/time.h>

namespace quenra {
namespace {

QString NameOf(int number) {
    return QStringLiteral("run-%1-%2").arg(QCoreApplication::applicationPid()).arg(number);
}

int NumberOf(const PdfRunFolder& run) {
    return QFileInfo(run.ImageFolder()).fileName().section(QLatin1Char('-'), 2).toInt();
}

class PdfRunFolderTest : public ::testing::Test {
protected:
    QString PdfFolder() const { return PdfImageFolder(program_.path()); }
    QStringList Entries() const {
        return QDir(PdfFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir program_;
};

TEST_F(PdfRunFolderTest, RunsAtOnceGetFoldersAndLogsOfTheirOwnThatGoWithThem) {
    auto first = std::make_unique<PdfRunFolder>(program_.path());
    auto second = std::make_unique<PdfRunFolder>(program_.path());
    ASSERT_TRUE(first->Ready());
    ASSERT_TRUE(second->Ready());
    EXPECT_NE(first->ImageFolder(), second->ImageFolder());
    for (const PdfRunFolder* run : {first.get(), second.get()}) {
        EXPECT_EQ(QFileInfo(run->ImageFolder()).path(), PdfFolder());
        EXPECT_TRUE(QFileInfo(run->ImageFolder()).fileName().startsWith(NameOf(NumberOf(*run))));
        EXPECT_EQ(run->LogFile(), run->ImageFolder() + QStringLiteral(".log"));
        EXPECT_TRUE(QFileInfo(run->ImageFolder()).isDir());
        EXPECT_TRUE(run->Started().isValid());
    }
    QFile image(ReportPdfImagePath(first->ImageFolder(), 1));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.close();
    QFile log(first->LogFile());
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.close();
    // A file the run writes is not older than the run.
    EXPECT_GE(QFileInfo(image.fileName()).lastModified(), first->Started());

    first.reset();
    EXPECT_EQ(Entries(), QStringList{QFileInfo(second->ImageFolder()).fileName()});
    second.reset();
    EXPECT_TRUE(Entries().isEmpty());
}

// A process of the same number that was killed may have left its folder or its log.
TEST_F(PdfRunFolderTest, NamesLeftByAnEarlierProcessArePassedOver) {
    int next = 0;
    {
        const PdfRunFolder probe(program_.path());
        ASSERT_TRUE(probe.Ready());
        next = NumberOf(probe) + 1;
    }
    ASSERT_TRUE(QDir(PdfFolder()).mkdir(NameOf(next)));
    QFile staleLog(QDir(PdfFolder()).filePath(NameOf(next + 1) + QStringLiteral(".log")));
    ASSERT_TRUE(staleLog.open(QIODevice::WriteOnly));
    staleLog.close();

    const PdfRunFolder run(program_.path());
    ASSERT_TRUE(run.Ready());
    EXPECT_EQ(NumberOf(run), next + 2);
    EXPECT_TRUE(QFileInfo(QDir(PdfFolder()).filePath(NameOf(next))).isDir());
    EXPECT_TRUE(staleLog.exists());
}

// A process killed during a run leaves its folder and log; a later run removes them once they
// are a day old, and leaves alone what other runs are working in and what is not a run's.
TEST_F(PdfRunFolderTest, RunsLeftBehindADayAgoAreRemoved) {
    const QDir pdf(PdfFolder());
    ASSERT_TRUE(QDir().mkpath(pdf.path()));
    const auto make = [&](const QString& name, bool folder, int hoursAgo) {
        const QString path = pdf.filePath(name);
        if (folder) {
            ASSERT_TRUE(pdf.mkdir(name));
            QFile page(QDir(path).filePath(QStringLiteral("Report1.jpg")));
            ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        } else {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        const timeval when[2] = {{time(nullptr) - hoursAgo * 3600, 0},
                                 {time(nullptr) - hoursAgo * 3600, 0}};
        ASSERT_EQ(::utimes(QFile::encodeName(path).constData(), when), 0);
    };
    make(QStringLiteral("run-1-1"), true, 30);
    make(QStringLiteral("run-1-1.log"), false, 30);
    make(QStringLiteral("run-2-1"), true, 1);
    make(QStringLiteral("run-2-1.log"), false, 1);
    make(QStringLiteral("notes.txt"), false, 30);

    const PdfRunFolder run(program_.path());
    ASSERT_TRUE(run.Ready());
    QStringList expected = {QStringLiteral("notes.txt"), QStringLiteral("run-2-1"),
                            QStringLiteral("run-2-1.log"), QFileInfo(run.ImageFolder()).fileName()};
    expected.sort();
    QStringList entries = Entries();
    entries.sort();
    EXPECT_EQ(entries, expected);
}

TEST_F(PdfRunFolderTest, AProgramFolderThatTakesNoFolderIsNotReady) {
    img2pdf::test::LockedFolder locked(program_.path());
    if (!locked.IsLocked()) {
        GTEST_SKIP() << "this file system lets every folder be created";
    }
    const PdfRunFolder run(program_.path());
    EXPECT_FALSE(run.Ready());
    EXPECT_TRUE(run.ImageFolder().isEmpty());
    EXPECT_TRUE(run.Attempted().startsWith(PdfFolder()));
}

} // namespace
} // namespace quenra
