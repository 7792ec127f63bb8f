#include "DatePicker.h"

#include "NumberMarks.h"
#include "WindowTexts.h"

#include "hydraulics/DateText.h"
#include "platform/Prompter.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace quenra {

DatePicker::DatePicker(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      calendar_(new QCalendarWidget(this)), typed_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("Dt"));
    setWindowTitle(QStringLiteral("Select Date"));
    setModal(true);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    calendar_->setObjectName(QStringLiteral("Clndr"));
    calendar_->setGridVisible(true);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Typing goes to the date box below, which reads dates the way the date fields do.
    calendar_->setDateEditEnabled(false);
    for (QWidget* part : calendar_->findChildren<QWidget*>()) {
        part->installEventFilter(this);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), panel);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), panel);
    cancel->setObjectName(QStringLiteral("Button2"));
    typed_->setParent(panel);
    typed_->setObjectName(QStringLiteral("Edit1"));
    typed_->setPlaceholderText(window_texts::kTypeADate);
    typed_->installEventFilter(this);
    connect(typed_, &QLineEdit::textEdited, this, [this] { MarkInvalid(typed_, false); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(6, 6, 6, 6);
    inner->addWidget(calendar_);
    inner->addWidget(typed_);
    inner->addLayout(buttons);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == typed_) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            TakeTypedDate();
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }
    // A digit typed on the calendar starts a date in the box below.
    const QString text = key->text();
    if (text.size() == 1 && text.at(0).isDigit() && key->modifiers() == Qt::NoModifier) {
        StartTyping(text);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DatePicker::StartTyping(const QString& text) {
    typed_->end(false);
    typed_->insert(text);
    typed_->setFocus();
}

void DatePicker::TakeTypedDate() {
    const QString text = typed_->text().trimmed();
    if (text.isEmpty()) {
        accept(); // Enter with nothing typed is OK
        return;
    }
    const std::optional<QDate> date = ReadTypedDate(text, calendar_->selectedDate());
    if (!date) {
        MarkInvalid(typed_, true, window_texts::kNotADate);
        return;
    }
    calendar_->setSelectedDate(*date);
    accept();
}

std::optional<QDate> ReadTypedDate(const QString& text, const QDate& shown) {
    static const QRegularExpression year(QStringLiteral("^\\d{4}$"));
    const QString trimmed = text.trimmed();
    if (year.match(trimmed).hasMatch()) {
        const int wanted = trimmed.toInt();
        // The day shown, in the year typed; 29 February becomes the 28th in a common year.
        const int day = std::min(shown.day(), QDate(wanted, shown.month(), 1).daysInMonth());
        return QDate(wanted, shown.month(), day);
    }
    return ReadDate(trimmed);
}

std::optional<QDate> DatePicker::Choose(const QDate& shown) {
    typed_->clear();
    MarkInvalid(typed_, false);
    calendar_->setFocus();
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
