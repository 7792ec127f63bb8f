#include "BatchRun.h"
#include "hydraulics/QStringPrinter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>

namespace quenra {
namespace {

using test::RunBatch;

QJsonObject Curves(const QStringList& arguments, test::BatchRun* keep = nullptr) {
    test::BatchRun run = RunBatch(QStringList{QStringLiteral("--curves")} + arguments);
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(run.Out.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(run.Out.count(QLatin1Char('\n')), 1) << "one JSON object on one line";
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(run.Out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    if (keep)
        *keep = run;
    return document.object();
}

QList<int> SeriesIndexes(const QJsonObject& curves) {
    QList<int> indexes;
    for (const QJsonValue& series : curves[QStringLiteral("series")].toArray())
        indexes << series[QStringLiteral("index")].toInt();
    return indexes;
}

QJsonObject SeriesOf(const QJsonObject& curves, int index) {
    for (const QJsonValue& series : curves[QStringLiteral("series")].toArray()) {
        if (series[QStringLiteral("index")].toInt() == index)
            return series.toObject();
    }
    return {};
}

float X(const QJsonObject& series, int i) {
    return static_cast<float>(series[QStringLiteral("x")][i].toDouble());
}
float Y(const QJsonObject& series, int i) {
    return static_cast<float>(series[QStringLiteral("y")][i].toDouble());
}

QJsonObject Demand(const QJsonObject& curves, int point) {
    return curves[QStringLiteral("demand")][point - 1].toObject();
}

double Number(const QJsonObject& object, const char* key) {
    return object[QLatin1String(key)].toDouble();
}

TEST(CurvesCommand, ThePlantExample) {
    const QJsonObject curves = Curves({test::Example("Plant.qrx")});
    EXPECT_FALSE(curves[QStringLiteral("isHydrantTest")].toBool());
    // Only pump test 1 shows its discharge curve; supply test 1 is the only one displayed.
    EXPECT_EQ(curves[QStringLiteral("evaluatedPumpTest")].toInt(), 1);
    EXPECT_EQ(curves[QStringLiteral("evaluatedSupplyTest")].toInt(), 1);
    EXPECT_EQ(curves[QStringLiteral("badData")].toArray(),
              (QJsonArray{false, false, false, false, false}));
    // Rating, combined, NFPA 20 and 25 on; pump tests 1 (net and discharge), 2 and 3 (net);
    // demand points 1 and 2; no supply curves in a fire pump project.
    EXPECT_EQ(SeriesIndexes(curves),
              (QList<int>{3, 4, 7, 8, 9, 11, 17, 18, 24, 25, 26, 27, 28, 29, 32, 43, 44}));

    // Every series lists exactly its drawn points.
    for (const QJsonValue& value : curves[QStringLiteral("series")].toArray()) {
        const QJsonObject series = value.toObject();
        const int count = series[QStringLiteral("pointCount")].toInt();
        EXPECT_EQ(series[QStringLiteral("x")].toArray().size(), count);
        EXPECT_EQ(series[QStringLiteral("y")].toArray().size(), count);
    }

    // Pump test 1 has a transfer switch row, which is no point: (0, 118), (1000, 107),
    // (1500, 78) make two fitted intervals of 30 and the closing point.
    const QJsonObject net = SeriesOf(curves, 7);
    EXPECT_EQ(net[QStringLiteral("pointCount")].toInt(), 61);
    EXPECT_EQ(net[QStringLiteral("color")].toInt(), 255);
    EXPECT_EQ(net[QStringLiteral("lineWidth")].toInt(), 4);
    EXPECT_EQ(net[QStringLiteral("symbol")].toInt(), 0);
    EXPECT_TRUE(net[QStringLiteral("isCurve")].toBool());
    // Nine significant digits bring back the stored single precision value exactly.
    EXPECT_EQ(X(net, 1), static_cast<float>(1000.0 / 30));
    EXPECT_EQ(X(net, 60), 1500.0f);
    EXPECT_EQ(Y(net, 60), 78.0f);
    // Pump test 2: four readings from zero flow, three intervals.
    EXPECT_EQ(SeriesOf(curves, 9)[QStringLiteral("pointCount")].toInt(), 91);
    // NFPA 20 shown: the rated points are churn 118 and 72 at 1500 only.
    const QJsonObject rated = SeriesOf(curves, 24);
    EXPECT_EQ(rated[QStringLiteral("pointCount")].toInt(), 2);
    EXPECT_EQ(Y(rated, 0), 118.0f);
    EXPECT_EQ(X(rated, 1), 1500.0f);
    EXPECT_EQ(SeriesOf(curves, 25)[QStringLiteral("lineWidth")].toInt(), -4);
    EXPECT_EQ(SeriesOf(curves, 17)[QStringLiteral("lineWidth")].toInt(), -5);

    // Demand 750 gpm at 85 psi. Net: 118 - 11 * 0.75^3.18396 = 113.5986; discharge
    // (0, 182), (1000, 169), (1500, 136): 182 - 13 * 0.75^3.11665 = 176.6966.
    // Supply 64 / 48 at 1250: 64 - 16 * 0.6^1.852 = 57.7876.
    const QJsonObject first = Demand(curves, 1);
    EXPECT_EQ(first[QStringLiteral("point")].toInt(), 1);
    EXPECT_NEAR(Number(first, "supply"), 57.7876, 1e-4);
    EXPECT_NEAR(Number(first, "pump"), 113.5986, 1e-4);
    EXPECT_NEAR(Number(first, "boosted"), 176.6966, 1e-4);
    EXPECT_NEAR(Number(first, "cushion"), 91.6966, 1e-4);
    EXPECT_EQ(first[QStringLiteral("verdict")].toString(),
              QStringLiteral("Safety Cushion: +91.7 psi"));
    // Demand 500 gpm at 100 psi: 118 - 11 * 0.5^3.18396 = 116.7896, 182 - 13 * 0.5^3.11665
    // = 180.5012.
    const QJsonObject second = Demand(curves, 2);
    EXPECT_NEAR(Number(second, "pump"), 116.7896, 1e-4);
    EXPECT_NEAR(Number(second, "cushion"), 80.5012, 1e-4);
    EXPECT_EQ(second[QStringLiteral("verdict")].toString(),
              QStringLiteral("Safety Cushion: +80.5 psi"));
    // Points that are not enabled have results but no verdict.
    EXPECT_EQ(Demand(curves, 3)[QStringLiteral("verdict")].toString(), QString());
    EXPECT_EQ(curves[QStringLiteral("demand")].toArray().size(), 5);
}

TEST(CurvesCommand, TheHydrantExample) {
    const QJsonObject curves = Curves({test::Example("Hydrant.qrx")});
    EXPECT_TRUE(curves[QStringLiteral("isHydrantTest")].toBool());
    EXPECT_EQ(curves[QStringLiteral("evaluatedSupplyTest")].toInt(), 1);
    EXPECT_EQ(SeriesIndexes(curves), (QList<int>{17, 18, 33, 34, 35, 38, 39, 40}));
    // Test 2: 74 / 55 at 1874; Qmax = (74 / C)^0.5399568 with C = 19 / 1874^1.852 = 3904.83
    const QJsonObject supply = SeriesOf(curves, 34);
    EXPECT_EQ(supply[QStringLiteral("pointCount")].toInt(), 100);
    EXPECT_EQ(supply[QStringLiteral("color")].toInt(), 32768);
    EXPECT_EQ(Y(supply, 0), 74.0f);
    EXPECT_NEAR(X(supply, 99), 3904.83, 0.01);
    EXPECT_EQ(X(SeriesOf(curves, 39), 1), 1874.0f);
    // Test 1, 72 / 58 at 1150: at 600 gpm 67.8038 against 45, at 1100 gpm 59.1064 against 40.
    EXPECT_NEAR(Number(Demand(curves, 1), "supply"), 67.8038, 1e-4);
    EXPECT_EQ(Demand(curves, 1)[QStringLiteral("verdict")].toString(),
              QStringLiteral("Safety Cushion: +22.8 psi"));
    EXPECT_NEAR(Number(Demand(curves, 2), "supply"), 59.1064, 1e-4);
    EXPECT_EQ(Demand(curves, 2)[QStringLiteral("verdict")].toString(),
              QStringLiteral("Safety Cushion: +19.1 psi"));
    // The cushion of a hydrant project is the legend's; the pump results stay unset.
    EXPECT_EQ(Number(Demand(curves, 1), "pump"), -12345.0);
    EXPECT_EQ(Number(Demand(curves, 1), "cushion"), 0.0);
}

TEST(CurvesCommand, ARequestedTestIsEvaluated) {
    // Test 3 of the hydrant example, 70 / 52 at 980: at 600 gpm 62.7447.
    const QJsonObject curves =
        Curves({test::Example("Hydrant.qrx"), QStringLiteral("--test"), QStringLiteral("3")});
    EXPECT_EQ(curves[QStringLiteral("evaluatedSupplyTest")].toInt(), 3);
    EXPECT_EQ(curves[QStringLiteral("evaluatedPumpTest")].toInt(), 0);
    EXPECT_NEAR(Number(Demand(curves, 1), "supply"), 62.7447, 1e-4);
}

TEST(CurvesCommand, ATestFlaggedByTheCheckIsDrawnThroughItsReadings) {
    test::FixtureFolder folder;
    ProjectData p;
    p.ShowPumpRatingCurve = false;
    p.PumpTestInGraph[2] = true;
    p.PumpTestCombined[2] = true;
    test::TypeReading(p, 2, 1, "100", "150", "30"); // flow in row zero
    test::TypeReading(p, 2, 2, "1000", "140", "30");
    test::TypeReading(p, 2, 3, "1500", "110", "30");
    p.DemandShow[1] = true;
    p.DemandFlow[1] = QStringLiteral("1200");
    p.DemandPressure[1] = QStringLiteral("90");
    test::BatchRun run;
    const QJsonObject curves = Curves({folder.Save(p, QStringLiteral("flagged.qrx"))}, &run);
    // The batch asks nothing: the data check's messages take the place of the question.
    EXPECT_TRUE(run.Prompter.Questions.isEmpty());
    EXPECT_EQ(run.Prompter.Messages, QStringList{"Non-zero flow in row zero of pump test 2"});

    EXPECT_EQ(curves[QStringLiteral("badData")].toArray(),
              (QJsonArray{false, true, false, false, false}));
    const QJsonObject net = SeriesOf(curves, 9);
    EXPECT_EQ(net[QStringLiteral("pointCount")].toInt(), 3);
    EXPECT_EQ(X(net, 0), 100.0f);
    EXPECT_EQ(Y(net, 1), 110.0f); // 140 - 30
    EXPECT_EQ(Y(SeriesOf(curves, 10), 2), 110.0f);
    EXPECT_EQ(Demand(curves, 1)[QStringLiteral("verdict")].toString(),
              QStringLiteral("Out of Range"));
}

TEST(CurvesCommand, ATestEvaluatedOnRequestIsFittedWithItsLeadIn) {
    // Seven readings from 100 gpm, not shown: not checked, fitted with 30 lead-in points.
    test::FixtureFolder folder;
    ProjectData p;
    p.ShowPumpRatingCurve = false;
    const char* discharge[] = {"149", "146", "141", "134", "125", "114", "101"};
    for (int row = 1; row <= 7; ++row)
        test::TypeReading(p, 4, row, QByteArray::number(100 * row).constData(), discharge[row - 1],
                          "0");
    p.DemandShow[1] = true;
    p.DemandFlow[1] = QStringLiteral("50");
    p.DemandPressure[1] = QStringLiteral("100");
    const QString path = folder.Save(p, QStringLiteral("seven.qrx"));
    const QJsonObject curves = Curves({path, QStringLiteral("--test"), QStringLiteral("4")});
    EXPECT_EQ(curves[QStringLiteral("evaluatedPumpTest")].toInt(), 4);
    EXPECT_EQ(curves[QStringLiteral("evaluatedSupplyTest")].toInt(), 0);
    // Triple (100, 149), (200, 146), (300, 141): n = log2(8 / 3), H = 3 / 100^n; at 50 gpm on
    // the lead-in 149 + 3 * 0.5^n = 149 + 3 * 3 / 8 = 150.125, the same for the discharge.
    EXPECT_NEAR(Number(Demand(curves, 1), "pump"), 150.125, 1e-4);
    EXPECT_NEAR(Number(Demand(curves, 1), "boosted"), 150.125, 1e-4);
    EXPECT_EQ(Demand(curves, 1)[QStringLiteral("verdict")].toString(),
              QStringLiteral("Safety Cushion: +50.1 psi"));
    EXPECT_EQ(SeriesIndexes(curves), QList<int>{17});
}

TEST(CurvesCommand, TheOutputLineIsExactlyTheContractsFormat) {
    test::BatchRun run = RunBatch({QStringLiteral("--curves"), test::Example("Hydrant.qrx")});
    EXPECT_TRUE(run.Out.startsWith(QStringLiteral(
        "{\"isHydrantTest\": true, \"evaluatedSupplyTest\": 1, \"evaluatedPumpTest\": 0, "
        "\"badData\": [false, false, false, false, false], \"series\": [{\"index\": 17, "
        "\"pointCount\": 1, \"color\": 16711680, \"lineWidth\": -5, \"symbol\": 3, "
        "\"isCurve\": false, \"x\": [600], \"y\": [45]}")));
    EXPECT_TRUE(run.Out.endsWith(QStringLiteral("\"verdict\": \"\"}]}\n")));
}

TEST(CurvesCommand, BadArgumentsAndMissingFiles) {
    EXPECT_EQ(RunBatch({QStringLiteral("--curves")}).Status, 2);
    const QString plant = test::Example("Plant.qrx");
    for (const char* test : {"6", "-1", "x", ""})
        EXPECT_EQ(RunBatch({QStringLiteral("--curves"), plant, QStringLiteral("--test"),
                            QLatin1String(test)})
                      .Status,
                  2)
            << test;
    EXPECT_EQ(
        RunBatch({QStringLiteral("--curves"), plant, QStringLiteral("--tset"), QStringLiteral("1")})
            .Status,
        2);
    test::FixtureFolder folder;
    test::BatchRun missing =
        RunBatch({QStringLiteral("--curves"), folder.Path(QStringLiteral("none.qrx"))});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_TRUE(missing.Out.isEmpty());
    EXPECT_EQ(missing.Prompter.Messages.size(), 1);
}

} // namespace
} // namespace quenra
