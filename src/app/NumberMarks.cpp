#include "NumberMarks.h"

#include "StringGrid.h"
#include "WindowTexts.h"
#include "hydraulics/NumberText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVariant>

namespace quenra {

namespace {

const char* const kOwnTip = "quenraOwnToolTip";
const char* const kMarked = "quenraMarked";
const QColor kMarkColour(255, 0, 0);
const QColor kMarkedCellColour(255, 214, 214);

// Blank, a number, or the empty computed value: nothing to mark.
bool ReadsAsMeant(const QString& text) {
    return text == kEmptyComputed || ReadsAsNumber(text);
}

void MarkCell(QTableWidgetItem* item, bool invalid) {
    if (!item) {
        return;
    }
    const bool marked = item->data(Qt::UserRole + 1).toBool();
    if (marked == invalid) {
        return;
    }
    item->setData(Qt::UserRole + 1, invalid);
    item->setData(Qt::BackgroundRole, invalid ? QVariant(kMarkedCellColour) : QVariant());
    item->setData(Qt::ToolTipRole, invalid ? QVariant(window_texts::kNotANumber) : QVariant());
}

} // namespace

void MarkInvalid(QWidget* box, bool invalid, const QString& tip) {
    if (box->property(kMarked).toBool() == invalid) {
        return;
    }
    box->setProperty(kMarked, invalid);
    if (invalid) {
        box->setProperty(kOwnTip, box->toolTip());
        box->setToolTip(tip);
        box->setStyleSheet(
            QStringLiteral("%1 { border: 2px solid %2; }")
                .arg(QLatin1String(box->metaObject()->className()), kMarkColour.name()));
    } else {
        box->setToolTip(box->property(kOwnTip).toString());
        box->setStyleSheet(QString());
    }
}

void NumberMarks::WatchBoxes(QWidget* root, const QStringList& names) {
    for (const QString& name : names) {
        QWidget* box = root->findChild<QWidget*>(name);
        QLineEdit* line = qobject_cast<QLineEdit*>(box);
        if (auto* combo = qobject_cast<QComboBox*>(box)) {
            line = combo->lineEdit();
        }
        if (!line) {
            continue;
        }
        // The frame goes round the whole choice box, not round its edit line inside.
        QWidget* framed = box;
        connect(line, &QLineEdit::textChanged, this, [framed](const QString& text) {
            MarkInvalid(framed, !ReadsAsMeant(text), window_texts::kNotANumber);
        });
        boxes_.append({line, framed});
    }
}

void NumberMarks::WatchGrid(StringGrid* grid, NumberCell isNumber) {
    grids_.append({grid, isNumber});
    connect(grid, &QTableWidget::itemChanged, this, [this, grid](QTableWidgetItem*) {
        for (const Grid& watched : grids_) {
            if (watched.Control == grid) {
                UpdateGrid(watched);
            }
        }
    });
    connect(grid, &StringGrid::EditorOpened, this,
            [isNumber](QLineEdit* editor, int column, int row) {
                if (!isNumber(column, row)) {
                    return;
                }
                const auto mark = [editor](const QString& text) {
                    MarkInvalid(editor, !ReadsAsMeant(text), window_texts::kNotANumber);
                };
                connect(editor, &QLineEdit::textChanged, editor, mark);
                mark(editor->text());
            });
}

void NumberMarks::UpdateAll() {
    // The refresh writes with signals blocked; the marks follow the texts written.
    for (const Box& box : std::as_const(boxes_)) {
        if (box.Line && box.Framed) {
            MarkInvalid(box.Framed, !ReadsAsMeant(box.Line->text()), window_texts::kNotANumber);
        }
    }
    for (const Grid& grid : std::as_const(grids_)) {
        UpdateGrid(grid);
    }
}

void NumberMarks::UpdateGrid(const Grid& grid) {
    if (!grid.Control) {
        return;
    }
    StringGrid* control = grid.Control;
    const QSignalBlocker blocker(control);
    for (int row = 0; row < control->RowCount(); ++row) {
        for (int column = 0; column < control->ColumnCount(); ++column) {
            if (grid.IsNumber(column, row)) {
                MarkCell(control->item(row - (control->RowCount() - control->rowCount()),
                                       column - (control->ColumnCount() - control->columnCount())),
                         !ReadsAsMeant(control->Cell(column, row)));
            }
        }
    }
}

} // namespace quenra
