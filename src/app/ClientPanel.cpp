#include "ClientPanel.h"

#include "PageBuilding.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quenra {

ClientPanel::ClientPanel(QWidget* parent) : DataPage(parent) {
    setObjectName(QStringLiteral("ClientPanel"));
    auto* group = new QGroupBox(QStringLiteral("Client Information"), this);
    auto* form = new QFormLayout(group);
    form->setContentsMargins(8, 6, 8, 6);
    form->setVerticalSpacing(4);

    form->addRow(QStringLiteral("Client"), MakeEdit(QStringLiteral("Client1"), group));
    form->addRow(QStringLiteral("Location"), MakeEdit(QStringLiteral("Loc1"), group));
    form->addRow(QStringLiteral("City, State, ZIP"), MakeEdit(QStringLiteral("City1"), group));
    auto* dateRow = new QHBoxLayout;
    dateField_ = MakeDateEdit(QStringLiteral("SrDt1"), group);
    dateRow->addWidget(dateField_);
    dateButton_ = MakeDateButton(QStringLiteral("Button6"), group);
    dateRow->addWidget(dateButton_);
    form->addRow(QStringLiteral("Date of Visit"), dateRow);
    form->addRow(QStringLiteral("PCRE"), MakeEdit(QStringLiteral("Phs1"), group));
    form->addRow(QString(),
                 MakeCheck(QStringLiteral("PumpInReport"), QStringLiteral("Report"), group));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
}

QList<FieldBinding> ClientPanel::Bindings() const {
    return {
        TextField(QStringLiteral("Client1"), FieldOf(&ProjectData::ClientName)),
        TextField(QStringLiteral("Loc1"), FieldOf(&ProjectData::SiteLocation)),
        TextField(QStringLiteral("City1"), FieldOf(&ProjectData::CityStateZip)),
        TextField(QStringLiteral("SrDt1"), FieldOf(&ProjectData::VisitDate)),
        TextField(QStringLiteral("Phs1"), FieldOf(&ProjectData::Pcre)),
        CheckField(QStringLiteral("PumpInReport"), FieldOf(&ProjectData::ReportPumpSection)),
    };
}

} // namespace quenra
