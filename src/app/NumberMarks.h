#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QLineEdit;
class QWidget;

namespace quenra {

class StringGrid;

// Shows a box whose text the program cannot read as it is meant: a red frame and a tooltip
// saying how it is read. Clearing the mark gives the box back its own look and tooltip.
void MarkInvalid(QWidget* box, bool invalid, const QString& tip = QString());

// Marks, as the inspector types, every number box whose text does not read as a number
// ("Not a number: read as 0"). Nothing typed is refused or changed: the mark only says how the
// text will be read.
class NumberMarks : public QObject {
    Q_OBJECT
public:
    using NumberCell = std::function<bool(int column, int row)>;

    explicit NumberMarks(QObject* parent = nullptr) : QObject(parent) {}

    // The line and choice boxes of these names below root hold numbers.
    void WatchBoxes(QWidget* root, const QStringList& names);
    // The cells of the grid for which isNumber holds hold numbers.
    void WatchGrid(StringGrid* grid, NumberCell isNumber);

    // Marks every watched box and cell as it stands: after a refresh wrote them.
    void UpdateAll();

private:
    struct Grid {
        QPointer<StringGrid> Control;
        NumberCell IsNumber;
    };
    void UpdateGrid(const Grid& grid);

    struct Box {
        QPointer<QLineEdit> Line;
        QPointer<QWidget> Framed; // the line itself, or the choice box round it
    };
    QList<Box> boxes_;
    QList<Grid> grids_;
};

} // namespace quenra
