#include "RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>

namespace quenra {

RadioGroup::RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
                       QWidget* parent, int columns)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    setObjectName(objectName);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(2);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / std::max(columns, 1);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        button->setObjectName(objectName + QStringLiteral("_%1").arg(i));
        buttons_->addButton(button, i);
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::ItemClicked);
}

int RadioGroup::ItemIndex() const {
    return buttons_->checkedId();
}

int RadioGroup::Count() const {
    return static_cast<int>(buttons_->buttons().size());
}

void RadioGroup::SetItemIndex(int index) {
    const QSignalBlocker blocker(buttons_);
    if (QAbstractButton* button = buttons_->button(index)) {
        button->setChecked(true);
        return;
    }
    // No item chosen: the group must stop being exclusive for a moment to clear its choice.
    buttons_->setExclusive(false);
    for (QAbstractButton* button : buttons_->buttons()) {
        button->setChecked(false);
    }
    buttons_->setExclusive(true);
}

} // namespace quenra
