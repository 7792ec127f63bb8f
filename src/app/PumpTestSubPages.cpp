#include "PumpTestPage.h"

#include "PageBuilding.h"
#include "PumpNozzleBoxes.h"
#include "PumpTestPageLook.h"
#include "StringGrid.h"
#include "UnitCaptions.h"
#include "WrappingRow.h"
#include "hydraulics/PumpTestLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

// The sub-pages under the readings of the pump test page: the controller test and the pitot
// readings with their flows.

namespace quenra {

using namespace pump_page;

namespace {

const QString kPitotCommentTip = QStringLiteral("Comments on the pitot readings");
const QString kFlowCommentTip = QStringLiteral("Comments on the calculated flows");

const QString kControllerTestTab = QStringLiteral("Controller Test");
const QString kPitotReadingsTab = QStringLiteral("Pitot Readings");

const QString kPressureSettingsTitle = QStringLiteral("Controller Pressure Settings");
const QString kPrvSettings = QStringLiteral("Size and Settings of PRVs");
const QString kControllerTitle = QStringLiteral("Controller");
const QString kLeverCaption = QStringLiteral("Controler Emegency Start Lever Operated");
const QStringList kLeverResults = {QStringLiteral("Not Done"), QStringLiteral("Pass"),
                                   QStringLiteral("Fail"), QStringLiteral("N/A")};
const QString kCoefficient = QStringLiteral("Coefficient");

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

constexpr const char* kFlowBoxes[] = {nullptr,  "Edit49", "Edit50", "Edit51",
                                      "Edit52", "Edit53", "Edit54"};

// Sizes, in pixels.
constexpr int kPitotRowLabelWidth = 46;
constexpr int kControllerLabelWidth = 165;
constexpr int kControllerCommentWidth = 250;
constexpr int kFlowBoxWidth = 70;

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

} // namespace

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
    auto* stack = new QVBoxLayout(panel);
    stack->setContentsMargins(4, 4, 4, 4);
    stack->setSpacing(8);

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
    stack->addWidget(settings);

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
    stack->addWidget(controller);
    stack->addStretch(1);
    return panel;
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
    QWidget* diameterRow = nozzles_->BuildRow(kNozzleDiameterRow);
    QWidget* coefficientRow = nozzles_->BuildRow(kNozzleCoefficientRow);
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

void PumpTestPage::PitotKeyUp() {
    StorePitotReading(pitotGrid_->Column(), pitotGrid_->Row());
}

void PumpTestPage::StorePitotReading(int column, int row) {
    // Row r of the grid is the pitot reading of flowing point r + 1.
    if (column >= 1 && column <= kOutlets && row >= 0 && row < kFlowingPoints) {
        emit CellEntered(pitotGrid_->objectName(), test_, column, kFirstPitotRow + row,
                         pitotGrid_->Cell(column, row));
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
    for (int row = 1; row <= kControllerRows; ++row) {
        for (int column = 1; column <= kControllerColumns; ++column) {
            emit CellEntered(controllerGrid_->objectName(), test_, column, row,
                             controllerGrid_->Cell(column, row));
        }
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

} // namespace quenra
