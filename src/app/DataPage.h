#pragma once

#include "FieldBinding.h"
#include "hydraulics/PumpTestTable.h"
#include "hydraulics/UnitSystem.h"

#include <QList>
#include <QWidget>

namespace quenra {

// What a refresh knows when it applies a page's rules.
struct RefreshContext {
    const ProjectData& Project;
    const UnitWords& Units;
    int SupplyTest = 1;         // the supply test whose tab is shown, 1..5
    int PumpTest = 1;           // the pump test whose page is shown, else 1
    bool LargeOutlet = false;   // the supply test shown has a 4 or 4.5 outlet
    bool CalculateFlow = false; // the supply test shown computes its flow from the pitot reading
    // On a pump test page: the readings table as the refresh computed it (marked cells,
    // indicator, pitot flows); otherwise null.
    const PumpTestTableView* PumpTable = nullptr;
};

// A page of the main window built in code. Its controls carry the object names that the entry
// table and the tests use; the refresh writes the bound controls from the record (signals
// blocked), then lets the page apply its own rules.
class DataPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The page's rows of the entry table.
    virtual QList<FieldBinding> Bindings() const = 0;

    // After the bound controls show the record: item choices that depend on the record,
    // visibility, enabling and captions. Writes controls with their signals blocked.
    virtual void ApplyRules(const RefreshContext& context) = 0;

    // The cell of the readings table being typed in, which the refresh leaves unmarked.
    virtual std::optional<GridCell> EditingCell() const { return std::nullopt; }

signals:
    // Something the page shows depends on what was just entered: the window refreshes.
    void RefreshRequested();
    // A test date changed: the window renames the test's tabs.
    void TabCaptionsChanged();
    // The inspector entered a cell of a grid, or a page of a text box, that belongs to element
    // `test` of its field: the entry table stores it before the signal returns.
    void CellEntered(const QString& grid, int test, int column, int row, const QString& text);
};

} // namespace quenra
