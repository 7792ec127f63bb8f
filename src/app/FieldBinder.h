#pragma once

#include "FieldBinding.h"

#include <QList>
#include <QObject>

#include <functional>

class QWidget;

namespace quenra {

class Prompter;

// Runs the window's entry table: every edit of a bound control is copied into its field at
// once (text as typed, check state, item index, a colour picked in the colour dialog or a date
// picked in the calendar), and a refresh writes every bound control back from the record
// without raising the entry handlers.
class FieldBinder : public QObject {
    Q_OBJECT
public:
    using IndexOfScope = std::function<int(FieldScope)>;

    FieldBinder(ProjectData& project, IndexOfScope indexOf, Prompter& prompter,
                QObject* parent = nullptr);

    // Connects the bindings to the controls of that name below root. A binding whose control
    // is missing is a programming slip: it is reported on stderr and skipped.
    void Bind(QWidget* root, const QList<FieldBinding>& bindings);

    // Writes every bound control from the record with its signals blocked.
    void WriteControls();

    // Looks up the binding of a control, for tests and for handlers that need it.
    const FieldBinding* Find(const QString& control) const;

signals:
    // A field was edited; the window does what follows the edit.
    void Edited(quenra::AfterEdit then);

private:
    struct Bound {
        FieldBinding Binding;
        QWidget* Control;
    };
    void Connect(const Bound& bound);
    void ConnectDateButton(QWidget* root, const Bound& bound);
    void Store(const Bound& bound);
    void StoreCell(const QString& grid, int test, int column, int row, const QString& text);
    void PickColour(const Bound& bound);
    int IndexFor(const FieldBinding& binding) const;

    ProjectData& project_;
    IndexOfScope indexOf_;
    Prompter& prompter_;
    QList<Bound> bound_;
};

} // namespace quenra
