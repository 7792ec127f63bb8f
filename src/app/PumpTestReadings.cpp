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

// The readings table of the pump test page, with its computed columns and out-of-range marks,
// and how the page's grids take what is typed.

namespace quenra {

using namespace pump_page;

namespace {

const QString kUsePitot = QStringLiteral("*  Use pitot readings to calculate flows");
const QString kSuctionTypeCaption = QStringLiteral("* Suction Pressure Type");

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

constexpr int kPressureFlowColumnWidth = 67; // columns 9..14

} // namespace

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

void PumpTestPage::ConnectGrids() {
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
}

std::optional<GridCell> PumpTestPage::EditingCell() const {
    const int column = readings_->Column();
    const int row = readings_->Row();
    if (column < 1 || row < 1) {
        return std::nullopt;
    }
    return GridCell{column, row};
}

void PumpTestPage::ReadingKeyUp() {
    StoreReading(readings_->Column(), readings_->Row());
}

void PumpTestPage::StoreReading(int column, int row) {
    if (column >= 1 && column <= kReadingColumns && row >= 1 && row <= kReadingRows) {
        // The whole text, brackets and all: a marked reading reads back as its number.
        emit CellEntered(readings_->objectName(), test_, column, row, readings_->Cell(column, row));
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

} // namespace quenra
