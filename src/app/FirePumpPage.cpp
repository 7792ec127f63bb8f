#include "FirePumpPage.h"

#include "hydraulics/ChoiceItems.h"

#include "ColourSwatch.h"
#include "PageBuilding.h"
#include "UnitCaptions.h"
#include "hydraulics/PumpTestTable.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <initializer_list>
#include <iterator>
#include <span>

namespace quenra {

namespace {

// Captions and choices of the page, group by group.

constexpr const char* kRatingTitle = "Pump Rating";
constexpr const char* kAssemblyTitle = "Report and Pump Graph Assembly";
constexpr const char* kDriverTitle = "Pump Data";
constexpr const char* kFirePumpTitle = "Fire Pump Information";
constexpr const char* kControllerTitle = "Controller";
constexpr const char* kAlarmTitle = "Alarms";
constexpr const char* kReportSwitch = "Report";

constexpr const char* kPumpTestRow = "Pump Test %1";
constexpr const char* kUseInGraph = "Use In Graph and Report";
constexpr const char* kCombinedInGraph = "Combined Curve In Graph";
constexpr const char* kReferencePump = "Reference Pump";
constexpr const char* kUseTestDate = "Use Test Date Instead of Number";
constexpr const char* kOtherAlarm = "Other";
constexpr const char* kRoomAlarmTemperature = "Pump Room Alarm Temperature";

constexpr const char* kDriverKinds[] = {"Electric", "Diesel"};
constexpr const char* kFirePumpTypes[] = {"Vertical-Shaft Turbine", "Horizontal-Shaft Turbine",
                                          "Other", "Not Specified"};
constexpr const char* kAutoOperations[] = {"None",         "Start", "Stop",
                                           "Start & Stop", "N/A",   "Not Specified"};
constexpr const char* kRoomStates[] = {"Attended", "Not Attended", "Not Specified"};
constexpr const char* kReferenceTests[] = {"Test 1", "Test 2", "Test 3", "Test 4", "Test 5"};

// The word whose presence in the automatic operation asks for the minutes before the stop.
constexpr const char* kStopWord = "stop";

enum class Entry { Line, List, EditableList, Check };

// One row of a form column: a caption on the left and its entry on the right. A check box
// carries its own caption and sits in the entry column, lined up with the fields.
struct Row {
    Entry Kind = Entry::Line;
    const char* Control = nullptr;     // none: the row stays empty
    const char* Caption = nullptr;     // none: the unit caption of CaptionName
    const char* CaptionName = nullptr; // object name of the caption, where rules or units use it
    std::span<const char* const> Items = {};
    const char* UnitName = nullptr; // object name of a bare unit caption beside the entry
};

constexpr Row kRatingForm[] = {
    {Entry::Line, "RtdFlw", nullptr, "Label18"},  {Entry::Line, "RtdPrs", nullptr, "Label19"},
    {Entry::Line, "ChPrs", nullptr, "Label20"},   {Entry::Line, "PrsQR", nullptr, "Label15"},
    {Entry::Line, "RtdSpd", "Rated Speed (rpm)"}, {Entry::Line, "InsDate", "Installation Date"},
};

struct CurveSwitch {
    const char* Control;
    const char* Caption;
    const char* Swatch;
};

constexpr CurveSwitch kCurveSwitches[] = {
    {"ShPmpCrv", "Display Pump Curve Rating", "Shape11"},
    {"CmbCrv", "Display Combined Curve", "Shape12"},
    {"ShwNfpaPts", "Display NFPA 20 Curve", "Shape13"},
    {"nFPA25", "Display NFPA 25 Curve", "Shape24"},
};

constexpr Row kDriverForm[] = {
    {Entry::List, "PmpTyp2", "Pump Type", nullptr, kDriverKinds},
    {Entry::Line, "Make1", "Make"},
    {Entry::Line, "Model1", "Model"},
    {Entry::Line, "HP1", "Horsepower"},
    {Entry::Line, "RPM1", "RPM"},
    {Entry::Line, "Vlt1", "Volts", "Label50"},
    {Entry::Line, "AMP1", "Amps", "Label51"},
    {Entry::Line, "SrFc", "Service Factor", "Label53"},
    {Entry::Line, "OD1", "Other Data From Plate"},
};

constexpr Row kFirePumpForm[] = {
    {Entry::Line, "FTD1", "Test Date"},
    {Entry::Line, "Man1", "Manufacturer"},
    {Entry::Line, "PID1", "Pump ID/#"},
    {Entry::EditableList, "FPmT1", "Pump Type", nullptr, kFirePumpTypes},
    // Its items are the purposes the report's sentence quotes (filled in below).
    {Entry::EditableList, "PmPr1", "Purpose", nullptr, {}},
    {Entry::Check, "PB1", "Pump Bypass"},
    {Entry::Check, "JP1", "Jockey Pump"},
    {Entry::Line, "CtIn1", "Cut-in Pressure", nullptr, {}, "Label123"},
    {Entry::Line, "MM1", "Make / Model #"},
};

// The controller's fields on the left; its switches on the right, level with the fields they
// belong with (the shutoff switches with the weekly test).
constexpr Row kControllerForm[] = {
    {Entry::Line, "CnTy1", "Controller Manufacturer"},
    {Entry::EditableList, "AuOp1", "Automatic Operation", nullptr, kAutoOperations},
    {Entry::Line, "NmMn1", "# Minutes for Auto Stop", "Label65"},
    {Entry::List, "DTRI1", "During Testing Room Is", nullptr, kRoomStates},
    {Entry::Check, "AuTs1", "Arranged for Auto Testing"},
    {Entry::Line, "Day1", "Day and Time of Weekly Test", "Label68"},
    {Entry::Line, "Dur1", "Duration of Test (Minutes)", "Label69"},
};

constexpr Row kControllerSwitches[] = {
    {Entry::Check, "MnSr1", "Manual Electric START Switch"},
    {Entry::Check, "MnSp1", "Manual Electric STOP Switch"},
    {Entry::Check, "EMSL1", "Emergency Manual Start Lever"},
    {},
    {},
    {Entry::Check, "AuSO1", "Automatic Shutoff"},
    {Entry::Check, "MSA1", "Manual Shutoff Available"},
};

// Alarm boxes by grid cell. An electric motor's alarm and a diesel engine's share a cell; the
// driver kind shows one of them.
struct AlarmBox {
    int Row;
    int Column;
    const char* Control;
    const char* Caption;
};

constexpr AlarmBox kAlarmBoxes[] = {
    {0, 0, "Lc1", "Local"},
    {0, 1, "FP1", "Fire/Police Department"},
    {0, 2, "CS1", "Central Station"},
    {1, 0, "RS1", "Remote Station"},
    {1, 1, "Ax1", "Auxilary"},
    {1, 2, "Pp1", "Proprietary"},
    {2, 0, "PRn1", "Pump Running"},
    {3, 0, "PhR1", "Phase Reversal"},
    {3, 0, "POS1", "Pump Overspeed Shutdown"},
    {3, 1, "PF1", "Power Failure"},
    {3, 1, "LOT1", "Lubricating Oil Temperature"},
    {3, 2, "CWT1", "Cooling Water Temperature"},
    {4, 0, "LBP1", "Low Battery Power"},
    {4, 1, "LF1", "Low Fuel"},
    {4, 2, "PRLT1", "Pump Room Low Temperature"},
};
constexpr int kOtherAlarmRow = 2;
constexpr int kRoomTemperatureRow = 5;

// What the driver kind and the controller settings switch on and off.
constexpr std::initializer_list<const char*> kElectricInputs = {"Label50", "Label51", "Label53",
                                                                "Vlt1",    "AMP1",    "SrFc"};
constexpr std::initializer_list<const char*> kElectricAlarms = {"PhR1", "PF1"};
constexpr std::initializer_list<const char*> kDieselAlarms = {"POS1", "LOT1",  "CWT1",  "LBP1",
                                                              "LF1",  "PRLT1", "PRAT1", "Label71"};
constexpr std::initializer_list<const char*> kAutoStopInputs = {"Label65", "NmMn1"};
constexpr std::initializer_list<const char*> kAutoTestInputs = {"Label68", "Label69", "Day1",
                                                                "Dur1",    "AuSO1",   "MSA1"};

// Spacing of the page, in pixels.
constexpr int kGroupSpacing = 8;
constexpr int kColumnGap = 24;
constexpr int kReportSwitchInset = 10;

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

QStringList ItemsOf(std::span<const char* const> items) {
    QStringList list;
    for (const char* item : items) {
        list.append(Text(item));
    }
    return list;
}

// A titled group whose "Report" switch sits on its frame at the top right, where the inspector
// finds it on every group that has a report section.
class SectionBox : public QGroupBox {
public:
    SectionBox(const char* name, const char* title, QWidget* parent)
        : QGroupBox(Text(title), parent) {
        setObjectName(Name(name));
    }

    void AddReportSwitch(const char* name, bool shown) {
        report_ = MakeCheck(Name(name), Text(kReportSwitch), this);
        // The filled background hides the frame line behind the box.
        report_->setAutoFillBackground(true);
        report_->setVisible(shown);
        PlaceReportSwitch();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QGroupBox::resizeEvent(event);
        PlaceReportSwitch();
    }

private:
    void PlaceReportSwitch() {
        if (!report_) {
            return;
        }
        report_->adjustSize();
        report_->move(width() - report_->width() - kReportSwitchInset, 0);
    }

    QCheckBox* report_ = nullptr;
};

QGridLayout* GridOf(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    return grid;
}

QLabel* MakeCaption(const QString& text, const char* name, QWidget* buddy, QWidget* parent) {
    QLabel* label = MakeLabel(name ? Name(name) : QString(), text, parent);
    label->setBuddy(buddy);
    return label;
}

QComboBox* MakeList(const char* name, std::span<const char* const> items, bool editable,
                    QWidget* parent) {
    QComboBox* combo = MakeCombo(Name(name), ItemsOf(items), editable, parent);
    // The layout decides the width; the list opens wide enough for its longest item.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(8);
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 24);
    return combo;
}

QCheckBox* MakeSwitch(const char* name, const char* caption, QWidget* parent) {
    return MakeCheck(Name(name), Text(caption), parent);
}

QWidget* MakeEntry(const Row& row, QWidget* parent) {
    switch (row.Kind) {
    case Entry::Line:
        return MakeEdit(Name(row.Control), parent);
    case Entry::List:
    case Entry::EditableList:
        return MakeList(row.Control, row.Items, row.Kind == Entry::EditableList, parent);
    case Entry::Check:
        return MakeSwitch(row.Control, row.Caption, parent);
    }
    return nullptr;
}

// Lays the rows down two columns of the grid from its first row: captions in `column`, entries
// in the column to the right of it.
void AddRows(QGridLayout* grid, int column, std::span<const Row> rows, QWidget* parent) {
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const Row& row = rows[static_cast<std::size_t>(i)];
        if (!row.Control) {
            continue;
        }
        QWidget* entry = MakeEntry(row, parent);
        if (row.Kind != Entry::Check) {
            const QString caption =
                row.Caption ? Text(row.Caption) : EnglishUnitCaption(row.CaptionName);
            grid->addWidget(MakeCaption(caption, row.CaptionName, entry, parent), i, column);
        }
        if (row.UnitName) {
            auto* withUnit = new QHBoxLayout;
            withUnit->setSpacing(6);
            withUnit->addWidget(entry, 1);
            withUnit->addWidget(
                MakeCaption(EnglishUnitCaption(row.UnitName), row.UnitName, nullptr, parent));
            grid->addLayout(withUnit, i, column + 1);
        } else {
            grid->addWidget(entry, i, column + 1);
        }
    }
}

} // namespace

FirePumpPage::FirePumpPage(ProjectData& /*project*/, QWidget* parent) : DataPage(parent) {
    setObjectName(QStringLiteral("SupplyPanel"));

    // The window scrolls the page when it is taller than the room it gets.
    auto* column = new QVBoxLayout(this);
    column->setSpacing(kGroupSpacing);
    column->addWidget(BuildRatingGroup());
    column->addWidget(BuildAssemblyGroup());
    auto* pumpAndDriver = new QHBoxLayout;
    pumpAndDriver->setSpacing(kGroupSpacing);
    pumpAndDriver->addWidget(BuildDriverGroup(), 1);
    pumpAndDriver->addWidget(BuildFirePumpGroup(), 1);
    column->addLayout(pumpAndDriver);
    column->addWidget(BuildControllerGroup());
    column->addWidget(BuildAlarmGroup());
    column->addStretch(1);

    purpose_ = findChild<QComboBox*>(QStringLiteral("PmPr1"));
    // The purpose completes a report sentence, hence the lower case; a stored single digit is
    // the index of one of these.
    purpose_->addItems(PumpPurposeItems());
    purpose_->view()->setMinimumWidth(purpose_->view()->sizeHintForColumn(0) + 24);
    autoOperation_ = findChild<QComboBox*>(QStringLiteral("AuOp1"));
    electricInputs_ = Named(kElectricInputs);
    electricAlarms_ = Named(kElectricAlarms);
    dieselAlarms_ = Named(kDieselAlarms);
    autoStopInputs_ = Named(kAutoStopInputs);
    autoTestInputs_ = Named(kAutoTestInputs);

    // The entry table stores the operation; the minutes follow it while it is typed.
    connect(autoOperation_, &QComboBox::currentTextChanged, this, &FirePumpPage::ApplyAutoStopRule);
}

QGroupBox* FirePumpPage::BuildRatingGroup() {
    auto* group = new SectionBox("RtPmpPanel", kRatingTitle, this);
    group->AddReportSwitch("ControlInReport", true);
    QGridLayout* grid = GridOf(group);
    AddRows(grid, 0, kRatingForm, group);
    grid->setColumnMinimumWidth(2, kColumnGap);
    for (int i = 0; i < static_cast<int>(std::size(kCurveSwitches)); ++i) {
        const CurveSwitch& curve = kCurveSwitches[i];
        grid->addWidget(MakeSwitch(curve.Control, curve.Caption, group), i, 3);
        grid->addWidget(new ColourSwatch(Name(curve.Swatch), group), i, 4);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    return group;
}

QGroupBox* FirePumpPage::BuildAssemblyGroup() {
    auto* group = new SectionBox("PumpTestPanel", kAssemblyTitle, this);
    group->AddReportSwitch("PumpTestInReport", false);
    QGridLayout* grid = GridOf(group);
    for (int test = 1; test <= kTestCount; ++test) {
        const int row = test - 1;
        grid->addWidget(new QLabel(Text(kPumpTestRow).arg(test), group), row, 0);
        grid->addWidget(MakeCheck(QStringLiteral("CheckBox%1").arg(test), Text(kUseInGraph), group),
                        row, 1);
        grid->addWidget(new ColourSwatch(QStringLiteral("Shape%1").arg(test), group), row, 2);
        const int combined = test + kTestCount;
        grid->addWidget(
            MakeCheck(QStringLiteral("CheckBox%1").arg(combined), Text(kCombinedInGraph), group),
            row, 4);
        grid->addWidget(new ColourSwatch(QStringLiteral("Shape%1").arg(combined), group), row, 5);
    }
    grid->setColumnMinimumWidth(0, 90);
    grid->setColumnMinimumWidth(3, kColumnGap);
    grid->setColumnStretch(6, 1);

    // The reference pump and the numbering of the tests are kept for the graph, but the page
    // does not offer them.
    QComboBox* reference = MakeList("RefPump1", kReferenceTests, false, group);
    QLabel* referenceCaption = MakeCaption(Text(kReferencePump), nullptr, reference, group);
    useTestDate_ = MakeSwitch("UseTestDate", kUseTestDate, group);
    useTestDate_->setChecked(true);
    for (QWidget* hidden :
         {static_cast<QWidget*>(referenceCaption), static_cast<QWidget*>(reference),
          static_cast<QWidget*>(useTestDate_)}) {
        hidden->setVisible(false);
    }
    grid->addWidget(referenceCaption, kTestCount, 0);
    grid->addWidget(reference, kTestCount, 1);
    grid->addWidget(useTestDate_, kTestCount, 4);
    return group;
}

QGroupBox* FirePumpPage::BuildDriverGroup() {
    auto* group = new SectionBox("DriverPanel", kDriverTitle, this);
    group->AddReportSwitch("DriverInReport", false);
    QGridLayout* grid = GridOf(group);
    AddRows(grid, 0, kDriverForm, group);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(static_cast<int>(std::size(kDriverForm)), 1);
    return group;
}

QGroupBox* FirePumpPage::BuildFirePumpGroup() {
    auto* group = new SectionBox("FirePumpPanel", kFirePumpTitle, this);
    // The report does not follow this switch: it is kept in the file but not offered.
    group->AddReportSwitch("FirePumpInReport", false);
    QGridLayout* grid = GridOf(group);
    AddRows(grid, 0, kFirePumpForm, group);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(static_cast<int>(std::size(kFirePumpForm)), 1);
    return group;
}

QGroupBox* FirePumpPage::BuildControllerGroup() {
    auto* group = new SectionBox("ControllerPanel", kControllerTitle, this);
    QGridLayout* grid = GridOf(group);
    AddRows(grid, 0, kControllerForm, group);
    grid->setColumnMinimumWidth(2, kColumnGap);
    // The switches carry their own captions: the caption column of this side stays empty.
    AddRows(grid, 2, kControllerSwitches, group);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* FirePumpPage::BuildAlarmGroup() {
    auto* group = new SectionBox("AlarmPanel", kAlarmTitle, this);
    // The report does not follow this switch: it is kept in the file but not offered.
    group->AddReportSwitch("AlarmsInReport", false);
    QGridLayout* grid = GridOf(group);
    for (const AlarmBox& alarm : kAlarmBoxes) {
        grid->addWidget(MakeSwitch(alarm.Control, alarm.Caption, group), alarm.Row, alarm.Column);
    }

    auto* other = new QHBoxLayout;
    other->setSpacing(6);
    other->addWidget(MakeSwitch("PO1", kOtherAlarm, group));
    other->addWidget(MakeEdit(QStringLiteral("Othr1"), group), 1);
    grid->addLayout(other, kOtherAlarmRow, 1, 1, 2);

    QLineEdit* temperature = MakeEdit(QStringLiteral("PRAT1"), group);
    grid->addWidget(MakeCaption(Text(kRoomAlarmTemperature), "Label71", temperature, group),
                    kRoomTemperatureRow, 0);
    grid->addWidget(temperature, kRoomTemperatureRow, 1);
    for (int column = 0; column < 3; ++column) {
        grid->setColumnStretch(column, 1);
    }
    return group;
}

QList<QWidget*> FirePumpPage::Named(std::initializer_list<const char*> names) const {
    QList<QWidget*> widgets;
    for (const char* name : names) {
        if (auto* widget = findChild<QWidget*>(Name(name))) {
            widgets.append(widget);
        }
    }
    return widgets;
}

QList<FieldBinding> FirePumpPage::Bindings() const {
    const auto text = [](const char* control, auto member, AfterEdit then = AfterEdit::Nothing) {
        return TextField(Name(control), FieldOf(member), FieldScope::Project, then);
    };
    const auto check = [](const char* control, auto member, AfterEdit then = AfterEdit::Nothing) {
        return CheckField(Name(control), FieldOf(member), FieldScope::Project, then);
    };
    const auto swatch = [](const char* control, auto member) {
        return SwatchField(Name(control), FieldOf(member));
    };

    QList<FieldBinding> rows = {
        // Pump rating and the curves the graph draws
        text("RtdFlw", &ProjectData::RatedFlow),
        text("RtdPrs", &ProjectData::RatedPressure),
        text("ChPrs", &ProjectData::ChurnPressure),
        text("PrsQR", &ProjectData::PressureAt150),
        text("RtdSpd", &ProjectData::RatedSpeed),
        text("InsDate", &ProjectData::InstallDate),
        check("ShPmpCrv", &ProjectData::ShowPumpRatingCurve),
        check("CmbCrv", &ProjectData::ShowCombinedCurve),
        check("ShwNfpaPts", &ProjectData::ShowNfpa20Curve),
        check("nFPA25", &ProjectData::ShowNfpa25Curve),
        swatch("Shape11", &ProjectData::PumpRatingCurveColor),
        swatch("Shape12", &ProjectData::CombinedCurveColor),
        swatch("Shape13", &ProjectData::Nfpa20CurveColor),
        swatch("Shape24", &ProjectData::Nfpa25CurveColor),

        // Driver
        IndexField(QStringLiteral("PmpTyp2"), FieldOf(&ProjectData::DriverKind),
                   FieldScope::Project, AfterEdit::Refresh),
        text("Make1", &ProjectData::DriverMake),
        text("Model1", &ProjectData::DriverModel),
        text("HP1", &ProjectData::DriverHorsepower),
        text("RPM1", &ProjectData::DriverRpm),
        text("Vlt1", &ProjectData::DriverVolts),
        text("AMP1", &ProjectData::DriverAmps),
        text("SrFc", &ProjectData::ServiceFactor),
        text("OD1", &ProjectData::DriverPlateData),

        // Fire pump and jockey pump
        text("FTD1", &ProjectData::FirePumpTestDate),
        text("Man1", &ProjectData::PumpManufacturer),
        text("PID1", &ProjectData::PumpId),
        text("FPmT1", &ProjectData::FirePumpType, AfterEdit::Refresh),
        text("PmPr1", &ProjectData::PumpPurpose),
        check("PB1", &ProjectData::HasPumpBypass),
        check("JP1", &ProjectData::HasJockeyPump, AfterEdit::Refresh),
        text("CtIn1", &ProjectData::JockeyCutIn),
        text("MM1", &ProjectData::JockeyMakeModel),

        // Controller and automatic testing
        text("CnTy1", &ProjectData::ControllerMaker),
        text("AuOp1", &ProjectData::AutoOperation),
        text("NmMn1", &ProjectData::AutoStopMinutes),
        check("MnSr1", &ProjectData::ManualStartSwitch),
        check("MnSp1", &ProjectData::ManualStopSwitch),
        check("EMSL1", &ProjectData::EmergencyStartLever),
        IndexField(QStringLiteral("DTRI1"), FieldOf(&ProjectData::RoomDuringTesting)),
        check("AuTs1", &ProjectData::AutoTestArranged, AfterEdit::Refresh),
        text("Day1", &ProjectData::WeeklyTestDayTime),
        text("Dur1", &ProjectData::WeeklyTestDuration),
        check("AuSO1", &ProjectData::AutoShutoff),
        check("MSA1", &ProjectData::ManualShutoffAvailable),

        // Alarms
        check("Lc1", &ProjectData::AlarmLocal),
        check("FP1", &ProjectData::AlarmFirePolice),
        check("CS1", &ProjectData::AlarmCentralStation),
        check("RS1", &ProjectData::AlarmRemoteStation),
        check("Ax1", &ProjectData::AlarmAuxiliary),
        check("Pp1", &ProjectData::AlarmProprietary),
        check("PO1", &ProjectData::AlarmOther),
        check("PRn1", &ProjectData::AlarmPumpRunning),
        check("PhR1", &ProjectData::AlarmPhaseReversal),
        check("PF1", &ProjectData::AlarmPowerFailure),
        check("POS1", &ProjectData::AlarmPumpOverspeed),
        check("LOT1", &ProjectData::AlarmLubeOilTemp),
        check("CWT1", &ProjectData::AlarmCoolingWaterTemp),
        check("LBP1", &ProjectData::AlarmLowBattery),
        check("LF1", &ProjectData::AlarmLowFuel),
        check("PRLT1", &ProjectData::AlarmPumpRoomLowTemp),
        text("Othr1", &ProjectData::AlarmOtherText),
        text("PRAT1", &ProjectData::PumpRoomAlarmTemp),

        // Report sections of the groups
        check("ControlInReport", &ProjectData::ReportControllerSection),
        check("PumpTestInReport", &ProjectData::ReportPumpTestSection),
        check("DriverInReport", &ProjectData::ReportDriverSection),
        check("FirePumpInReport", &ProjectData::ReportFirePumpSection),
        check("AlarmsInReport", &ProjectData::ReportAlarmsSection),
    };

    // Pump tests in the graph and the report
    for (int test = 1; test <= kTestCount; ++test) {
        const int combined = test + kTestCount;
        rows.append(CheckField(QStringLiteral("CheckBox%1").arg(test),
                               ElementOf(&ProjectData::PumpTestInGraph, test)));
        rows.append(CheckField(QStringLiteral("CheckBox%1").arg(combined),
                               ElementOf(&ProjectData::PumpTestCombined, test)));
        rows.append(SwatchField(QStringLiteral("Shape%1").arg(test),
                                ElementOf(&ProjectData::PumpTestColor, test)));
        rows.append(SwatchField(QStringLiteral("Shape%1").arg(combined),
                                ElementOf(&ProjectData::PumpTestCombinedColor, test)));
    }
    // The reference pump list shows the test number less one; no choice leaves it as it is.
    rows.append(MappedIndexField(QStringLiteral("RefPump1"),
                                 {[](const ProjectData& p, int) { return p.ReferencePumpTest - 1; },
                                  [](ProjectData& p, int, int item) {
                                      if (item >= 0) {
                                          p.ReferencePumpTest = item + 1;
                                      }
                                  }}));
    return rows;
}

void FirePumpPage::ApplyRules(const RefreshContext& context) {
    const ProjectData& project = context.Project;
    ShowPurpose(project.PumpPurpose);

    const bool electric = IsElectricDriver(project);
    const bool diesel = IsDieselDriver(project);
    for (QWidget* widget : std::as_const(electricInputs_)) {
        widget->setEnabled(electric);
    }
    for (QWidget* widget : std::as_const(electricAlarms_)) {
        widget->setVisible(electric);
    }
    for (QWidget* widget : std::as_const(dieselAlarms_)) {
        widget->setVisible(diesel);
    }

    ApplyAutoStopRule(project.AutoOperation);
    for (QWidget* widget : std::as_const(autoTestInputs_)) {
        widget->setEnabled(project.AutoTestArranged);
    }
}

// A purpose of one character is the index of an item (older files and new projects keep "0");
// anything longer is the inspector's own wording, which the entry table already shows.
void FirePumpPage::ShowPurpose(const QString& purpose) {
    const std::optional<int> index = StoredItemIndex(purpose);
    if (!index) {
        return;
    }
    const QSignalBlocker blocker(purpose_);
    purpose_->setCurrentIndex(*index < purpose_->count() ? *index : -1);
    purpose_->lineEdit()->setCursorPosition(0); // the start of a long item
}

void FirePumpPage::ApplyAutoStopRule(const QString& operation) {
    const bool stops = operation.toLower().contains(QLatin1String(kStopWord));
    for (QWidget* widget : std::as_const(autoStopInputs_)) {
        widget->setEnabled(stops);
    }
}

bool FirePumpPage::UsesTestDate() const {
    return useTestDate_->isChecked();
}

} // namespace quenra
