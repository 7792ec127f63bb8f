#include "PumpNozzleBoxes.h"

#include "PumpTestPageLook.h"
#include "hydraulics/NozzleFlow.h"
#include "hydraulics/NumberText.h"
#include "hydraulics/PumpTestLayout.h"
#include "hydraulics/UnitSystem.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include <utility>

namespace quenra {

using namespace pump_page;

namespace {

const QString kNozzleTip = QStringLiteral("Nozzle %1");

// Boxes by outlet 1..6 (element 0 unused).
constexpr const char* kDiameterBoxes[] = {nullptr,     "Diam1",     "ComboBox2", "ComboBox4",
                                          "ComboBox6", "ComboBox8", "ComboBox10"};
constexpr const char* kCoefficientBoxes[] = {nullptr,     "Coef1",     "ComboBox3", "ComboBox5",
                                             "ComboBox7", "ComboBox9", "ComboBox11"};

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

} // namespace

PumpNozzleBoxes::PumpNozzleBoxes(const ProjectData& project, QObject* parent)
    : QObject(parent), project_(project) {}

QWidget* PumpNozzleBoxes::BuildRow(int row) {
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
        connect(box, &QComboBox::currentTextChanged, this,
                [this, row, outlet](const QString& text) {
                    Change({row, outlet}, text);
                });
        layout->addWidget(box);
    }
    return boxes;
}

void PumpNozzleBoxes::ShowLists(int unitSystem) {
    const int system = KnownUnitSystem(unitSystem);
    if (system == unitSystem_) {
        return;
    }
    unitSystem_ = system;
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

void PumpNozzleBoxes::Show(const ProjectData& project, int test) {
    test_ = test;
    const PitotTable& nozzles = project.PitotGrid[test];
    for (int outlet = 1; outlet <= kOutlets; ++outlet) {
        const auto index = static_cast<std::size_t>(outlet);
        ShowText(diameters_[index], nozzles[kNozzleDiameterRow][outlet]);
        ShowText(coefficients_[index], nozzles[kNozzleCoefficientRow][outlet]);
    }
}

void PumpNozzleBoxes::EndEntry() {
    entry_.reset();
    followers_.clear();
}

void PumpNozzleBoxes::Change(Box box, const QString& text) {
    const PitotTable& stored = project_.PitotGrid[test_];
    PitotTable nozzles = stored;
    if (entry_ != box) {
        entry_ = box;
        followers_.clear();
    }
    const QString before = nozzles[box.Row][box.Outlet];
    nozzles[box.Row][box.Outlet] = text;
    for (const Box& follower : followers_) {
        QString& value = nozzles[follower.Row][follower.Outlet];
        if (value == before) {
            value = text;
        }
    }
    for (const auto& [row, outlet] : FillDownNozzles(nozzles)) {
        if (row == box.Row && nozzles[row][outlet] == text) {
            followers_.append({row, outlet});
        }
    }
    for (const int row : {kNozzleDiameterRow, kNozzleCoefficientRow}) {
        for (int outlet = 1; outlet <= kOutlets; ++outlet) {
            if (nozzles[row][outlet] != stored[row][outlet]) {
                emit NozzleChanged(row, outlet, nozzles[row][outlet]);
            }
        }
    }
    emit Entered();
}

} // namespace quenra
