#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace quenra {

// A titled group of radio buttons whose value is the index of the chosen item (-1 for none),
// like the choice groups of the project's forms.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
               QWidget* parent = nullptr, int columns = 1);

    int ItemIndex() const;
    // Selects an item without raising ItemClicked; an index outside the items clears the choice.
    void SetItemIndex(int index);
    int Count() const;

signals:
    // The inspector chose an item.
    void ItemClicked(int index);

private:
    QButtonGroup* buttons_;
};

} // namespace quenra
