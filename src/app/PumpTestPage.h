#pragma once

#include "DataPage.h"

#include <QList>

#include <array>
#include <optional>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabBar;

namespace quenra {

class Prompter;
class PumpNozzleBoxes;
class StringGrid;

// The page of the pump test shown ("PumpPanel"), shared by the five pump test tabs: the readings
// table with its computed columns and out-of-range marks, the controller test and pitot reading
// sub-pages, the transfer switch, the inspector's verdicts and the driver's data. It edits the
// pump test that the last refresh showed: its grids and nozzle boxes store into that test
// themselves, its other controls go through the entry table. The page is built and shown by
// parts: the readings (PumpTestReadings.cpp), the sub-pages (PumpTestSubPages.cpp), the verdicts
// (PumpTestVerdicts.cpp) and the driver's panels (PumpTestDriver.cpp).
class PumpTestPage : public DataPage {
    Q_OBJECT
public:
    PumpTestPage(ProjectData& project, Prompter& prompter, QWidget* parent = nullptr);

    QList<FieldBinding> Bindings() const override;
    void ApplyRules(const RefreshContext& context) override;

    // The current cell of the readings grid, where the inspector types: marking it would change
    // the text under the cursor. There is none once the grid has been left, so a reading out of
    // range shows its mark as soon as the cursor goes to another cell or another control, or
    // another pump test is shown.
    std::optional<GridCell> EditingCell() const override;

    // The readings table ("PT") and the nozzle pitot readings ("Pt2"), whose typed cells hold
    // numbers.
    StringGrid* ReadingsGrid() const { return readings_; }
    StringGrid* PitotGrid() const { return pitotGrid_; }

private:
    // The verdict lists, which the record keeps as codes rather than as list items.
    static QList<FieldBinding> VerdictBindings();

    QBoxLayout* BuildTestHeader(QWidget* parent);
    QFrame* BuildReadings();
    QWidget* BuildDriverColumn();
    QGroupBox* BuildElectricMotor();
    QGroupBox* BuildDieselEngine();
    QWidget* BuildSubPages();
    QWidget* BuildControllerTest();
    QWidget* BuildPitotReadings();
    QWidget* BuildVerdictColumn();
    QGroupBox* BuildPerformance();
    QGroupBox* BuildAcceptanceStarts();
    QGroupBox* BuildTransferSwitch();
    void ConnectEntries();
    void ConnectGrids();

    // Entry handlers.
    void UsePitotReadingsClick(bool checked);
    void SubPageChange(int index);
    void ReadingKeyUp();
    void StoreReading(int column, int row);
    void LeaveReadings();
    void UpdateReadings();
    void PitotKeyUp();
    void StorePitotReading(int column, int row);
    void ControllerMouseDown(int column, int row);
    void StoreControllerGrid();

    // What the refresh shows.
    void LeaveTest();
    void ShowSubPage(bool usesPitotReadings);
    void ShowSuctionTypes(const UnitWords& units, int stored);
    void ShowReadings(const PumpTestTableView& view);
    void ShowRowLabels(bool transferSwitchRow);
    void ShowGrids(const ProjectData& project, int test);
    void ShowTransferSwitch(const ProjectData& project, int test);
    void ShowVerdicts(const ProjectData& project, int test);
    void ShowDriverPanels(const ProjectData& project, int test);
    void ShowFuelLevel(int level);
    void ShowMotorLimits(const ProjectData& project);

    ProjectData& project_;
    Prompter& prompter_;
    int test_ = 1;
    PumpNozzleBoxes* nozzles_;

    QLineEdit* date_ = nullptr;
    QCheckBox* usePitot_ = nullptr;
    QComboBox* suctionType_ = nullptr;
    StringGrid* readings_ = nullptr;
    QLabel* outOfRange_ = nullptr;
    QTabBar* subPageTabs_ = nullptr;
    QStackedWidget* subPages_ = nullptr;
    StringGrid* controllerGrid_ = nullptr;
    StringGrid* pitotGrid_ = nullptr;
    std::array<QLineEdit*, 7> flows_{}; // flowing points 1..6

    QGroupBox* transferSwitch_ = nullptr;
    QLabel* transferCaption_ = nullptr;
    QComboBox* transferState_ = nullptr;
    QLabel* explainCaption_ = nullptr;
    QLabel* commentCaption_ = nullptr;
    QLineEdit* transferNote_ = nullptr;

    QWidget* verdictColumn_ = nullptr;
    QLabel* meetsCaption_ = nullptr;
    QGroupBox* acceptanceStarts_ = nullptr;
    QList<QWidget*> electricStartChecks_;

    QGroupBox* electricMotor_ = nullptr;
    QLabel* maximumAmps_ = nullptr;
    QLabel* voltageRange_ = nullptr;
    QLabel* motorMeetsCaption_ = nullptr;
    QGroupBox* dieselEngine_ = nullptr;
    QLineEdit* fuelOther_ = nullptr;
};

} // namespace quenra
