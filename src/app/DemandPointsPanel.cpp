#include "DemandPointsPanel.h"

#include "ColourSwatch.h"
#include "PageBuilding.h"
#include "UnitCaptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quenra {

namespace {

// Controls of demand points 1..5, top to bottom.
const char* const kShow[] = {"CheckBox14", "CheckBox15", "CheckBox16", "CheckBox17", "CheckBox18"};
const char* const kFlow[] = {"Edit7", "Edit8", "Edit9", "Edit10", "Edit11"};
const char* const kPressure[] = {"Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
const char* const kPurpose[] = {"Edit1", "Edit12", "Edit13", "Edit14", "Edit15"};
const char* const kColour[] = {"Shape20", "Shape19", "Shape18", "Shape17", "Shape16"};

// A column caption over its unit label, which follows the unit system.
QWidget* ColumnHeader(const QString& caption, const char* unitLabel, QWidget* parent) {
    auto* header = new QWidget(parent);
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new QLabel(caption, header));
    layout->addWidget(MakeLabel(QLatin1String(unitLabel), EnglishUnitCaption(unitLabel), header));
    return header;
}

} // namespace

QStringList DemandPointsPanel::PurposeItems() {
    return {QStringLiteral("Automatic Sprinkler"),
            QStringLiteral("Standpipe and/or Hoses"),
            QStringLiteral("Sprinklers & Private Hydrants"),
            QStringLiteral("Private Hydrants & Standpipe"),
            QStringLiteral("Sprinklers & Standpipes Demands"),
            QStringLiteral("Sprinklers, Hydrants, & Standpipes"),
            QStringLiteral("Another Fire Pump")};
}

DemandPointsPanel::DemandPointsPanel(QWidget* parent) : DataPage(parent) {
    setObjectName(QStringLiteral("SysDmdPtPanel"));
    auto* group = new QGroupBox(QStringLiteral("System Demand Points"), this);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);

    grid->addWidget(new QLabel(QStringLiteral("Display"), group), 0, 0);
    grid->addWidget(ColumnHeader(QStringLiteral("Flow"), "Label26", group), 0, 1);
    grid->addWidget(ColumnHeader(QStringLiteral("Pressure"), "Label32", group), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Purpose"), group), 0, 3);

    for (int i = 0; i < kTestCount; ++i) {
        const int row = i + 1;
        auto* show = MakeCheck(QLatin1String(kShow[i]), QString::number(row), group);
        show->setToolTip(QStringLiteral("Display Demand Point"));
        grid->addWidget(show, row, 0);
        QLineEdit* flow = MakeEdit(QLatin1String(kFlow[i]), group);
        flow->setMaximumWidth(64);
        grid->addWidget(flow, row, 1);
        QLineEdit* pressure = MakeEdit(QLatin1String(kPressure[i]), group);
        pressure->setMaximumWidth(64);
        grid->addWidget(pressure, row, 2);
        QComboBox* purpose = MakeCombo(QLatin1String(kPurpose[i]), PurposeItems(), true, group);
        purpose->setMinimumContentsLength(14);
        purpose->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        grid->addWidget(purpose, row, 3);
        grid->addWidget(new ColourSwatch(QLatin1String(kColour[i]), group), row, 4);
    }
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
}

QList<FieldBinding> DemandPointsPanel::Bindings() const {
    QList<FieldBinding> bindings;
    for (int i = 0; i < kTestCount; ++i) {
        const int point = i + 1;
        bindings << CheckField(QLatin1String(kShow[i]),
                               DemandElementOf(&ProjectData::DemandShow,
                                               &ProjectData::HydrantDemandShow, point))
                 << TextField(QLatin1String(kFlow[i]),
                              DemandElementOf(&ProjectData::DemandFlow,
                                              &ProjectData::HydrantDemandFlow, point))
                 << TextField(QLatin1String(kPressure[i]),
                              DemandElementOf(&ProjectData::DemandPressure,
                                              &ProjectData::HydrantDemandPressure, point))
                 << TextField(QLatin1String(kPurpose[i]),
                              DemandElementOf(&ProjectData::DemandPurpose,
                                              &ProjectData::HydrantDemandPurpose, point))
                 << SwatchField(QLatin1String(kColour[i]),
                                DemandElementOf(&ProjectData::DemandColor,
                                                &ProjectData::HydrantDemandColor, point));
    }
    return bindings;
}

} // namespace quenra
