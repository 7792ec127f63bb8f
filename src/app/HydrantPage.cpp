#include "HydrantPage.h"

#include "hydraulics/ChoiceItems.h"

#include "AvailableFlowLabel.h"
#include "ColourSwatch.h"
#include "UnitCaptions.h"
#include "hydraulics/NozzleFlow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include <initializer_list>
#include <optional>

namespace quenra {

namespace {

QStringList Items(std::initializer_list<const char*> texts) {
    QStringList items;
    for (const char* text : texts) {
        items << QString::fromLatin1(text);
    }
    return items;
}

constexpr int kTankSupply = 1;
constexpr int kOtherSupply = 2;

const QStringList kTankKinds =
    Items({"Tank", "Other", "Gravity", "Embankment", "Pressure", "Ground Level Suction"});
const QStringList kOtherSourceKinds =
    Items({"Other", "Pond", "River", "Lake", "Ocean or Sea", "Stream", "Man Made Well", "Cistern",
           "Swimming Pool", "Decorative Pool"});
const QStringList kOutletCounts = Items({"1", "2", "3", "4"});
const QStringList kMainTypes = Items({"Dead End", "Circulating", "Other"});

// Widths that keep short numbers and long descriptions apart on a page about 680 px wide.
constexpr int kNumberWidth = 110;
constexpr int kChoiceWidth = 190;
constexpr int kSupplyLabelWidth = 110;
constexpr int kSupplyValueWidth = 190;

// Older files keep the supply type as a one-character item index; any other text is what the
// inspector chose or typed. A one-character text that is not a digit stands for the first item.
// The supply type item a stored text stands for, or -1 for a source described in the
// inspector's own words.
int SupplyTypeItem(const QString& supplyTypeText) {
    if (const std::optional<int> index = StoredItemIndex(supplyTypeText)) {
        return *index < SupplyTypeItems().size() ? *index : -1;
    }
    const QString trimmed = supplyTypeText.trimmed();
    for (int i = 0; i < SupplyTypeItems().size(); ++i) {
        if (SupplyTypeItems().at(i).compare(trimmed, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QLineEdit* MakeEdit(const QString& name, QWidget* parent, int maximumWidth = 0) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maximumWidth > 0) {
        edit->setMaximumWidth(maximumWidth);
    }
    return edit;
}

// An editable choice list: the inspector picks an item or types any text, and what is typed is
// kept exactly (no completion, no new items).
QComboBox* MakeChoice(const QString& name, const QStringList& items, QWidget* parent,
                      int maximumWidth = kChoiceWidth) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->addItems(items);
    combo->setMaximumWidth(maximumWidth);
    return combo;
}

QLabel* MakeCaption(const QString& text, QWidget* buddy, const QString& name = {}) {
    auto* label = new QLabel(text, buddy->parentWidget());
    if (!name.isEmpty()) {
        label->setObjectName(name);
    }
    label->setBuddy(buddy);
    return label;
}

QLabel* MakeUnitCaption(const char* name, QWidget* buddy) {
    return MakeCaption(EnglishUnitCaption(name), buddy, QString::fromLatin1(name));
}

} // namespace

HydrantPage::HydrantPage(QWidget* parent) : DataPage(parent) {
    setObjectName(QStringLiteral("GenPanel"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(10);
    column->addWidget(BuildWaterSupply());
    column->addWidget(BuildSupplyTests());
    column->addStretch(1);

    // The other data follow the supply type as soon as the inspector changes it; the record
    // receives only the text, through the entry table.
    connect(supplyType_, &QComboBox::currentTextChanged, this, &HydrantPage::ShowSupplySource);
    ShowSupplySource(supplyType_->currentText());
}

QGroupBox* HydrantPage::BuildWaterSupply() {
    auto* group = new QGroupBox(QStringLiteral("Water Supply"));
    group->setObjectName(QStringLiteral("WaterSupplyPanel"));
    auto* grid = new QGridLayout(group);
    grid->setColumnMinimumWidth(0, kSupplyLabelWidth);
    grid->setColumnMinimumWidth(1, kSupplyValueWidth);
    grid->setColumnStretch(3, 1);

    supplyType_ = MakeChoice(QStringLiteral("SupplyType"), SupplyTypeItems(), group);
    auto* policy = MakeEdit(QStringLiteral("PolNum"), group, kSupplyValueWidth);
    // A hydrant test report always has its water supply; the switch is kept for the file only.
    auto* inReport = new QCheckBox(QStringLiteral("Report"), group);
    inReport->setObjectName(QStringLiteral("SupplyInReport"));
    inReport->setHidden(true);

    grid->addWidget(MakeCaption(QStringLiteral("Supply Type"), supplyType_), 0, 0);
    grid->addWidget(supplyType_, 0, 1);
    grid->addWidget(MakeCaption(QStringLiteral("Policy Number"), policy), 0, 2);
    grid->addWidget(policy, 0, 3);
    grid->addWidget(inReport, 0, 4);
    grid->addWidget(BuildOtherData(), 1, 0, 1, 5);
    return group;
}

QWidget* HydrantPage::BuildOtherData() {
    otherData_ = new QWidget;
    otherData_->setObjectName(QStringLiteral("OtherDataPanel"));
    auto* grid = new QGridLayout(otherData_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnMinimumWidth(0, kSupplyLabelWidth);
    grid->setColumnMinimumWidth(1, kSupplyValueWidth);
    grid->setColumnStretch(3, 1);

    auto* capacity = MakeEdit(QStringLiteral("Cap"), otherData_, kSupplyValueWidth);
    liftOrHead_ = new QComboBox(otherData_);
    liftOrHead_->setObjectName(QStringLiteral("LiftOrHead"));
    liftOrHead_->addItems(LiftOrHeadItems(UnitWordsFor(0)));
    auto* liftOrHeadValue = MakeEdit(QStringLiteral("LiftOrHeadValue"), otherData_, kNumberWidth);

    // A tank and another source share the place of the description; only the one that fits
    // the supply type is shown.
    tankDescription_ = MakeChoice(QStringLiteral("TankDescription"), kTankKinds, otherData_);
    otherDescription_ =
        MakeChoice(QStringLiteral("OtherDescription"), kOtherSourceKinds, otherData_);
    for (QComboBox* kind : {tankDescription_, otherDescription_}) {
        kind->setMinimumWidth(kSupplyValueWidth);
    }
    auto* description = new QHBoxLayout;
    description->setContentsMargins(0, 0, 0, 0);
    description->addWidget(otherDescription_);
    description->addWidget(tankDescription_);
    description->addStretch(1);

    grid->addWidget(MakeUnitCaption("Label12", capacity), 0, 0);
    grid->addWidget(capacity, 0, 1);
    grid->addWidget(liftOrHead_, 0, 2);
    grid->addWidget(liftOrHeadValue, 0, 3, Qt::AlignLeft);
    grid->addWidget(MakeCaption(QStringLiteral("Description"), tankDescription_), 1, 0);
    grid->addLayout(description, 1, 1, 1, 3);
    return otherData_;
}

QWidget* HydrantPage::BuildSupplyTests() {
    auto* section = new QWidget;
    auto* column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    supplyTests_ = new QTabBar(section);
    supplyTests_->setObjectName(QStringLiteral("TabControl2"));
    supplyTests_->setExpanding(false);
    for (int test = 1; test <= kTestCount; ++test) {
        supplyTests_->addTab(QStringLiteral("Supply Test %1").arg(test));
    }
    column->addWidget(supplyTests_);

    // The frame under the tabs holds the controls of the supply test shown.
    auto* frame = new QFrame(section);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* inside = new QVBoxLayout(frame);
    inside->setContentsMargins(8, 8, 8, 8);
    inside->setSpacing(8);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildReadings(), 1);
    top->addWidget(BuildPitotFlow(), 1);
    inside->addLayout(top);
    inside->addWidget(BuildTestDetails());
    column->addWidget(frame);
    return section;
}

QGroupBox* HydrantPage::BuildReadings() {
    auto* group = new QGroupBox(QStringLiteral("Readings"));
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);

    // Dates are never typed: the button beside the field opens the calendar.
    date_ = MakeEdit(QStringLiteral("TestDate"), group, kNumberWidth);
    date_->setReadOnly(true);
    datePick_ = new QPushButton(QStringLiteral("..."), group);
    datePick_->setObjectName(QStringLiteral("Button7"));
    datePick_->setFixedWidth(28);
    datePick_->setToolTip(QStringLiteral("Select Date"));
    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(2);
    dateRow->addWidget(date_);
    dateRow->addWidget(datePick_);
    dateRow->addStretch(1);

    auto* staticPressure = MakeEdit(QStringLiteral("StPrs"), group, kNumberWidth);
    auto* residualPressure = MakeEdit(QStringLiteral("RsPrs"), group, kNumberWidth);
    residualFlow_ = MakeEdit(QStringLiteral("RdFlow"), group, kNumberWidth);

    auto* showCurve = new QCheckBox(QStringLiteral("Display Curve"), group);
    showCurve->setObjectName(QStringLiteral("DsSp"));
    curveColour_ = new ColourSwatch(QStringLiteral("Shape34"), group);
    curveColourCaption_ = new QLabel(QStringLiteral("Click To Change Color"), group);
    curveColourCaption_->setCursor(Qt::PointingHandCursor);
    curveColourCaption_->installEventFilter(this);
    auto* curveRow = new QHBoxLayout;
    curveRow->addWidget(showCurve);
    curveRow->addSpacing(12);
    curveRow->addWidget(curveColour_);
    curveRow->addWidget(curveColourCaption_);
    curveRow->addStretch(1);

    grid->addWidget(MakeCaption(QStringLiteral("Test Date"), date_), 0, 0);
    grid->addLayout(dateRow, 0, 1);
    grid->addWidget(MakeUnitCaption("Label5", staticPressure), 1, 0);
    grid->addWidget(staticPressure, 1, 1);
    grid->addWidget(MakeUnitCaption("Label6", residualPressure), 2, 0);
    grid->addWidget(residualPressure, 2, 1);
    grid->addWidget(MakeUnitCaption("Label7", residualFlow_), 3, 0);
    grid->addWidget(residualFlow_, 3, 1);
    availableFlow_ = new AvailableFlowLabel(staticPressure, residualPressure, residualFlow_, group);
    // Right under the residual flow: beside it the sentence would be cut on a narrow window.
    grid->addWidget(availableFlow_, 5, 0, 1, 2);
    grid->addLayout(curveRow, 4, 0, 1, 2);
    return group;
}

QGroupBox* HydrantPage::BuildPitotFlow() {
    auto* group = new QGroupBox(QStringLiteral("Flow From Pitot Reading"));
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(2, 1);

    calculateFlow_ = new QCheckBox(QStringLiteral("Calculate Flow"), group);
    calculateFlow_->setObjectName(QStringLiteral("CalcResFlow"));
    orificeSize_ = MakeChoice(QStringLiteral("OrfSize"), OrificeSizeItems(), group, kNumberWidth);
    coefficient_ =
        MakeChoice(QStringLiteral("DisCoef"), DischargeCoefficientItems(), group, kNumberWidth);
    pitotReading_ = MakeEdit(QStringLiteral("PitotRead"), group, kNumberWidth);
    orificeCaption_ = MakeUnitCaption("Label8", orificeSize_);
    coefficientCaption_ = MakeCaption(QStringLiteral("Discharge Coefficient"), coefficient_,
                                      QStringLiteral("Label9"));
    pitotCaption_ = MakeUnitCaption("Label10", pitotReading_);

    grid->addWidget(calculateFlow_, 0, 0, 1, 2);
    grid->addWidget(orificeCaption_, 1, 0);
    grid->addWidget(orificeSize_, 1, 1);
    grid->addWidget(coefficientCaption_, 2, 0);
    grid->addWidget(coefficient_, 2, 1);
    grid->addWidget(pitotCaption_, 3, 0);
    grid->addWidget(pitotReading_, 3, 1);
    grid->setRowStretch(4, 1);
    return group;
}

QGroupBox* HydrantPage::BuildTestDetails() {
    auto* group = new QGroupBox(QStringLiteral("Test Details"));
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* hydrants = MakeEdit(QStringLiteral("Edit59"), group, kNumberWidth);
    auto* outlets = MakeChoice(QStringLiteral("ComboBox1"), kOutletCounts, group, kNumberWidth);
    auto* staticLocation = MakeEdit(QStringLiteral("Edit60"), group);
    auto* flowLocation = MakeEdit(QStringLiteral("Edit61"), group);
    auto* time = MakeEdit(QStringLiteral("Edit62"), group, kNumberWidth);
    auto* mainSize = MakeEdit(QStringLiteral("Edit63"), group, kNumberWidth);
    auto* mainType = MakeChoice(QStringLiteral("ComboBox12"), kMainTypes, group, kNumberWidth + 30);

    grid->addWidget(MakeCaption(QStringLiteral("Number of Hydrant Flowed"), hydrants), 0, 0);
    grid->addWidget(hydrants, 0, 1);
    grid->addWidget(MakeCaption(QStringLiteral("Number of Outlets Flowed"), outlets), 0, 2);
    grid->addWidget(outlets, 0, 3);
    grid->addWidget(MakeCaption(QStringLiteral("Static/Residual Hydrant Location"), staticLocation),
                    1, 0);
    grid->addWidget(staticLocation, 1, 1, 1, 3);
    grid->addWidget(MakeCaption(QStringLiteral("Flow Hydrant Location"), flowLocation), 2, 0);
    grid->addWidget(flowLocation, 2, 1, 1, 3);
    grid->addWidget(MakeCaption(QStringLiteral("Time"), time), 3, 0);
    grid->addWidget(time, 3, 1);
    grid->addWidget(MakeUnitCaption("Label160", mainSize), 4, 0);
    grid->addWidget(mainSize, 4, 1);
    grid->addWidget(MakeCaption(QStringLiteral("Type of Water Main"), mainType), 4, 2);
    grid->addWidget(mainType, 4, 3);
    return group;
}

QList<FieldBinding> HydrantPage::Bindings() const {
    using P = ProjectData;
    constexpr FieldScope test = FieldScope::SupplyTest;
    constexpr AfterEdit refresh = AfterEdit::Refresh;
    return {
        TextField(QStringLiteral("SupplyType"), FieldOf(&P::SupplyTypeText)),
        TextField(QStringLiteral("PolNum"), FieldOf(&P::PolicyNumber)),
        CheckField(QStringLiteral("SupplyInReport"), FieldOf(&P::ReportSupplySection)),
        TextField(QStringLiteral("Cap"), FieldOf(&P::TankCapacity)),
        IndexField(QStringLiteral("LiftOrHead"), FieldOf(&P::LiftHeadKind)),
        TextField(QStringLiteral("LiftOrHeadValue"), FieldOf(&P::LiftHeadValue)),
        TextField(QStringLiteral("TankDescription"), FieldOf(&P::TankKind)),
        TextField(QStringLiteral("OtherDescription"), FieldOf(&P::OtherSourceKind)),

        // The test date names the test's tab.
        TextField(QStringLiteral("TestDate"), ElementOf(&P::SupplyTestDate), test,
                  AfterEdit::TabCaptions),
        TextField(QStringLiteral("StPrs"), ElementOf(&P::SupplyStaticPressure), test),
        TextField(QStringLiteral("RsPrs"), ElementOf(&P::SupplyResidualPressure), test),
        TextField(QStringLiteral("RdFlow"), ElementOf(&P::SupplyResidualFlow), test),
        // The computed flow, the automatic coefficient and the enabling follow these four.
        CheckField(QStringLiteral("CalcResFlow"), ElementOf(&P::SupplyCalcFlow), test, refresh),
        TextField(QStringLiteral("OrfSize"), ElementOf(&P::SupplyOrificeSize), test, refresh),
        TextField(QStringLiteral("DisCoef"), ElementOf(&P::SupplyDischargeCoef), test, refresh),
        TextField(QStringLiteral("PitotRead"), ElementOf(&P::SupplyPitotReading), test, refresh),
        CheckField(QStringLiteral("DsSp"), ElementOf(&P::SupplyShowCurve), test),
        SwatchField(QStringLiteral("Shape34"), ElementOf(&P::SupplyTestColor), test),

        TextField(QStringLiteral("Edit59"), ElementOf(&P::HydrantsFlowed), test),
        // A computed flow counts every outlet flowed.
        TextField(QStringLiteral("ComboBox1"), ElementOf(&P::OutletsFlowed), test, refresh),
        TextField(QStringLiteral("Edit60"), ElementOf(&P::StaticHydrantLocation), test),
        TextField(QStringLiteral("Edit61"), ElementOf(&P::FlowHydrantLocation), test),
        TextField(QStringLiteral("Edit62"), ElementOf(&P::SupplyTestTime), test),
        TextField(QStringLiteral("Edit63"), ElementOf(&P::MainSize), test),
        TextField(QStringLiteral("ComboBox12"), ElementOf(&P::MainType), test),
    };
}

void HydrantPage::ApplyRules(const RefreshContext& context) {
    const ProjectData& project = context.Project;
    ShowSupplyType(project.SupplyTypeText);
    ShowSupplySource(project.SupplyTypeText);
    ShowLiftOrHeadItems(context.Units, project.LiftHeadKind);

    // The flow is either measured or computed from the pitot reading; only the inputs of the
    // way in use can be edited, and a 4 or 4.5 outlet sets its own coefficient.
    const bool calc = context.CalculateFlow;
    QWidget* const pitotInputs[] = {orificeCaption_, coefficientCaption_, pitotCaption_,
                                    orificeSize_, pitotReading_};
    for (QWidget* input : pitotInputs) {
        input->setEnabled(calc);
    }
    coefficient_->setEnabled(calc && !context.LargeOutlet);
    residualFlow_->setEnabled(!calc);
    availableFlow_->SetUnitSystem(project.UnitSystem);
}

void HydrantPage::ShowSupplyType(const QString& supplyTypeText) {
    const QSignalBlocker blocker(supplyType_);
    const std::optional<int> index = StoredItemIndex(supplyTypeText);
    if (index && *index < supplyType_->count()) {
        supplyType_->setCurrentIndex(*index);
        return;
    }
    // Text the box already shows is left alone, and with it where the inspector was typing.
    if (supplyType_->currentText() != supplyTypeText) {
        supplyType_->setCurrentIndex(supplyType_->findText(supplyTypeText, Qt::MatchExactly));
        supplyType_->setEditText(supplyTypeText);
    }
}

void HydrantPage::ShowSupplySource(const QString& supplyTypeText) {
    // Capacity, lift or head and a description belong to a tank or another source; a public
    // main, an unspecified supply and a supply described in other words have none.
    const int item = SupplyTypeItem(supplyTypeText);
    tankDescription_->setHidden(item != kTankSupply);
    otherDescription_->setHidden(item != kOtherSupply);
    otherData_->setHidden(item != kTankSupply && item != kOtherSupply);
}

void HydrantPage::ShowLiftOrHeadItems(const UnitWords& units, int liftHeadKind) {
    const QSignalBlocker blocker(liftOrHead_);
    liftOrHead_->clear();
    liftOrHead_->addItems(LiftOrHeadItems(units));
    liftOrHead_->setCurrentIndex(
        liftHeadKind >= 0 && liftHeadKind < liftOrHead_->count() ? liftHeadKind : -1);
}

bool HydrantPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == curveColourCaption_ && event->type() == QEvent::MouseButtonPress) {
        emit curveColour_->Clicked();
        return true;
    }
    return DataPage::eventFilter(watched, event);
}

} // namespace quenra
