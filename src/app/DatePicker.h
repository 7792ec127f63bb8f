#pragma once

#include <QDate>
#include <QDialog>

#include <optional>

class QCalendarWidget;
class QLineEdit;

namespace quenra {

class Prompter;

// The calendar that fills in the date fields ("Select Date"): a month calendar with OK and
// Cancel. Clicking a day only moves the choice; OK takes it. A date or a year typed while the
// calendar is open goes into the box below it; Enter takes that date (a year alone: the day
// shown in that year), Escape cancels.
class DatePicker : public QDialog {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    // Shows the calendar on `shown`; the chosen day on OK, nothing on Cancel.
    std::optional<QDate> Choose(const QDate& shown);

    QCalendarWidget* Calendar() const { return calendar_; }
    QLineEdit* TypedDate() const { return typed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartTyping(const QString& text);
    void TakeTypedDate();

    QCalendarWidget* calendar_;
    QLineEdit* typed_;
};

// What a date field's "..." button does: the field's text read as a date (today when it is no
// date) opens the calendar; OK gives the chosen day in the short date format, Cancel the text
// unchanged.
QString PickDateText(Prompter& prompter, const QString& text);

// What the calendar makes of a typed text: a four-digit year is the day shown in that year;
// anything else is read as the date fields read dates.
std::optional<QDate> ReadTypedDate(const QString& text, const QDate& shown);

} // namespace quenra
