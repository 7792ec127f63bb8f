#include "PumpTestPage.h"

#include "PageBuilding.h"
#include "PumpTestPageLook.h"
#include "model/StoredChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

// The inspector's verdicts on the pump test page: the pump's performance, the combined curve,
// the motor, the controller's acceptance starts and the transfer switch.

namespace quenra {

using namespace pump_page;

namespace {

const QString kTransferSwitchTitle = QStringLiteral("Transfer Switch");
const QString kTransferSwitchAnnual = QStringLiteral("Transfer Switch Meets NPFA 25 Guidleines");
const QString kTransferSwitchAcceptance =
    QStringLiteral("Transfer Switch Meets NPFA 20 Guidleines");
const QStringList kTransferSwitchStates = {
    QStringLiteral("N/A"), QStringLiteral("Tested and Passed"), QStringLiteral("Tested and Failed"),
    QStringLiteral("No Transfer Switch"), QStringLiteral("Transfer Switch Not Tested")};
const QString kExplain = QStringLiteral("Explain");

const QString kPerformanceTitle = QStringLiteral("Pump Performance");
const QString kMeetsAnnual = QStringLiteral("Meets NFPA 25 Requirements");
const QString kMeetsAcceptance = QStringLiteral("Meets NFPA 20 Requirements");
const QStringList kMeetsChoices = {QStringLiteral("Yes"),
                                   QStringLiteral("No, explain in comment box.")};
constexpr int kMeets = 0;
constexpr int kDoesNotMeet = 1;
const QString kCombinedCaption = QStringLiteral("Can the combined curve meet the largest demand");
const QStringList kCombinedChoices = {QStringLiteral("N/A"), QStringLiteral("Yes"),
                                      QStringLiteral("No, explain in comment box.")};
// This list and the motor's list keep verdict codes, which run from the last item up.

const QString kAcceptanceTitle = QStringLiteral("Controller Acceptance Tests");
const QString kAutomaticStarts = QStringLiteral("Automatic Starts");
const QString kManualStarts = QStringLiteral("Manual Starts");
const QString kElectricOnly = QStringLiteral("Electric driver:");
const QString kStartHandle = QStringLiteral("Emergency Start Handle Operated");
const QString kLoadStart = QStringLiteral("Load Start Test Completed");

// The performance group sits lower on an annual test page, where the acceptance starts are
// not asked for.
constexpr int kPerformanceTopAnnual = 76;
constexpr int kPerformanceTopAcceptance = 8;

} // namespace

QList<FieldBinding> PumpTestPage::VerdictBindings() {
    using P = ProjectData;
    const auto verdictList = [](const char* control, PerTest<int> P::*field) {
        return MappedIndexField(Name(control), ItemsOf<int>(field, VerdictListIndex, VerdictCodeAt),
                                FieldScope::PumpTest);
    };
    return {
        // Only "No" is a failed performance: an empty list stores a pass.
        MappedIndexField(QStringLiteral("ComboBox13"),
                         ItemsOf<bool>(
                             &P::MeetsNfpa20,
                             [](bool meets) { return meets ? kMeets : kDoesNotMeet; },
                             [](int item) { return item != kDoesNotMeet; }),
                         FieldScope::PumpTest),
        verdictList("ComboBox14", &P::CombinedMeetsDemand),
        verdictList("ComboBox15", &P::MotorMeetsNfpa25),
    };
}

QWidget* PumpTestPage::BuildVerdictColumn() {
    verdictColumn_ = new QWidget(this);
    auto* column = new QVBoxLayout(verdictColumn_);
    column->setContentsMargins(0, kPerformanceTopAcceptance, 0, 0);
    column->setSpacing(6);
    column->addWidget(BuildPerformance());
    column->addWidget(BuildAcceptanceStarts());
    column->addStretch(1);
    return verdictColumn_;
}

QGroupBox* PumpTestPage::BuildPerformance() {
    QGroupBox* performance = MakeGroup(QStringLiteral("Panel14"), kPerformanceTitle, this);
    QGridLayout* grid = FormGrid(performance);
    QComboBox* meetsNfpa = ChoiceList("ComboBox13", kMeetsChoices, performance);
    meetsCaption_ = Caption(kMeetsAcceptance, meetsNfpa, QStringLiteral("Label164"));
    QLineEdit* nfpaComment = MakeEdit(QStringLiteral("NFPAcomment"), performance);
    QComboBox* combinedMeets = ChoiceList("ComboBox14", kCombinedChoices, performance);
    QLabel* combinedCaption = Caption(kCombinedCaption, combinedMeets);
    combinedCaption->setWordWrap(true);
    QLineEdit* combinedComment = MakeEdit(QStringLiteral("CCM1"), performance);

    // Each answer on the line below its question, its comment beside a caption.
    grid->addWidget(meetsCaption_, 0, 0, 1, 2);
    grid->addWidget(meetsNfpa, 1, 0, 1, 2);
    grid->addWidget(Caption(kComment, nfpaComment), 2, 0);
    grid->addWidget(nfpaComment, 2, 1);
    grid->setRowMinimumHeight(3, 4);
    grid->addWidget(combinedCaption, 4, 0, 1, 2);
    grid->addWidget(combinedMeets, 5, 0, 1, 2);
    grid->addWidget(Caption(kComment, combinedComment), 6, 0);
    grid->addWidget(combinedComment, 6, 1);
    grid->setColumnStretch(1, 1);
    return performance;
}

QGroupBox* PumpTestPage::BuildAcceptanceStarts() {
    acceptanceStarts_ = MakeGroup(QStringLiteral("Panel16"), kAcceptanceTitle, this);
    QGridLayout* grid = FormGrid(acceptanceStarts_);
    QLineEdit* automatic = NumberEdit("Edit55", acceptanceStarts_);
    QLineEdit* manual = NumberEdit("Edit56", acceptanceStarts_);
    QCheckBox* handle = MakeCheck(QStringLiteral("CheckBox19"), kStartHandle, acceptanceStarts_);
    QCheckBox* load = MakeCheck(QStringLiteral("CheckBox20"), kLoadStart, acceptanceStarts_);
    QLabel* electricOnly = MakeLabel(QStringLiteral("Label153"), kElectricOnly, acceptanceStarts_);
    electricStartChecks_ = {handle, load, electricOnly};

    grid->addWidget(Caption(kAutomaticStarts, automatic), 0, 0);
    grid->addWidget(automatic, 0, 1);
    grid->addWidget(Caption(kManualStarts, manual), 0, 2, Qt::AlignRight);
    grid->addWidget(manual, 0, 3);
    grid->addWidget(electricOnly, 1, 0, 1, 4);
    grid->addWidget(handle, 2, 0, 1, 4);
    grid->addWidget(load, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return acceptanceStarts_;
}

QGroupBox* PumpTestPage::BuildTransferSwitch() {
    transferSwitch_ = MakeGroup({}, kTransferSwitchTitle, this);
    QGridLayout* grid = FormGrid(transferSwitch_);
    transferState_ = ChoiceList("TrSw", kTransferSwitchStates, transferSwitch_);
    transferCaption_ =
        Caption(kTransferSwitchAcceptance, transferState_, QStringLiteral("Label143"));
    transferNote_ = MakeEdit(QStringLiteral("Cb1"), transferSwitch_);
    explainCaption_ = Caption(kExplain, transferNote_, QStringLiteral("Label165"));
    commentCaption_ = Caption(kComment, transferNote_, QStringLiteral("Label154"));

    // "Explain" and "Comment" share one place: a failed or untested switch asks for reasons.
    auto* note = new QHBoxLayout;
    note->setSpacing(6);
    note->addWidget(explainCaption_);
    note->addWidget(commentCaption_);
    note->addWidget(transferNote_, 1);
    KeepTwoLines(transferCaption_);
    grid->addWidget(transferCaption_, 0, 0);
    grid->addWidget(transferState_, 1, 0);
    grid->addLayout(note, 2, 0);
    return transferSwitch_;
}

void PumpTestPage::ShowTransferSwitch(const ProjectData& project, int test) {
    const bool electric = IsElectricDriver(project);
    const std::optional<TransferSwitchStatus> state =
        ReadTransferSwitch(project.TransferSwitchState[test]);
    transferCaption_->setText(IsAnnualTest(project, test) ? kTransferSwitchAnnual
                                                          : kTransferSwitchAcceptance);
    const bool explain = electric && (state == TransferSwitchStatus::Failed ||
                                      state == TransferSwitchStatus::NotTested);
    for (QWidget* control :
         {static_cast<QWidget*>(transferSwitch_), static_cast<QWidget*>(transferCaption_),
          static_cast<QWidget*>(transferState_), static_cast<QWidget*>(transferNote_)}) {
        control->setVisible(electric);
    }
    explainCaption_->setVisible(explain);
    commentCaption_->setVisible(electric && !explain);
}

void PumpTestPage::ShowVerdicts(const ProjectData& project, int test) {
    const bool annual = IsAnnualTest(project, test);
    meetsCaption_->setText(annual ? kMeetsAnnual : kMeetsAcceptance);
    verdictColumn_->layout()->setContentsMargins(
        0, annual ? kPerformanceTopAnnual : kPerformanceTopAcceptance, 0, 0);
}

} // namespace quenra
