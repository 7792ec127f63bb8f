#pragma once

#include <QAbstractItemDelegate>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableWidget>

#include <QList>

namespace quenra {

// A grid of texts addressed the way the record's tables are: the fixed header column and the
// fixed header row, when the grid has them, are column 0 and row 0, so Cell(c, r) is element
// [r][c] of the table the grid shows. The fixed cells are the view's headers and cannot be
// chosen; the other cells are edited in place, and while a cell's editor is open the cell's text
// is what has been typed so far.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(const QString& objectName, int columns, int rows, bool fixedColumn, bool fixedRow,
               QWidget* parent = nullptr);

    // Sizes including the fixed column and row.
    int ColumnCount() const;
    int RowCount() const;

    QString Cell(int column, int row) const;
    // Writes a cell without raising any entry signal. The cell being typed in keeps the text of
    // its editor, so that writing never disturbs typing.
    void SetCell(int column, int row, const QString& text);

    // A width of 0 hides the column (the keyboard skips it too).
    void SetColumnWidth(int column, int width);
    int ColumnWidth(int column) const;
    void SetRowHeight(int height);
    // Cells of a read-only column are shown and chosen but never edited.
    void SetColumnReadOnly(int column);
    bool IsColumnReadOnly(int column) const;

    // The current cell in grid coordinates, -1 when there is none.
    int Column() const;
    int Row() const;
    // Makes a cell current; (-1, -1) leaves the grid without a current cell.
    void SetCurrentCell(int column, int row);

    // Closes an open cell editor, handing its text to the cell.
    void EndEditing();

    // Makes the grid exactly as large as its cells: every cell shows, no scroll bars.
    void FitToCells();

    // The left edge and the width, in this grid's coordinates, of the shown columns first..last.
    QPair<int, int> ColumnSpan(int first, int last) const;

    // The open cell editor, if any (for tests and for the key handling of the grid).
    QLineEdit* CellEditor() const { return editor_; }

signals:
    // A key went up in the grid or in its cell editor.
    void KeyReleased();
    // A cell editor opened on cell (column, row).
    void EditorOpened(QLineEdit* editor, int column, int row);
    // A cell editor closed and handed its text to the cell.
    void CellCommitted(int column, int row);
    // A mouse button went down on a cell, which is now the current cell.
    void CellPressed(int column, int row);
    // The current cell changed (-1, -1: none).
    void CurrentCellMoved(int column, int row);
    // The keyboard focus went from the grid or its editor to another control.
    void Left();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class CellEditorDelegate;
    void AdoptEditor(QLineEdit* editor, const QModelIndex& index);
    void PaintCorner(QWidget* corner);
    bool FocusWentOutside(const QFocusEvent* event) const;
    QTableWidgetItem* ItemAt(int column, int row) const;
    bool IsDataCell(int column, int row) const;

    int fixedColumns_;
    int fixedRows_;
    int fixedColumnWidth_ = 0;
    QString corner_;
    QList<int> readOnlyColumns_;
    QPointer<QLineEdit> editor_;
    QPersistentModelIndex editorIndex_;
};

// A band above a grid with captions over groups of its columns ("Volts" over the three phase
// voltages), drawn like a second header row. It follows the grid's column widths.
class ColumnGroupCaptions : public QWidget {
    Q_OBJECT
public:
    explicit ColumnGroupCaptions(StringGrid* grid, QWidget* parent = nullptr);

    void AddGroup(int firstColumn, int lastColumn, const QString& caption);
    // The caption standing over a column, empty when none does.
    QString CaptionOver(int column) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Group {
        int First;
        int Last;
        QString Caption;
    };
    StringGrid* grid_;
    QList<Group> groups_;
};

} // namespace quenra
