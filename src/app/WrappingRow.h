#pragma once

#include <QLayout>
#include <QList>
#include <QScrollArea>

namespace quenra {

// Two blocks side by side while the width holds both (the first at its natural width), the
// second under the first when it does not: a page stays within a narrow or strongly scaled screen
// and grows taller instead, which its frame scrolls. The second block takes the width left beside
// the first.
class WrappingRow : public QLayout {
public:
    explicit WrappingRow(int spacing) { setSpacing(spacing); }
    ~WrappingRow() override;

    // The first widget added is the left (upper) block, the second the right (lower) one.
    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return static_cast<int>(items_.size()); }

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;

    // Whether the blocks stand side by side at this width.
    bool SideBySideAt(int width) const;

private:
    int HeightOf(const QLayoutItem* item, int width) const;

    QList<QLayoutItem*> items_;
};

// A block that scrolls sideways on a screen narrower than itself: as wide as its content
// where there is room, never taller than it, always with room for the scroll bar.
class SidewaysScroll : public QScrollArea {
public:
    SidewaysScroll(QWidget* content, int narrowest, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int narrowest_;
};

} // namespace quenra
