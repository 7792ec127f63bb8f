#pragma once

#include "DataPage.h"

#include <QList>

#include <initializer_list>

class QCheckBox;
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
    // Every entry of the page goes through the entry table: the page keeps no record of its
    // own; the window builds it with the record like the other pages.
    explicit FirePumpPage(ProjectData& project, QWidget* parent = nullptr);

    QList<FieldBinding> Bindings() const override;
    void ApplyRules(const RefreshContext& context) override;

    // "Use Test Date Instead of Number": the graph names the tests by their dates.
    bool UsesTestDate() const;

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

    QComboBox* purpose_ = nullptr;
    QComboBox* autoOperation_ = nullptr;
    QList<QWidget*> electricInputs_;
    QList<QWidget*> electricAlarms_;
    QList<QWidget*> dieselAlarms_;
    QList<QWidget*> autoStopInputs_;
    QList<QWidget*> autoTestInputs_;
    QCheckBox* useTestDate_ = nullptr;
};

} // namespace quenra
