#pragma once

#include <QLabel>

class QLineEdit;

namespace quenra {

// Beside the residual flow of the hydrant page: the flow the supply test shown makes available
// at the rating pressure and its class, worked out again at every keystroke in the three
// fields it is read from. Hidden while the inspector has not asked for the available flow.
class AvailableFlowLabel : public QLabel {
public:
    AvailableFlowLabel(QLineEdit* staticPressure, QLineEdit* residualPressure,
                       QLineEdit* residualFlow, QWidget* parent = nullptr);

    // The unit system the numbers are typed in; shows the value again.
    void SetUnitSystem(int unitSystem);
    // Works the value out from the fields as they stand and the current settings.
    void ShowAvailableFlow();

private:
    QLineEdit* static_;
    QLineEdit* residual_;
    QLineEdit* flow_;
    int unitSystem_ = 0;
};

} // namespace quenra
