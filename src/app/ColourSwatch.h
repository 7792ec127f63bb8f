#pragma once

#include "graph/ColourConversion.h"

#include <QFrame>

namespace quenra {

// A small coloured square that opens the colour dialog when clicked (any mouse button), the
// way inspectors pick the colours of curves and report parts.
class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatch(const QString& objectName, QWidget* parent = nullptr);

    // Colour with red in the lowest byte, as the record keeps it.
    quint32 Colour() const { return colour_; }
    void SetColour(quint32 colour);

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 colour_ = 0;
};

} // namespace quenra
