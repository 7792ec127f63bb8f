#include "PageBuilding.h"

#include "model/TextLimits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quenra {

QLineEdit* MakeEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(static_cast<int>(text_limits::kMaxFieldLength));
    return edit;
}

QLineEdit* MakeDateEdit(const QString& name, QWidget* parent) {
    QLineEdit* edit = MakeEdit(name, parent);
    edit->setReadOnly(true);
    edit->setToolTip(QStringLiteral("Click ... to pick the date"));
    return edit;
}

QComboBox* MakeCombo(const QString& name, const QStringList& items, bool editable,
                     QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    if (QLineEdit* line = combo->lineEdit()) {
        line->setMaxLength(static_cast<int>(text_limits::kMaxFieldLength));
    }
    combo->addItems(items);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QCheckBox* MakeCheck(const QString& name, const QString& caption, QWidget* parent) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    return check;
}

QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* MakeDateButton(const QString& name, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("..."), parent);
    button->setObjectName(name);
    button->setFixedWidth(28);
    button->setToolTip(QStringLiteral("Pick the date from the calendar"));
    return button;
}

} // namespace quenra
