#include "BatchRun.h"

#include <QDir>
#include <QImageReader>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using test::Example;
using test::RunBatch;

TEST(ReportCommand, WritesEveryPageAndPrintsTheirNames) {
    QTemporaryDir folder;
    const QString base = QDir(folder.path()).filePath(QStringLiteral("plant report"));
    const test::BatchRun run = RunBatch({QStringLiteral("--report"), Example("Plant.qrx"), base});
    EXPECT_EQ(run.Status, 0);
    const QStringList names = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Three pump tests; their report is too tall for one sheet, so a summary page leads.
    ASSERT_EQ(names.size(), 4) << run.Out.toStdString();
    for (int page = 1; page <= 4; ++page) {
        const QString name = base + QStringLiteral("-%1.jpg").arg(page);
        EXPECT_EQ(names[page - 1], name);
        QImageReader reader(name);
        EXPECT_EQ(reader.format(), QByteArray("jpeg"));
        EXPECT_GT(reader.size().width(), 1000);
    }
    EXPECT_FALSE(QFileInfo::exists(base + QStringLiteral("-5.jpg")));
}

TEST(ReportCommand, HydrantReportsShareThePagesAsTheReportTabDoes) {
    QTemporaryDir folder;
    const QString base = QDir(folder.path()).filePath(QStringLiteral("h"));
    const test::BatchRun run = RunBatch({QStringLiteral("--report"), Example("Hydrant.qrx"), base});
    EXPECT_EQ(run.Status, 0);
    const qsizetype pages = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size();
    // Three tests: fewer pages than tests, since a page holds more than one.
    EXPECT_GE(pages, 1);
    EXPECT_LT(pages, 3);
}

TEST(ReportCommand, NothingToReportOrNowhereToWriteExitsOne) {
    QTemporaryDir folder;
    test::FixtureFolder fixtures;
    ProjectData empty;
    for (int test = 1; test <= kTestCount; ++test) {
        empty.PumpTestInGraph[test] = false;
    }
    const QString path = fixtures.Save(empty, QStringLiteral("Empty.qrx"));
    const test::BatchRun none = RunBatch(
        {QStringLiteral("--report"), path, QDir(folder.path()).filePath(QStringLiteral("e"))});
    EXPECT_EQ(none.Status, 1);
    EXPECT_TRUE(none.Prompter.Messages.contains(QStringLiteral("No Tests Selected")))
        << none.Prompter.Messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());

    const QString nowhere = QDir(folder.path()).filePath(QStringLiteral("missing/r"));
    const test::BatchRun unwritable =
        RunBatch({QStringLiteral("--report"), Example("Plant.qrx"), nowhere});
    EXPECT_EQ(unwritable.Status, 1);
    EXPECT_TRUE(unwritable.Out.isEmpty());
    ASSERT_FALSE(unwritable.Prompter.Messages.isEmpty());
    EXPECT_TRUE(unwritable.Prompter.Messages.last().contains(nowhere));
}

} // namespace
} // namespace quenra
