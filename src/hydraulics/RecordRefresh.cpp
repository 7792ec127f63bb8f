#include "RecordRefresh.h"

#include "SupplyDerivedValues.h"
#include "model/ProjectData.h"

#include <QFileInfo>

#include <algorithm>

namespace quenra {

int CurrentPageFor(bool isHydrantTest, int tabIndex) {
    if (!isHydrantTest) {
        return tabIndex < 1 ? tabIndex : tabIndex + 1;
    }
    if (tabIndex < 0) {
        return tabIndex;
    }
    return tabIndex <= 1 ? tabIndex + 1 : tabIndex + 6;
}

int CurrentPumpTestFor(int shownPage) {
    const int test = shownPage - 2;
    return test >= 1 && test <= kTestCount ? test : 1;
}

QString GraphTitleFromFileName(const QString& projectFileName) {
    const QString name = QFileInfo(projectFileName).completeBaseName();
    return name == QStringLiteral("untitled") ? QStringLiteral("Quenra") : name;
}

RefreshResult RefreshDerivedValues(ProjectData& project, RefreshView& view) {
    RefreshResult result;
    if (view.Page == MainPage::Graph || view.Page == MainPage::Report) {
        return result;
    }
    result.DataPage = true;

    const int supplyTest = std::clamp(view.SupplyTest, 1, kTestCount);
    result.LargeOutlet = UpdateSupplyDerivedValues(project, supplyTest, view.CalculateFlowBox);
    view.CalculateFlowBox = project.SupplyCalcFlow[supplyTest];

    if (view.Page >= MainPage::FirstPumpTest && view.Page <= MainPage::LastPumpTest) {
        result.PumpTable =
            PumpTestTableUpdate(project, CurrentPumpTestFor(view.Page), view.EditingCell);
    }

    result.GraphTitle = GraphTitleFromFileName(project.ProjectFileName);
    if (project.TitleFromFileName) {
        project.GraphTitleText = result.GraphTitle;
    }
    return result;
}

} // namespace quenra
