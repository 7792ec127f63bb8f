#include "hydraulics/SupplyDerivedValues.h"

#include "hydraulics/NozzleFlow.h"
#include "hydraulics/NumberText.h"
#include "model/ProjectData.h"

namespace quenra {

int OutletsFlowedCount(const QString& text) {
    const double outlets = ParseNumber(text);
    for (int count = 2; count <= kMostOutletsFlowed; ++count) {
        if (outlets == count)
            return count;
    }
    return 1;
}

bool UpdateSupplyDerivedValues(ProjectData& project, int supplyTest, bool calc) {
    if (supplyTest < 1 || supplyTest > kTestCount)
        return false;
    const int s = supplyTest;
    const bool large = IsLargeOutlet(project.SupplyOrificeSize[s]);
    if (calc && large)
        project.SupplyDischargeCoef[s] = LargeOutletCoefficient(project.SupplyPitotReading[s]);
    if (project.SupplyCalcFlow[s]) {
        // Every outlet flowed gives the same flow: the one measured with the pitot gauge.
        const float oneOutlet =
            PitotFlow(project.SupplyDischargeCoef[s], project.SupplyOrificeSize[s],
                      project.SupplyPitotReading[s], project.UnitSystem);
        project.SupplyResidualFlow[s] = FormatRounded(
            0, static_cast<double>(oneOutlet) * OutletsFlowedCount(project.OutletsFlowed[s]));
    }
    return large;
}

} // namespace quenra
