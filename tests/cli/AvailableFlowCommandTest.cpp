#include "BatchRun.h"
#include "hydraulics/QStringPrinter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using test::RunBatch;

QString DataFile(const char* name) {
    return QStringLiteral(QUENRA_TEST_DATA_DIR "/") + QLatin1String(name);
}

QString ReadText(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// A hydrant project and its summary as a spreadsheet should receive it.
struct SummaryCase {
    const char* Project;
    const char* Expected;
};

class SummaryCommandTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(SummaryCommandTest, PrintsOneTabSeparatedLinePerSupplyTest) {
    const test::BatchRun run =
        RunBatch({QStringLiteral("--summary"), DataFile(GetParam().Project)});
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(run.Prompter.Messages.isEmpty()) << run.Prompter.Messages.join('|').toStdString();
    EXPECT_EQ(run.Out, ReadText(DataFile(GetParam().Expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, SummaryCommandTest,
    ::testing::Values(SummaryCase{"AvailableFlowHydrant.qrx", "AvailableFlowHydrant.tsv"},
                      SummaryCase{"AvailableFlowMetric.qrx", "AvailableFlowMetric.tsv"}));

TEST(SummaryCommand, MissingFileFailsAndSaysSo) {
    const test::BatchRun run =
        RunBatch({QStringLiteral("--summary"), DataFile("NoSuchProject.qrx")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_EQ(run.Prompter.Messages.size(), 1);
}

TEST(SummaryCommand, TabsTypedIntoADateStayInTheirCell) {
    test::FixtureFolder folder;
    ProjectData p;
    p.IsHydrantTest = true;
    p.SupplyTestDate[3] = QStringLiteral("5/2\t/2024");
    p.SupplyStaticPressure[3] = QStringLiteral("60");
    const test::BatchRun run =
        RunBatch({QStringLiteral("--summary"), folder.Save(p, QStringLiteral("Tabbed.qrx"))});
    const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.at(1).split(QLatin1Char('\t')).size(), 8);
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("3\t5/2 /2024\t60\t0\t0\t\t\t")));
}

TEST(SummaryCommand, ReadsTheFlowAsTheGraphDoes) {
    // The graph raises a shown test's residual flow of 10 or less to 10 before drawing it.
    test::FixtureFolder folder;
    ProjectData p;
    p.IsHydrantTest = true;
    p.SupplyShowCurve[1] = true;
    p.SupplyStaticPressure[1] = QStringLiteral("80");
    p.SupplyResidualPressure[1] = QStringLiteral("50");
    p.SupplyResidualFlow[1] = QStringLiteral("5");
    const test::BatchRun run =
        RunBatch({QStringLiteral("--summary"), folder.Save(p, QStringLiteral("Low.qrx"))});
    const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    // 10 * (60/30)^0.5399568 = 14.5
    EXPECT_EQ(lines.at(1), QStringLiteral("1\t\t80\t50\t10\t15\tC\t"));
}

QJsonArray SupplyTests(const char* project) {
    const test::BatchRun run = RunBatch({QStringLiteral("--curves"), DataFile(project)});
    EXPECT_EQ(run.Status, 0);
    return QJsonDocument::fromJson(run.Out.toUtf8())
        .object()[QStringLiteral("supplyTests")]
        .toArray();
}

TEST(CurvesAvailableFlow, EverySupplyTestWithItsValueOrNull) {
    const QJsonArray tests = SupplyTests("AvailableFlowHydrant.qrx");
    ASSERT_EQ(tests.size(), 5);
    const QJsonObject first = tests.at(0).toObject();
    EXPECT_EQ(first[QStringLiteral("test")].toInt(), 1);
    // 1150 * (52/14)^0.5399568
    EXPECT_NEAR(first[QStringLiteral("availableFlow")].toDouble(), 2335.6399, 1e-3);
    EXPECT_EQ(first[QStringLiteral("ratingPressure")].toDouble(), 20.0);
    EXPECT_EQ(first[QStringLiteral("nfpaClass")].toString(), QStringLiteral("AA"));
    EXPECT_TRUE(first[QStringLiteral("estimate")].toBool());
    EXPECT_TRUE(first[QStringLiteral("reason")].isNull());

    const QJsonObject fourth = tests.at(3).toObject();
    EXPECT_EQ(fourth[QStringLiteral("nfpaClass")].toString(), QStringLiteral("A"));
    EXPECT_FALSE(fourth[QStringLiteral("estimate")].toBool(true));

    for (const int blank : {2, 4}) {
        const QJsonObject test = tests.at(blank).toObject();
        EXPECT_TRUE(test[QStringLiteral("availableFlow")].isNull()) << blank;
        EXPECT_TRUE(test[QStringLiteral("nfpaClass")].isNull()) << blank;
        EXPECT_TRUE(test[QStringLiteral("estimate")].isNull()) << blank;
        EXPECT_EQ(test[QStringLiteral("reason")].toString(),
                  QStringLiteral("static pressure at or below 20 psi"));
        EXPECT_EQ(test[QStringLiteral("ratingPressure")].toDouble(), 20.0);
    }
}

TEST(CurvesAvailableFlow, MetricProjectInItsOwnUnits) {
    const QJsonArray tests = SupplyTests("AvailableFlowMetric.qrx");
    ASSERT_EQ(tests.size(), 5);
    // 20 psi is 1.3789514 bar; 40 * ((6 - 1.379) / 2)^0.5399568 = 62.87 l/s, 996.5 gpm.
    EXPECT_NEAR(tests.at(0)[QStringLiteral("ratingPressure")].toDouble(), 1.3789514, 1e-6);
    EXPECT_NEAR(tests.at(0)[QStringLiteral("availableFlow")].toDouble(), 62.87065, 1e-4);
    EXPECT_EQ(tests.at(0)[QStringLiteral("nfpaClass")].toString(), QStringLiteral("B"));
}

} // namespace
} // namespace quenra
