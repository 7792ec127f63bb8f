#include "StringGrid.h"

#include "model/TextLimits.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include <algorithm>

namespace quenra {

// Hands every cell editor to its grid, which reads the text being typed from it and hears its
// keys.
class CellEditorDelegate : public QStyledItemDelegate {
public:
    explicit CellEditorDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setMaxLength(static_cast<int>(text_limits::kMaxFieldLength));
            grid_->AdoptEditor(line, index);
        }
        return editor;
    }

    // A cell written while its editor is open keeps what is being typed.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (line && line->text() == index.data(Qt::EditRole).toString()) {
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

private:
    StringGrid* grid_;
};

StringGrid::StringGrid(const QString& objectName, int columns, int rows, bool fixedColumn,
                       bool fixedRow, QWidget* parent)
    : QTableWidget(parent), fixedColumns_(fixedColumn ? 1 : 0), fixedRows_(fixedRow ? 1 : 0) {
    setObjectName(objectName);
    setColumnCount(std::max(columns - fixedColumns_, 0));
    setRowCount(std::max(rows - fixedRows_, 0));
    setItemDelegate(new CellEditorDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);

    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(0);
        header->setHighlightSections(false);
        header->setSectionsClickable(false);
        header->setDefaultAlignment(Qt::AlignCenter);
    }
    horizontalHeader()->setVisible(fixedRows_ > 0);
    verticalHeader()->setVisible(fixedColumns_ > 0);
    for (int c = 0; c < columnCount(); ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem);
    }
    for (int r = 0; r < rowCount(); ++r) {
        setVerticalHeaderItem(r, new QTableWidgetItem);
        for (int c = 0; c < columnCount(); ++c) {
            setItem(r, c, new QTableWidgetItem);
        }
    }
    // The corner above the row labels carries a caption of its own ("#").
    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
    }

    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        const bool none = row < 0 || column < 0;
        emit CurrentCellMoved(none ? -1 : column + fixedColumns_, none ? -1 : row + fixedRows_);
    });
}

int StringGrid::ColumnCount() const {
    return columnCount() + fixedColumns_;
}

int StringGrid::RowCount() const {
    return rowCount() + fixedRows_;
}

bool StringGrid::IsDataCell(int column, int row) const {
    return column >= fixedColumns_ && column < ColumnCount() && row >= fixedRows_ &&
           row < RowCount();
}

QTableWidgetItem* StringGrid::ItemAt(int column, int row) const {
    if (column < 0 || row < 0 || column >= ColumnCount() || row >= RowCount()) {
        return nullptr;
    }
    if (row < fixedRows_ && column < fixedColumns_) {
        return nullptr; // the corner, painted from corner_
    }
    if (row < fixedRows_) {
        return horizontalHeaderItem(column - fixedColumns_);
    }
    if (column < fixedColumns_) {
        return verticalHeaderItem(row - fixedRows_);
    }
    return item(row - fixedRows_, column - fixedColumns_);
}

QString StringGrid::Cell(int column, int row) const {
    if (row == 0 && column == 0 && fixedRows_ > 0 && fixedColumns_ > 0) {
        return corner_;
    }
    if (editor_ && IsDataCell(column, row) &&
        editorIndex_ == model()->index(row - fixedRows_, column - fixedColumns_)) {
        return editor_->text();
    }
    const QTableWidgetItem* cell = ItemAt(column, row);
    return cell ? cell->text() : QString();
}

void StringGrid::SetCell(int column, int row, const QString& text) {
    if (row == 0 && column == 0 && fixedRows_ > 0 && fixedColumns_ > 0) {
        corner_ = text;
        update();
        return;
    }
    QTableWidgetItem* cell = ItemAt(column, row);
    if (!cell || cell->text() == text) {
        return;
    }
    if (editor_ && IsDataCell(column, row) &&
        editorIndex_ == model()->index(row - fixedRows_, column - fixedColumns_)) {
        return;
    }
    // Writing is not entry: no itemChanged for it.
    const QSignalBlocker blocker(this);
    cell->setText(text);
}

void StringGrid::SetColumnWidth(int column, int width) {
    if (column < fixedColumns_) {
        fixedColumnWidth_ = width;
        verticalHeader()->setFixedWidth(width);
        return;
    }
    const int section = column - fixedColumns_;
    setColumnHidden(section, width <= 0);
    if (width > 0) {
        setColumnWidth(section, width);
    }
}

int StringGrid::ColumnWidth(int column) const {
    if (column < fixedColumns_) {
        return fixedColumnWidth_;
    }
    const int section = column - fixedColumns_;
    return isColumnHidden(section) ? 0 : columnWidth(section);
}

void StringGrid::SetRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    for (int r = 0; r < rowCount(); ++r) {
        setRowHeight(r, height);
    }
    horizontalHeader()->setFixedHeight(height);
}

void StringGrid::SetColumnReadOnly(int column) {
    if (column < fixedColumns_ || column >= ColumnCount() || IsColumnReadOnly(column)) {
        return;
    }
    readOnlyColumns_.append(column);
    for (int r = fixedRows_; r < RowCount(); ++r) {
        QTableWidgetItem* cell = ItemAt(column, r);
        cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
    }
}

bool StringGrid::IsColumnReadOnly(int column) const {
    return readOnlyColumns_.contains(column);
}

int StringGrid::Column() const {
    const int column = currentColumn();
    return column < 0 || currentRow() < 0 ? -1 : column + fixedColumns_;
}

int StringGrid::Row() const {
    const int row = currentRow();
    return row < 0 || currentColumn() < 0 ? -1 : row + fixedRows_;
}

void StringGrid::SetCurrentCell(int column, int row) {
    if (!IsDataCell(column, row)) {
        clearSelection();
        setCurrentIndex(QModelIndex());
        return;
    }
    setCurrentCell(row - fixedRows_, column - fixedColumns_);
}

void StringGrid::FitToCells() {
    const int frame = 2 * frameWidth();
    int width = frame + horizontalHeader()->length();
    int height = frame + verticalHeader()->length();
    if (fixedColumns_ > 0) {
        width += fixedColumnWidth_;
    }
    if (fixedRows_ > 0) {
        height += horizontalHeader()->height();
    }
    setFixedSize(width, height);
}

QPair<int, int> StringGrid::ColumnSpan(int first, int last) const {
    int left = -1;
    int right = -1;
    const int origin = frameWidth() + (fixedColumns_ > 0 ? fixedColumnWidth_ : 0);
    for (int column = std::max(first, fixedColumns_); column <= last; ++column) {
        const int section = column - fixedColumns_;
        if (section >= columnCount() || isColumnHidden(section)) {
            continue;
        }
        const int x = origin + columnViewportPosition(section);
        if (left < 0) {
            left = x;
        }
        right = x + columnWidth(section);
    }
    return left < 0 ? QPair<int, int>(0, 0) : QPair<int, int>(left, right - left);
}

void StringGrid::EndEditing() {
    if (QLineEdit* editor = editor_) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void StringGrid::AdoptEditor(QLineEdit* editor, const QModelIndex& index) {
    editor_ = editor;
    editorIndex_ = index;
    editor->installEventFilter(this);
    emit EditorOpened(editor, index.column() + fixedColumns_, index.row() + fixedRows_);
}

void StringGrid::keyReleaseEvent(QKeyEvent* event) {
    QTableWidget::keyReleaseEvent(event);
    emit KeyReleased();
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        emit CellPressed(index.column() + fixedColumns_, index.row() + fixedRows_);
    }
}

bool StringGrid::FocusWentOutside(const QFocusEvent* event) const {
    // A menu or another window taking the focus for a moment is not leaving the grid.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) {
        return false;
    }
    const QWidget* now = QApplication::focusWidget();
    return now != this && !isAncestorOf(now);
}

void StringGrid::focusOutEvent(QFocusEvent* event) {
    QTableWidget::focusOutEvent(event);
    if (FocusWentOutside(event)) {
        emit Left();
    }
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
    // The editor may have been closed by the event itself (a focus change, a Tab): it is still
    // one of this grid's editors until it is deleted.
    const auto* editor = qobject_cast<QLineEdit*>(watched);
    if (editor && editor->parentWidget() == viewport()) {
        if (event->type() == QEvent::KeyRelease) {
            emit KeyReleased();
        } else if (event->type() == QEvent::FocusOut &&
                   FocusWentOutside(static_cast<QFocusEvent*>(event))) {
            // The delegate has closed the editor by now; the grid is left.
            emit Left();
        }
    } else if (event->type() == QEvent::Paint && qobject_cast<QAbstractButton*>(watched)) {
        PaintCorner(static_cast<QWidget*>(watched));
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

void StringGrid::PaintCorner(QWidget* corner) {
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = corner_;
    option.textAlignment = Qt::AlignCenter;
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}

void StringGrid::commitData(QWidget* editor) {
    const QModelIndex index = editor == editor_ ? QModelIndex(editorIndex_) : currentIndex();
    QTableWidget::commitData(editor);
    if (index.isValid()) {
        emit CellCommitted(index.column() + fixedColumns_, index.row() + fixedRows_);
    }
}

void StringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor == editor_) {
        editor_ = nullptr;
        editorIndex_ = QPersistentModelIndex();
    }
    QTableWidget::closeEditor(editor, hint);
}

ColumnGroupCaptions::ColumnGroupCaptions(StringGrid* grid, QWidget* parent)
    : QWidget(parent), grid_(grid) {
    setObjectName(grid->objectName() + QStringLiteral("Groups"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this,
            qOverload<>(&QWidget::update));
}

void ColumnGroupCaptions::AddGroup(int firstColumn, int lastColumn, const QString& caption) {
    groups_.append({firstColumn, lastColumn, caption});
    updateGeometry();
    update();
}

QString ColumnGroupCaptions::CaptionOver(int column) const {
    for (const Group& group : groups_) {
        if (column >= group.First && column <= group.Last) {
            return group.Caption;
        }
    }
    return {};
}

QSize ColumnGroupCaptions::sizeHint() const {
    return {grid_->sizeHint().width(), grid_->horizontalHeader()->sizeHint().height()};
}

void ColumnGroupCaptions::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The grid may stand elsewhere in the layout than the band: line the captions up with it.
    const int offset = mapFromGlobal(grid_->mapToGlobal(QPoint(0, 0))).x();
    for (const Group& group : groups_) {
        const auto [left, width] = grid_->ColumnSpan(group.First, group.Last);
        if (width <= 0) {
            continue;
        }
        QStyleOptionHeader option;
        option.initFrom(this);
        option.rect = QRect(offset + left, 0, width, height());
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.text = group.Caption;
        option.textAlignment = Qt::AlignCenter;
        style()->drawControl(QStyle::CE_Header, &option, &painter, this);
    }
}

} // namespace quenra
