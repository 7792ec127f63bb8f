#pragma once

#include "PumpTestTable.h"

#include <QString>

#include <optional>

namespace quenra {

struct ProjectData;

// Pages of the main window as every part of the program numbers them, whatever the tab list.
// A plain enum inside a type rather than an enum class: the page number is arithmetic, the
// pump test pages are FirstPumpTest + test - 1 and are told apart by their range, and the
// window hands the number on as `CurrentPage`.
struct MainPage {
    enum Number : int {
        About = -1,
        FirePump = 0,
        FireHydrant = 1,
        Comments = 2,
        FirstPumpTest = 3,
        LastPumpTest = 7,
        Graph = 8,
        Report = 9,
        Setup = 10,
    };
};

// The page that main tab `tabIndex` shows: the two test kinds have different tab lists.
int CurrentPageFor(bool isHydrantTest, int tabIndex);

// The pump test whose page is shown, else 1.
int CurrentPumpTestFor(int page);

// The graph title that the file name gives: its name without the extension, or "Quenra" for an
// untitled project.
QString GraphTitleFromFileName(const QString& projectFileName);

// What the window shows that decides which derived values a refresh stores.
struct RefreshView {
    int Page = MainPage::FirePump;
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
