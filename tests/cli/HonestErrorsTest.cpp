// What the batch commands say, and how they end, for files that are cut short, of another kind
// or not files at all.
#include "BatchRun.h"
#include "hydraulics/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quenra {
namespace {

using test::RunBatch;

QString DataFile(const char* name) {
    return QStringLiteral(QUENRA_TEST_DATA_DIR "/") + QLatin1String(name);
}

QStringList Lines(const QString& out) {
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST(CheckOfAFileCutShort, PrintsWhyReadingStoppedFirstAndFails) {
    test::BatchRun run =
        RunBatch({QStringLiteral("--check"), DataFile("plant-stops-before-setup.qrx")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(Lines(run.Out), QStringList{"Setup Data not found"});
    EXPECT_TRUE(run.Prompter.Messages.isEmpty());
}

TEST(CheckOfAFileCutShort, TheCheckMessagesFollowTheStop) {
    // Cut inside the last comment pages, after a hydrant test with too small a flow was read.
    test::FixtureFolder folder;
    ProjectData p;
    p.IsHydrantTest = true;
    p.SupplyStaticPressure[1] = QStringLiteral("70");
    p.SupplyResidualPressure[1] = QStringLiteral("50");
    p.SupplyResidualFlow[1] = QStringLiteral("8");
    const QString whole = folder.Save(p, QStringLiteral("whole.qrx"));
    QFile file(whole);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    bytes.truncate(bytes.lastIndexOf("End Comment Data"));
    const QString cut = folder.Path(QStringLiteral("cut.qrx"));
    SaveFileBytes(cut, bytes);

    test::BatchRun run = RunBatch({QStringLiteral("--check"), cut});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(Lines(run.Out), (QStringList{"End of Comment Data not found",
                                           "Illegal Residual Flow in Supply Test 1"}));
}

// Bytes of another kind named as a legacy project or a client-information file.
class ConvertOfForeignBytes : public ::testing::TestWithParam<std::pair<const char*, const char*>> {
};

TEST_P(ConvertOfForeignBytes, FailsAndWritesNothing) {
    const auto [fixture, name] = GetParam();
    test::FixtureFolder folder;
    const QString input = folder.Path(QLatin1String(name));
    ASSERT_TRUE(QFile::copy(DataFile(fixture), input));
    const QString output = folder.Path(QStringLiteral("out.qrx"));

    test::BatchRun run = RunBatch({QStringLiteral("--convert"), input, output});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Prompter.Messages, QStringList{"No Quenra data found in [" + input + "]"});
    EXPECT_FALSE(QFileInfo::exists(output));
}

INSTANTIATE_TEST_SUITE_P(TextAndBinary, ConvertOfForeignBytes,
                         ::testing::Values(std::pair{"not-quenra.txt", "notes.ned"},
                                           std::pair{"not-quenra.bin", "image.ned"},
                                           std::pair{"not-quenra.txt", "notes.ini"},
                                           std::pair{"not-quenra.bin", "image.ini"}));

TEST(ConvertOfRealImports, StillWritesTheProject) {
    for (const char* name : {"legacy.ned", "client.ini"}) {
        SCOPED_TRACE(name);
        test::FixtureFolder folder;
        const QString output = folder.Path(QStringLiteral("out.qrx"));
        test::BatchRun run = RunBatch({QStringLiteral("--convert"), DataFile(name), output});
        EXPECT_EQ(run.Status, 0);
        EXPECT_TRUE(run.Prompter.Messages.isEmpty());
        EXPECT_TRUE(QFileInfo(output).size() > 0);
    }
}

class ProjectThatIsNotAFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ProjectThatIsNotAFile, IsNamedSo) {
    test::FixtureFolder folder;
    const QString kind = QLatin1String(GetParam());
    QString path = QStringLiteral("/dev/null");
    if (kind == QStringLiteral("folder")) {
        path = folder.Path(QStringLiteral("site.qrx"));
        ASSERT_TRUE(QDir().mkpath(path));
    } else if (kind == QStringLiteral("pipe")) {
        path = folder.Path(QStringLiteral("pipe.qrx"));
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    const QString output = folder.Path(QStringLiteral("out.qrx"));
    for (const QStringList& arguments : {QStringList{QStringLiteral("--check"), path},
                                         QStringList{QStringLiteral("--convert"), path, output}}) {
        test::BatchRun run = RunBatch(arguments);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Prompter.Messages, QStringList{"[" + path + "] is not a file"});
    }
    EXPECT_FALSE(QFileInfo::exists(output));
}

INSTANTIATE_TEST_SUITE_P(FolderPipeDevice, ProjectThatIsNotAFile,
                         ::testing::Values("folder", "pipe", "device"));

TEST(RenderingCommands, PrintTheCheckMessagesAndAskNothing) {
    test::FixtureFolder folder;
    ProjectData p;
    p.ShowPumpRatingCurve = false;
    p.PumpTestInGraph[1] = true;
    test::TypeReading(p, 1, 1, "100", "150", "30"); // flow in row zero
    test::TypeReading(p, 1, 2, "1000", "140", "30");
    const QString path = folder.Save(p, QStringLiteral("flagged.qrx"));
    const QStringList expected{"Non-zero flow in row zero of pump test 1"};

    const QString jpeg = folder.Path(QStringLiteral("graph.jpg"));
    test::BatchRun graph = RunBatch({QStringLiteral("--graph"), path, jpeg});
    EXPECT_EQ(graph.Status, 0);
    EXPECT_TRUE(graph.Prompter.Questions.isEmpty());
    EXPECT_EQ(graph.Prompter.Messages, expected + QStringList{"File [" + jpeg + "] saved"});

    test::BatchRun report =
        RunBatch({QStringLiteral("--report"), path, folder.Path(QStringLiteral("page"))});
    EXPECT_EQ(report.Status, 0);
    EXPECT_TRUE(report.Prompter.Questions.isEmpty());
    EXPECT_EQ(report.Prompter.Messages, expected);
}

} // namespace
} // namespace quenra
