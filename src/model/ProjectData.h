#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

namespace quenra {

// Five supply tests, pump tests or demand points, indexed 1..5 as inspectors number them;
// element 0 is never used.
constexpr int kTestCount = 5;
template <class T> using PerTest = std::array<T, kTestCount + 1>;

// Readings table of one pump test: rows 1..7 (churn point, then flowing points 1..6),
// columns 1..15 (volts, mean, amps, total, speed, pressures, flows).
constexpr int kReadingRows = 7;
constexpr int kReadingColumns = 15;
using ReadingTable = std::array<std::array<QString, kReadingColumns + 1>, kReadingRows + 1>;

// Nozzle table of one pump test: row 1 diameter, row 2 coefficient, rows 3..8 the pitot
// readings of flowing points 1..6; outlets 1..6.
constexpr int kPitotRows = 8;
constexpr int kOutlets = 6;
using PitotTable = std::array<std::array<QString, kOutlets + 1>, kPitotRows + 1>;

// Controller tests of one pump test: rows 1..4, columns 1..6.
constexpr int kControllerRows = 4;
constexpr int kControllerColumns = 6;
using ControllerTable =
    std::array<std::array<QString, kControllerColumns + 1>, kControllerRows + 1>;

// Controller pressure settings: pairs 1..4, members 1..2.
constexpr int kPressurePairs = 4;
using PressureSettingTable = std::array<std::array<QString, 3>, kPressurePairs + 1>;

// A colour with red in the lowest byte, green in the next and blue in the third, the way
// project files store it.
using Colour = quint32;

constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
           (static_cast<Colour>(blue) << 16);
}

// The one record of the open project. Measured and descriptive values keep the text the
// inspector typed; they are read as numbers only where a calculation needs them.
struct ProjectData {
    // Project kind, units and file
    bool IsHydrantTest{};
    int UnitSystem{};
    QString ProjectFileName; // full path or "untitled"; never saved

    // Client
    QString ClientName;
    QString SiteLocation;
    QString CityStateZip;
    QString VisitDate;
    QString PolicyNumber;
    QString Pcre;

    // Water supply
    QString SupplyTypeText;
    QString TankCapacity;
    int LiftHeadKind{};
    QString LiftHeadValue;
    QString TankKind;
    QString OtherSourceKind;

    // Supply (flow) tests
    PerTest<QString> SupplyTestDate;
    PerTest<QString> SupplyStaticPressure;
    PerTest<QString> SupplyResidualPressure;
    PerTest<QString> SupplyResidualFlow;
    PerTest<QString> SupplyOrificeSize;
    PerTest<QString> SupplyDischargeCoef;
    PerTest<QString> SupplyPitotReading;
    PerTest<bool> SupplyCalcFlow{};
    PerTest<bool> SupplyShowCurve{};
    PerTest<Colour> SupplyTestColor{};
    PerTest<QString> HydrantsFlowed;
    PerTest<QString> OutletsFlowed;
    PerTest<QString> StaticHydrantLocation;
    PerTest<QString> FlowHydrantLocation;
    PerTest<QString> SupplyTestTime;
    PerTest<QString> MainSize;
    PerTest<QString> MainType;

    // Rated pump and graph curve switches
    QString RatedFlow;
    QString ChurnPressure;
    QString RatedPressure;
    QString PressureAt150;
    QString RatedSpeed;
    QString InstallDate;
    bool ShowPumpRatingCurve{};
    bool ShowCombinedCurve{};
    bool ShowNfpa20Curve{};
    bool ShowNfpa25Curve{};
    Colour PumpRatingCurveColor{};
    Colour CombinedCurveColor{};
    Colour Nfpa20CurveColor{};
    Colour Nfpa25CurveColor{};
    int ReferencePumpTest{};

    // Pump tests in the graph
    PerTest<bool> PumpTestInGraph{};
    PerTest<bool> PumpTestCombined{};
    PerTest<Colour> PumpTestColor{};
    PerTest<Colour> PumpTestCombinedColor{};

    // Demand points of a fire pump test project
    PerTest<QString> DemandFlow;
    PerTest<QString> DemandPressure;
    PerTest<QString> DemandPurpose;
    PerTest<bool> DemandShow{};
    PerTest<Colour> DemandColor{};

    // Demand points of a fire hydrant test project
    PerTest<QString> HydrantDemandFlow;
    PerTest<QString> HydrantDemandPressure;
    PerTest<QString> HydrantDemandPurpose;
    PerTest<bool> HydrantDemandShow{};
    PerTest<Colour> HydrantDemandColor{};

    // Fire pump, driver and jockey pump
    QString FirePumpTestDate;
    QString PumpManufacturer;
    QString PumpId;
    QString FirePumpType;
    bool HasPumpBypass{};
    bool HasJockeyPump{};
    QString JockeyCutIn;
    QString JockeyMakeModel;
    int DriverKind{};
    QString PumpPurpose;
    QString DriverMake;
    QString DriverModel;
    QString DriverHorsepower;
    QString DriverRpm;
    QString DriverVolts;
    QString DriverAmps;
    QString ServiceFactor;
    QString DriverPlateData;

    // Controller and automatic testing
    QString ControllerMaker;
    QString AutoOperation;
    QString AutoStopMinutes;
    bool ManualStartSwitch{};
    bool ManualStopSwitch{};
    bool EmergencyStartLever{};
    int RoomDuringTesting{};
    bool AutoTestArranged{};
    QString WeeklyTestDayTime;
    QString WeeklyTestDuration;
    bool AutoShutoff{};
    bool ManualShutoffAvailable{};

    // Alarms, in file order
    bool AlarmLocal{};
    bool AlarmFirePolice{};
    bool AlarmCentralStation{};
    bool AlarmRemoteStation{};
    bool AlarmAuxiliary{};
    bool AlarmProprietary{};
    bool AlarmOther{};
    bool AlarmPumpRunning{};
    bool AlarmPhaseReversal{};
    bool AlarmPowerFailure{};
    bool AlarmPumpOverspeed{};
    bool AlarmLubeOilTemp{};
    bool AlarmCoolingWaterTemp{};
    bool AlarmLowBattery{};
    bool AlarmLowFuel{};
    bool AlarmPumpRoomLowTemp{};
    QString AlarmOtherText;
    QString PumpRoomAlarmTemp;

    // Comment pages, lines separated by CR LF
    PerTest<QString> Comments;
    PerTest<QString> HydrantComments;

    // Pump tests
    PerTest<QString> PumpTestDate;
    PerTest<QString> PumpTestKind;
    PerTest<bool> PlotAdjusted{};
    PerTest<ReadingTable> PumpReadings;
    PerTest<int> SuctionPressureType{}; // never saved; only the legacy import sets it
    PerTest<int> TransferSwitchState{};
    PerTest<QString> TransferSwitchNote;
    PerTest<bool> UsePitotFlows{};
    PerTest<PitotTable> PitotGrid;
    PerTest<QString> PitotFlowComment;
    PerTest<QString> PitotReadingComment;
    PerTest<ControllerTable> ControllerGrid;
    PerTest<PressureSettingTable> PressureSettings;
    PerTest<QString> PrvSettings;
    PerTest<QString> CombinedCurveComment;
    PerTest<int> EmergencyLeverResult{};
    PerTest<bool> MeetsNfpa20{};
    PerTest<QString> NfpaComment;
    PerTest<int> CombinedMeetsDemand{};
    PerTest<int> MotorMeetsNfpa25{};
    PerTest<QString> MotorComment;
    PerTest<QString> AutomaticStarts;
    PerTest<QString> ManualStarts;
    PerTest<bool> EmergencyStartHandle{};
    PerTest<bool> LoadStartTest{};
    PerTest<QString> ControllerTestComment;
    PerTest<QString> EngineHourMeter;
    PerTest<int> FuelTankLevel{};
    PerTest<QString> FuelTankOther;
    PerTest<QString> PressureSettingsComment;

    // Report and graph setup
    bool ReportSupplySection{};
    bool ReportPumpSection{};
    bool ReportPumpTestSection{};
    bool ReportDriverSection{};
    bool ReportControllerSection{};
    bool ReportFirePumpSection{};
    bool ReportAlarmsSection{};
    bool ReportCommentsSection{};
    QString MarginLeft;
    QString MarginRight;
    QString MarginTop;
    QString MarginBottom;
    QString MinPressure;
    QString MaxPressure;
    QString MinFlowText;
    QString MaxFlowText;
    bool DefaultPressureRange{};
    bool DefaultFlowRange{};
    QString GraphTitleText;
    bool TitleFromFileName{};
    int CaptureSizeIndex{};
    int FlowScaleIndex{};
    int SupplySymbol{};
    int DemandSymbol{};
    int NfpaSymbol{};
    int RatedPumpSymbol{};
    int PumpTestSymbol{};
    int SymbolSizeIndex{};
    int FontSizeIndex{};
    int LineThicknessIndex{};
    Colour ReportBackgroundColor{};
    Colour TitleBackgroundColor{};
    Colour FormTextColor{};
    Colour UserEntryTextColor{};
    Colour OutsideBackgroundColor{};
    Colour GraphBackgroundColor{};
    bool LargerFont{};
    bool HideVoltsAmps{};
    bool HideAllReadings{};

    // A new record is a new fire pump test named "untitled". The member initialisers only
    // zero the scalars; the defaults an inspector sees are all set in ResetToDefaults.cpp.
    ProjectData();

    friend bool operator==(const ProjectData&, const ProjectData&) = default;
};

} // namespace quenra
