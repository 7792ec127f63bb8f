#include "AboutPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace quenra {

namespace {

// Stretches the logo over its whole area, like the paint box of the About page.
class LogoBox : public QWidget {
public:
    LogoBox(const QImage& logo, QWidget* parent) : QWidget(parent), logo_(logo) {
        setObjectName(QStringLiteral("PaintBox2"));
        setMinimumSize(328, 276);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, width() - 1, height() - 1), logo_);
    }

private:
    QImage logo_;
};

QLabel* Caption(const QString& name, const QString& text, int pointSize, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

AboutPage::AboutPage(const QImage& logo, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AboutBoxPanel"));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Button5"));
    ok_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 24);
    layout->addWidget(Caption(QStringLiteral("ProductName"), kProductLabel, 20, this));
    layout->addWidget(Caption(QStringLiteral("Version"), kVersionLabel, 12, this));
    layout->addWidget(Caption(QStringLiteral("DateLabel"), kDateLabel, 10, this));
    layout->addWidget(new LogoBox(logo, this), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addStretch();
    layout->addLayout(buttons);
}

} // namespace quenra
