#pragma once

#include <QDate>
#include <QDialog>

#include <optional>

class QCalendarWidget;

namespace quenra {

class Prompter;

// The calendar that fills in the date fields ("Select Date"): a month calendar with OK and
// Cancel. Clicking a day only moves the choice; OK takes it.
class DatePicker : public QDialog {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    // Shows the calendar on `shown`; the chosen day on OK, nothing on Cancel.
    std::optional<QDate> Choose(const QDate& shown);

    QCalendarWidget* Calendar() const { return calendar_; }

private:
    QCalendarWidget* calendar_;
};

// What a date field's "..." button does: the field's text read as a date (today when it is no
// date) opens the calendar; OK gives the chosen day in the short date format, Cancel the text
// unchanged.
QString PickDateText(Prompter& prompter, const QString& text);

} // namespace quenra
