#include "MainWindow.h"

#include "AboutPage.h"
#include "ChoiceListWidth.h"
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
#include "ProjectDropTarget.h"
#include "PumpTestPage.h"
#include "RadioGroup.h"
#include "ReportView.h"
#include "SetupPage.h"
#include "StringGrid.h"
#include "UnitCaptions.h"
#include "WindowTexts.h"
#include "files/RecoveryCopies.h"
#include "graph/ReportLogo.h"
#include "hydraulics/RecordRefresh.h"
#include "hydraulics/UnitSystem.h"
#include "model/ResetToDefaults.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QVBoxLayout>

namespace quenra {

namespace {

constexpr QSize kOpeningSize(1024, 738);

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

} // namespace

MainWindow::MainWindow(Prompter& prompter, Shell& shell, QString programFolder, QString startFile,
                       QWidget* parent)
    : QMainWindow(parent), prompter_(prompter), shell_(shell),
      programFolder_(std::move(programFolder)), startFile_(std::move(startFile)) {
    setObjectName(QStringLiteral("MainForm"));
    CreateFolders();
    logo_ = MakeReportLogo();
    BuildPages();
    BuildMenus();
    ConnectPdfCommands();
    BindEntries();
    WatchNumberBoxes();
    KeepListsWideEnough(this);
    ConnectDateButtons();
    project_.ProjectFileName = QStringLiteral("untitled");
    UpdateWindowCaption();
    OpenWithinScreen();
    RotateRecoveryCopies(programFolder_, prompter_);
    // Queued: the file is opened once the drop has finished, outside the drag's own loop. A
    // file dropped on the About page leaves it first, as File > Open can only be reached so.
    connect(
        new ProjectDropTarget(this), &ProjectDropTarget::FileDropped, this,
        [this](const QString& path) {
            if (aboutShown_) {
                CloseAbout();
            }
            OpenNamedFile(path);
        },
        Qt::QueuedConnection);
}

MainWindow::~MainWindow() {
    // The pages write into the record until they are gone: an open cell editor hands its text
    // to its cell as it closes. They go first, while the record lives, and the window no longer
    // refreshes for them.
    destroying_ = true;
    delete takeCentralWidget();
}

void MainWindow::OpenWithinScreen() {
    // The window's own size, but never larger than the screen it opens on leaves free, title
    // bar and frame included.
    const QRect available = screen()->availableGeometry();
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize size =
        kOpeningSize.boundedTo(available.size() - QSize(2 * frame, titleBar + 2 * frame));
    resize(size);
    move(available.topLeft() +
         QPoint((available.width() - size.width()) / 2, (available.height() - size.height()) / 2));
}

void MainWindow::CreateFolders() {
    const QString pdfFolder = QDir(programFolder_).filePath(QStringLiteral("PDF"));
    if (!QDir().mkpath(pdfFolder)) {
        prompter_.Inform(window_texts::CannotCreateFolder(pdfFolder));
    }
}

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
    connect(tabs_, &QTabBar::currentChanged, this, &MainWindow::TabControl1Change);
    layout->addWidget(tabs_);

    // The controls that stand on the tab strip itself, shown on the first tab only.
    auto* header = new QHBoxLayout;
    testType_ = new RadioGroup(QStringLiteral("HydrantTest"), window_texts::kTestTypeCaption,
                               {window_texts::kFirePumpTab, window_texts::kHydrantTab}, central, 2);
    connect(testType_, &RadioGroup::ItemClicked, this, &MainWindow::HydrantTestClick);
    units_ = new QComboBox(central);
    units_->setObjectName(QStringLiteral("Units1"));
    units_->addItems(UnitSystemItems());
    connect(units_, &QComboBox::currentIndexChanged, this, &MainWindow::Units1Change);
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

    auto* firePump = new FirePumpPage(project_, central);
    auto* hydrant = new HydrantPage(central);
    comments_ = new CommentsPage(project_, central);
    about_ = new AboutPage(logo_, central);
    auto* setup = new SetupPage(project_, central);
    supplyTabs_ = hydrant->findChild<QTabBar*>(QStringLiteral("TabControl2"));
    if (supplyTabs_) {
        connect(supplyTabs_, &QTabBar::currentChanged, this, &MainWindow::TabControl1Change);
    }
    connect(comments_, &CommentsPage::PageChosen, this, &MainWindow::RefreshScreen);
    connect(about_->OkButton(), &QPushButton::clicked, this, &MainWindow::CloseAbout);

    // Panels by page number + 1: About, fire pump, hydrant, comments, pump test, graph,
    // report, setup.
    auto* pumpTestPage = new PumpTestPage(project_, prompter_, central);
    QWidget* graphPanel = EmptyPanel(QStringLiteral("GraphPanel"), central);
    graphBox_ = new GraphPaintBox(
        [this]() -> std::optional<QImage> {
            std::optional<GraphRendering> rendering = RenderGraph(graph_target::Screen);
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
    QWidget* pumpTest = Scrolling(pumpTestPage, central);
    panels_ = {about_,
               Scrolling(firePump, central),
               Scrolling(hydrant, central),
               comments_,
               pumpTest,
               pumpTest,
               pumpTest,
               pumpTest,
               pumpTest,
               graphPanel,
               report_,
               Scrolling(setup, central)};
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
    auto* client = new ClientPanel(firstPageColumn_);
    auto* demand = new DemandPointsPanel(firstPageColumn_);
    auto* column = new QVBoxLayout(firstPageColumn_);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(client);
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

    dataPages_ = {firePump, hydrant, comments_, client, demand, setup, pumpTestPage};
    setCentralWidget(central);
    // One page at a time from the start: the window is sized for one, not for all stacked.
    ShowPanelOf(page::FirePump);
}

void MainWindow::BindEntries() {
    binder_ = new FieldBinder(
        project_, [this](FieldScope scope) { return IndexOfScope(scope); }, prompter_, this);
    for (DataPage* page : dataPages_) {
        binder_->Bind(page, page->Bindings());
    }
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
    for (const char* name : {"PT", "Pt2"}) {
        if (auto* grid = findChild<StringGrid*>(QLatin1String(name))) {
            numberMarks_->WatchGrid(grid, [grid](int column, int row) {
                return column >= 1 && row >= grid->RowCount() - grid->rowCount() &&
                       !grid->IsColumnReadOnly(column);
            });
        }
    }
}

void MainWindow::ConnectDateButtons() {
    // Dates are never typed: each date field has a "..." button that opens the calendar.
    const std::pair<const char*, const char*> dateFields[] = {{"Button6", "SrDt1"},
                                                              {"Button7", "TestDate"}};
    for (const auto& [buttonName, fieldName] : dateFields) {
        auto* button = findChild<QPushButton*>(QLatin1String(buttonName));
        auto* field = findChild<QLineEdit*>(QLatin1String(fieldName));
        if (!button || !field) {
            continue;
        }
        connect(button, &QPushButton::clicked, this, [this, field] {
            field->setText(PickDateText(prompter_, field->text()));
            UpdateTabCaptions();
        });
    }
}

int MainWindow::IndexOfScope(FieldScope scope) const {
    switch (scope) {
    case FieldScope::SupplyTest:
        return SupplyTestShown();
    case FieldScope::PumpTest:
        return CurrentPumpTest();
    case FieldScope::Project:
        break;
    }
    return 0;
}

int MainWindow::CurrentPage() const {
    return aboutShown_ ? page::About
                       : CurrentPageFor(project_.IsHydrantTest, tabs_->currentIndex());
}

int MainWindow::CurrentPumpTest() const {
    return CurrentPumpTestFor(CurrentPage());
}

int MainWindow::SupplyTestShown() const {
    return supplyTabs_ ? std::clamp(supplyTabs_->currentIndex() + 1, 1, kTestCount) : 1;
}

void MainWindow::SetFirstPageControlsVisible(bool visible) {
    for (QWidget* control : firstPageControls_) {
        control->setVisible(visible);
    }
}

void MainWindow::ShowPanelOf(int shown) {
    QWidget* wanted = panels_.value(shown + 1);
    for (QWidget* panel : panels_) {
        if (panel != wanted) {
            panel->setVisible(false);
        }
    }
    if (wanted) {
        wanted->setVisible(true);
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

void MainWindow::RefreshScreen() {
    if (destroying_) {
        return;
    }
    const int shown = CurrentPage();
    SetFirstPageControlsVisible(!aboutShown_ && tabs_->currentIndex() == 0);
    ShowPanelOf(shown);
    if (shown == page::Graph || shown == page::Report) {
        return; // the graph and report draw themselves from the record
    }

    auto* calculate = findChild<QCheckBox*>(QStringLiteral("CalcResFlow"));
    RefreshView view;
    view.Page = shown;
    view.SupplyTest = SupplyTestShown();
    view.CalculateFlowBox = calculate && calculate->isChecked();
    for (const DataPage* dataPage : dataPages_) {
        if (const std::optional<GridCell> cell = dataPage->EditingCell()) {
            view.EditingCell = cell;
        }
    }
    const RefreshResult derived = RefreshDerivedValues(project_, view);

    binder_->WriteControls();

    const UnitWords units = UnitWordsFor(project_.UnitSystem);
    {
        const QSignalBlocker blocker(units_);
        units_->setCurrentIndex(project_.UnitSystem >= 0 && project_.UnitSystem < units_->count()
                                    ? project_.UnitSystem
                                    : -1);
    }
    ApplyUnitCaptions(this, units);
    testType_->SetItemIndex(project_.IsHydrantTest ? 1 : 0);
    RebuildTabList();
    ShowPanelOf(CurrentPage());

    RefreshContext context{project_,
                           units,
                           view.SupplyTest,
                           CurrentPumpTest(),
                           derived.LargeOutlet,
                           project_.SupplyCalcFlow[view.SupplyTest]};
    context.PumpTable = derived.PumpTable ? &*derived.PumpTable : nullptr;
    for (DataPage* dataPage : dataPages_) {
        dataPage->ApplyRules(context);
    }
    comments_->LoadCommentsMemo();
    UpdateGraphTitle();
    UpdateTabCaptions();
    if (numberMarks_) {
        numberMarks_->UpdateAll();
    }
}

void MainWindow::UpdateTabCaptions() {
    if (destroying_) {
        return;
    }
    QTabBar* commentTabs = comments_->Tabs();
    for (int test = 1; test <= kTestCount; ++test) {
        const QString date =
            (project_.IsHydrantTest ? project_.SupplyTestDate[test] : project_.PumpTestDate[test])
                .trimmed();
        const QString caption = !date.isEmpty()          ? date
                                : project_.IsHydrantTest ? window_texts::HydrantTestTab(test)
                                                         : window_texts::PumpTestTab(test);
        if (project_.IsHydrantTest) {
            if (supplyTabs_ && test - 1 < supplyTabs_->count()) {
                supplyTabs_->setTabText(test - 1, caption);
            }
        } else if (test + 1 < tabs_->count()) {
            tabs_->setTabText(test + 1, caption);
        }
        commentTabs->setTabText(test - 1, caption);
    }
}

void MainWindow::UpdateGraphTitle() {
    if (project_.TitleFromFileName) {
        project_.GraphTitleText = GraphTitleFromFileName(project_.ProjectFileName);
        if (auto* title = findChild<QLineEdit*>(QStringLiteral("GraphTitle"))) {
            const QSignalBlocker blocker(title);
            title->setText(project_.GraphTitleText);
        }
    }
}

void MainWindow::UpdateWindowCaption() {
    setWindowTitle(kProductLabel + kVersionLabel + QStringLiteral(" [") + project_.ProjectFileName +
                   QStringLiteral("]"));
}

void MainWindow::TabControl1Change() {
    if (destroying_) {
        return;
    }
    RefreshScreen();
    WriteRecoveryCopy(project_, programFolder_, prompter_);
    errorPrompt_.ErrorPromptShown = false;
    AskAboutDataErrorsBeforeDrawing();
    if (CurrentPage() == page::Report) {
        report_->PaintBox()->setFocus(); // the keys turn and scroll the pages at once
    }
}

void MainWindow::AskAboutDataErrorsBeforeDrawing() {
    // The question about data errors is asked once per visit of the Graph or Report tab. Asked
    // here, before the page paints, it never opens a dialog in the middle of a paint.
    const int shown = CurrentPage();
    if (shown == page::Graph || shown == page::Report) {
        CheckBeforeDrawing(project_, prompter_, errorPrompt_, loading_);
    }
}

void MainWindow::HydrantTestClick(int item) {
    project_.IsHydrantTest = item == 1;
    project_.FlowScaleIndex = item == 1 ? 1 : 0;
    RefreshScreen();
}

void MainWindow::Units1Change(int index) {
    project_.UnitSystem = index;
    RefreshScreen();
}

void MainWindow::AfterEntry(AfterEdit then) {
    if (destroying_) {
        return;
    }
    switch (then) {
    case AfterEdit::Refresh:
        RefreshScreen();
        break;
    case AfterEdit::TabCaptions:
        UpdateTabCaptions();
        break;
    case AfterEdit::Nothing:
        break;
    }
}

void MainWindow::ResetViewTabs() {
    const QSignalBlocker commentBlocker(comments_->Tabs());
    comments_->Tabs()->setCurrentIndex(0);
    if (supplyTabs_) {
        const QSignalBlocker supplyBlocker(supplyTabs_);
        supplyTabs_->setCurrentIndex(0);
    }
    const QSignalBlocker tabBlocker(tabs_);
    tabs_->setCurrentIndex(0);
}

void MainWindow::BeginLoading(const QString&) {
    ResetViewTabs();
    UpdateWindowCaption();
    errorPrompt_ = PromptFlags();
    loading_ = true;
}

void MainWindow::EndLoading() {
    loading_ = false;
}

void MainWindow::SelectMainTab(int index) {
    RebuildTabList();
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(std::clamp(index, 0, tabs_->count() - 1));
    const QSignalBlocker commentBlocker(comments_->Tabs());
    comments_->Tabs()->setCurrentIndex(0);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstPaintDone_) {
        FirstPaint();
    }
}

} // namespace quenra
