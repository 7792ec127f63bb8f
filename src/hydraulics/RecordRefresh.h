#pragma once

#include "PumpTestTable.h"

#include <QString>

#include <optional>

namespace quenra {

struct ProjectData;

// Pages of the main window as every part of the program numbers them, whatever the tab list.
namespace page {
constexpr int About = -1;
constexpr int FirePump = 0;
constexpr int FireHydrant = 1;
constexpr int Comments = 2;
constexpr int FirstPumpTest = 3;
constexpr int LastPumpTest = 7;
constexpr int Graph = 8;
constexpr int Report = 9;
constexpr int Setup = 10;
} // namespace page

// The page that main tab `tabIndex` shows: the two test kinds have different tab lists.
int CurrentPageFor(bool isHydrantTest, int tabIndex);

// The pump test whose page is shown, else 1.
int CurrentPumpTestFor(int page);

// The graph title that the file name gives: its name without the extension, or "Quenra" for an
// untitled project.
QString GraphTitleFromFileName(const QString& projectFileName);

// What the window shows that decides which derived values a refresh stores.
struct RefreshView {
    int Page = page::FirePump;
    int SupplyTest = 1;                  // the supply test tab shown, 1..5
    bool CalculateFlowBox = false;       // the "Calculate Flow" box as the previous refresh left it
    std::optional<GridCell> EditingCell; // the readings cell being typed in, if any
};

// What a refresh computed, for the window to show.
struct RefreshResult {
    bool DataPage = false;    // false on the graph and report pages, where nothing runs
    bool LargeOutlet = false; // the supply test shown has a 4 or 4.5 outlet
    std::optional<PumpTestTableView> PumpTable; // on a pump test page
    QString GraphTitle;                         // the title the file name gives
};

// The part of a screen refresh that changes the record: the supply test's computed flow and
// outlet coefficient, the pump test table of the pump test page shown, and the graph title
// when it follows the file name. Leaves `view.CalculateFlowBox` as the refresh shows it.
RefreshResult RefreshDerivedValues(ProjectData& project, RefreshView& view);

} // namespace quenra
