#include "PumpTestPageLook.h"

#include "PageBuilding.h"
#include "StringGrid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace quenra::pump_page {

namespace {

constexpr double kGridFontScale = 0.9;
constexpr int kNumberWidth = 80;
constexpr int kListMargin = 24; // beside the longest item of an open list

} // namespace

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

QGroupBox* MakeGroup(const QString& name, const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    if (!name.isEmpty()) {
        group->setObjectName(name);
    }
    return group;
}

QGridLayout* FormGrid(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->setContentsMargins(8, 6, 8, 6);
    return grid;
}

QLabel* Caption(const QString& text, QWidget* buddy, const QString& name) {
    QLabel* label = MakeLabel(name, text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

QLineEdit* NumberEdit(const char* name, QWidget* parent) {
    QLineEdit* edit = MakeEdit(Name(name), parent);
    edit->setMaximumWidth(kNumberWidth);
    return edit;
}

void OpenWide(QComboBox* combo) {
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + kListMargin);
}

QComboBox* ChoiceList(const char* name, const QStringList& items, QWidget* parent) {
    QComboBox* combo = MakeCombo(Name(name), items, false, parent);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(10);
    OpenWide(combo);
    return combo;
}

QComboBox* EditableList(const char* name, const QStringList& items, QWidget* parent) {
    QComboBox* combo = MakeCombo(Name(name), items, true, parent);
    combo->setCompleter(nullptr);
    return combo;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, colour);
    }
    widget->setPalette(palette);
}

void UseGridFont(StringGrid* grid) {
    QFont font = grid->font();
    font.setPointSizeF(font.pointSizeF() * kGridFontScale);
    grid->setFont(font);
}

void KeepTwoLines(QLabel* label) {
    label->setWordWrap(true);
    label->setMinimumHeight(2 * label->fontMetrics().lineSpacing());
}

} // namespace quenra::pump_page
