#pragma once

#include "DataPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace quenra {

class AvailableFlowLabel;
class ColourSwatch;

// The fire hydrant test page ("GenPanel"): the water supply with its tank or other source, and
// the five supply (flow) tests, of which the one whose tab is selected in "TabControl2" is
// shown. The window owns the tab switch: it renames the tabs from the test dates and refreshes
// the page when the inspector picks another test; the page only lays the tab bar out.
class HydrantPage : public DataPage {
public:
    explicit HydrantPage(QWidget* parent = nullptr);

    QList<FieldBinding> Bindings() const override;
    void ApplyRules(const RefreshContext& context) override;

    // The supply test tabs ("TabControl2"); the supply test shown is its index + 1.
    QTabBar* SupplyTestTabs() const { return supplyTests_; }
    // The supply test's date ("TestDate") and the "..." button that picks it ("Button7").
    QLineEdit* DateField() const { return date_; }
    QPushButton* DateButton() const { return datePick_; }
    // "Calculate Flow" ("CalcResFlow") of the supply test shown.
    QCheckBox* CalculateFlowBox() const { return calculateFlow_; }

protected:
    // A click on the words beside the colour swatch opens the colour dialog like the swatch.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* BuildWaterSupply();
    QWidget* BuildOtherData();
    QWidget* BuildSupplyTests();
    QGroupBox* BuildReadings();
    QGroupBox* BuildPitotFlow();
    QGroupBox* BuildTestDetails();

    void ShowSupplyType(const QString& supplyTypeText);
    void ShowSupplySource(const QString& supplyTypeText);
    void ShowLiftOrHeadItems(const UnitWords& units, int liftHeadKind);

    QComboBox* supplyType_ = nullptr;
    QWidget* otherData_ = nullptr;
    QComboBox* liftOrHead_ = nullptr;
    QComboBox* tankDescription_ = nullptr;
    QComboBox* otherDescription_ = nullptr;

    QTabBar* supplyTests_ = nullptr;
    QLineEdit* date_ = nullptr;
    QPushButton* datePick_ = nullptr;
    QCheckBox* calculateFlow_ = nullptr;
    QLineEdit* residualFlow_ = nullptr;
    AvailableFlowLabel* availableFlow_ = nullptr;
    QLabel* orificeCaption_ = nullptr;
    QComboBox* orificeSize_ = nullptr;
    QLabel* coefficientCaption_ = nullptr;
    QComboBox* coefficient_ = nullptr;
    QLabel* pitotCaption_ = nullptr;
    QLineEdit* pitotReading_ = nullptr;
    ColourSwatch* curveColour_ = nullptr;
    QLabel* curveColourCaption_ = nullptr;
};

} // namespace quenra
