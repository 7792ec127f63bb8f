#pragma once

#include "DataPage.h"

class QLineEdit;
class QPushButton;

namespace quenra {

// "Client Information": who and where the test is for, shown on the first tab of both kinds of
// project. The date of visit is picked from the calendar with the "..." button.
class ClientPanel : public DataPage {
    Q_OBJECT
public:
    explicit ClientPanel(QWidget* parent = nullptr);

    QList<FieldBinding> Bindings() const override;
    void ApplyRules(const RefreshContext&) override {}

    // The date of visit ("SrDt1") and the "..." button that picks it ("Button6").
    QLineEdit* DateField() const { return dateField_; }
    QPushButton* DateButton() const { return dateButton_; }

private:
    QLineEdit* dateField_;
    QPushButton* dateButton_;
};

} // namespace quenra
