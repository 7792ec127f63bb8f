#pragma once

#include <QComboBox>
#include <QStringList>

namespace quenra::test {

// The items of a choice list, in order.
inline QStringList ItemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

} // namespace quenra::test
