#include "AvailableFlowOptionBox.h"

#include "AvailableFlowOptionTexts.h"
#include "AvailableFlowSettings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace quenra {

namespace {
constexpr int kPressureWidth = 60;
}

AvailableFlowOptionBox::AvailableFlowOptionBox(QWidget* parent)
    : QGroupBox(available_flow_option_texts::kGroup, parent) {
    setObjectName(QStringLiteral("AvailableFlowOptions"));
    show_ = new QCheckBox(available_flow_option_texts::kShowAvailableFlow, this);
    show_->setObjectName(QStringLiteral("ShowAvailableFlow"));
    show_->setChecked(ReadAvailableFlowOption().Show);
    ratingPressure_ = new QLineEdit(ReadRatingPressureText(), this);
    ratingPressure_->setObjectName(QStringLiteral("RatingPressure"));
    ratingPressure_->setFixedWidth(kPressureWidth);
    auto* caption = new QLabel(available_flow_option_texts::kRatingPressure, this);
    caption->setBuddy(ratingPressure_);

    auto* row = new QHBoxLayout(this);
    row->addWidget(show_);
    row->addSpacing(12);
    row->addWidget(caption);
    row->addWidget(ratingPressure_);
    row->addStretch(1);

    connect(show_, &QCheckBox::clicked, this,
            [](bool checked) { StoreShowAvailableFlow(checked); });
    connect(ratingPressure_, &QLineEdit::textEdited, this,
            [](const QString& text) { StoreRatingPressureText(text); });
}

} // namespace quenra
