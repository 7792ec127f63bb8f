#include "hydraulics/SupplyDerivedValues.h"

#include "hydraulics/NozzleFlow.h"
#include "hydraulics/NumberText.h"
#include "model/ProjectData.h"

namespace quenra {

bool UpdateSupplyDerivedValues(ProjectData& project, int supplyTest, bool calc) {
    if (supplyTest < 1 || supplyTest > kTestCount)
        return false;
    const int s = supplyTest;
    const bool large = IsLargeOutlet(project.SupplyOrificeSize[s]);
    if (calc && large)
        project.SupplyDischargeCoef[s] = LargeOutletCoefficient(project.SupplyPitotReading[s]);
    if (project.SupplyCalcFlow[s])
        project.SupplyResidualFlow[s] =
            FormatRounded(0, PitotFlow(project.SupplyDischargeCoef[s], project.SupplyOrificeSize[s],
                                       project.SupplyPitotReading[s], project.UnitSystem));
    return large;
}

} // namespace quenra
