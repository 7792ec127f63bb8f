#pragma once

#include "platform/Prompter.h"

class QWidget;

namespace quenra {

class DatePicker;

// The window's prompter: message boxes, questions, file and colour dialogs and the calendar,
// all titled "Quenra" and centred on the main window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }
    void SetDatePicker(DatePicker* picker) { datePicker_ = picker; }

    void Inform(const QString& message) override;
    Answer Ask(const QString& question, Choices choices) override;
    std::optional<QString> OpenFileName(const QString& filter) override;
    std::optional<QString> OpenFileNameIn(const QString& filter, const QString& folder) override;
    std::optional<QString> SaveFileName(const QString& filter, const QString& suggested) override;
    std::optional<quint32> PickColour(quint32 current) override;
    std::optional<QDate> PickDate(const QDate& shown) override;

private:
    QWidget* parent_;
    DatePicker* datePicker_ = nullptr;
};

// "Quenra Files|*.qrx|NED FIles|*.ned" as Qt's file dialogs write it.
QString QtFileFilter(const QString& filter);

} // namespace quenra
