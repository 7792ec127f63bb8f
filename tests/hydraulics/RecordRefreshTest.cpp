#include "hydraulics/RecordRefresh.h"
#include "model/ProjectData.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

TEST(RecordRefresh, TabsMapToPagesByTestKind) {
    // Fire pump test: data, comments, pump tests 1..5, graph, report, setup.
    const int pumpPages[] = {0, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (int tab = 0; tab < 10; ++tab) {
        EXPECT_EQ(CurrentPageFor(false, tab), pumpPages[tab]) << tab;
    }
    // Fire hydrant test: data, comments, graph, report, setup.
    const int hydrantPages[] = {1, 2, 8, 9, 10};
    for (int tab = 0; tab < 5; ++tab) {
        EXPECT_EQ(CurrentPageFor(true, tab), hydrantPages[tab]) << tab;
    }
    EXPECT_EQ(CurrentPageFor(false, -1), MainPage::About);
    EXPECT_EQ(CurrentPageFor(true, -1), MainPage::About);

    EXPECT_EQ(CurrentPumpTestFor(3), 1);
    EXPECT_EQ(CurrentPumpTestFor(7), 5);
    EXPECT_EQ(CurrentPumpTestFor(8), 1);
    EXPECT_EQ(CurrentPumpTestFor(0), 1);
}

TEST(RecordRefresh, TheCalculateFlowBoxLagsOneRefreshBehindTheRecord) {
    ProjectData p;
    p.SupplyCalcFlow[1] = true;
    p.SupplyOrificeSize[1] = QStringLiteral("4.5");
    p.SupplyPitotReading[1] = QStringLiteral("3");
    p.SupplyDischargeCoef[1] = QStringLiteral("0.90");

    RefreshView view; // a fresh window: the box is not checked yet
    RefreshResult first = RefreshDerivedValues(p, view);
    EXPECT_TRUE(first.LargeOutlet);
    EXPECT_EQ(p.SupplyDischargeCoef[1], QStringLiteral("0.90"));
    EXPECT_EQ(p.SupplyResidualFlow[1], QStringLiteral("941")) << "29.8 * 0.9 * 4.5^2 * sqrt(3)";
    EXPECT_TRUE(view.CalculateFlowBox);

    RefreshDerivedValues(p, view);
    EXPECT_EQ(p.SupplyDischargeCoef[1], QStringLiteral("0.92"));
    EXPECT_EQ(p.SupplyResidualFlow[1], QStringLiteral("962"));
}

TEST(RecordRefresh, GraphAndReportPagesChangeNothing) {
    ProjectData p;
    p.SupplyCalcFlow[1] = true;
    p.SupplyPitotReading[1] = QStringLiteral("10");
    p.PumpReadings[1][2][10] = QStringLiteral("100");
    for (int shown : {MainPage::Graph, MainPage::Report}) {
        RefreshView view;
        view.Page = shown;
        const ProjectData before = p;
        EXPECT_FALSE(RefreshDerivedValues(p, view).DataPage);
        EXPECT_EQ(p, before);
    }
}

TEST(RecordRefresh, APumpTestPageComputesItsOwnTestAndTheTitleFollowsTheFile) {
    ProjectData p;
    p.ProjectFileName = QStringLiteral("/surveys/Plant North.QRX");
    p.PumpReadings[2][2][10] = QStringLiteral("150");
    p.PumpReadings[2][2][11] = QStringLiteral("20");
    p.PumpReadings[1][2][10] = QStringLiteral("150");

    RefreshView view;
    view.Page = 4; // pump test 2
    const RefreshResult result = RefreshDerivedValues(p, view);
    ASSERT_TRUE(result.PumpTable.has_value());
    EXPECT_EQ(p.PumpReadings[2][2][12], QStringLiteral("{130}"));
    EXPECT_EQ(p.PumpReadings[1][2][12], QString());
    EXPECT_EQ(p.GraphTitleText, QStringLiteral("Plant North"));

    view.Page = MainPage::FirePump;
    EXPECT_FALSE(RefreshDerivedValues(p, view).PumpTable.has_value());
    EXPECT_EQ(GraphTitleFromFileName(QStringLiteral("untitled")), QStringLiteral("Quenra"));
}

} // namespace
} // namespace quenra
