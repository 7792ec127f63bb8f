#include "FieldBinder.h"

#include "ColourSwatch.h"
#include "DataPage.h"
#include "DatePicker.h"
#include "RadioGroup.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <cstdio>

namespace quenra {

FieldBinder::FieldBinder(ProjectData& project, IndexOfScope indexOf, Prompter& prompter,
                         QObject* parent)
    : QObject(parent), project_(project), indexOf_(std::move(indexOf)), prompter_(prompter) {}

void FieldBinder::Bind(QWidget* root, const QList<FieldBinding>& bindings) {
    if (auto* page = qobject_cast<DataPage*>(root)) {
        connect(page, &DataPage::CellEntered, this, &FieldBinder::StoreCell, Qt::UniqueConnection);
    }
    for (const FieldBinding& binding : bindings) {
        QWidget* control = root->findChild<QWidget*>(binding.Control);
        if (!control) {
            std::fprintf(stderr, "quenra: no control named %s\n", qPrintable(binding.Control));
            continue;
        }
        bound_.append({binding, control});
        Connect(bound_.last());
        if (!binding.DateButton.isEmpty()) {
            ConnectDateButton(root, bound_.last());
        }
    }
}

const FieldBinding* FieldBinder::Find(const QString& control) const {
    for (const Bound& bound : bound_) {
        if (bound.Binding.Control == control) {
            return &bound.Binding;
        }
    }
    return nullptr;
}

int FieldBinder::IndexFor(const FieldBinding& binding) const {
    return binding.Scope == FieldScope::Project ? 0 : indexOf_(binding.Scope);
}

void FieldBinder::Connect(const Bound& bound) {
    QWidget* control = bound.Control;
    const auto store = [this, bound] { Store(bound); };
    if (auto* swatch = qobject_cast<ColourSwatch*>(control)) {
        connect(swatch, &ColourSwatch::Clicked, this, [this, bound] { PickColour(bound); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        connect(edit, &QLineEdit::textChanged, this, store);
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        connect(check, &QCheckBox::toggled, this, store);
    } else if (auto* group = qobject_cast<RadioGroup*>(control)) {
        connect(group, &RadioGroup::ItemClicked, this, store);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (bound.Binding.Text) {
            connect(combo, &QComboBox::currentTextChanged, this, store);
        } else {
            connect(combo, &QComboBox::currentIndexChanged, this, store);
        }
    }
}

void FieldBinder::ConnectDateButton(QWidget* root, const Bound& bound) {
    auto* button = root->findChild<QPushButton*>(bound.Binding.DateButton);
    auto* field = qobject_cast<QLineEdit*>(bound.Control);
    if (!button || !field) {
        std::fprintf(stderr, "quenra: no date button named %s\n",
                     qPrintable(bound.Binding.DateButton));
        return;
    }
    // The field shows the day chosen, and its change stores it like a typed text.
    connect(button, &QPushButton::clicked, this,
            [this, field] { field->setText(PickDateText(prompter_, field->text())); });
}

void FieldBinder::Store(const Bound& bound) {
    const FieldBinding& b = bound.Binding;
    const int index = IndexFor(b);
    QWidget* control = bound.Control;
    if (b.Text) {
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            b.Text(project_, index) = edit->text();
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            b.Text(project_, index) = combo->currentText();
        }
    } else if (b.Check) {
        if (auto* check = qobject_cast<QCheckBox*>(control)) {
            b.Check(project_, index) = check->isChecked();
        }
    } else if (b.Index) {
        if (auto* group = qobject_cast<RadioGroup*>(control)) {
            b.Index(project_, index) = group->ItemIndex();
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            b.Index(project_, index) = combo->currentIndex();
        }
    } else if (b.MappedIndex) {
        if (auto* group = qobject_cast<RadioGroup*>(control)) {
            b.MappedIndex.Store(project_, index, group->ItemIndex());
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            b.MappedIndex.Store(project_, index, combo->currentIndex());
        }
    } else if (b.MappedCheck) {
        if (auto* check = qobject_cast<QCheckBox*>(control)) {
            b.MappedCheck.Store(project_, index, check->isChecked());
        }
    }
    emit Edited(b.Then);
}

void FieldBinder::StoreCell(const QString& grid, int test, int column, int row,
                            const QString& text) {
    for (const Bound& bound : std::as_const(bound_)) {
        if (bound.Binding.Cell && bound.Binding.Control == grid) {
            bound.Binding.Cell(project_, test, column, row) = text;
            return;
        }
    }
    std::fprintf(stderr, "quenra: no grid named %s\n", qPrintable(grid));
}

void FieldBinder::PickColour(const Bound& bound) {
    const FieldBinding& b = bound.Binding;
    Colour& field = b.Swatch(project_, IndexFor(b));
    const std::optional<quint32> chosen = prompter_.PickColour(field);
    if (!chosen) {
        return;
    }
    field = *chosen;
    static_cast<ColourSwatch*>(bound.Control)->SetColour(*chosen);
    emit Edited(b.Then);
}

void FieldBinder::WriteControls() {
    for (const Bound& bound : bound_) {
        const FieldBinding& b = bound.Binding;
        if (b.Cell) {
            continue; // the page shows its grids itself
        }
        const int index = IndexFor(b);
        QWidget* control = bound.Control;
        const QSignalBlocker blocker(control);
        if (b.Swatch) {
            static_cast<ColourSwatch*>(control)->SetColour(b.Swatch(project_, index));
        } else if (b.Text) {
            const QString& text = b.Text(project_, index);
            if (auto* edit = qobject_cast<QLineEdit*>(control)) {
                if (edit->text() != text) {
                    edit->setText(text);
                    edit->setCursorPosition(0); // show the start of a long text
                }
            } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
                // A control that already shows the value is left alone, so that a refresh
                // in the middle of typing does not move the cursor.
                if (combo->currentText() != text) {
                    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
                    combo->setEditText(text);
                    if (QLineEdit* line = combo->lineEdit()) {
                        line->setCursorPosition(0); // show the start of a long text
                    }
                }
            }
        } else if (b.Check || b.MappedCheck) {
            if (auto* check = qobject_cast<QCheckBox*>(control)) {
                check->setChecked(b.Check ? b.Check(project_, index)
                                          : b.MappedCheck.Show(project_, index));
            }
        } else if (b.Index || b.MappedIndex) {
            const int value =
                b.Index ? b.Index(project_, index) : b.MappedIndex.Show(project_, index);
            if (auto* group = qobject_cast<RadioGroup*>(control)) {
                group->SetItemIndex(value);
            } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
                combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
            }
        }
    }
}

} // namespace quenra
