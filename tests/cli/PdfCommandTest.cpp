#include "BatchRun.h"
#include "img2pdf/PdfReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using test::Example;
using test::RunBatch;

bool ConverterBuilt() {
    return QFileInfo::exists(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Img2PDF")));
}

TEST(PdfCommand, TheReportBecomesAPdfThatReplacesAnOldOne) {
    if (!ConverterBuilt()) {
        GTEST_SKIP() << "the converter is built beside the tests";
    }
    QTemporaryDir folder;
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("plant report é.pdf"));
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older file");
    old.close();
    const test::BatchRun run = RunBatch({QStringLiteral("--pdf"), Example("Plant.qrx"), pdf});
    EXPECT_EQ(run.Status, 0) << run.Prompter.Messages.join(QLatin1Char('\n')).toStdString();
    img2pdf::test::PdfReader reader(pdf);
    EXPECT_EQ(reader.PageCount(), 4);
    EXPECT_EQ(reader.Info("/Title"), QStringLiteral("Plant"));
    EXPECT_EQ(reader.Info("/Author"), QStringLiteral("Morvek LLC"));
    // A letter page, whatever the pixels.
    const std::vector<double> box = reader.MediaBox(0);
    ASSERT_EQ(box.size(), 4u);
    EXPECT_NEAR(box[3] / box[2], 11.0 / 8.5, 0.01);
}

TEST(PdfCommand, NothingToReportOrAMissingProjectExitsOneAndWritesNothing) {
    QTemporaryDir folder;
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("x.pdf"));
    const test::BatchRun missing = RunBatch(
        {QStringLiteral("--pdf"), QDir(folder.path()).filePath(QStringLiteral("no.qrx")), pdf});
    EXPECT_EQ(missing.Status, 1);

    test::FixtureFolder fixtures;
    ProjectData empty;
    for (int test = 1; test <= kTestCount; ++test) {
        empty.PumpTestInGraph[test] = false;
    }
    const test::BatchRun none =
        RunBatch({QStringLiteral("--pdf"), fixtures.Save(empty, QStringLiteral("E.qrx")), pdf});
    EXPECT_EQ(none.Status, 1);
    EXPECT_TRUE(none.Prompter.Messages.contains(QStringLiteral("No Tests Selected")));
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

QString Program() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quenra"));
}

// The page images of a PDF, page by page, exactly as stored.
QList<QByteArray> PageImages(const QString& pdf) {
    img2pdf::test::PdfReader reader(pdf);
    QList<QByteArray> pages;
    for (int page = 0; page < reader.PageCount(); ++page) {
        pages << reader.RawImageData(page);
    }
    return pages;
}

// One `quenra --pdf` job as a process of its own, as a script or a second window starts it.
class PdfJob {
public:
    PdfJob(const QString& project, const QString& pdf) {
        process_.setProgram(Program());
        process_.setArguments({QStringLiteral("--pdf"), project, pdf});
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        Started << process_.processId();
    }
    // The exit status, or -1 when the job did not end within the limit.
    int Wait() {
        if (!process_.waitForFinished(120'000) || process_.exitStatus() != QProcess::NormalExit) {
            process_.kill();
            process_.waitForFinished();
            return -1;
        }
        return process_.exitCode();
    }

    static inline QList<qint64> Started;

private:
    QProcess process_;
};

// Two jobs of one installation started together share its PDF folder: each works in a folder
// of its own there, so each PDF holds exactly its own project's pages, every time.
TEST(PdfCommand, TwoJobsAtOnceEachMakeTheirOwnPdf) {
    if (!ConverterBuilt() || !QFileInfo::exists(Program())) {
        GTEST_SKIP() << "the program and the converter are built beside the tests";
    }
    QTemporaryDir folder;
    const QString plant = QDir(folder.path()).filePath(QStringLiteral("plant.pdf"));
    const QString hydrant = QDir(folder.path()).filePath(QStringLiteral("hydrant.pdf"));
    ASSERT_EQ(PdfJob(Example("Plant.qrx"), plant).Wait(), 0);
    ASSERT_EQ(PdfJob(Example("Hydrant.qrx"), hydrant).Wait(), 0);
    const QList<QByteArray> plantPages = PageImages(plant);
    const QList<QByteArray> hydrantPages = PageImages(hydrant);
    ASSERT_EQ(plantPages.size(), 4);
    ASSERT_EQ(hydrantPages.size(), 2);

    for (int round = 1; round <= 10; ++round) {
        QFile::remove(plant);
        QFile::remove(hydrant);
        PdfJob first(Example("Plant.qrx"), plant);
        PdfJob second(Example("Hydrant.qrx"), hydrant);
        ASSERT_EQ(first.Wait(), 0) << "round " << round;
        ASSERT_EQ(second.Wait(), 0) << "round " << round;
        EXPECT_EQ(PageImages(plant), plantPages) << "round " << round;
        EXPECT_EQ(PageImages(hydrant), hydrantPages) << "round " << round;
    }
    // Every job took its folder and log with it.
    const QDir pdfFolder(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("PDF")));
    for (const qint64 job : PdfJob::Started) {
        EXPECT_TRUE(
            pdfFolder.entryList({QStringLiteral("run-%1-*").arg(job)}, QDir::AllEntries).isEmpty())
            << "job " << job;
    }
}

} // namespace
} // namespace quenra
