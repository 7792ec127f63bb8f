#include "BatchRun.h"
#include "img2pdf/PdfReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

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

} // namespace
} // namespace quenra
