#include "BatchRun.h"

#include <QDir>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using test::Example;
using test::RunBatch;

class GraphCommand : public ::testing::Test {
protected:
    QString Output(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QTemporaryDir folder;
};

TEST_F(GraphCommand, WritesTheGraphAtTheProjectsCaptureSize) {
    const QString out = Output(QStringLiteral("plant graph.jpg"));
    const test::BatchRun run = RunBatch({QStringLiteral("--graph"), Example("Plant.qrx"), out});
    EXPECT_EQ(run.Status, 0);
    QImageReader reader(out);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    // The example keeps the largest landscape size.
    EXPECT_EQ(reader.size(), QSize(3000, 2318));
    EXPECT_EQ(run.Prompter.Messages,
              QStringList{QStringLiteral("File [") + out + QStringLiteral("] saved")});
}

TEST_F(GraphCommand, SizeZeroIsTheUsualPaintBoxAndOtherSizesFollowTheChoices) {
    const QString actual = Output(QStringLiteral("a.jpg"));
    EXPECT_EQ(RunBatch({QStringLiteral("--graph"), Example("Hydrant.qrx"), actual,
                        QStringLiteral("--size"), QStringLiteral("0")})
                  .Status,
              0);
    EXPECT_EQ(QImageReader(actual).size(), QSize(1024, 700));
    const QString portrait = Output(QStringLiteral("p.jpg"));
    EXPECT_EQ(RunBatch({QStringLiteral("--graph"), Example("Hydrant.qrx"), portrait,
                        QStringLiteral("--test"), QStringLiteral("2"), QStringLiteral("--size"),
                        QStringLiteral("4")})
                  .Status,
              0);
    EXPECT_EQ(QImageReader(portrait).size(), QSize(773, 1000));
}

TEST_F(GraphCommand, TheRequestedTestIsTheOneTheDemandPointsAreJudgedBy) {
    const QString first = Output(QStringLiteral("1.jpg"));
    const QString second = Output(QStringLiteral("2.jpg"));
    RunBatch({QStringLiteral("--graph"), Example("Hydrant.qrx"), first, QStringLiteral("--test"),
              QStringLiteral("1"), QStringLiteral("--size"), QStringLiteral("1")});
    RunBatch({QStringLiteral("--graph"), Example("Hydrant.qrx"), second, QStringLiteral("--test"),
              QStringLiteral("2"), QStringLiteral("--size"), QStringLiteral("1")});
    // Same curves, different supply values in the legend.
    EXPECT_NE(QImage(first), QImage(second));
}

TEST_F(GraphCommand, AMissingProjectOrAnUnwritableOutputExitsOne) {
    const QString out = Output(QStringLiteral("x.jpg"));
    const test::BatchRun missing =
        RunBatch({QStringLiteral("--graph"), Output(QStringLiteral("none.qrx")), out});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_FALSE(QFileInfo::exists(out));

    const QString nowhere = Output(QStringLiteral("no folder/x.jpg"));
    const test::BatchRun unwritable =
        RunBatch({QStringLiteral("--graph"), Example("Plant.qrx"), nowhere});
    EXPECT_EQ(unwritable.Status, 1);
    ASSERT_EQ(unwritable.Prompter.Messages.size(), 1);
    EXPECT_TRUE(unwritable.Prompter.Messages.first().contains(nowhere));
}

TEST_F(GraphCommand, BadOptionsGiveTheUsage) {
    const QString out = Output(QStringLiteral("x.jpg"));
    for (const QStringList& options :
         {QStringList{QStringLiteral("--size"), QStringLiteral("7")},
          QStringList{QStringLiteral("--test"), QStringLiteral("6")},
          QStringList{QStringLiteral("--test"), QStringLiteral("1"), QStringLiteral("--test"),
                      QStringLiteral("2")},
          QStringList{QStringLiteral("--size")},
          QStringList{QStringLiteral("--colour"), QStringLiteral("1")}}) {
        const test::BatchRun run =
            RunBatch(QStringList{QStringLiteral("--graph"), Example("Plant.qrx"), out} + options);
        EXPECT_EQ(run.Status, 2) << options.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(QFileInfo::exists(out));
    }
    EXPECT_TRUE(BatchCommandPaints({QStringLiteral("--graph")}));
    EXPECT_FALSE(BatchCommandPaints({QStringLiteral("--curves")}));
}

} // namespace
} // namespace quenra
