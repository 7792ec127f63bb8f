#pragma once

#include "model/ProjectData.h"

#include <QList>
#include <QObject>

#include <array>
#include <optional>

class QComboBox;
class QWidget;

namespace quenra {

// The nozzle boxes over the pitot readings of a pump test: the diameter and the coefficient of
// outlets 1..6. A value entered for one nozzle fills the blank nozzles after it; while the
// inspector goes on typing in that box, the boxes it filled follow the entry to its end, so that
// typing "1.5" leaves 1.5 in them, not its first "1".
class PumpNozzleBoxes : public QObject {
    Q_OBJECT
public:
    PumpNozzleBoxes(const ProjectData& project, QObject* parent);

    // The six boxes of a row of the pitot table: its diameter or its coefficient row.
    QWidget* BuildRow(int row);

    // The diameters offered follow the unit system; what each box shows stays.
    void ShowLists(int unitSystem);
    // Shows the nozzles of a test; entries go to that test from now on.
    void Show(const ProjectData& project, int test);
    // What is typed next starts a new entry: no box follows it.
    void EndEntry();

signals:
    // A nozzle of the pitot table takes a new value: the page has it stored. Row 1 holds the
    // diameters, row 2 the coefficients.
    void NozzleChanged(int row, int outlet, const QString& text);
    // A nozzle value was entered and stored: the page shows the flows it gives.
    void Entered();

private:
    // A box: row 1 (diameter) or 2 (coefficient) of outlet 1..6.
    struct Box {
        int Row = 0;
        int Outlet = 0;
        bool operator==(const Box&) const = default;
    };

    void Change(Box box, const QString& text);

    const ProjectData& project_;
    int test_ = 1;
    int unitSystem_ = 0;
    std::optional<Box> entry_;
    QList<Box> followers_;
    std::array<QComboBox*, 7> diameters_{};    // outlets 1..6
    std::array<QComboBox*, 7> coefficients_{}; // outlets 1..6
};

} // namespace quenra
