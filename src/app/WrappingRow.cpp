#include "WrappingRow.h"

#include <QScrollBar>
#include <QWidget>

namespace quenra {

WrappingRow::~WrappingRow() {
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

void WrappingRow::addItem(QLayoutItem* item) {
    items_.append(item);
}

QLayoutItem* WrappingRow::itemAt(int index) const {
    return items_.value(index);
}

QLayoutItem* WrappingRow::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

// The first block at its natural width, the second at least at its smallest.
bool WrappingRow::SideBySideAt(int width) const {
    int needed = 0;
    for (qsizetype k = 0; k < items_.size(); ++k) {
        const QLayoutItem* item = items_[k];
        if (!item->isEmpty()) {
            needed += (k == 0 ? item->sizeHint().width() : item->minimumSize().width()) + spacing();
        }
    }
    return needed - spacing() <= width - contentsMargins().left() - contentsMargins().right();
}

// The height a block needs at a width, whatever its size policy says: a block that takes the
// height of the row beside another one needs its own height under it.
int WrappingRow::HeightOf(const QLayoutItem* item, int width) const {
    if (item->isEmpty()) {
        return 0;
    }
    int height =
        item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
    if (const QWidget* widget = item->widget(); widget && widget->layout()) {
        const QLayout* own = widget->layout();
        height = std::max(height, own->hasHeightForWidth() ? own->totalHeightForWidth(width)
                                                           : own->totalSizeHint().height());
    }
    return std::max(height, item->minimumSize().height());
}

QSize WrappingRow::sizeHint() const {
    QSize hint;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            hint.rwidth() += item->sizeHint().width() + (hint.width() > 0 ? spacing() : 0);
            hint.setHeight(std::max(hint.height(), item->sizeHint().height()));
        }
    }
    return hint.grownBy(contentsMargins());
}

// As narrow as the widest block: the blocks then stand one under the other.
QSize WrappingRow::minimumSize() const {
    QSize minimum(0, 0);
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            minimum.setWidth(std::max(minimum.width(), item->minimumSize().width()));
            minimum.setHeight(std::max(minimum.height(), item->minimumSize().height()));
        }
    }
    return minimum.grownBy(contentsMargins());
}

int WrappingRow::heightForWidth(int width) const {
    const QMargins margins = contentsMargins();
    const int inner = width - margins.left() - margins.right();
    int height = 0;
    if (SideBySideAt(width)) {
        for (const QLayoutItem* item : items_) {
            height = std::max(height, HeightOf(item, item->sizeHint().width()));
        }
    } else {
        for (const QLayoutItem* item : items_) {
            const int own = HeightOf(item, inner);
            height += own > 0 ? own + (height > 0 ? spacing() : 0) : 0;
        }
    }
    return height + margins.top() + margins.bottom();
}

void WrappingRow::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QRect inner = rect.marginsRemoved(contentsMargins());
    if (SideBySideAt(rect.width())) {
        // The first block keeps its own width (no more than it needs); the second takes the rest.
        int x = inner.left();
        for (qsizetype k = 0; k < items_.size(); ++k) {
            QLayoutItem* item = items_[k];
            if (item->isEmpty()) {
                continue;
            }
            const bool last = k == items_.size() - 1;
            const int width =
                last ? inner.right() + 1 - x : std::min(item->sizeHint().width(), inner.width());
            const int height = (item->alignment() & Qt::AlignTop)
                                   ? std::min(HeightOf(item, width), inner.height())
                                   : inner.height();
            item->setGeometry(
                QRect(x, inner.top(), std::max(width, item->minimumSize().width()), height));
            x += width + spacing();
        }
        return;
    }
    int y = inner.top();
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) {
            continue;
        }
        const int height = HeightOf(item, inner.width());
        const int width = (item->alignment() & Qt::AlignLeft)
                              ? std::min(item->sizeHint().width(), inner.width())
                              : inner.width();
        item->setGeometry(QRect(inner.left(), y, width, height));
        y += height + spacing();
    }
}

SidewaysScroll::SidewaysScroll(QWidget* content, int narrowest, QWidget* parent)
    : QScrollArea(parent), narrowest_(narrowest) {
    setObjectName(content->objectName() + QStringLiteral("Scroll"));
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidget(content);
    setWidgetResizable(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize SidewaysScroll::sizeHint() const {
    const QSize content = widget()->sizeHint().expandedTo(widget()->minimumSizeHint());
    return QSize(content.width(), content.height() + horizontalScrollBar()->sizeHint().height());
}

QSize SidewaysScroll::minimumSizeHint() const {
    return QSize(std::min(narrowest_, sizeHint().width()), sizeHint().height());
}

} // namespace quenra
