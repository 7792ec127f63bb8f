#include "PumpTestPage.h"

#include "PageBuilding.h"
#include "PumpTestPageLook.h"
#include "RadioGroup.h"
#include "hydraulics/MotorLimits.h"
#include "hydraulics/NumberText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

// The driver's panels of the pump test page: the electric motor with its limits and the diesel
// engine with its fuel level; one of the two is shown.

namespace quenra {

using namespace pump_page;

namespace {

const QString kElectricMotorTitle = QStringLiteral("Electric Motor");
const QString kMaximumAmps = QStringLiteral("Maximum Amps: ");
const QString kVoltageRange = QStringLiteral("Voltage Range: ");
const QString kRangeJoin = QStringLiteral(" to ");
const QString kNotAvailable = QStringLiteral("N/A");
const QString kMotorMeetsAnnual = QStringLiteral("Meets NFPA 25");
const QString kMotorMeetsAcceptance = QStringLiteral("Meets NFPA 20");
const QStringList kMotorChoices = {QStringLiteral("Volts/Amps not taken during test"),
                                   QStringLiteral("Yes"),
                                   QStringLiteral("No, explain in comment box")};

const QString kDieselEngineTitle = QStringLiteral("Diesel Engine");
const QString kHourMeter = QStringLiteral("Engine Hour Meter");
const QString kFuelLevelCaption = QStringLiteral("Fuel Tank Level");
const QStringList kFuelLevels = {QStringLiteral("Full"), QStringLiteral("3/4"),
                                 QStringLiteral("Other")};
constexpr int kOtherFuelLevel = 2;
const QString kFuelOtherTip = QStringLiteral("Fuel tank level when \"Other\" is chosen");

const QColor kEnabledText(0, 0, 0);
const QColor kDisabledText(192, 192, 192);

} // namespace

QWidget* PumpTestPage::BuildDriverColumn() {
    // The readings set the height of the upper part of the page; the driver's panels fit beside
    // them, however their wrapped captions would like to grow.
    auto* column = new BesideColumn(this);
    column->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    // One of the two driver panels is shown, in the same place.
    layout->addWidget(BuildElectricMotor());
    layout->addWidget(BuildDieselEngine());
    layout->addWidget(BuildTransferSwitch());
    layout->addStretch(1);
    return column;
}

QGroupBox* PumpTestPage::BuildElectricMotor() {
    electricMotor_ = MakeGroup(QStringLiteral("Panel15"), kElectricMotorTitle, this);
    maximumAmps_ =
        MakeLabel(QStringLiteral("Label147"), kMaximumAmps + kNotAvailable, electricMotor_);
    voltageRange_ =
        MakeLabel(QStringLiteral("Label148"), kVoltageRange + kNotAvailable, electricMotor_);
    KeepTwoLines(voltageRange_);
    QComboBox* motorMeets = ChoiceList("ComboBox15", kMotorChoices, electricMotor_);
    motorMeets->setMinimumContentsLength(6);
    motorMeetsCaption_ = Caption(kMotorMeetsAcceptance, motorMeets, QStringLiteral("Label170"));
    QLineEdit* comment = MakeEdit(QStringLiteral("ElectMotorComments"), electricMotor_);

    auto* layout = new QVBoxLayout(electricMotor_);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(2);
    layout->addWidget(maximumAmps_);
    layout->addWidget(voltageRange_);
    layout->addWidget(motorMeetsCaption_);
    layout->addWidget(motorMeets);
    auto* commentRow = new QHBoxLayout;
    commentRow->setSpacing(6);
    commentRow->addWidget(Caption(kComment, comment));
    commentRow->addWidget(comment, 1);
    layout->addLayout(commentRow);
    return electricMotor_;
}

QGroupBox* PumpTestPage::BuildDieselEngine() {
    dieselEngine_ = MakeGroup(QStringLiteral("Panel17"), kDieselEngineTitle, this);
    QLineEdit* hours = MakeEdit(QStringLiteral("Edit57"), dieselEngine_);
    auto* level = new RadioGroup(QStringLiteral("RadioGroup1"), kFuelLevelCaption, kFuelLevels,
                                 dieselEngine_);
    fuelOther_ = MakeEdit(QStringLiteral("Edit58"), dieselEngine_);
    fuelOther_->setToolTip(kFuelOtherTip);

    auto* layout = new QVBoxLayout(dieselEngine_);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(2);
    layout->addWidget(Caption(kHourMeter, hours));
    layout->addWidget(hours);
    layout->addSpacing(4);
    layout->addWidget(level);
    layout->addWidget(fuelOther_);
    return dieselEngine_;
}

void PumpTestPage::ShowDriverPanels(const ProjectData& project, int test) {
    const bool annual = IsAnnualTest(project, test);
    const bool electric = IsElectricDriver(project);
    acceptanceStarts_->setVisible(!annual);
    for (QWidget* control : electricStartChecks_) {
        control->setEnabled(electric && !annual);
    }
    electricMotor_->setVisible(electric);
    motorMeetsCaption_->setText(annual ? kMotorMeetsAnnual : kMotorMeetsAcceptance);
    dieselEngine_->setVisible(IsDieselDriver(project));
}

void PumpTestPage::ShowFuelLevel(int level) {
    const bool other = level == kOtherFuelLevel;
    fuelOther_->setEnabled(other);
    SetTextColour(fuelOther_, other ? kEnabledText : kDisabledText);
}

void PumpTestPage::ShowMotorLimits(const ProjectData& project) {
    // Read as typed: a blank service factor gives no limit here, although the marking of the
    // readings takes it as 1.
    const MotorLimits limits(ParseNumber(project.DriverVolts), ParseNumber(project.DriverAmps),
                             ParseNumber(project.ServiceFactor));
    maximumAmps_->setText(kMaximumAmps + (limits.StatesMaxAmps()
                                              ? FormatRounded(2, limits.MaxAmps())
                                              : kNotAvailable));
    voltageRange_->setText(kVoltageRange + (limits.StatesVolts()
                                                ? FormatRounded(1, limits.LowVolts()) + kRangeJoin +
                                                      FormatRounded(1, limits.HighVolts())
                                                : kNotAvailable));
}

} // namespace quenra
