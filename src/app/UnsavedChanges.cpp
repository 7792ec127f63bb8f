#include "UnsavedChanges.h"

#include "hydraulics/RecordRefresh.h"

namespace quenra {

namespace {

// The record as it would stand after every supply test and pump test page had been shown.
ProjectData WithDerivedValues(ProjectData project) {
    for (int test = 1; test <= kTestCount; ++test) {
        RefreshView supply;
        supply.Page = MainPage::FireHydrant;
        supply.SupplyTest = test;
        supply.CalculateFlowBox = project.SupplyCalcFlow[test];
        RefreshDerivedValues(project, supply);

        RefreshView pump;
        pump.Page = MainPage::FirstPumpTest + test - 1;
        RefreshDerivedValues(project, pump);
    }
    return project;
}

} // namespace

void UnsavedChanges::Remember(const ProjectData& project) {
    remembered_ = WithDerivedValues(project);
    known_ = true;
}

bool UnsavedChanges::Changed(const ProjectData& project) const {
    return !known_ || WithDerivedValues(project) != remembered_;
}

} // namespace quenra
