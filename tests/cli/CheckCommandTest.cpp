#include "BatchRun.h"
#include "hydraulics/QStringPrinter.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

using test::RunBatch;

QStringList Lines(const QString& out) {
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST(CheckCommand, TheExamplesHaveNoErrors) {
    for (const char* name : {"Plant.qrx", "Hydrant.qrx"}) {
        SCOPED_TRACE(name);
        test::BatchRun run = RunBatch({QStringLiteral("--check"), test::Example(name)});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out, QStringLiteral("No errors found\n"));
        EXPECT_TRUE(run.Prompter.Messages.isEmpty());
    }
}

TEST(CheckCommand, EveryMessageOnItsOwnLineInOrder) {
    test::FixtureFolder folder;
    ProjectData p;
    p.IsHydrantTest = true;
    p.SupplyStaticPressure[1] = QStringLiteral("70");
    p.SupplyResidualPressure[1] = QStringLiteral("75");
    p.SupplyResidualFlow[1] = QStringLiteral("8");
    p.SupplyShowCurve[3] = true; // nothing typed
    p.HydrantDemandShow[2] = true;
    p.HydrantDemandFlow[2] = QStringLiteral("900");
    const QString path = folder.Save(p, QStringLiteral("hydrant.qrx"));

    test::BatchRun run = RunBatch({QStringLiteral("--check"), path});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(Lines(run.Out),
              (QStringList{"Illegal Residual Flow in Supply Test 1",
                           "Residual Pressure exceeds Static Pressure in Supply Test 1",
                           "Illegal Static Pressure in Supply Test 3",
                           "Illegal Residual Pressure in Supply Test 3",
                           "Illegal Residual Flow in Supply Test 3",
                           "Illegal Pressure in Demand Point 2"}));
    EXPECT_TRUE(run.Prompter.Messages.isEmpty());
}

TEST(CheckCommand, PumpTestRowsOfAFirePumpProject) {
    test::FixtureFolder folder;
    ProjectData p;
    p.ShowPumpRatingCurve = false;
    p.PumpTestInGraph[2] = true;
    test::TypeReading(p, 2, 1, "0", "150", "30");
    test::TypeReading(p, 2, 3, "1000", "140", "30"); // row 1 left blank
    const QString path = folder.Save(p, QStringLiteral("pump.qrx"));
    test::BatchRun run = RunBatch({QStringLiteral("--check"), path});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(Lines(run.Out), (QStringList{"Illegal Pressure in row 1 of pump test 2",
                                           "Illegal flow in row 1 of pump test 2"}));
}

TEST(CheckCommand, AMissingFileIsReportedAndNothingChecked) {
    test::FixtureFolder folder;
    const QString missing = folder.Path(QStringLiteral("missing.qrx"));
    test::BatchRun run = RunBatch({QStringLiteral("--check"), missing});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_EQ(run.Prompter.Messages, QStringList{"File [" + missing + "] not found"});
    EXPECT_EQ(RunBatch({QStringLiteral("--check")}).Status, 2);
}

} // namespace
} // namespace quenra
