#include "ChoiceListWidth.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>

namespace quenra {

namespace {

// Room beside the text: the item's margins and the list's frame, plus the scroll bar when the
// list has more items than it shows.
int ListWidthFor(QComboBox* combo) {
    QAbstractItemView* view = combo->view();
    int width = view->sizeHintForColumn(0);
    const QFontMetrics metrics(view->font());
    for (int item = 0; item < combo->count(); ++item) {
        width = std::max(width, metrics.horizontalAdvance(combo->itemText(item)));
    }
    const int margin = 2 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) +
                       2 * view->frameWidth() + metrics.averageCharWidth();
    const int scrollBar =
        combo->count() > combo->maxVisibleItems()
            ? view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view)
            : 0;
    return width + margin + scrollBar;
}

} // namespace

void KeepListWideEnough(QComboBox* combo) {
    const auto fit = [combo] { combo->view()->setMinimumWidth(ListWidthFor(combo)); };
    QAbstractItemModel* model = combo->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, combo, fit);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, combo, fit);
    QObject::connect(model, &QAbstractItemModel::modelReset, combo, fit);
    QObject::connect(model, &QAbstractItemModel::dataChanged, combo, fit);
    fit();
}

void KeepListsWideEnough(QWidget* root) {
    for (QComboBox* combo : root->findChildren<QComboBox*>()) {
        KeepListWideEnough(combo);
    }
}

} // namespace quenra
