#include "SetupPage.h"

#include "AvailableFlowOptionBox.h"
#include "ColourSwatch.h"
#include "PageBuilding.h"
#include "RadioGroup.h"
#include "hydraulics/RecordRefresh.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <span>

namespace quenra {

namespace {

using P = ProjectData;

// Captions and choices of the page, group by group. Each option names its control, its caption
// and the record field it sets, so that building the page and its entry table read the same
// rows.

struct TextOption {
    const char* Control;
    const char* Caption;
    QString P::*Field;
};

struct CheckOption {
    const char* Control;
    const char* Caption;
    bool P::*Field;
};

struct ChoiceOption {
    const char* Control;
    const char* Caption;
    std::span<const char* const> Items;
    int P::*Field;
    int Columns = 1;
};

struct ColourOption {
    const char* Control;
    const char* Caption;
    Colour P::*Field;
};

constexpr const char* kOptionsCaption = "Options";
constexpr const char* kOptionItems[] = {"Basic", "Advanced"};
constexpr int kAdvancedItem = 1;

// Titles of the groups; the record knows only the options inside them.
constexpr const char* kPressureScaleTitle = "Pressure Scale";
constexpr const char* kFlowScaleTitle = "Flow Scale";
constexpr const char* kTitleGroupTitle = "Graph Title";
constexpr const char* kMarginsTitle = "Margins";
constexpr const char* kReportTitle = "Report Options";
constexpr const char* kSymbolsTitle = "Graph Symbols";
constexpr const char* kGraphColoursTitle = "Graph Colors";

constexpr CheckOption kDefaultPressure = {"DfltPrs", "Use Default Pressure",
                                          &P::DefaultPressureRange};
constexpr TextOption kPressureLimits[] = {
    {"MinPrs", "Min Pressure", &P::MinPressure},
    {"MaxPrs", "Max Pressure", &P::MaxPressure},
};
constexpr CheckOption kDefaultFlow = {"DfltFlow", "Use Default Flow", &P::DefaultFlowRange};
constexpr TextOption kFlowLimits[] = {
    {"MinFlow", "Min Flow", &P::MinFlowText},
    {"MaxFlow", "Max Flow", &P::MaxFlowText},
};

// The title either follows the file name or is typed.
constexpr const char* kUseFileName = "UseFileName";
constexpr const char* kUseFileNameCaption = "Use File Name";
constexpr TextOption kTitle = {"GraphTitle", "Title", &P::GraphTitleText};

// One choice sets two flags of the record.
constexpr const char* kReadings = "PmRdGr";
constexpr const char* kReadingItems[] = {"Display All Readings", "Don't Display Volts/Amps",
                                         "Don't Display Readings"};
constexpr int kShowAllReadingsItem = 0;
constexpr int kHideVoltsAmpsItem = 1;
constexpr int kHideAllReadingsItem = 2;

constexpr TextOption kMargins[] = {
    {"Edit16", "Left %", &P::MarginLeft},
    {"Edit23", "Right %", &P::MarginRight},
    {"Edit33", "Top %", &P::MarginTop},
    {"Edit28", "Bottom %", &P::MarginBottom},
};

constexpr const char* kCaptureSizes[] = {"Actual Size", "1000 x 775",  "2000 x 1550", "3000 x 2300",
                                         "775 x 1000",  "1550 x 2000", "2300 x 3000"};
constexpr ChoiceOption kCaptureSize = {"CapSize", "Graph PDF and Screen Capture Size",
                                       kCaptureSizes, &P::CaptureSizeIndex, 2};

constexpr ColourOption kReportColours[] = {
    {"Shape30", " Background Color", &P::ReportBackgroundColor},
    {"Shape31", "Title Background Color", &P::TitleBackgroundColor},
    {"Shape32", "Form Text Color", &P::FormTextColor},
    {"Shape33", "User Entry Text Color", &P::UserEntryTextColor},
};
constexpr CheckOption kLargerFont = {"LargerReportFont", "Large Report Font", &P::LargerFont};

constexpr const char* kSymbolItems[] = {"None",          "Circle",      "Square",
                                        "Triangle Down", "Triangle Up", "Plus"};
constexpr const char* kSizeItems[] = {"Small", "Medium", "Large"};
constexpr ChoiceOption kSymbols[] = {
    {"Supply", "Supply or Combined Curve", kSymbolItems, &P::SupplySymbol},
    {"RtdPmps", "Rated Pumps", kSymbolItems, &P::RatedPumpSymbol},
    {"PmpTsts", "Pump Tests", kSymbolItems, &P::PumpTestSymbol},
    {"DmdPts", "Demand Points", kSymbolItems, &P::DemandSymbol},
    {"NFSyms", "NFPA 20 - 25", kSymbolItems, &P::NfpaSymbol},
    {"DmPtSize", "Symbol Size", kSizeItems, &P::SymbolSizeIndex},
};
constexpr ChoiceOption kLineAndFont[] = {
    {"FontSize2", "Font Size", kSizeItems, &P::FontSizeIndex},
    {"LineThickness", "Line Thickness", kSizeItems, &P::LineThicknessIndex},
};

constexpr const char* kFlowScaleTypes[] = {"Normal", "Modified (power 1.85)"};
constexpr ChoiceOption kFlowScaleType = {"XAxisScale", "Flow Scale Type", kFlowScaleTypes,
                                         &P::FlowScaleIndex};

constexpr ColourOption kGraphColours[] = {
    {"Shape29", "Outside Background Color", &P::OutsideBackgroundColor},
    {"Shape28", "Graph Background Color", &P::GraphBackgroundColor},
};

// The graph draws the pressure axis on a normal scale only: the list of pressure scale types
// stays on the page, hidden, and nothing stores or reads it.
constexpr const char* kPressureScaleType = "YAxisScale";
constexpr const char* kPressureScaleTypes[] = {"Normal", "Modified", "Log (power 1.85)"};

// Widths that keep short numbers short and leave the title room for a long file name.
constexpr int kNumberWidth = 80;
constexpr int kMarginWidth = 48;
constexpr int kTitleWidth = 200;

QString Name(const char* text) {
    return QString::fromLatin1(text);
}

QStringList Items(std::span<const char* const> texts) {
    QStringList items;
    for (const char* text : texts) {
        items << QString::fromLatin1(text);
    }
    return items;
}

RadioGroup* MakeChoice(const ChoiceOption& option, QWidget* parent) {
    return new RadioGroup(Name(option.Control), Name(option.Caption), Items(option.Items), parent,
                          option.Columns);
}

QGroupBox* MakeGroup(const char* title, QWidget* parent) {
    return new QGroupBox(Name(title), parent);
}

QLineEdit* MakeNumberEdit(const TextOption& option, QWidget* parent, int width) {
    QLineEdit* edit = MakeEdit(Name(option.Control), parent);
    edit->setFixedWidth(width);
    return edit;
}

// The two scale groups stand one above the other; their captions share one width so that their
// fields line up.
int ScaleCaptionWidth(const QFontMetrics& metrics) {
    int width = 0;
    for (const auto* limits : {&kPressureLimits, &kFlowLimits}) {
        for (const TextOption& limit : *limits) {
            width = std::max(width, metrics.horizontalAdvance(Name(limit.Caption)));
        }
    }
    return width;
}

// A scale group: the automatic range switch, then the minimum and maximum typed by hand.
QGroupBox* BuildScale(const char* title, const CheckOption& automatic,
                      std::span<const TextOption> limits, QWidget* parent) {
    QGroupBox* group = MakeGroup(title, parent);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(MakeCheck(Name(automatic.Control), Name(automatic.Caption), group));
    const int captionWidth = ScaleCaptionWidth(group->fontMetrics());
    for (const TextOption& limit : limits) {
        QLineEdit* edit = MakeNumberEdit(limit, group, kNumberWidth);
        auto* caption = new QLabel(Name(limit.Caption), group);
        caption->setBuddy(edit);
        caption->setMinimumWidth(captionWidth);
        form->addRow(caption, edit);
    }
    return group;
}

// A colour swatch with its caption beside it. The caption is the swatch's buddy, so that a
// click on the words can open the colour dialog too.
void AddSwatch(QGridLayout* grid, int row, const ColourOption& option, QWidget* parent,
               QObject* clickWatcher) {
    auto* swatch = new ColourSwatch(Name(option.Control), parent);
    auto* caption = new QLabel(Name(option.Caption), parent);
    caption->setBuddy(swatch);
    caption->setCursor(Qt::PointingHandCursor);
    caption->installEventFilter(clickWatcher);
    grid->addWidget(swatch, row, 0);
    grid->addWidget(caption, row, 1);
}

} // namespace

SetupPage::SetupPage(ProjectData& project, QWidget* parent) : DataPage(parent), project_(project) {
    setObjectName(QStringLiteral("SetupPanel"));

    options_ = new RadioGroup(QStringLiteral("RadioGroup2"), Name(kOptionsCaption),
                              Items(kOptionItems), this, 2);
    options_->SetItemIndex(0);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(4);
    column->addWidget(options_, 0, Qt::AlignLeft);
    column->addWidget(BuildGraphOptions(), 0, Qt::AlignLeft);
    column->addWidget(new AvailableFlowOptionBox(this), 0, Qt::AlignLeft);
    column->addStretch(1);

    QComboBox* pressureScale =
        MakeCombo(Name(kPressureScaleType), Items(kPressureScaleTypes), false, this);
    pressureScale->setCurrentIndex(0);
    pressureScale->hide();

    connect(options_, &RadioGroup::ItemClicked, this, &SetupPage::RadioGroup2Click);
    connect(useFileName_, &QCheckBox::toggled, this, &SetupPage::UseFileNameClick);
    RadioGroup2Click(options_->ItemIndex());
}

// The basic groups stand two by two in the top left corner; the advanced ones fill the rest of
// the top band and the rows below it, so that "Basic" leaves a compact panel.
QWidget* SetupPage::BuildGraphOptions() {
    graphOptions_ = new QFrame(this);
    graphOptions_->setObjectName(QStringLiteral("GraphOptions"));
    graphOptions_->setFrameShape(QFrame::StyledPanel);

    auto* readings =
        new RadioGroup(Name(kReadings), QString(), Items(kReadingItems), graphOptions_);
    auto* basic = new QGridLayout;
    basic->addWidget(BuildPressureScale(), 0, 0);
    basic->addWidget(BuildFlowScale(), 1, 0);
    basic->addWidget(BuildTitle(), 0, 1);
    basic->addWidget(readings, 1, 1);

    auto* output = new QVBoxLayout;
    output->addWidget(AdvancedOnly(BuildMargins()));
    output->addWidget(AdvancedOnly(MakeChoice(kCaptureSize, graphOptions_)));
    output->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(basic);
    top->addLayout(output);
    top->addWidget(AdvancedOnly(BuildReportOptions()), 0, Qt::AlignTop);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(AdvancedOnly(MakeChoice(kFlowScaleType, graphOptions_)));
    for (const ChoiceOption& choice : kLineAndFont) {
        bottom->addWidget(AdvancedOnly(MakeChoice(choice, graphOptions_)));
    }
    bottom->addWidget(AdvancedOnly(BuildGraphColours()));
    bottom->addStretch(1);

    auto* layout = new QVBoxLayout(graphOptions_);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(AdvancedOnly(BuildSymbols()), 0, Qt::AlignLeft);
    layout->addLayout(bottom);
    layout->addStretch(1);
    return graphOptions_;
}

QWidget* SetupPage::BuildPressureScale() {
    return BuildScale(kPressureScaleTitle, kDefaultPressure, kPressureLimits, graphOptions_);
}

QWidget* SetupPage::BuildFlowScale() {
    return BuildScale(kFlowScaleTitle, kDefaultFlow, kFlowLimits, graphOptions_);
}

QWidget* SetupPage::BuildTitle() {
    QGroupBox* group = MakeGroup(kTitleGroupTitle, graphOptions_);
    auto* form = new QFormLayout(group);
    useFileName_ = MakeCheck(Name(kUseFileName), Name(kUseFileNameCaption), group);
    title_ = MakeEdit(Name(kTitle.Control), group);
    title_->setMinimumWidth(kTitleWidth);
    form->addRow(useFileName_);
    form->addRow(Name(kTitle.Caption), title_);
    return group;
}

QWidget* SetupPage::BuildMargins() {
    QGroupBox* group = MakeGroup(kMarginsTitle, graphOptions_);
    group->setObjectName(QStringLiteral("MarginsPanel"));
    auto* grid = new QGridLayout(group);
    // Left and right on the first row, top and bottom on the second.
    for (int i = 0; i < static_cast<int>(std::size(kMargins)); ++i) {
        const TextOption& margin = kMargins[i];
        QLineEdit* edit = MakeNumberEdit(margin, group, kMarginWidth);
        auto* caption = new QLabel(Name(margin.Caption), group);
        caption->setBuddy(edit);
        grid->addWidget(caption, i / 2, (i % 2) * 2);
        grid->addWidget(edit, i / 2, (i % 2) * 2 + 1);
    }
    grid->setColumnStretch(4, 1);
    return group;
}

QWidget* SetupPage::BuildReportOptions() {
    QGroupBox* group = MakeGroup(kReportTitle, graphOptions_);
    group->setObjectName(QStringLiteral("ReportOptions"));
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const ColourOption& colour : kReportColours) {
        AddSwatch(grid, row++, colour, group, this);
    }
    grid->addWidget(MakeCheck(Name(kLargerFont.Control), Name(kLargerFont.Caption), group), row, 0,
                    1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* SetupPage::BuildSymbols() {
    QGroupBox* group = MakeGroup(kSymbolsTitle, graphOptions_);
    group->setObjectName(QStringLiteral("Panel3"));
    auto* row = new QHBoxLayout(group);
    for (const ChoiceOption& symbol : kSymbols) {
        row->addWidget(MakeChoice(symbol, group), 0, Qt::AlignTop);
    }
    return group;
}

QWidget* SetupPage::BuildGraphColours() {
    QGroupBox* group = MakeGroup(kGraphColoursTitle, graphOptions_);
    group->setObjectName(QStringLiteral("Panel10"));
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const ColourOption& colour : kGraphColours) {
        AddSwatch(grid, row++, colour, group, this);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* SetupPage::AdvancedOnly(QWidget* group) {
    advancedGroups_.append(group);
    return group;
}

QList<FieldBinding> SetupPage::Bindings() const {
    QList<FieldBinding> rows;
    const auto text = [&rows](const TextOption& option) {
        rows.append(TextField(Name(option.Control), FieldOf(option.Field)));
    };
    const auto check = [&rows](const CheckOption& option) {
        rows.append(CheckField(Name(option.Control), FieldOf(option.Field)));
    };
    const auto choice = [&rows](const ChoiceOption& option) {
        rows.append(IndexField(Name(option.Control), FieldOf(option.Field)));
    };
    const auto colour = [&rows](const ColourOption& option) {
        rows.append(SwatchField(Name(option.Control), FieldOf(option.Field)));
    };

    check(kDefaultPressure);
    std::ranges::for_each(kPressureLimits, text);
    check(kDefaultFlow);
    std::ranges::for_each(kFlowLimits, text);
    text(kTitle);
    std::ranges::for_each(kMargins, text);
    choice(kCaptureSize);
    std::ranges::for_each(kReportColours, colour);
    check(kLargerFont);
    std::ranges::for_each(kSymbols, choice);
    std::ranges::for_each(kLineAndFont, choice);
    choice(kFlowScaleType);
    std::ranges::for_each(kGraphColours, colour);

    // Checking the box titles the graph after the project file at once.
    rows.append(MappedCheckField(
        Name(kUseFileName), {[](const P& p, int) { return p.TitleFromFileName; },
                             [](P& p, int, bool checked) {
                                 p.TitleFromFileName = checked;
                                 if (checked) {
                                     p.GraphTitleText = GraphTitleFromFileName(p.ProjectFileName);
                                 }
                             }}));
    // One choice of three sets the two flags the record keeps.
    rows.append(
        MappedIndexField(Name(kReadings), {[](const P& p, int) {
                                               return p.HideAllReadings ? kHideAllReadingsItem
                                                      : p.HideVoltsAmps ? kHideVoltsAmpsItem
                                                                        : kShowAllReadingsItem;
                                           },
                                           [](P& p, int, int item) {
                                               p.HideAllReadings = item == kHideAllReadingsItem;
                                               p.HideVoltsAmps = item >= kHideVoltsAmpsItem;
                                           }}));
    return rows;
}

void SetupPage::ApplyRules(const RefreshContext& context) {
    title_->setEnabled(!context.Project.TitleFromFileName);
}

void SetupPage::RadioGroup2Click(int item) {
    const bool advanced = item == kAdvancedItem;
    for (QWidget* group : advancedGroups_) {
        group->setVisible(advanced);
    }
}

void SetupPage::UseFileNameClick(bool checked) {
    // The entry table stores the switch and the title; the title box shows it at once.
    title_->setEnabled(!checked);
    if (checked) {
        const QSignalBlocker blocker(title_);
        title_->setText(GraphTitleFromFileName(project_.ProjectFileName));
    }
}

bool SetupPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto* caption = qobject_cast<QLabel*>(watched)) {
            if (auto* swatch = qobject_cast<ColourSwatch*>(caption->buddy())) {
                emit swatch->Clicked();
                return true;
            }
        }
    }
    return DataPage::eventFilter(watched, event);
}

} // namespace quenra
