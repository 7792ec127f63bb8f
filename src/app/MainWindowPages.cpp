// How the main window lays out its pages, the tab strip above them and the column of client
// and demand points beside them, and how it wires their entries.
#include "MainWindow.h"

#include "AboutPage.h"
#include "ClientPanel.h"
#include "CommentsPage.h"
#include "DatePicker.h"
#include "DemandPointsPanel.h"
#include "FieldBinder.h"
#include "FirePumpPage.h"
#include "GraphPaintBox.h"
#include "HydrantPage.h"
#include "NumberBoxes.h"
#include "NumberMarks.h"
#include "PumpTestPage.h"
#include "RadioGroup.h"
#include "ReportView.h"
#include "SetupPage.h"
#include "StringGrid.h"
#include "UnitCaptions.h"
#include "WindowTexts.h"
#include "hydraulics/RecordRefresh.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace quenra {

namespace {

QWidget* EmptyPanel(const QString& name, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

// A page that may be taller than the window scrolls inside its own frame.
QScrollArea* Scrolling(QWidget* page, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(page->objectName() + QStringLiteral("Scroll"));
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

QStringList TabCaptionsFor(bool isHydrantTest) {
    QStringList captions;
    captions << (isHydrantTest ? window_texts::kHydrantTab : window_texts::kFirePumpTab)
             << window_texts::kCommentsTab;
    if (!isHydrantTest) {
        for (int test = 1; test <= kTestCount; ++test) {
            captions << window_texts::PumpTestTab(test);
        }
    }
    captions << window_texts::kGraphTab << window_texts::kReportTab << window_texts::kSetupTab;
    return captions;
}

// The controls on the tab strip: the test kind (a hydrant test also starts on the hydrant flow
// scale) and the unit system. Both change what every page shows.
QList<FieldBinding> HeaderBindings() {
    ValueMapping<int> testKind{[](const ProjectData& p, int) { return p.IsHydrantTest ? 1 : 0; },
                               [](ProjectData& p, int, int item) {
                                   p.IsHydrantTest = item == 1;
                                   p.FlowScaleIndex = item == 1 ? 1 : 0;
                               }};
    return {MappedIndexField(QStringLiteral("HydrantTest"), std::move(testKind),
                             FieldScope::Project, AfterEdit::Refresh),
            IndexField(QStringLiteral("Units1"), FieldOf(&ProjectData::UnitSystem),
                       FieldScope::Project, AfterEdit::Refresh)};
}

} // namespace

void MainWindow::BuildPages() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);

    tabs_ = new QTabBar(central);
    tabs_->setObjectName(QStringLiteral("TabControl1"));
    tabs_->setExpanding(false);
    tabs_->setDrawBase(true);
    for (const QString& caption : TabCaptionsFor(false)) {
        tabs_->addTab(caption);
    }
    connect(tabs_, &QTabBar::currentChanged, this, &MainWindow::ShownTabChanged);
    layout->addWidget(tabs_);

    // The controls that stand on the tab strip itself, shown on the first tab only.
    auto* header = new QHBoxLayout;
    testType_ = new RadioGroup(QStringLiteral("HydrantTest"), window_texts::kTestTypeCaption,
                               {window_texts::kFirePumpTab, window_texts::kHydrantTab}, central, 2);
    units_ = new QComboBox(central);
    units_->setObjectName(QStringLiteral("Units1"));
    units_->addItems(UnitSystemItems());
    note_ = new QLabel(window_texts::kOneFilePerTestNote, central);
    note_->setObjectName(QStringLiteral("Panel18"));
    note_->setWordWrap(true);
    note_->setFrameShape(QFrame::StyledPanel);
    note_->setMargin(4);
    auto* unitsPanel = new QWidget(central);
    auto* unitsBox = new QVBoxLayout(unitsPanel);
    unitsBox->setContentsMargins(0, 0, 0, 0);
    unitsBox->addWidget(new QLabel(window_texts::kUnitsCaption, unitsPanel));
    unitsBox->addWidget(units_);
    unitsBox->addStretch();
    header->addWidget(testType_);
    header->addWidget(unitsPanel);
    header->addWidget(note_, 1);
    layout->addLayout(header);

    auto* body = new QHBoxLayout;
    body->setSpacing(8);
    auto* pageArea = new QVBoxLayout;
    pageArea->setContentsMargins(0, 0, 0, 0);

    firePump_ = new FirePumpPage(project_, central);
    hydrant_ = new HydrantPage(central);
    comments_ = new CommentsPage(project_, central);
    about_ = new AboutPage(logo_, central);
    setup_ = new SetupPage(project_, central);
    supplyTabs_ = hydrant_->SupplyTestTabs();
    connect(supplyTabs_, &QTabBar::currentChanged, this, &MainWindow::ShownTabChanged);
    connect(comments_, &CommentsPage::PageChosen, this, &MainWindow::RefreshScreen);
    connect(about_->OkButton(), &QPushButton::clicked, this, &MainWindow::CloseAbout);

    // Panels by page number + 1: About, fire pump, hydrant, comments, pump test, graph,
    // report, setup.
    pumpTest_ = new PumpTestPage(project_, prompter_, central);
    QWidget* graphPanel = EmptyPanel(QStringLiteral("GraphPanel"), central);
    graphBox_ = new GraphPaintBox(
        [this]() -> std::optional<QImage> {
            std::optional<GraphRendering> rendering = RenderGraph(GraphTarget::Screen);
            if (!rendering) {
                return std::nullopt;
            }
            return std::move(rendering->Graph);
        },
        graphPanel);
    report_ = new ReportView(project_, prompter_, errorPrompt_, programFolder_, central);
    auto* graphLayout = new QVBoxLayout(graphPanel);
    graphLayout->setContentsMargins(0, 0, 0, 0);
    graphLayout->addWidget(graphBox_);
    QWidget* pumpTest = Scrolling(pumpTest_, central);
    panels_ = {about_,
               Scrolling(firePump_, central),
               Scrolling(hydrant_, central),
               comments_,
               pumpTest,
               pumpTest,
               pumpTest,
               pumpTest,
               pumpTest,
               graphPanel,
               report_,
               Scrolling(setup_, central)};
    QList<QWidget*> added;
    for (QWidget* panel : panels_) {
        if (!added.contains(panel)) {
            pageArea->addWidget(panel, 1);
            added << panel;
        }
    }
    body->addLayout(pageArea, 1);

    firstPageColumn_ = new QWidget(central);
    firstPageColumn_->setObjectName(QStringLiteral("FirstPageColumn"));
    firstPageColumn_->setFixedWidth(340);
    client_ = new ClientPanel(firstPageColumn_);
    auto* demand = new DemandPointsPanel(firstPageColumn_);
    auto* column = new QVBoxLayout(firstPageColumn_);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(client_);
    column->addWidget(demand);
    column->addStretch();
    // The client and demand point column scrolls on its own on a low screen.
    QScrollArea* columnArea = Scrolling(firstPageColumn_, central);
    columnArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    columnArea->setFixedWidth(firstPageColumn_->width() +
                              columnArea->verticalScrollBar()->sizeHint().width());
    body->addWidget(columnArea);
    firstPageControls_ = {testType_, unitsPanel, note_, columnArea};
    layout->addLayout(body, 1);

    dataPages_ = {firePump_, hydrant_, comments_, client_, demand, setup_, pumpTest_};
    setCentralWidget(central);
    // One page at a time from the start: the window is sized for one, not for all stacked.
    ShowPanelOf(MainPage::FirePump);
}

void MainWindow::BindEntries() {
    binder_ = new FieldBinder(
        project_, [this](FieldScope scope) { return IndexOfScope(scope); }, prompter_, this);
    for (DataPage* page : dataPages_) {
        binder_->Bind(page, page->Bindings());
    }
    binder_->Bind(centralWidget(), HeaderBindings());
    connect(binder_, &FieldBinder::Edited, this, &MainWindow::AfterEntry);
    for (DataPage* page : dataPages_) {
        connect(page, &DataPage::RefreshRequested, this, &MainWindow::RefreshScreen);
        connect(page, &DataPage::TabCaptionsChanged, this, &MainWindow::UpdateTabCaptions);
    }
}

void MainWindow::WatchNumberBoxes() {
    numberMarks_ = new NumberMarks(this);
    numberMarks_->WatchBoxes(centralWidget(), NumberBoxNames());
    // Every typed cell of the readings table and of the pitot readings holds a number.
    for (StringGrid* grid : {pumpTest_->ReadingsGrid(), pumpTest_->PitotGrid()}) {
        numberMarks_->WatchGrid(grid, [grid](int column, int row) {
            return column >= 1 && row >= grid->RowCount() - grid->rowCount() &&
                   !grid->IsColumnReadOnly(column);
        });
    }
}

void MainWindow::ConnectDateButtons() {
    // Dates are never typed: each date field has a "..." button that opens the calendar.
    const std::pair<QPushButton*, QLineEdit*> dateFields[] = {
        {client_->DateButton(), client_->DateField()},
        {hydrant_->DateButton(), hydrant_->DateField()}};
    for (const auto& [button, field] : dateFields) {
        connect(button, &QPushButton::clicked, this, [this, field] {
            field->setText(PickDateText(prompter_, field->text()));
            UpdateTabCaptions();
        });
    }
}

void MainWindow::RebuildTabList() {
    const QStringList captions = TabCaptionsFor(project_.IsHydrantTest);
    if (tabs_->count() == captions.size() && tabs_->tabText(0) == captions.first()) {
        return;
    }
    const QSignalBlocker blocker(tabs_);
    const int remembered = tabs_->currentIndex();
    while (tabs_->count() > 0) {
        tabs_->removeTab(0);
    }
    for (const QString& caption : captions) {
        tabs_->addTab(caption);
    }
    tabs_->setCurrentIndex(std::clamp(remembered, 0, static_cast<int>(captions.size()) - 1));
}

} // namespace quenra
