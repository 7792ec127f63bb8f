#include "PumpTestPage.h"

#include "DatePicker.h"
#include "PageBuilding.h"
#include "RadioGroup.h"
#include "StringGrid.h"
#include "UnitCaptions.h"
#include "WrappingRow.h"
#include "hydraulics/MotorLimits.h"
#include "hydraulics/NozzleFlow.h"
#include "hydraulics/NumberText.h"
#include "hydraulics/PumpTestLayout.h"
#include "model/StoredChoices.h"
#include "platform/Prompter.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace quenra {

namespace {

// Captions, choices and messages of the page.

const QString kDateCaption = QStringLiteral("Date");
const QString kTestKindCaption = QStringLiteral("Pump Test");
const QStringList kTestKinds = {QStringLiteral("Annual"), QStringLiteral("Acceptance")};
const QString kPlotAdjusted = QStringLiteral("Plot Adjusted Values");
const QString kUsePitot = QStringLiteral("*  Use pitot readings to calculate flows");
const QString kSuctionTypeCaption = QStringLiteral("* Suction Pressure Type");
const QString kOutOfRange = QStringLiteral("< Out Of Range >");
const QString kOutOfRangeTip =
    QStringLiteral("A volts or amps reading between < and > is outside the motor's limits");
const QString kNozzleTip = QStringLiteral("Nozzle %1");
const QString kPitotCommentTip = QStringLiteral("Comments on the pitot readings");
const QString kFlowCommentTip = QStringLiteral("Comments on the calculated flows");
const QString kFuelOtherTip = QStringLiteral("Fuel tank level when \"Other\" is chosen");

const QString kControllerTestTab = QStringLiteral("Controller Test");
const QString kPitotReadingsTab = QStringLiteral("Pitot Readings");
const QString kPitotTabRefused =
    QStringLiteral("Check \"Use pitot readings for calculated flows\" to activate this tab");

const QString kPressureSettingsTitle = QStringLiteral("Controller Pressure Settings");
const QString kPrvSettings = QStringLiteral("Size and Settings of PRVs");
const QString kControllerTitle = QStringLiteral("Controller");
const QString kLeverCaption = QStringLiteral("Controler Emegency Start Lever Operated");
const QStringList kLeverResults = {QStringLiteral("Not Done"), QStringLiteral("Pass"),
                                   QStringLiteral("Fail"), QStringLiteral("N/A")};
const QString kComment = QStringLiteral("Comment");
const QString kComments = QStringLiteral("Comments");
const QString kCoefficient = QStringLiteral("Coefficient");

const QString kTransferSwitchTitle = QStringLiteral("Transfer Switch");
const QString kTransferSwitchAnnual = QStringLiteral("Transfer Switch Meets NPFA 25 Guidleines");
const QString kTransferSwitchAcceptance =
    QStringLiteral("Transfer Switch Meets NPFA 20 Guidleines");
const QStringList kTransferSwitchStates = {
    QStringLiteral("N/A"), QStringLiteral("Tested and Passed"), QStringLiteral("Tested and Failed"),
    QStringLiteral("No Transfer Switch"), QStringLiteral("Transfer Switch Not Tested")};
const QString kExplain = QStringLiteral("Explain");

const QString kPerformanceTitle = QStringLiteral("Pump Performance");
const QString kMeetsAnnual = QStringLiteral("Meets NFPA 25 Requirements");
const QString kMeetsAcceptance = QStringLiteral("Meets NFPA 20 Requirements");
const QStringList kMeetsChoices = {QStringLiteral("Yes"),
                                   QStringLiteral("No, explain in comment box.")};
constexpr int kDoesNotMeet = 1;
const QString kCombinedCaption = QStringLiteral("Can the combined curve meet the largest demand");
const QStringList kCombinedChoices = {QStringLiteral("N/A"), QStringLiteral("Yes"),
                                      QStringLiteral("No, explain in comment box.")};
// This list and the motor's list below keep verdict codes, which run from the last item up.

const QString kAcceptanceTitle = QStringLiteral("Controller Acceptance Tests");
const QString kAutomaticStarts = QStringLiteral("Automatic Starts");
const QString kManualStarts = QStringLiteral("Manual Starts");
const QString kElectricOnly = QStringLiteral("Electric driver:");
const QString kStartHandle = QStringLiteral("Emergency Start Handle Operated");
const QString kLoadStart = QStringLiteral("Load Start Test Completed");

const QString kElectricMotorTitle = QStringLiteral("Electric Motor");
const QString kMaximumAmps = QStringLiteral("Maximum Amps: ");
const QString kVoltageRange = QStringLiteral("Voltage Range: ");
const QString kRangeJoin = QStringLiteral(" to ");
const QString kNotAvailable = QStringLiteral("N/A");
const QString kMotorMeetsAnnual = QStringLiteral("Meets NFPA 25");
const QString kMotorMeetsAcceptance = QStringLiteral("Meets NFPA 20");
const QStringList kMotorChoices = {QStringLiteral("Volts/Amps not taken during test"),
                                   QStringLiteral("Yes"),
                                   QStringLiteral("No, explain in comment box")};

const QString kDieselEngineTitle = QStringLiteral("Diesel Engine");
const QString kHourMeter = QStringLiteral("Engine Hour Meter");
const QString kFuelLevelCaption = QStringLiteral("Fuel Tank Level");
const QStringList kFuelLevels = {QStringLiteral("Full"), QStringLiteral("3/4"),
                                 QStringLiteral("Other")};
constexpr int kOtherFuelLevel = 2;

// The readings grid: header row, group captions above it, and the label of its last row.
const QStringList kReadingHeaders = {QStringLiteral("#"),      QStringLiteral("AB"),
                                     QStringLiteral("AC"),     QStringLiteral("BC"),
                                     QStringLiteral("------"), QStringLiteral("AB"),
                                     QStringLiteral("AC"),     QStringLiteral("BC"),
                                     QStringLiteral("------"), QString(),
                                     QStringLiteral("Dschrg"), QStringLiteral("Suction"),
                                     QStringLiteral("Net"),    QStringLiteral("Adjustd"),
                                     QStringLiteral("Net"),    QStringLiteral("Adjustd")};
struct ColumnGroup {
    int First;
    int Last;
    const char* Caption;
};
constexpr ColumnGroup kReadingGroups[] = {
    {1, 4, "Volts"}, {5, 8, "Amps"}, {9, 9, "RPM"}, {10, 13, "Pressure"}, {14, 15, "Flow  *"},
};
const QString kTransferSwitchRow = QStringLiteral("TS");

// The controller test grid.
const QStringList kControllerHeaders = {
    QStringLiteral("Controller Tests"), QStringLiteral("# Times"),    QStringLiteral("Man. Elct."),
    QStringLiteral("Man. Lever"),       QStringLiteral("Auto Start"), QStringLiteral("Run Time"),
    QStringLiteral("Comment")};
const QStringList kControllerRowLabels = {
    QStringLiteral("Pump Acceptance Tests"), QStringLiteral("Electric Driver Start"),
    QStringLiteral("Engine Driver BAT #1"), QStringLiteral("Engine Driver BAT #2")};
// A click in a starting method's cell steps through the results and back to empty.
const QString kPass = QStringLiteral("Pass");
const QString kFail = QStringLiteral("Fail");
const QString kNotDone = QStringLiteral("Not Done");
const QString kNotApplicable = QStringLiteral("N/A");
constexpr int kFirstCycledColumn = 2;
constexpr int kLastCycledColumn = 4;

// Controller pressure settings: caption and control of each member, by pair 1..4.
struct PressureSetting {
    int Pair;
    int Member;
    const char* Control;
    const char* Caption;
};
constexpr PressureSetting kPressureSettings[] = {
    {1, 1, "Edit24", "Jockey On"},  {1, 2, "Edit27", "Fire Pump On"},
    {2, 1, "Edit25", "Jockey Off"}, {2, 2, "Edit26", "Fire Pump Off"},
    {3, 1, "Edit29", "Cut In"},     {3, 2, "Edit32", "Cut In"},
    {4, 1, "Edit30", "Cut Out"},    {4, 2, "Edit31", "Cut Out"},
};

// Nozzle boxes by outlet 1..6 (element 0 unused).
constexpr const char* kDiameterBoxes[] = {nullptr,     "Diam1",     "ComboBox2", "ComboBox4",
                                          "ComboBox6", "ComboBox8", "ComboBox10"};
constexpr const char* kCoefficientBoxes[] = {nullptr,     "Coef1",     "ComboBox3", "ComboBox5",
                                             "ComboBox7", "ComboBox9", "ComboBox11"};
constexpr const char* kFlowBoxes[] = {nullptr,  "Edit49", "Edit50", "Edit51",
                                      "Edit52", "Edit53", "Edit54"};

// Sizes, in pixels.
constexpr int kGridRowHeight = 22;
constexpr double kGridFontScale = 0.9;
constexpr int kReadingColumnWidth = 50;
constexpr int kPressureFlowColumnWidth = 67; // columns 9..14
constexpr int kPitotRowLabelWidth = 46;
constexpr int kPitotColumnWidth = 86;
constexpr int kControllerLabelWidth = 165;
constexpr int kControllerCommentWidth = 250;
constexpr int kFlowBoxWidth = 70;
constexpr int kNumberWidth = 80;
constexpr int kDateWidth = 100;
constexpr int kTestKindWidth = 130;
constexpr int kNarrowestReadings = 320;
constexpr int kListMargin = 24; // beside the longest item of an open list
// The performance group sits lower on an annual test page, where the acceptance starts are
// not asked for.
constexpr int kPerformanceTopAnnual = 76;
constexpr int kPerformanceTopAcceptance = 8;

const QColor kEnabledText(0, 0, 0);
const QColor kDisabledText(192, 192, 192);

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

QGroupBox* MakeGroup(const QString& name, const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    if (!name.isEmpty()) {
        group->setObjectName(name);
    }
    return group;
}

QGridLayout* FormGrid(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->setContentsMargins(8, 6, 8, 6);
    return grid;
}

QLabel* Caption(const QString& text, QWidget* buddy, const QString& name = {}) {
    QLabel* label = MakeLabel(name, text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

QLineEdit* NumberEdit(const char* name, QWidget* parent) {
    QLineEdit* edit = MakeEdit(Name(name), parent);
    edit->setMaximumWidth(kNumberWidth);
    return edit;
}

// The list opens as wide as its longest item, whatever room the box has.
void OpenWide(QComboBox* combo) {
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + kListMargin);
}

QComboBox* ChoiceList(const char* name, const QStringList& items, QWidget* parent) {
    QComboBox* combo = MakeCombo(Name(name), items, false, parent);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(10);
    OpenWide(combo);
    return combo;
}

// An editable list whose typed text is kept exactly: no completion, no new items.
QComboBox* EditableList(const char* name, const QStringList& items, QWidget* parent) {
    QComboBox* combo = MakeCombo(Name(name), items, true, parent);
    combo->setCompleter(nullptr);
    return combo;
}

// Shows a text in an editable list the way the entry table does: a box that already shows it is
// left alone, so a refresh in the middle of typing does not move the cursor.
void ShowText(QComboBox* combo, const QString& text) {
    if (combo->currentText() == text) {
        return;
    }
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
    combo->setEditText(text);
}

void SelectQuietly(QComboBox* combo, int index) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, colour);
    }
    widget->setPalette(palette);
}

// The grids' column widths hold a flow such as {1017} in a slightly smaller font than the
// rest of the page.
void UseGridFont(StringGrid* grid) {
    QFont font = grid->font();
    font.setPointSizeF(font.pointSizeF() * kGridFontScale);
    grid->setFont(font);
}

// A caption that may wrap in its narrow column: the room of its second line is kept, since the
// column does not grow with its captions.
void KeepTwoLines(QLabel* label) {
    label->setWordWrap(true);
    label->setMinimumHeight(2 * label->fontMetrics().lineSpacing());
}

// A column that takes the height its row gives it rather than asking for more.
class BesideColumn : public QWidget {
public:
    using QWidget::QWidget;
    bool hasHeightForWidth() const override { return false; }
};

// The next result of a controller test cell, by the first two letters of the present one.
QString NextControllerResult(const QString& present) {
    const QString start = present.left(2).toLower();
    if (start.isEmpty()) {
        return kPass;
    }
    if (start == QLatin1String("pa")) {
        return kFail;
    }
    if (start == QLatin1String("fa")) {
        return kNotDone;
    }
    if (start == QLatin1String("no")) {
        return kNotApplicable;
    }
    return {};
}

// Gives every blank nozzle diameter, then every blank coefficient, the value of the nozzle
// before it, so that one value for nozzle 1 serves every nozzle after it. Returns the boxes
// filled.
QList<std::pair<int, int>> FillDownNozzles(PitotTable& nozzles) {
    QList<std::pair<int, int>> filled;
    for (const int row : {kNozzleDiameterRow, kNozzleCoefficientRow}) {
        for (int outlet = 2; outlet <= kOutlets; ++outlet) {
            const QString& above = nozzles[row][outlet - 1];
            QString& value = nozzles[row][outlet];
            if (TrimBlanks(value).isEmpty() && !TrimBlanks(above).isEmpty()) {
                value = above;
                filled.append({row, outlet});
            }
        }
    }
    return filled;
}

// What the readings grid shows of a test when no update ran for it: the record as it stands.
PumpTestTableView StoredReadings(const ProjectData& project, int test) {
    PumpTestTableView view;
    view.Shown = project.PumpReadings[test];
    view.PitotFlowsComputed = project.UsePitotFlows[test];
    for (int point = 1; point <= kFlowingPoints; ++point) {
        view.HoseStreamFlows[point] = view.Shown[kChurnRow + point][kFlowColumn];
    }
    return view;
}

// The readings of a test with every cell judged, computed on a copy of the record: showing a
// test never writes the record.
PumpTestTableView JudgedReadings(const ProjectData& project, int test) {
    ProjectData scratch = project;
    return PumpTestTableUpdate(scratch, test, std::nullopt);
}

} // namespace

PumpTestPage::PumpTestPage(ProjectData& project, Prompter& prompter, QWidget* parent)
    : DataPage(parent), project_(project), prompter_(prompter) {
    setObjectName(QStringLiteral("PumpPanel"));

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(6);
    // On a narrow screen the driver goes under the readings and the verdicts under the sub
    // pages: the page grows taller, never wider than the screen.
    auto* upper = new WrappingRow(8);
    // The readings table keeps its columns; a screen narrower than the table scrolls it.
    QWidget* readings = new SidewaysScroll(BuildReadings(), kNarrowestReadings, this);
    upper->addWidget(readings);
    upper->setAlignment(readings, Qt::AlignTop | Qt::AlignLeft);
    upper->addWidget(BuildDriverColumn());
    page->addLayout(upper);

    auto* lower = new WrappingRow(8);
    upper->setContentsMargins(0, 0, 0, 0);
    lower->setContentsMargins(0, 0, 0, 0);
    lower->addWidget(new SidewaysScroll(BuildSubPages(), kNarrowestReadings, this));
    QWidget* verdicts = BuildVerdictColumn();
    lower->addWidget(verdicts);
    lower->setAlignment(verdicts, Qt::AlignTop);
    page->addLayout(lower, 1);

    ConnectEntries();
    ShowRowLabels(false);
    ShowSubPage(false);
}

QBoxLayout* PumpTestPage::BuildTestHeader(QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    // Dates are never typed: the button beside the field opens the calendar.
    date_ = MakeDateEdit(QStringLiteral("Dt1"), parent);
    date_->setFixedWidth(kDateWidth);
    QPushButton* pick = MakeDateButton(QStringLiteral("Button8"), parent);
    connect(pick, &QPushButton::clicked, this, &PumpTestPage::PickTestDate);
    QComboBox* kind = EditableList("PmTs1", kTestKinds, parent);
    kind->setFixedWidth(kTestKindWidth);

    row->addWidget(Caption(kDateCaption, date_));
    row->addWidget(date_);
    row->addWidget(pick);
    row->addSpacing(24);
    row->addWidget(Caption(kTestKindCaption, kind));
    row->addWidget(kind);
    row->addSpacing(24);
    row->addWidget(MakeCheck(QStringLiteral("PAV1"), kPlotAdjusted, parent));
    row->addStretch(1);

    // The indicator stands over the readings it speaks of, in red.
    outOfRange_ = MakeLabel(QStringLiteral("Label102"), kOutOfRange, parent);
    QFont bold = outOfRange_->font();
    bold.setBold(true);
    outOfRange_->setFont(bold);
    QPalette palette = outOfRange_->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    outOfRange_->setPalette(palette);
    outOfRange_->setToolTip(kOutOfRangeTip);
    row->addWidget(outOfRange_);
    return row;
}

QFrame* PumpTestPage::BuildReadings() {
    // The test's own data head the readings they describe.
    auto* group = new QFrame(this);
    group->setFrameShape(QFrame::StyledPanel);
    // Built first, the test's date and kind come first when the inspector tabs through the page.
    QBoxLayout* header = BuildTestHeader(group);

    readings_ = new StringGrid(QStringLiteral("PT"), kReadingColumns + 1, kReadingRows + 1, true,
                               true, group);
    UseGridFont(readings_);
    readings_->SetRowHeight(kGridRowHeight);
    for (int column = 0; column <= kReadingColumns; ++column) {
        readings_->SetCell(column, 0, kReadingHeaders.at(column));
        const bool pressureOrFlow = column >= kSpeedColumn && column <= kFlowColumn;
        readings_->SetColumnWidth(column,
                                  pressureOrFlow ? kPressureFlowColumnWidth : kReadingColumnWidth);
    }
    // The mean voltage and the total current are kept for the report, not shown here.
    readings_->SetColumnWidth(kMeanVoltsColumn, 0);
    readings_->SetColumnWidth(kTotalAmpsColumn, 0);
    // Columns the table always computes are not typed in.
    for (int column :
         {kMeanVoltsColumn, kTotalAmpsColumn, kAdjustedPressureColumn, kAdjustedFlowColumn}) {
        readings_->SetColumnReadOnly(column);
    }
    readings_->FitToCells();

    auto* groups = new ColumnGroupCaptions(readings_, group);
    for (const ColumnGroup& columns : kReadingGroups) {
        groups->AddGroup(columns.First, columns.Last, QString::fromLatin1(columns.Caption));
    }
    groups->setFixedSize(readings_->width(), kGridRowHeight);

    usePitot_ = MakeCheck(QStringLiteral("UP1"), kUsePitot, group);
    suctionType_ = ChoiceList("SPTy1", SuctionTypeItems(UnitWordsFor(0)), group);
    suctionType_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* notes = new QHBoxLayout;
    notes->setSpacing(6);
    notes->addWidget(usePitot_);
    notes->addSpacing(12);
    notes->addWidget(Caption(kSuctionTypeCaption, suctionType_));
    notes->addWidget(suctionType_, 1);

    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(0);
    column->addLayout(header);
    column->addSpacing(6);
    column->addWidget(groups, 0, Qt::AlignLeft);
    column->addWidget(readings_, 0, Qt::AlignLeft);
    column->addSpacing(6);
    column->addLayout(notes);
    group->setFixedWidth(readings_->width() + 8);
    return group;
}

QWidget* PumpTestPage::BuildDriverColumn() {
    // The readings set the height of the upper part of the page; the driver's panels fit beside
    // them, however their wrapped captions would like to grow.
    auto* column = new BesideColumn(this);
    column->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    // One of the two driver panels is shown, in the same place.
    layout->addWidget(BuildElectricMotor());
    layout->addWidget(BuildDieselEngine());
    layout->addWidget(BuildTransferSwitch());
    layout->addStretch(1);
    return column;
}

QGroupBox* PumpTestPage::BuildElectricMotor() {
    electricMotor_ = MakeGroup(QStringLiteral("Panel15"), kElectricMotorTitle, this);
    maximumAmps_ =
        MakeLabel(QStringLiteral("Label147"), kMaximumAmps + kNotAvailable, electricMotor_);
    voltageRange_ =
        MakeLabel(QStringLiteral("Label148"), kVoltageRange + kNotAvailable, electricMotor_);
    KeepTwoLines(voltageRange_);
    motorMeets_ = ChoiceList("ComboBox15", kMotorChoices, electricMotor_);
    motorMeets_->setMinimumContentsLength(6);
    motorMeetsCaption_ = Caption(kMotorMeetsAcceptance, motorMeets_, QStringLiteral("Label170"));
    QLineEdit* comment = MakeEdit(QStringLiteral("ElectMotorComments"), electricMotor_);

    auto* layout = new QVBoxLayout(electricMotor_);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(2);
    layout->addWidget(maximumAmps_);
    layout->addWidget(voltageRange_);
    layout->addWidget(motorMeetsCaption_);
    layout->addWidget(motorMeets_);
    auto* commentRow = new QHBoxLayout;
    commentRow->setSpacing(6);
    commentRow->addWidget(Caption(kComment, comment));
    commentRow->addWidget(comment, 1);
    layout->addLayout(commentRow);
    return electricMotor_;
}

QGroupBox* PumpTestPage::BuildDieselEngine() {
    dieselEngine_ = MakeGroup(QStringLiteral("Panel17"), kDieselEngineTitle, this);
    QLineEdit* hours = MakeEdit(QStringLiteral("Edit57"), dieselEngine_);
    auto* level = new RadioGroup(QStringLiteral("RadioGroup1"), kFuelLevelCaption, kFuelLevels,
                                 dieselEngine_);
    fuelOther_ = MakeEdit(QStringLiteral("Edit58"), dieselEngine_);
    fuelOther_->setToolTip(kFuelOtherTip);

    auto* layout = new QVBoxLayout(dieselEngine_);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(2);
    layout->addWidget(Caption(kHourMeter, hours));
    layout->addWidget(hours);
    layout->addSpacing(4);
    layout->addWidget(level);
    layout->addWidget(fuelOther_);
    return dieselEngine_;
}

QWidget* PumpTestPage::BuildSubPages() {
    auto* section = new QWidget(this);
    auto* column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    subPageTabs_ = new QTabBar(section);
    subPageTabs_->setObjectName(QStringLiteral("TabControl3"));
    subPageTabs_->setExpanding(false);
    subPageTabs_->addTab(kControllerTestTab);
    subPageTabs_->addTab(kPitotReadingsTab);
    column->addWidget(subPageTabs_);

    auto* frame = new QFrame(section);
    frame->setFrameShape(QFrame::StyledPanel);
    subPages_ = new QStackedWidget(frame);
    subPages_->addWidget(BuildControllerTest());
    subPages_->addWidget(BuildPitotReadings());
    auto* inside = new QVBoxLayout(frame);
    inside->setContentsMargins(4, 4, 4, 4);
    inside->addWidget(subPages_);
    column->addWidget(frame, 1);
    return section;
}

QWidget* PumpTestPage::BuildControllerTest() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("ConTestPanel"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(8);

    QGroupBox* settings = MakeGroup({}, kPressureSettingsTitle, panel);
    QGridLayout* grid = FormGrid(settings);
    for (const PressureSetting& setting : kPressureSettings) {
        QLineEdit* edit = NumberEdit(setting.Control, settings);
        const int gridColumn = (setting.Member - 1) * 3;
        grid->addWidget(Caption(Name(setting.Caption), edit), setting.Pair - 1, gridColumn,
                        Qt::AlignRight);
        grid->addWidget(edit, setting.Pair - 1, gridColumn + 1);
    }
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnStretch(5, 1);
    QLineEdit* settingsComment = MakeEdit(QStringLiteral("Edit65"), settings);
    QLineEdit* prv = MakeEdit(QStringLiteral("PRV1"), settings);
    grid->addWidget(Caption(kComment, settingsComment), kPressurePairs, 0, Qt::AlignRight);
    grid->addWidget(settingsComment, kPressurePairs, 1, 1, 5);
    grid->addWidget(Caption(kPrvSettings, prv), kPressurePairs + 1, 0, 1, 2, Qt::AlignRight);
    grid->addWidget(prv, kPressurePairs + 1, 2, 1, 4);
    column->addWidget(settings);

    QGroupBox* controller = MakeGroup({}, kControllerTitle, panel);
    QGridLayout* form = FormGrid(controller);
    QComboBox* lever = ChoiceList("CESLO", kLeverResults, controller);
    QLineEdit* testComment = MakeEdit(QStringLiteral("Edit64"), controller);
    form->addWidget(Caption(kLeverCaption, lever), 0, 0);
    form->addWidget(lever, 0, 1);
    form->addWidget(Caption(kComment, testComment), 1, 0);
    form->addWidget(testComment, 1, 1, 1, 2);
    form->setColumnStretch(2, 1);

    // The controller test grid is kept with the test but no longer offered on the page.
    controllerGrid_ = new StringGrid(QStringLiteral("CT"), kControllerColumns + 1,
                                     kControllerRows + 1, true, true, controller);
    UseGridFont(controllerGrid_);
    controllerGrid_->SetRowHeight(kGridRowHeight);
    for (int column = 0; column <= kControllerColumns; ++column) {
        controllerGrid_->SetCell(column, 0, kControllerHeaders.at(column));
        controllerGrid_->SetColumnWidth(column, kReadingColumnWidth);
    }
    controllerGrid_->SetColumnWidth(0, kControllerLabelWidth);
    controllerGrid_->SetColumnWidth(kControllerColumns, kControllerCommentWidth);
    for (int row = 1; row <= kControllerRows; ++row) {
        controllerGrid_->SetCell(0, row, kControllerRowLabels.at(row - 1));
    }
    // The starting methods are set by clicking through their results, never typed.
    for (int cycled = kFirstCycledColumn; cycled <= kLastCycledColumn; ++cycled) {
        controllerGrid_->SetColumnReadOnly(cycled);
    }
    controllerGrid_->FitToCells();
    controllerGrid_->setVisible(false);
    form->addWidget(controllerGrid_, 2, 0, 1, 3);
    column->addWidget(controller);
    column->addStretch(1);
    return panel;
}

QWidget* PumpTestPage::BuildNozzleRow(int row) {
    auto* boxes = new QWidget;
    auto* layout = new QHBoxLayout(boxes);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const bool diameter = row == kNozzleDiameterRow;
    for (int outlet = 1; outlet <= kOutlets; ++outlet) {
        const char* name = diameter ? kDiameterBoxes[outlet] : kCoefficientBoxes[outlet];
        QComboBox* box =
            EditableList(name, diameter ? NozzleSizeList(0) : NozzleCoefficientItems(), boxes);
        box->setFixedWidth(kPitotColumnWidth);
        box->setToolTip(kNozzleTip.arg(outlet));
        (diameter ? diameters_ : coefficients_)[static_cast<std::size_t>(outlet)] = box;
        layout->addWidget(box);
    }
    return boxes;
}

QWidget* PumpTestPage::BuildPitotReadings() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("PitotPanel"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    pitotGrid_ =
        new StringGrid(QStringLiteral("Pt2"), kOutlets + 1, kFlowingPoints, true, false, panel);
    UseGridFont(pitotGrid_);
    pitotGrid_->SetRowHeight(kGridRowHeight);
    pitotGrid_->SetColumnWidth(0, kPitotRowLabelWidth);
    for (int outlet = 1; outlet <= kOutlets; ++outlet) {
        pitotGrid_->SetColumnWidth(outlet, kPitotColumnWidth);
    }
    pitotGrid_->FitToCells();

    // The nozzle boxes stand over the grid's columns: the captions of their rows take the place
    // above the grid's row labels and to the left of it.
    QWidget* diameterRow = BuildNozzleRow(kNozzleDiameterRow);
    QWidget* coefficientRow = BuildNozzleRow(kNozzleCoefficientRow);
    const int gridRightFrame = pitotGrid_->frameWidth();
    auto* nozzles = new QGridLayout;
    nozzles->setSpacing(2);
    nozzles->addWidget(MakeLabel(QStringLiteral("Label112"), EnglishUnitCaption("Label112"), panel),
                       0, 0);
    nozzles->addWidget(diameterRow, 0, 1);
    nozzles->addWidget(MakeLabel({}, kCoefficient, panel), 1, 0);
    nozzles->addWidget(coefficientRow, 1, 1);
    nozzles->setColumnMinimumWidth(2, gridRightFrame);
    nozzles->addWidget(pitotGrid_, 2, 0, 1, 3, Qt::AlignRight);

    auto* flowCaption =
        MakeLabel(QStringLiteral("Label100"), EnglishUnitCaption("Label100"), panel);
    flowCaption->setWordWrap(true);
    flowCaption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    flowCaption->setFixedWidth(kFlowBoxWidth + 4);
    auto* flows = new QVBoxLayout;
    flows->setSpacing(0);
    flows->setContentsMargins(0, pitotGrid_->frameWidth(), 0, 0);
    for (int point = 1; point <= kFlowingPoints; ++point) {
        QLineEdit* flow = MakeEdit(Name(kFlowBoxes[point]), panel);
        flow->setReadOnly(true);
        flow->setFixedSize(kFlowBoxWidth, kGridRowHeight);
        flow->setAlignment(Qt::AlignRight);
        flow->setFocusPolicy(Qt::NoFocus);
        flows_[static_cast<std::size_t>(point)] = flow;
        flows->addWidget(flow, 0, Qt::AlignHCenter);
    }
    flows->addStretch(1);
    nozzles->addWidget(flowCaption, 0, 3, 2, 1, Qt::AlignBottom);
    nozzles->addLayout(flows, 2, 3);
    grid->addLayout(nozzles, 0, 0, 1, 4);

    QLineEdit* readingComment = MakeEdit(QStringLiteral("PCM1"), panel);
    readingComment->setToolTip(kPitotCommentTip);
    QLineEdit* flowComment = MakeEdit(QStringLiteral("CF1"), panel);
    flowComment->setToolTip(kFlowCommentTip);
    grid->setRowMinimumHeight(1, 6);
    grid->addWidget(Caption(kComments, readingComment), 2, 0);
    grid->addWidget(readingComment, 2, 1);
    grid->addWidget(Caption(kComments, flowComment), 2, 2);
    grid->addWidget(flowComment, 2, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    grid->setRowStretch(3, 1);
    return panel;
}

QWidget* PumpTestPage::BuildVerdictColumn() {
    verdictColumn_ = new QWidget(this);
    auto* column = new QVBoxLayout(verdictColumn_);
    column->setContentsMargins(0, kPerformanceTopAcceptance, 0, 0);
    column->setSpacing(6);
    column->addWidget(BuildPerformance());
    column->addWidget(BuildAcceptanceStarts());
    column->addStretch(1);
    return verdictColumn_;
}

QGroupBox* PumpTestPage::BuildPerformance() {
    QGroupBox* performance = MakeGroup(QStringLiteral("Panel14"), kPerformanceTitle, this);
    QGridLayout* grid = FormGrid(performance);
    meetsNfpa_ = ChoiceList("ComboBox13", kMeetsChoices, performance);
    meetsCaption_ = Caption(kMeetsAcceptance, meetsNfpa_, QStringLiteral("Label164"));
    QLineEdit* nfpaComment = MakeEdit(QStringLiteral("NFPAcomment"), performance);
    combinedMeets_ = ChoiceList("ComboBox14", kCombinedChoices, performance);
    QLabel* combinedCaption = Caption(kCombinedCaption, combinedMeets_);
    combinedCaption->setWordWrap(true);
    QLineEdit* combinedComment = MakeEdit(QStringLiteral("CCM1"), performance);

    // Each answer on the line below its question, its comment beside a caption.
    grid->addWidget(meetsCaption_, 0, 0, 1, 2);
    grid->addWidget(meetsNfpa_, 1, 0, 1, 2);
    grid->addWidget(Caption(kComment, nfpaComment), 2, 0);
    grid->addWidget(nfpaComment, 2, 1);
    grid->setRowMinimumHeight(3, 4);
    grid->addWidget(combinedCaption, 4, 0, 1, 2);
    grid->addWidget(combinedMeets_, 5, 0, 1, 2);
    grid->addWidget(Caption(kComment, combinedComment), 6, 0);
    grid->addWidget(combinedComment, 6, 1);
    grid->setColumnStretch(1, 1);
    return performance;
}

QGroupBox* PumpTestPage::BuildAcceptanceStarts() {
    acceptanceStarts_ = MakeGroup(QStringLiteral("Panel16"), kAcceptanceTitle, this);
    QGridLayout* grid = FormGrid(acceptanceStarts_);
    QLineEdit* automatic = NumberEdit("Edit55", acceptanceStarts_);
    QLineEdit* manual = NumberEdit("Edit56", acceptanceStarts_);
    QCheckBox* handle = MakeCheck(QStringLiteral("CheckBox19"), kStartHandle, acceptanceStarts_);
    QCheckBox* load = MakeCheck(QStringLiteral("CheckBox20"), kLoadStart, acceptanceStarts_);
    QLabel* electricOnly = MakeLabel(QStringLiteral("Label153"), kElectricOnly, acceptanceStarts_);
    electricStartChecks_ = {handle, load, electricOnly};

    grid->addWidget(Caption(kAutomaticStarts, automatic), 0, 0);
    grid->addWidget(automatic, 0, 1);
    grid->addWidget(Caption(kManualStarts, manual), 0, 2, Qt::AlignRight);
    grid->addWidget(manual, 0, 3);
    grid->addWidget(electricOnly, 1, 0, 1, 4);
    grid->addWidget(handle, 2, 0, 1, 4);
    grid->addWidget(load, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return acceptanceStarts_;
}

QGroupBox* PumpTestPage::BuildTransferSwitch() {
    transferSwitch_ = MakeGroup({}, kTransferSwitchTitle, this);
    QGridLayout* grid = FormGrid(transferSwitch_);
    transferState_ = ChoiceList("TrSw", kTransferSwitchStates, transferSwitch_);
    transferCaption_ =
        Caption(kTransferSwitchAcceptance, transferState_, QStringLiteral("Label143"));
    transferNote_ = MakeEdit(QStringLiteral("Cb1"), transferSwitch_);
    explainCaption_ = Caption(kExplain, transferNote_, QStringLiteral("Label165"));
    commentCaption_ = Caption(kComment, transferNote_, QStringLiteral("Label154"));

    // "Explain" and "Comment" share one place: a failed or untested switch asks for reasons.
    auto* note = new QHBoxLayout;
    note->setSpacing(6);
    note->addWidget(explainCaption_);
    note->addWidget(commentCaption_);
    note->addWidget(transferNote_, 1);
    KeepTwoLines(transferCaption_);
    grid->addWidget(transferCaption_, 0, 0);
    grid->addWidget(transferState_, 1, 0);
    grid->addLayout(note, 2, 0);
    return transferSwitch_;
}

void PumpTestPage::ConnectEntries() {
    connect(usePitot_, &QCheckBox::toggled, this, &PumpTestPage::UsePitotReadingsClick);
    connect(subPageTabs_, &QTabBar::currentChanged, this, &PumpTestPage::SubPageChange);

    connect(readings_, &StringGrid::KeyReleased, this, &PumpTestPage::ReadingKeyUp);
    connect(readings_, &StringGrid::CellCommitted, this, &PumpTestPage::StoreReading);
    connect(readings_, &StringGrid::CurrentCellMoved, this, &PumpTestPage::UpdateReadings);
    connect(readings_, &StringGrid::CellPressed, this, &PumpTestPage::UpdateReadings);
    connect(readings_, &StringGrid::Left, this, &PumpTestPage::LeaveReadings);

    connect(pitotGrid_, &StringGrid::KeyReleased, this, &PumpTestPage::PitotKeyUp);
    connect(pitotGrid_, &StringGrid::CellCommitted, this, &PumpTestPage::StorePitotReading);
    // Choosing a pitot cell or leaving the grid shows the whole page again.
    connect(pitotGrid_, &StringGrid::CurrentCellMoved, this, &DataPage::RefreshRequested);
    connect(pitotGrid_, &StringGrid::CellPressed, this, &DataPage::RefreshRequested);
    connect(pitotGrid_, &StringGrid::Left, this, &DataPage::RefreshRequested);

    connect(controllerGrid_, &StringGrid::CellPressed, this, &PumpTestPage::ControllerMouseDown);
    connect(controllerGrid_, &StringGrid::KeyReleased, this, &PumpTestPage::StoreControllerGrid);
    connect(controllerGrid_, &StringGrid::CellCommitted, this, &PumpTestPage::StoreControllerGrid);

    for (int outlet = 1; outlet <= kOutlets; ++outlet) {
        const auto index = static_cast<std::size_t>(outlet);
        for (const int row : {kNozzleDiameterRow, kNozzleCoefficientRow}) {
            QComboBox* box = (row == kNozzleDiameterRow ? diameters_ : coefficients_)[index];
            connect(box, &QComboBox::currentTextChanged, this,
                    [this, row, outlet](const QString& text) {
                        NozzleBoxChange({row, outlet}, text);
                    });
        }
    }

    // The verdict lists are stored in forms the entry table does not know.
    connect(meetsNfpa_, &QComboBox::currentIndexChanged, this,
            [this](int index) { project_.MeetsNfpa20[test_] = index != kDoesNotMeet; });
    connect(combinedMeets_, &QComboBox::currentIndexChanged, this,
            [this](int index) { project_.CombinedMeetsDemand[test_] = VerdictCodeAt(index); });
    connect(motorMeets_, &QComboBox::currentIndexChanged, this,
            [this](int index) { project_.MotorMeetsNfpa25[test_] = VerdictCodeAt(index); });
}

QList<FieldBinding> PumpTestPage::Bindings() const {
    using P = ProjectData;
    constexpr AfterEdit refresh = AfterEdit::Refresh;
    const auto text = [](const char* control, PerTest<QString> P::*field,
                         AfterEdit then = AfterEdit::Nothing) {
        return TextField(Name(control), ElementOf(field), FieldScope::PumpTest, then);
    };
    const auto check = [](const char* control, PerTest<bool> P::*field,
                          AfterEdit then = AfterEdit::Nothing) {
        return CheckField(Name(control), ElementOf(field), FieldScope::PumpTest, then);
    };
    const auto index = [](const char* control, PerTest<int> P::*field,
                          AfterEdit then = AfterEdit::Nothing) {
        return IndexField(Name(control), ElementOf(field), FieldScope::PumpTest, then);
    };

    QList<FieldBinding> rows = {
        // The date names the test's tabs; the test kind and the pitot switch change the page.
        text("Dt1", &P::PumpTestDate, AfterEdit::TabCaptions),
        text("PmTs1", &P::PumpTestKind, refresh),
        check("PAV1", &P::PlotAdjusted),
        check("UP1", &P::UsePitotFlows, refresh),
        index("SPTy1", &P::SuctionPressureType),

        index("TrSw", &P::TransferSwitchState, refresh),
        text("Cb1", &P::TransferSwitchNote),
        text("NFPAcomment", &P::NfpaComment),
        text("CCM1", &P::CombinedCurveComment),
        text("ElectMotorComments", &P::MotorComment),

        text("Edit55", &P::AutomaticStarts),
        text("Edit56", &P::ManualStarts),
        check("CheckBox19", &P::EmergencyStartHandle),
        check("CheckBox20", &P::LoadStartTest),
        text("Edit57", &P::EngineHourMeter),
        index("RadioGroup1", &P::FuelTankLevel, refresh),
        text("Edit58", &P::FuelTankOther),

        text("PRV1", &P::PrvSettings),
        text("Edit65", &P::PressureSettingsComment),
        index("CESLO", &P::EmergencyLeverResult),
        text("Edit64", &P::ControllerTestComment),
        text("CF1", &P::PitotFlowComment),
        text("PCM1", &P::PitotReadingComment),
    };
    for (const PressureSetting& setting : kPressureSettings) {
        const int pair = setting.Pair;
        const int member = setting.Member;
        rows.append(TextField(
            Name(setting.Control),
            [pair, member](P& p, int t) -> QString& { return p.PressureSettings[t][pair][member]; },
            FieldScope::PumpTest));
    }
    return rows;
}

std::optional<GridCell> PumpTestPage::EditingCell() const {
    const int column = readings_->Column();
    const int row = readings_->Row();
    if (column < 1 || row < 1) {
        return std::nullopt;
    }
    return GridCell{column, row};
}

// ---- Entry handlers

void PumpTestPage::PickTestDate() {
    const QString picked = PickDateText(prompter_, date_->text());
    if (picked == date_->text()) {
        return;
    }
    project_.PumpTestDate[test_] = picked;
    {
        const QSignalBlocker blocker(date_);
        date_->setText(picked);
    }
    emit TabCaptionsChanged();
}

void PumpTestPage::UsePitotReadingsClick(bool checked) {
    // The entry table stores the switch and refreshes; the pitot sub-page closes with it.
    if (!checked) {
        const QSignalBlocker blocker(subPageTabs_);
        subPageTabs_->setCurrentIndex(0);
        subPages_->setCurrentIndex(0);
    }
}

void PumpTestPage::SubPageChange(int index) {
    if (index == 1 && !project_.UsePitotFlows[test_]) {
        prompter_.Inform(kPitotTabRefused);
        const QSignalBlocker blocker(subPageTabs_);
        subPageTabs_->setCurrentIndex(0);
    }
    subPages_->setCurrentIndex(subPageTabs_->currentIndex());
    emit RefreshRequested();
}

void PumpTestPage::ReadingKeyUp() {
    StoreReading(readings_->Column(), readings_->Row());
}

void PumpTestPage::StoreReading(int column, int row) {
    if (column >= 1 && column <= kReadingColumns && row >= 1 && row <= kReadingRows) {
        // The whole text, brackets and all: a marked reading reads back as its number.
        project_.PumpReadings[test_][row][column] = readings_->Cell(column, row);
    }
    UpdateReadings();
}

void PumpTestPage::LeaveReadings() {
    // The inspector has finished typing: nothing is spared the range marking any more.
    if (readings_->Column() < 0) {
        UpdateReadings();
        return;
    }
    readings_->SetCurrentCell(-1, -1); // moves the current cell, which updates
}

void PumpTestPage::UpdateReadings() {
    ShowReadings(PumpTestTableUpdate(project_, test_, EditingCell()));
}

void PumpTestPage::PitotKeyUp() {
    StorePitotReading(pitotGrid_->Column(), pitotGrid_->Row());
}

void PumpTestPage::StorePitotReading(int column, int row) {
    // Row r of the grid is the pitot reading of flowing point r + 1.
    if (column >= 1 && column <= kOutlets && row >= 0 && row < kFlowingPoints) {
        project_.PitotGrid[test_][kFirstPitotRow + row][column] = pitotGrid_->Cell(column, row);
    }
    UpdateReadings();
}

void PumpTestPage::ControllerMouseDown(int column, int row) {
    if (column >= kFirstCycledColumn && column <= kLastCycledColumn) {
        controllerGrid_->SetCell(column, row,
                                 NextControllerResult(controllerGrid_->Cell(column, row)));
    }
    StoreControllerGrid();
}

void PumpTestPage::StoreControllerGrid() {
    ControllerTable& table = project_.ControllerGrid[test_];
    for (int row = 1; row <= kControllerRows; ++row) {
        for (int column = 1; column <= kControllerColumns; ++column) {
            table[row][column] = controllerGrid_->Cell(column, row);
        }
    }
}

void PumpTestPage::NozzleBoxChange(NozzleBox box, const QString& text) {
    PitotTable& nozzles = project_.PitotGrid[test_];
    if (nozzleEntry_ != box) {
        nozzleEntry_ = box;
        nozzleFollowers_.clear();
    }
    const QString before = nozzles[box.Row][box.Outlet];
    nozzles[box.Row][box.Outlet] = text;
    for (const NozzleBox& follower : nozzleFollowers_) {
        QString& value = nozzles[follower.Row][follower.Outlet];
        if (value == before) {
            value = text;
        }
    }
    for (const auto& [row, outlet] : FillDownNozzles(nozzles)) {
        if (row == box.Row && nozzles[row][outlet] == text) {
            nozzleFollowers_.append({row, outlet});
        }
    }
    emit RefreshRequested();
}

// ---- What the refresh shows

void PumpTestPage::LeaveTest() {
    // What is being typed belongs to the test shown so far.
    for (StringGrid* grid : {readings_, pitotGrid_, controllerGrid_}) {
        grid->EndEditing();
    }
    const QSignalBlocker blocker(readings_);
    readings_->SetCurrentCell(-1, -1);
    nozzleEntry_.reset();
    nozzleFollowers_.clear();
}

void PumpTestPage::ApplyRules(const RefreshContext& context) {
    const ProjectData& project = context.Project;
    const int test = std::clamp(context.PumpTest, 1, kTestCount);
    // The refresh spared the cell being typed in of the test shown before; in this test nothing
    // is being typed, and every reading is judged.
    const bool judgeEveryCell = test != test_ && EditingCell().has_value();
    if (test != test_) {
        LeaveTest();
        test_ = test;
    }
    ShowSubPage(project.UsePitotFlows[test]);
    ShowSuctionTypes(context.Units, project.SuctionPressureType[test]);
    if (!context.PumpTable) {
        ShowReadings(StoredReadings(project, test));
    } else if (judgeEveryCell) {
        ShowReadings(JudgedReadings(project, test));
    } else {
        ShowReadings(*context.PumpTable);
    }
    ShowRowLabels(HasTransferSwitchRow(project, test));
    ShowGrids(project, test);
    ShowNozzleLists(project.UnitSystem);
    ShowNozzles(project, test);
    ShowTransferSwitch(project, test);
    ShowVerdicts(project, test);
    ShowDriverPanels(project, test);
    ShowFuelLevel(project.FuelTankLevel[test]);
    ShowMotorLimits(project);
    // Place the panels now, not at the next event: what the page shows is settled here.
    verdictColumn_->layout()->activate();
}

void PumpTestPage::ShowSubPage(bool usesPitotReadings) {
    if (!usesPitotReadings && subPageTabs_->currentIndex() != 0) {
        const QSignalBlocker blocker(subPageTabs_);
        subPageTabs_->setCurrentIndex(0);
    }
    subPages_->setCurrentIndex(subPageTabs_->currentIndex());
}

void PumpTestPage::ShowSuctionTypes(const UnitWords& units, int stored) {
    const QStringList items = SuctionTypeItems(units);
    const QSignalBlocker blocker(suctionType_);
    for (int i = 0; i < items.size(); ++i) {
        if (i < suctionType_->count()) {
            suctionType_->setItemText(i, items.at(i));
        } else {
            suctionType_->addItem(items.at(i));
        }
    }
    suctionType_->setCurrentIndex(stored >= 0 && stored < items.size() ? stored : -1);
    OpenWide(suctionType_);
}

void PumpTestPage::ShowNozzleLists(int unitSystem) {
    const int system = KnownUnitSystem(unitSystem);
    if (system == nozzleUnitSystem_) {
        return;
    }
    nozzleUnitSystem_ = system;
    const QStringList sizes = NozzleSizeList(system);
    for (int outlet = 1; outlet <= kOutlets; ++outlet) {
        QComboBox* box = diameters_[static_cast<std::size_t>(outlet)];
        const QSignalBlocker blocker(box);
        const QString shown = box->currentText();
        box->clear();
        box->addItems(sizes);
        box->setCurrentIndex(box->findText(shown, Qt::MatchExactly));
        box->setEditText(shown);
    }
}

void PumpTestPage::ShowReadings(const PumpTestTableView& view) {
    for (int row = 1; row <= kReadingRows; ++row) {
        for (int column = 1; column <= kReadingColumns; ++column) {
            readings_->SetCell(column, row, view.Shown[row][column]);
        }
    }
    outOfRange_->setVisible(view.OutOfRange);
    for (int point = 1; point <= kFlowingPoints; ++point) {
        const auto index = static_cast<std::size_t>(point);
        flows_[index]->setText(view.PitotFlowsComputed ? view.HoseStreamFlows[index] : QString());
    }
}

void PumpTestPage::ShowRowLabels(bool transferSwitchRow) {
    // Row r of the readings is reading r - 1, the churn point being reading 0. The last row
    // holds the transfer switch test when there is one.
    for (int row = 1; row <= kReadingRows; ++row) {
        readings_->SetCell(0, row, QString::number(row - 1));
    }
    if (transferSwitchRow) {
        readings_->SetCell(0, kReadingRows, kTransferSwitchRow);
    }
    for (int row = 0; row < kFlowingPoints; ++row) {
        pitotGrid_->SetCell(0, row, QString::number(row + 1));
    }
    if (transferSwitchRow) {
        pitotGrid_->SetCell(0, kFlowingPoints - 1, kTransferSwitchRow);
    }
}

void PumpTestPage::ShowGrids(const ProjectData& project, int test) {
    const ControllerTable& controller = project.ControllerGrid[test];
    for (int row = 1; row <= kControllerRows; ++row) {
        for (int column = 1; column <= kControllerColumns; ++column) {
            controllerGrid_->SetCell(column, row, controller[row][column]);
        }
    }
    const PitotTable& nozzles = project.PitotGrid[test];
    for (int row = 0; row < kFlowingPoints; ++row) {
        for (int outlet = 1; outlet <= kOutlets; ++outlet) {
            pitotGrid_->SetCell(outlet, row, nozzles[kFirstPitotRow + row][outlet]);
        }
    }
}

void PumpTestPage::ShowNozzles(const ProjectData& project, int test) {
    const PitotTable& nozzles = project.PitotGrid[test];
    for (int outlet = 1; outlet <= kOutlets; ++outlet) {
        const auto index = static_cast<std::size_t>(outlet);
        ShowText(diameters_[index], nozzles[kNozzleDiameterRow][outlet]);
        ShowText(coefficients_[index], nozzles[kNozzleCoefficientRow][outlet]);
    }
}

void PumpTestPage::ShowTransferSwitch(const ProjectData& project, int test) {
    const bool electric = IsElectricDriver(project);
    const std::optional<TransferSwitchStatus> state =
        ReadTransferSwitch(project.TransferSwitchState[test]);
    transferCaption_->setText(IsAnnualTest(project, test) ? kTransferSwitchAnnual
                                                          : kTransferSwitchAcceptance);
    const bool explain = electric && (state == TransferSwitchStatus::Failed ||
                                      state == TransferSwitchStatus::NotTested);
    for (QWidget* control :
         {static_cast<QWidget*>(transferSwitch_), static_cast<QWidget*>(transferCaption_),
          static_cast<QWidget*>(transferState_), static_cast<QWidget*>(transferNote_)}) {
        control->setVisible(electric);
    }
    explainCaption_->setVisible(explain);
    commentCaption_->setVisible(electric && !explain);
}

void PumpTestPage::ShowVerdicts(const ProjectData& project, int test) {
    const bool annual = IsAnnualTest(project, test);
    SelectQuietly(meetsNfpa_, project.MeetsNfpa20[test] ? 0 : kDoesNotMeet);
    SelectQuietly(combinedMeets_, VerdictListIndex(project.CombinedMeetsDemand[test]));
    SelectQuietly(motorMeets_, VerdictListIndex(project.MotorMeetsNfpa25[test]));
    meetsCaption_->setText(annual ? kMeetsAnnual : kMeetsAcceptance);
    motorMeetsCaption_->setText(annual ? kMotorMeetsAnnual : kMotorMeetsAcceptance);
    verdictColumn_->layout()->setContentsMargins(
        0, annual ? kPerformanceTopAnnual : kPerformanceTopAcceptance, 0, 0);
}

void PumpTestPage::ShowDriverPanels(const ProjectData& project, int test) {
    const bool annual = IsAnnualTest(project, test);
    const bool electric = IsElectricDriver(project);
    acceptanceStarts_->setVisible(!annual);
    for (QWidget* control : electricStartChecks_) {
        control->setEnabled(electric && !annual);
    }
    electricMotor_->setVisible(electric);
    dieselEngine_->setVisible(IsDieselDriver(project));
}

void PumpTestPage::ShowFuelLevel(int level) {
    const bool other = level == kOtherFuelLevel;
    fuelOther_->setEnabled(other);
    SetTextColour(fuelOther_, other ? kEnabledText : kDisabledText);
}

void PumpTestPage::ShowMotorLimits(const ProjectData& project) {
    // Read as typed: a blank service factor gives no limit here, although the marking of the
    // readings takes it as 1.
    const MotorLimits limits(ParseNumber(project.DriverVolts), ParseNumber(project.DriverAmps),
                             ParseNumber(project.ServiceFactor));
    maximumAmps_->setText(kMaximumAmps + (limits.StatesMaxAmps()
                                              ? FormatRounded(2, limits.MaxAmps())
                                              : kNotAvailable));
    voltageRange_->setText(kVoltageRange + (limits.StatesVolts()
                                                ? FormatRounded(1, limits.LowVolts()) + kRangeJoin +
                                                      FormatRounded(1, limits.HighVolts())
                                                : kNotAvailable));
}

} // namespace quenra
