#include "CurveRebuild.h"

#include "CurveBuild.h"
#include "NumberText.h"

#include <algorithm>

namespace quenra {

namespace {

constexpr int kThinnestChoice = 0;
constexpr int kThickestChoice = 2;

} // namespace

int CurveLineWidth(int lineThicknessIndex) {
    return 1 << std::clamp(lineThicknessIndex, kThinnestChoice, kThickestChoice);
}

CurveSet RebuildCurves(const ProjectData& project, const EvaluatedTests& evaluated,
                       const PerTest<bool>& flaggedPumpTests) {
    const int lineWidth = CurveLineWidth(project.LineThicknessIndex);
    CurveSet set{CurveTable(lineWidth), DemandResults(), {}};
    set.Demand.PumpAtDemand.fill(kOutOfPumpRange);

    CurveBuild build{project, evaluated, set, lineWidth};
    const bool hydrant = project.IsHydrantTest;
    for (int k = 1; k <= kTestCount; ++k) {
        build.DemandFlow[k] =
            ParseNumber(hydrant ? project.HydrantDemandFlow[k] : project.DemandFlow[k]);
        build.DemandPressure[k] =
            ParseNumber(hydrant ? project.HydrantDemandPressure[k] : project.DemandPressure[k]);
    }

    BuildSupplyCurves(build);
    BuildRatedPumpCurves(build);
    BuildNfpaReferences(build);
    BuildPumpTestCurves(build, flaggedPumpTests);
    BuildDemandPoints(build);
    return set;
}

} // namespace quenra
