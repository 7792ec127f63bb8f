#pragma once

#include "DataPage.h"

#include <QList>

#include <initializer_list>

class QComboBox;
class QGroupBox;
class QWidget;

namespace quenra {

// The first page of a fire pump test: the pump rating with the curves the graph draws, the pump
// tests that go into the graph and the report, the driver, the fire and jockey pumps, the
// controller with its automatic testing, and the alarms. Its object name is "SupplyPanel".
class FirePumpPage : public DataPage {
    Q_OBJECT
public:
    // The page keeps the record only to store the reference pump test, whose list shows the
    // test number less one and so cannot be an entry of the table.
    explicit FirePumpPage(ProjectData& project, QWidget* parent = nullptr);

    QList<FieldBinding> Bindings() const override;
    void ApplyRules(const RefreshContext& context) override;

private:
    QGroupBox* BuildRatingGroup();
    QGroupBox* BuildAssemblyGroup();
    QGroupBox* BuildDriverGroup();
    QGroupBox* BuildFirePumpGroup();
    QGroupBox* BuildControllerGroup();
    QGroupBox* BuildAlarmGroup();

    QList<QWidget*> Named(std::initializer_list<const char*> names) const;
    void ShowPurpose(const QString& purpose);
    void ApplyAutoStopRule(const QString& operation);
    void ChooseReferencePump(int index);

    ProjectData& project_;
    QComboBox* purpose_ = nullptr;
    QComboBox* referencePump_ = nullptr;
    QComboBox* autoOperation_ = nullptr;
    QList<QWidget*> electricInputs_;
    QList<QWidget*> electricAlarms_;
    QList<QWidget*> dieselAlarms_;
    QList<QWidget*> autoStopInputs_;
    QList<QWidget*> autoTestInputs_;
};

} // namespace quenra
