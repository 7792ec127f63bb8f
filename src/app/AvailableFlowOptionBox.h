#pragma once

#include <QGroupBox>

class QCheckBox;
class QLineEdit;

namespace quenra {

// The Setup page's group for the available flow: the switch "Show available flow (NFPA 291)"
// ("ShowAvailableFlow") and the rating pressure in psi ("RatingPressure"). Both go straight to
// the user's settings; the graph, the report and the hydrant page read them when they next
// show something.
class AvailableFlowOptionBox : public QGroupBox {
public:
    explicit AvailableFlowOptionBox(QWidget* parent = nullptr);

private:
    QCheckBox* show_ = nullptr;
    QLineEdit* ratingPressure_ = nullptr;
};

} // namespace quenra
