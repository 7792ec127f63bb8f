// Projects with every field random — unreadable numbers, indexes far outside their lists,
// odd colours — still give a graph page and report pages of the size asked for, and never
// crash (the suites also run under the address and undefined-behaviour sanitizers).
#include "hydraulics/DataErrorPrompt.h"
#include "model/ProjectData.h"
#include "output/GraphRenderer.h"
#include "output/ReportRenderer.h"
#include "support/RandomProject.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace quenra {
namespace {

// Readable numbers in the fields the curves are made of, so that the curve code runs too.
void TypeNumbers(ProjectData& p, unsigned seed) {
    std::mt19937 random(seed);
    const auto number = [&random](int low, int high) {
        return QString::number(std::uniform_int_distribution<int>(low, high)(random));
    };
    for (int test = 1; test <= kTestCount; ++test) {
        p.SupplyStaticPressure[test] = number(-10, 150);
        p.SupplyResidualPressure[test] = number(-10, 150);
        p.SupplyResidualFlow[test] = number(-100, 5000);
        p.DemandFlow[test] = number(-100, 3000);
        p.DemandPressure[test] = number(-10, 200);
        p.HydrantDemandFlow[test] = number(-100, 3000);
        p.HydrantDemandPressure[test] = number(-10, 200);
        for (int row = 1; row <= 7; ++row) {
            for (int column = 1; column <= 15; ++column) {
                p.PumpReadings[test][row][column] = number(-50, 2000);
            }
        }
    }
    p.RatedFlow = number(0, 3000);
    p.ChurnPressure = number(0, 200);
    p.RatedPressure = number(0, 200);
    p.PressureAt150 = number(0, 200);
}

TEST(RandomProjectOutput, GraphAndReportPagesComeOutWhateverTheFields) {
    QTemporaryDir folder;
    for (unsigned seed = 1; seed <= 24; ++seed) {
        ProjectData project = test::RandomProject(seed).Make();
        if (seed % 2 == 0) {
            TypeNumbers(project, seed);
        }
        project.ProjectFileName = QDir(folder.path()).filePath(QStringLiteral("random.qrx"));
        test::ScriptedPrompter prompter;
        PromptFlags flags;

        GraphRenderContext context;
        context.ScreenBox = QSize(640, 480);
        GraphRenderer graph;
        const CheckResult check = CheckBeforeDrawing(project, prompter, flags);
        const auto screen = graph.Render(GraphTarget::Screen, project, check, context);
        ASSERT_TRUE(screen) << seed;
        EXPECT_EQ(screen->Graph.size(), QSize(640, 480)) << seed;

        ReportRenderer report;
        ReportViewOptions options;
        options.View = QSize(800, 600);
        const DemandVerdictSource verdicts =
            PreparedGraphVerdicts(project, CheckBeforeReport(project, prompter, flags));
        const auto run = report.Run(project, verdicts, options, ReportPlaces(), prompter);
        ASSERT_TRUE(run) << seed;
        if (!run->NoTests) {
            EXPECT_EQ(run->Pages.size(), run->PageCount) << seed;
            EXPECT_GE(run->Size.Left, 0) << seed;
            EXPECT_LE(run->Size.Width, kLargestPageWidth) << seed;
            EXPECT_LE(run->Size.Height, kLargestPageHeight) << seed;
        }
    }
}

} // namespace
} // namespace quenra
