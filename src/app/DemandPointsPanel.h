#pragma once

#include "DataPage.h"

namespace quenra {

// "System Demand Points": five points, each with a display switch, flow, pressure, purpose and
// colour. The same controls edit the fire pump set or the hydrant set of the record, by the
// kind of project; the other set keeps its values.
class DemandPointsPanel : public DataPage {
    Q_OBJECT
public:
    explicit DemandPointsPanel(QWidget* parent = nullptr);

    QList<FieldBinding> Bindings() const override;
    void ApplyRules(const RefreshContext&) override {}

    // The items of the purpose lists.
    static QStringList PurposeItems();
};

} // namespace quenra
