#include "PumpTestPage.h"

#include "PageBuilding.h"
#include "PumpNozzleBoxes.h"
#include "PumpTestPageLook.h"
#include "StringGrid.h"
#include "UnitCaptions.h"
#include "WrappingRow.h"
#include "hydraulics/PumpTestLayout.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace quenra {

using namespace pump_page;

namespace {

const QString kDateCaption = QStringLiteral("Date");
const QString kTestKindCaption = QStringLiteral("Pump Test");
const QStringList kTestKinds = {QStringLiteral("Annual"), QStringLiteral("Acceptance")};
const QString kPlotAdjusted = QStringLiteral("Plot Adjusted Values");
const QString kOutOfRange = QStringLiteral("< Out Of Range >");
const QString kOutOfRangeTip =
    QStringLiteral("A volts or amps reading between < and > is outside the motor's limits");
const QString kPitotTabRefused =
    QStringLiteral("Check \"Use pitot readings for calculated flows\" to activate this tab");

// Sizes, in pixels.
constexpr int kDateWidth = 100;
constexpr int kTestKindWidth = 130;
constexpr int kNarrowestReadings = 320;

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
    : DataPage(parent), project_(project), prompter_(prompter),
      nozzles_(new PumpNozzleBoxes(project, this)) {
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

void PumpTestPage::ConnectEntries() {
    connect(usePitot_, &QCheckBox::toggled, this, &PumpTestPage::UsePitotReadingsClick);
    connect(subPageTabs_, &QTabBar::currentChanged, this, &PumpTestPage::SubPageChange);
    ConnectGrids();
    connect(nozzles_, &PumpNozzleBoxes::NozzleChanged, this,
            [this](int row, int outlet, const QString& text) {
                emit CellEntered(pitotGrid_->objectName(), test_, outlet, row, text);
            });
    connect(nozzles_, &PumpNozzleBoxes::Entered, this, &DataPage::RefreshRequested);
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
        DateField(QStringLiteral("Dt1"), QStringLiteral("Button8"), ElementOf(&P::PumpTestDate),
                  FieldScope::PumpTest),
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
    rows.append(VerdictBindings());
    // The grids: the readings as typed, brackets and all, and the pitot table by its rows in the
    // record: the nozzles over the grid, then the readings.
    rows.append(CellField(QStringLiteral("PT"), [](P& p, int t, int column, int row) -> QString& {
        return p.PumpReadings[t][row][column];
    }));
    rows.append(CellField(QStringLiteral("Pt2"), [](P& p, int t, int column, int row) -> QString& {
        return p.PitotGrid[t][row][column];
    }));
    rows.append(CellField(QStringLiteral("CT"), [](P& p, int t, int column, int row) -> QString& {
        return p.ControllerGrid[t][row][column];
    }));
    return rows;
}

// ---- Entry handlers

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

// ---- What the refresh shows

void PumpTestPage::LeaveTest() {
    // What is being typed belongs to the test shown so far.
    for (StringGrid* grid : {readings_, pitotGrid_, controllerGrid_}) {
        grid->EndEditing();
    }
    const QSignalBlocker blocker(readings_);
    readings_->SetCurrentCell(-1, -1);
    nozzles_->EndEntry();
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
    nozzles_->ShowLists(project.UnitSystem);
    nozzles_->Show(project, test);
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

} // namespace quenra
