#pragma once

#include "FieldBinding.h"
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
};

// A page of the main window built in code. Its controls carry the object names that the entry
// table and the tests use; the refresh writes the bound controls from the record (signals
// blocked), then lets the page apply its own rules.
class DataPage : public QWidget {
public:
    using QWidget::QWidget;

    // The page's rows of the entry table.
    virtual QList<FieldBinding> Bindings() const = 0;

    // After the bound controls show the record: item choices that depend on the record,
    // visibility, enabling and captions. Writes controls with their signals blocked.
    virtual void ApplyRules(const RefreshContext& context) = 0;
};

} // namespace quenra
