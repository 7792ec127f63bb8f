#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

namespace quenra {

// The Graph tab's paint box: every paint renders the graph page afresh at the box's own size,
// so the page always shows the record as it is now.
class GraphPaintBox : public QWidget {
    Q_OBJECT
public:
    // Renders the page at the box's size; nothing while a rendering is running.
    using Renderer = std::function<std::optional<QImage>()>;

    explicit GraphPaintBox(Renderer renderer, QWidget* parent = nullptr);

    // The page as last painted.
    const QImage& LastPage() const { return lastPage_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Renderer renderer_;
    QImage lastPage_;
};

} // namespace quenra
