#include "DatePicker.h"

#include "hydraulics/DateText.h"
#include "platform/Prompter.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quenra {

DatePicker::DatePicker(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      calendar_(new QCalendarWidget(this)) {
    setObjectName(QStringLiteral("Dt"));
    setWindowTitle(QStringLiteral("Select Date"));
    setModal(true);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    calendar_->setObjectName(QStringLiteral("Clndr"));
    calendar_->setGridVisible(true);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    auto* ok = new QPushButton(QStringLiteral("OK"), panel);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), panel);
    cancel->setObjectName(QStringLiteral("Button2"));
    auto* unused = new QLineEdit(panel);
    unused->setObjectName(QStringLiteral("Edit1"));
    unused->hide();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(6, 6, 6, 6);
    inner->addWidget(calendar_);
    inner->addLayout(buttons);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
}

std::optional<QDate> DatePicker::Choose(const QDate& shown) {
    calendar_->setSelectedDate(shown);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return calendar_->selectedDate();
}

QString PickDateText(Prompter& prompter, const QString& text) {
    const QDate shown = ReadDate(text).value_or(QDate::currentDate());
    const std::optional<QDate> chosen = prompter.PickDate(shown);
    return chosen ? FormatShortDate(*chosen) : text;
}

} // namespace quenra
