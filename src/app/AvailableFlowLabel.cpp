#include "AvailableFlowLabel.h"

#include "AvailableFlowSettings.h"

#include "hydraulics/AvailableFlow.h"
#include "hydraulics/NumberText.h"

#include <QLineEdit>

namespace quenra {

AvailableFlowLabel::AvailableFlowLabel(QLineEdit* staticPressure, QLineEdit* residualPressure,
                                       QLineEdit* residualFlow, QWidget* parent)
    : QLabel(parent), static_(staticPressure), residual_(residualPressure), flow_(residualFlow) {
    setObjectName(QStringLiteral("AvailableFlow"));
    setWordWrap(true);
    for (QLineEdit* field : {static_, residual_, flow_})
        connect(field, &QLineEdit::textChanged, this, &AvailableFlowLabel::ShowAvailableFlow);
    ShowAvailableFlow();
}

void AvailableFlowLabel::SetUnitSystem(int unitSystem) {
    unitSystem_ = unitSystem;
    ShowAvailableFlow();
}

void AvailableFlowLabel::ShowAvailableFlow() {
    const AvailableFlowOption option = ReadAvailableFlowOption();
    setVisible(option.Show);
    if (!option.Show)
        return;
    const AvailableFlow available =
        ComputeAvailableFlow(ParseNumber(static_->text()), ParseNumber(residual_->text()),
                             ParseNumber(flow_->text()), unitSystem_, option.RatingPressurePsi);
    const QString note = AvailableFlowNote(available);
    setText(AvailableFlowSentence(available, unitSystem_) +
            (note.isEmpty() ? QString() : QStringLiteral("\n") + note));
}

} // namespace quenra
