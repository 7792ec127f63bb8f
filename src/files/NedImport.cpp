#include "NedImport.h"

#include "FileMessages.h"
#include "ImportFile.h"
#include "ProjectFileReader.h"
#include "Windows1252.h"
#include "hydraulics/NumberText.h"
#include "model/CommentText.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "model/TextLimits.h"
#include "platform/Prompter.h"

#include <QHash>
#include <QStringView>

#include <array>
#include <span>
#include <utility>

namespace quenra {

namespace {

const QString kFormKind = QStringLiteral("Form");
const QString kCommentSeparator = QStringLiteral("|");
const QString kLineEnd = QStringLiteral("\r\n");

// One line of the file: what kind of control it came from, the control's name, its text and
// its integer value.
struct NedRecord {
    QString kind;
    QString name;
    QString text;
    int value = 0;
    QString valueText; // read into `value` only for a record that is applied
};

// Takes the next field off the front of `rest`. A quoted field ends at the next quote (or at
// the end of the line when the quote is never closed) and the rest goes on after it. An
// unquoted field is everything left, less what precedes the first comma; the rest stays as it
// is, so an unquoted field repeats in the fields after it.
QString TakeField(QStringView& rest) {
    const qsizetype open = rest.indexOf(u'"');
    if (open >= 0) {
        const QStringView quoted = rest.mid(open + 1);
        const qsizetype close = quoted.indexOf(u'"');
        if (close < 0) {
            rest = {};
            return quoted.toString();
        }
        rest = quoted.mid(close + 1);
        return quoted.left(close).toString();
    }
    const qsizetype comma = rest.indexOf(u',');
    return (comma < 0 ? rest : rest.mid(comma + 1)).toString();
}

// The fields after the kind, taken off `rest`.
NedRecord SplitRecord(QString kind, QStringView rest) {
    NedRecord record;
    record.kind = std::move(kind);
    record.name = TakeField(rest);
    record.text = TakeField(rest);
    record.valueText = TakeField(rest);
    return record;
}

// The scopes that the file's "Form" records open; each holds the values of one window.
enum class Scope { None, MainScreen, Comments, ExtraData, PumpTest, Count };

struct ScopeName {
    const char* name;
    Scope scope;
    int pumpTest;
};

constexpr ScopeName kScopes[] = {
    {"MainScreenInfo", Scope::MainScreen, 0}, {"CommentsInfo", Scope::Comments, 0},
    {"ExtraDataInfo", Scope::ExtraData, 0},   {"PumpTestInfo1", Scope::PumpTest, 1},
    {"PumpTestInfo2", Scope::PumpTest, 2},
};

// In the legacy format one check box stands for a remote, auxiliary or proprietary station
// alarm, depending on a station kind recorded before it.
constexpr int kNoStationKind = -1;
enum StationKind { kRemoteStation = 0, kAuxiliaryStation = 1, kProprietaryStation = 2 };

struct ImportState {
    explicit ImportState(ProjectData& record) : project(record) {}

    ProjectData& project;
    Scope scope = Scope::None;
    QString scopeName;
    int pumpTest = 0;
    int stationKind = kNoStationKind;
    ImportResult result;
};

void NoteCut(ImportState& s, const NedRecord& r, qsizetype limit) {
    s.result.CutMessages << file_messages::TextCut(r.name + QStringLiteral(" in ") + s.scopeName,
                                                   limit);
}

// A one-line text value as the record keeps it: cut to its bound, and the cut noted under the
// control's name and scope as the file names them.
QString FieldText(ImportState& s, const NedRecord& r) {
    if (r.text.size() <= text_limits::kMaxFieldLength) {
        return r.text;
    }
    NoteCut(s, r, text_limits::kMaxFieldLength);
    return r.text.left(text_limits::kMaxFieldLength);
}

using Apply = void (*)(ImportState&, const NedRecord&);

struct Rule {
    const char* name;
    Apply apply;
};

// Field setters, one instance per record field, so that the rule tables below stay data.

bool IsChecked(const NedRecord& r) {
    return r.value == 1;
}

template <QString ProjectData::*Field> void SetText(ImportState& s, const NedRecord& r) {
    s.project.*Field = FieldText(s, r);
}

template <bool ProjectData::*Field> void SetFlag(ImportState& s, const NedRecord& r) {
    s.project.*Field = IsChecked(r);
}

template <int ProjectData::*Field> void SetIndex(ImportState& s, const NedRecord& r) {
    s.project.*Field = r.value;
}

template <PerTest<QString> ProjectData::*Field, int Test>
void SetTestText(ImportState& s, const NedRecord& r) {
    (s.project.*Field)[Test] = FieldText(s, r);
}

template <PerTest<bool> ProjectData::*Field, int Test>
void SetTestFlag(ImportState& s, const NedRecord& r) {
    (s.project.*Field)[Test] = IsChecked(r);
}

template <PerTest<QString> ProjectData::*Field>
void SetPumpTestText(ImportState& s, const NedRecord& r) {
    (s.project.*Field)[s.pumpTest] = FieldText(s, r);
}

template <PerTest<bool> ProjectData::*Field>
void SetPumpTestFlag(ImportState& s, const NedRecord& r) {
    (s.project.*Field)[s.pumpTest] = IsChecked(r);
}

template <PerTest<int> ProjectData::*Field>
void SetPumpTestIndex(ImportState& s, const NedRecord& r) {
    (s.project.*Field)[s.pumpTest] = r.value;
}

// The legacy format keeps a switch of test 1 and the same switch of test 2 in one value: 1 for
// the first, 2 for the second, 3 for both.
bool FirstOfPair(int value) {
    return value == 1 || value == 3;
}
bool SecondOfPair(int value) {
    return value == 2 || value == 3;
}

void SetSupplyType(ImportState& s, const NedRecord& r) {
    s.project.SupplyTypeText = QString::number(r.value);
}

void SetSupplyCurves(ImportState& s, const NedRecord& r) {
    s.project.SupplyShowCurve[1] = FirstOfPair(r.value);
    s.project.SupplyShowCurve[2] = SecondOfPair(r.value);
}

void SetSourceKind(ImportState& s, const NedRecord& r) {
    s.project.TankKind = FieldText(s, r);
    s.project.OtherSourceKind = FieldText(s, r);
}

// The legacy format has one set of demand points for both kinds of project.
void SetDemandFlow(ImportState& s, const NedRecord& r) {
    s.project.DemandFlow[1] = FieldText(s, r);
    s.project.HydrantDemandFlow[1] = FieldText(s, r);
}

void SetDemandPressure(ImportState& s, const NedRecord& r) {
    s.project.DemandPressure[1] = FieldText(s, r);
    s.project.HydrantDemandPressure[1] = FieldText(s, r);
}

void SetPumpTestsInGraph(ImportState& s, const NedRecord& r) {
    s.project.PumpTestInGraph[1] = FirstOfPair(r.value);
    s.project.PumpTestInGraph[2] = SecondOfPair(r.value);
}

// One value chooses the combined curve: 1 that of the rated pump, 2 and 3 that of pump test 1
// and 2.
void SetCombinedCurves(ImportState& s, const NedRecord& r) {
    if (r.value > 0) {
        s.project.ReferencePumpTest = r.value - 1;
    }
    s.project.ShowCombinedCurve = r.value == 1;
    s.project.PumpTestCombined[1] = r.value == 2;
    s.project.PumpTestCombined[2] = r.value == 3;
}

// The comment lines are stored as one text with "|" between them; empty lines do not survive.
void SetComments(ImportState& s, const NedRecord& r) {
    QString lines;
    for (const QString& piece : r.text.split(kCommentSeparator, Qt::SkipEmptyParts)) {
        lines += piece + kLineEnd;
        if (lines.size() > text_limits::kMaxCommentPageLength) {
            break;
        }
    }
    if (lines.size() > text_limits::kMaxCommentPageLength) {
        NoteCut(s, r, text_limits::kMaxCommentPageLength);
        lines = CutCommentPage(lines, text_limits::kMaxCommentPageLength);
    }
    s.project.Comments[1] = lines;
    s.project.HydrantComments[1] = lines;
}

void RememberStationKind(ImportState& s, const NedRecord& r) {
    s.stationKind = r.value;
}

void SetStationAlarm(ImportState& s, const NedRecord& r) {
    if (!IsChecked(r)) {
        return;
    }
    switch (s.stationKind) {
    case kRemoteStation:
        s.project.AlarmRemoteStation = true;
        break;
    case kAuxiliaryStation:
        s.project.AlarmAuxiliary = true;
        break;
    case kProprietaryStation:
        s.project.AlarmProprietary = true;
        break;
    default:
        break;
    }
}

using P = ProjectData;

constexpr Rule kMainScreenRules[] = {
    {"WS_ST", SetSupplyType},
    {"WS_SC(0)", SetSupplyCurves},
    {"PM_D", SetTestText<&P::SupplyTestDate, 1>},
    {"PM_SP", SetTestText<&P::SupplyStaticPressure, 1>},
    {"PM_RP", SetTestText<&P::SupplyResidualPressure, 1>},
    {"PM_RF", SetTestText<&P::SupplyResidualFlow, 1>},
    {"RF_OS", SetTestText<&P::SupplyOrificeSize, 1>},
    {"RF_DC", SetTestText<&P::SupplyDischargeCoef, 1>},
    {"RF_PR", SetTestText<&P::SupplyPitotReading, 1>},
    {"Check1", SetTestFlag<&P::SupplyCalcFlow, 1>},
    {"PM_D2", SetTestText<&P::SupplyTestDate, 2>},
    {"PM_SP2", SetTestText<&P::SupplyStaticPressure, 2>},
    {"PM_RP2", SetTestText<&P::SupplyResidualPressure, 2>},
    {"PM_RF2", SetTestText<&P::SupplyResidualFlow, 2>},
    {"RF_OS2", SetTestText<&P::SupplyOrificeSize, 2>},
    {"RF_DC2", SetTestText<&P::SupplyDischargeCoef, 2>},
    {"RF_PR2", SetTestText<&P::SupplyPitotReading, 2>},
    {"ASCheck1", SetTestFlag<&P::SupplyCalcFlow, 2>},
    {"Text20", SetText<&P::TankCapacity>},
    {"Text17", SetText<&P::LiftHeadValue>},
    {"WS_DF_D", SetSourceKind},
    {"combo2(0)", SetIndex<&P::LiftHeadKind>},
    {"P1_RF", SetText<&P::RatedFlow>},
    {"P1_RP", SetText<&P::RatedPressure>},
    {"P1_CP", SetText<&P::ChurnPressure>},
    {"P1_P15", SetText<&P::PressureAt150>},
    {"P1_RS", SetText<&P::RatedSpeed>},
    {"Text7", SetText<&P::InstallDate>},
    {"Text2", SetText<&P::PolicyNumber>},
    {"SDP_DF", SetDemandFlow},
    {"SDP_DP", SetDemandPressure},
    {"P1_Show", SetFlag<&P::ShowPumpRatingCurve>},
    {"NFPA_Show", SetFlag<&P::ShowNfpa20Curve>},
    {"tp_show(2)", SetPumpTestsInGraph},
    {"cc_show(3)", SetCombinedCurves},
    {"combo1(4)", SetIndex<&P::UnitSystem>},
    {"Check3", SetTestFlag<&P::DemandShow, 1>},
};

constexpr Rule kCommentsRules[] = {
    {"Text1", SetComments},
};

constexpr Rule kExtraDataRules[] = {
    {"Text1", SetText<&P::ClientName>},
    {"Text3", SetText<&P::SiteLocation>},
    {"Text4", SetText<&P::CityStateZip>},
    {"Text5", SetText<&P::VisitDate>},
    {"Text2", SetText<&P::DriverMake>},
    {"Text8", SetText<&P::DriverModel>},
    {"Text7", SetText<&P::DriverHorsepower>},
    {"Text9", SetText<&P::DriverVolts>},
    {"Text6", SetText<&P::Pcre>},
    {"Text10", SetText<&P::DriverAmps>},
    {"Text12", SetText<&P::ServiceFactor>},
    {"Text13", SetText<&P::DriverPlateData>},
    {"Text27", SetText<&P::WeeklyTestDayTime>},
    {"Text32", SetText<&P::AlarmOtherText>},
    {"Text11", SetText<&P::DriverRpm>},
    {"Text25", SetText<&P::FirePumpTestDate>},
    {"Text20", SetText<&P::PumpManufacturer>},
    {"Text21", SetText<&P::PumpId>},
    {"Text33", SetText<&P::JockeyCutIn>},
    {"Text34", SetText<&P::JockeyMakeModel>},
    {"Combo6", SetText<&P::PumpPurpose>},
    {"Combo2", SetText<&P::FirePumpType>},
    {"Combo3", SetIndex<&P::DriverKind>},
    {"Combo1", SetText<&P::AutoOperation>},
    {"Text14", SetText<&P::AutoStopMinutes>},
    {"Combo5", SetIndex<&P::RoomDuringTesting>},
    {"Text28", SetText<&P::WeeklyTestDuration>},
    {"Text31", SetText<&P::PumpRoomAlarmTemp>},
    {"Check1", SetFlag<&P::HasPumpBypass>},
    {"Check2", SetFlag<&P::HasJockeyPump>},
    {"Check17", SetFlag<&P::ManualStartSwitch>},
    {"Check18", SetFlag<&P::ManualStopSwitch>},
    {"Check19", SetFlag<&P::EmergencyStartLever>},
    {"Check20", SetFlag<&P::AutoTestArranged>},
    {"Check21", SetFlag<&P::AutoShutoff>},
    {"Check22", SetFlag<&P::ManualShutoffAvailable>},
    {"Check3", SetFlag<&P::AlarmLocal>},
    {"Check4", SetFlag<&P::AlarmFirePolice>},
    {"Check5", SetFlag<&P::AlarmCentralStation>},
    {"Check7", SetFlag<&P::AlarmPumpRunning>},
    {"Check8", SetFlag<&P::AlarmOther>},
    {"Check9", SetFlag<&P::AlarmPhaseReversal>},
    {"Check10", SetFlag<&P::AlarmPowerFailure>},
    {"Check11", SetFlag<&P::AlarmPumpOverspeed>},
    {"Check12", SetFlag<&P::AlarmLubeOilTemp>},
    {"Check13", SetFlag<&P::AlarmCoolingWaterTemp>},
    {"Check14", SetFlag<&P::AlarmLowBattery>},
    {"Check15", SetFlag<&P::AlarmLowFuel>},
    {"Check16", SetFlag<&P::AlarmPumpRoomLowTemp>},
    {"Combo7", RememberStationKind},
    {"Check6", SetStationAlarm},
};

constexpr Rule kPumpTestRules[] = {
    {"Text2", SetPumpTestText<&P::PumpTestDate>},
    {"Text4", SetPumpTestText<&P::TransferSwitchNote>},
    {"Text3", SetPumpTestText<&P::NfpaComment>},
    {"Combo14", SetPumpTestText<&P::PumpTestKind>},
    {"Check1", SetPumpTestFlag<&P::PlotAdjusted>},
    {"Check2", SetPumpTestFlag<&P::UsePitotFlows>},
    {"Combo1", SetPumpTestIndex<&P::SuctionPressureType>},
    {"Text40", SetPumpTestText<&P::PitotFlowComment>},
    {"Text39", SetPumpTestText<&P::PitotReadingComment>},
    {"Text7", SetPumpTestText<&P::PrvSettings>},
    {"Text8", SetPumpTestText<&P::CombinedCurveComment>},
};

// The cells of a pump test's tables, each stored as a record of its own.
enum class Grid { Readings, Pitot, Controller, PressureSettings };

struct CellRef {
    Grid grid;
    int row;
    int column;
};

// Readings cells, one column at a time, rows 1..7. The file has no record for columns 4, 8,
// 13 and 15 or for row 1 of column 12; those cells keep their defaults.
struct ReadingsColumnNames {
    int column;
    std::array<const char*, kReadingRows> rows;
};

constexpr ReadingsColumnNames kReadingsCells[] = {
    {1, {"Text139", "Text83", "Text84", "Text85", "Text86", "Text87", "Text88"}},
    {2, {"Text138", "Text89", "Text90", "Text91", "Text92", "Text93", "Text94"}},
    {3, {"Text47", "Text95", "Text96", "Text97", "Text98", "Text99", "Text100"}},
    {5, {"Text42", "Text27", "Text28", "Text29", "Text30", "Text31", "Text32"}},
    {6, {"Text43", "Text21", "Text22", "Text23", "Text24", "Text25", "Text26"}},
    {7, {"Text44", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20"}},
    {9, {"Text145", "Text48", "Text49", "Text50", "Text51", "Text52", "Text53"}},
    {10, {"Text144", "Text1", "Text54", "Text55", "Text56", "Text57", "Text58"}},
    {11, {"Text143", "Text59", "Text60", "Text61", "Text62", "Text63", "Text64"}},
    {12, {nullptr, "Text65", "Text66", "Text67", "Text68", "Text69", "Text70"}},
    {14, {"Text141", "Text71", "Text72", "Text73", "Text74", "Text75", "Text76"}},
};

// Controller test cells, one column at a time, rows 1..4.
constexpr std::array<std::array<const char*, kControllerRows>, kControllerColumns>
    kControllerCells = {{
        {"Text107", "Text108", "Text109", "Text110"},
        {"Combo2", "Combo3", "Combo4", "Combo5"},
        {"Combo6", "Combo7", "Combo8", "Combo9"},
        {"Combo10", "Combo11", "Combo12", "Combo13"},
        {"Text123", "Text124", "Text125", "Text126"},
        {"Text127", "Text128", "Text129", "Text130"},
    }};

// Controller pressure settings, pairs 1..4, members 1 and 2.
constexpr std::array<std::array<const char*, 2>, kPressurePairs> kPressureSettingCells = {{
    {"Text131", "Text132"},
    {"Text133", "Text134"},
    {"Text6", "Text135"},
    {"Text136", "Text137"},
}};

// Pitot cells are named by pattern: "PD" and "PC" with the outlet for the diameter and the
// coefficient rows, "P" with the reading and the outlet for a reading. A reading row has only
// as many outlets as its number.
const QString kDiameterPrefix = QStringLiteral("PD");
const QString kCoefficientPrefix = QStringLiteral("PC");
const QString kReadingPrefix = QStringLiteral("P");
constexpr int kPitotHeaderRows = 2;
constexpr int kPitotReadings = kPitotRows - kPitotHeaderRows;

void AddPitotCells(QHash<QString, CellRef>& cells) {
    for (int outlet = 1; outlet <= kOutlets; ++outlet) {
        const QString number = QString::number(outlet);
        cells.insert(kDiameterPrefix + number, {Grid::Pitot, 1, outlet});
        cells.insert(kCoefficientPrefix + number, {Grid::Pitot, 2, outlet});
    }
    for (int reading = 1; reading <= kPitotReadings; ++reading) {
        for (int outlet = 1; outlet <= reading && outlet <= kOutlets; ++outlet) {
            const QString name =
                kReadingPrefix + QString::number(reading) + QString::number(outlet);
            cells.insert(name, {Grid::Pitot, reading + kPitotHeaderRows, outlet});
        }
    }
}

QHash<QString, CellRef> BuildPumpTestCells() {
    QHash<QString, CellRef> cells;
    for (const ReadingsColumnNames& column : kReadingsCells) {
        for (int row = 1; row <= kReadingRows; ++row) {
            if (const char* name = column.rows[row - 1]) {
                cells.insert(QLatin1String(name), {Grid::Readings, row, column.column});
            }
        }
    }
    for (int column = 1; column <= kControllerColumns; ++column) {
        for (int row = 1; row <= kControllerRows; ++row) {
            cells.insert(QLatin1String(kControllerCells[column - 1][row - 1]),
                         {Grid::Controller, row, column});
        }
    }
    for (int pair = 1; pair <= kPressurePairs; ++pair) {
        for (int member = 1; member <= 2; ++member) {
            cells.insert(QLatin1String(kPressureSettingCells[pair - 1][member - 1]),
                         {Grid::PressureSettings, pair, member});
        }
    }
    AddPitotCells(cells);
    return cells;
}

QString& CellOf(ProjectData& p, int test, const CellRef& cell) {
    switch (cell.grid) {
    case Grid::Readings:
        return p.PumpReadings[test][cell.row][cell.column];
    case Grid::Pitot:
        return p.PitotGrid[test][cell.row][cell.column];
    case Grid::Controller:
        return p.ControllerGrid[test][cell.row][cell.column];
    case Grid::PressureSettings:
        break;
    }
    return p.PressureSettings[test][cell.row][cell.column];
}

QHash<QString, Apply> BuildRules(std::span<const Rule> rules) {
    QHash<QString, Apply> byName;
    for (const Rule& rule : rules) {
        byName.insert(QLatin1String(rule.name), rule.apply);
    }
    return byName;
}

const QHash<QString, Apply>& RulesOf(Scope scope) {
    static const std::array<QHash<QString, Apply>, static_cast<size_t>(Scope::Count)> rules = {
        QHash<QString, Apply>(),     BuildRules(kMainScreenRules), BuildRules(kCommentsRules),
        BuildRules(kExtraDataRules), BuildRules(kPumpTestRules),
    };
    return rules[static_cast<size_t>(scope)];
}

const QHash<QString, CellRef>& PumpTestCells() {
    static const QHash<QString, CellRef> cells = BuildPumpTestCells();
    return cells;
}

void EnterScope(ImportState& state, const QString& name) {
    state.scope = Scope::None;
    state.scopeName = name;
    state.pumpTest = 0;
    for (const ScopeName& scope : kScopes) {
        if (name == QLatin1String(scope.name)) {
            state.scope = scope.scope;
            state.pumpTest = scope.pumpTest;
            return;
        }
    }
}

void ApplyRecord(ImportState& state, NedRecord& record) {
    if (record.kind == kFormKind) {
        EnterScope(state, record.name);
        return;
    }
    if (const Apply apply = RulesOf(state.scope).value(record.name)) {
        record.value = ParseIntegerOr(record.valueText, 0);
        apply(state, record);
        state.result.DataFound = true;
        return;
    }
    if (state.scope != Scope::PumpTest) {
        return;
    }
    const auto cell = PumpTestCells().constFind(record.name);
    if (cell != PumpTestCells().constEnd()) {
        CellOf(state.project, state.pumpTest, *cell) = FieldText(state, record);
        state.result.DataFound = true;
    }
}

} // namespace

ImportResult ImportNedText(ProjectData& project, const QString& text) {
    ResetToDefaults(project);
    ImportState state{project};
    for (const QString& line : SplitFileLines(text)) {
        QStringView rest(line);
        QString kind = TakeField(rest);
        // Outside a known scope only the record that opens a scope means anything.
        if (state.scope == Scope::None && kind != kFormKind) {
            continue;
        }
        NedRecord record = SplitRecord(std::move(kind), rest);
        ApplyRecord(state, record);
    }
    return state.result;
}

bool ImportNedFile(ProjectData& project, const QString& path, Prompter& prompter) {
    return ImportFile(project, path, prompter, ImportNedText);
}

} // namespace quenra
