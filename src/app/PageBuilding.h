#pragma once

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quenra {

// Small builders for the controls of the pages: each control carries its object name, the
// name the entry table and the tests know it by.
QLineEdit* MakeEdit(const QString& name, QWidget* parent);
QLineEdit* MakeDateEdit(const QString& name, QWidget* parent); // read-only; dates are picked
QComboBox* MakeCombo(const QString& name, const QStringList& items, bool editable, QWidget* parent);
QCheckBox* MakeCheck(const QString& name, const QString& caption, QWidget* parent);
QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent);
QPushButton* MakeDateButton(const QString& name, QWidget* parent);

} // namespace quenra
