#include "ReportView.h"

#include "AvailableFlowSettings.h"
#include "PageBuilding.h"
#include "ProgressClosingPrompter.h"
#include "RadioGroup.h"
#include "files/ProjectFileWriter.h"
#include "graph/ArialFont.h"
#include "hydraulics/DataErrorPrompt.h"
#include "model/ProjectData.h"
#include "output/BusyScope.h"
#include "output/GraphFiles.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>
#include <utility>

namespace quenra {

namespace {

const QString kNoTestsSelected = QStringLiteral("No Tests Selected");
const QColor kViewBackground(192, 192, 192);
const QColor kNoTestsColour(255, 0, 0);
constexpr double kNoTestsPoints = 24;
constexpr int kPageGap = 10;
constexpr int kScrollUnits = 1001;
constexpr int kHydrantChoices = 5;
constexpr int kStepsPerNotch = 2; // scroll bar steps per notch of the mouse wheel

// Where the view's window starts in a page larger than the view, for a scroll bar.
int ScrollOffset(int pageSide, int viewSide, const QScrollBar* bar) {
    const int travel = std::max(bar->maximum(), 1);
    return static_cast<int>(
        std::nearbyint(static_cast<double>(pageSide - viewSide) * bar->value() / travel));
}

QPushButton* ViewButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(caption);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

ReportPaintBox::ReportPaintBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PB2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ReportPaintBox::SetRun(const std::optional<ReportRun>& run, ReportMode mode) {
    run_ = run;
    mode_ = mode;
}

void ReportPaintBox::SetScroll(QScrollBar* vertical, QScrollBar* horizontal) {
    vertical_ = vertical;
    horizontal_ = horizontal;
}

void ReportPaintBox::paintEvent(QPaintEvent*) {
    emit PaintWanted();
    QPainter painter(this);
    painter.fillRect(rect(), kViewBackground);
    if (!run_) {
        return;
    }
    if (run_->NoTests) {
        painter.setFont(ArialFont(PointsToCharacterHeight(kNoTestsPoints)));
        painter.setPen(kNoTestsColour);
        painter.drawText(rect(), Qt::AlignCenter, kNoTestsSelected);
        return;
    }
    if (run_->Pages.isEmpty()) {
        return;
    }
    const QImage& first = run_->Pages.first();
    if (mode_ == ReportMode::Zoomed) {
        QRect source(QPoint(0, 0), size());
        const int ox = ScrollOffset(first.width(), width(), horizontal_);
        const int oy = ScrollOffset(first.height(), height(), vertical_);
        source.moveTo(std::max(ox, 0), std::max(oy, 0));
        painter.drawImage(QPoint(0, 0), first, source);
    } else if (mode_ == ReportMode::OnePage) {
        painter.drawImage(run_->Display.Origin, first);
    } else {
        for (qsizetype k = 0; k < run_->Pages.size(); ++k) {
            const int x = static_cast<int>(k) * (run_->Display.Page.width() + kPageGap) +
                          run_->Display.Origin.x();
            painter.drawImage(QPoint(x, run_->Display.Origin.y()), run_->Pages[k]);
        }
    }
}

ReportView::ReportView(ProjectData& project, Prompter& prompter, PromptFlags& flags,
                       QString programFolder, QWidget* parent)
    : QWidget(parent), project_(project), prompter_(prompter), flags_(flags),
      programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("ReportPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto* buttons = new QHBoxLayout;
    auto* zoom = ViewButton(QStringLiteral("BitBtn5"), QStringLiteral("Maximum Zoom"), this);
    auto* pageWidth = ViewButton(QStringLiteral("BitBtn7"), QStringLiteral("Page Width"), this);
    auto* onePage = ViewButton(QStringLiteral("BitBtn1"), QStringLiteral("One Page"), this);
    auto* allPages = ViewButton(QStringLiteral("BitBtn6"), QStringLiteral("All Pages"), this);
    auto* next = ViewButton(QStringLiteral("BitBtn3"), QStringLiteral("Next Page"), this);
    auto* previous = ViewButton(QStringLiteral("BitBtn2"), QStringLiteral("Previous Page"), this);
    multipage_ = MakeCheck(QStringLiteral("mp"), QStringLiteral("Multipage"), this);
    QStringList perPage;
    for (int k = 1; k <= kHydrantChoices; ++k) {
        perPage << QString::number(k);
    }
    hydrantPerPage_ = new RadioGroup(QStringLiteral("Hydrant"), QString(), perPage, this);
    hydrantPerPage_->setVisible(false);
    for (QWidget* widget : {static_cast<QWidget*>(zoom), static_cast<QWidget*>(pageWidth),
                            static_cast<QWidget*>(onePage), static_cast<QWidget*>(allPages),
                            static_cast<QWidget*>(previous), static_cast<QWidget*>(next),
                            static_cast<QWidget*>(multipage_)}) {
        buttons->addWidget(widget);
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    auto* area = new QGridLayout;
    area->setSpacing(0);
    box_ = new ReportPaintBox(this);
    verticalPanel_ = new QWidget(this);
    verticalPanel_->setObjectName(QStringLiteral("Panel7"));
    vertical_ = new QScrollBar(Qt::Vertical, verticalPanel_);
    vertical_->setObjectName(QStringLiteral("ScrollBar1"));
    auto* verticalLayout = new QVBoxLayout(verticalPanel_);
    verticalLayout->setContentsMargins(0, 0, 0, 0);
    verticalLayout->addWidget(vertical_);
    horizontalPanel_ = new QWidget(this);
    horizontalPanel_->setObjectName(QStringLiteral("Panel6"));
    horizontal_ = new QScrollBar(Qt::Horizontal, horizontalPanel_);
    horizontal_->setObjectName(QStringLiteral("ScrollBar2"));
    auto* horizontalLayout = new QVBoxLayout(horizontalPanel_);
    horizontalLayout->setContentsMargins(0, 0, 0, 0);
    horizontalLayout->addWidget(horizontal_);
    area->addWidget(box_, 0, 0);
    area->addWidget(verticalPanel_, 0, 1);
    area->addWidget(horizontalPanel_, 1, 0);
    area->setRowStretch(0, 1);
    area->setColumnStretch(0, 1);
    box_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    verticalPanel_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    horizontalPanel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addLayout(area, 1);
    box_->SetScroll(vertical_, horizontal_);
    verticalPanel_->setVisible(false);
    horizontalPanel_->setVisible(false);

    // Clicked, or shown with its tab, the view takes the keys that scroll and turn its pages.
    box_->setFocusPolicy(Qt::WheelFocus);
    box_->installEventFilter(this);
    connect(box_, &ReportPaintBox::PaintWanted, this, &ReportView::Refresh);
    connect(zoom, &QPushButton::clicked, this, [this] { SetMode(ReportMode::Zoomed, false); });
    connect(pageWidth, &QPushButton::clicked, this, [this] { SetMode(ReportMode::Zoomed, true); });
    connect(onePage, &QPushButton::clicked, this,
            [this] { SetMode(ReportMode::OnePage, pageWidth_); });
    connect(allPages, &QPushButton::clicked, this,
            [this] { SetMode(ReportMode::AllPages, pageWidth_); });
    connect(next, &QPushButton::clicked, this, [this] { StepPage(1); });
    connect(previous, &QPushButton::clicked, this, [this] { StepPage(-1); });
    connect(vertical_, &QScrollBar::actionTriggered, this, &ReportView::Scrolled);
    connect(horizontal_, &QScrollBar::actionTriggered, this, &ReportView::Scrolled);
}

void ReportView::SetMode(ReportMode mode, bool pageWidth) {
    mode_ = mode;
    pageWidth_ = pageWidth;
    // The scroll bars belong to the zoomed view only; shown or hidden here, before the paint,
    // so that the paint box keeps its size while it paints.
    const bool zoomed = mode_ == ReportMode::Zoomed;
    verticalPanel_->setVisible(zoomed);
    horizontalPanel_->setVisible(zoomed);
    box_->update();
}

void ReportView::StepPage(int step) {
    const int wanted = page_ + step;
    if (wanted >= 1 && wanted <= pageCount_) {
        page_ = wanted;
    }
    box_->update();
}

bool ReportView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_) {
        if (event->type() == QEvent::KeyPress) {
            return KeyPressed(static_cast<QKeyEvent*>(event)->key());
        }
        if (event->type() == QEvent::Wheel) {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            QPoint notches = wheel->angleDelta() / QWheelEvent::DefaultDeltasPerStep;
            if (wheel->modifiers() & Qt::ShiftModifier) {
                notches = QPoint(notches.y(), notches.x()); // Shift turns the wheel sideways
            }
            return Wheeled(notches);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Page Up and Down, Home and End turn the pages of the one-page and zoomed views; the arrow
// keys scroll the zoomed page.
bool ReportView::KeyPressed(int key) {
    const bool zoomed = mode_ == ReportMode::Zoomed;
    if (!zoomed && mode_ != ReportMode::OnePage) {
        return false;
    }
    switch (key) {
    case Qt::Key_PageDown:
        GoToPage(page_ + 1);
        return true;
    case Qt::Key_PageUp:
        GoToPage(page_ - 1);
        return true;
    case Qt::Key_Home:
        GoToPage(1);
        return true;
    case Qt::Key_End:
        GoToPage(pageCount_);
        return true;
    default:
        break;
    }
    if (!zoomed) {
        return false;
    }
    switch (key) {
    case Qt::Key_Down:
        ScrollBy(vertical_, 1);
        return true;
    case Qt::Key_Up:
        ScrollBy(vertical_, -1);
        return true;
    case Qt::Key_Right:
        ScrollBy(horizontal_, 1);
        return true;
    case Qt::Key_Left:
        ScrollBy(horizontal_, -1);
        return true;
    default:
        return false;
    }
}

// The wheel scrolls the zoomed page and turns the pages of the one-page view.
bool ReportView::Wheeled(const QPoint& notches) {
    if (mode_ == ReportMode::Zoomed) {
        ScrollBy(vertical_, -notches.y() * kStepsPerNotch);
        ScrollBy(horizontal_, -notches.x() * kStepsPerNotch);
        return true;
    }
    if (mode_ == ReportMode::OnePage && notches.y() != 0) {
        GoToPage(page_ - notches.y());
        return true;
    }
    return false;
}

void ReportView::GoToPage(int page) {
    const int wanted = std::clamp(page, 1, std::max(pageCount_, 1));
    if (wanted == page_) {
        return;
    }
    StepPage(wanted - page_);
    // A new page is shown from its top.
    vertical_->setValue(vertical_->minimum());
}

void ReportView::ScrollBy(QScrollBar* bar, int steps) {
    const auto action =
        steps > 0 ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub;
    for (int step = 0; step < std::abs(steps); ++step) {
        bar->triggerAction(action);
    }
}

void ReportView::Scrolled(int action) {
    // Dragging the thumb only shows where it goes; the page follows when it is let go.
    if (action == QAbstractSlider::SliderMove || action == QAbstractSlider::SliderToMinimum ||
        action == QAbstractSlider::SliderToMaximum || action == QAbstractSlider::SliderNoAction) {
        return;
    }
    SetMode(ReportMode::Zoomed, pageWidth_);
}

DemandVerdictSource ReportView::Verdicts() {
    const BusyScope checking(checking_);
    return PreparedGraphVerdicts(project_, CheckBeforeReport(project_, prompter_, flags_));
}

ReportViewOptions ReportView::Options(ReportMode mode) const {
    ReportViewOptions options;
    options.Mode = mode;
    options.PageWidth = pageWidth_;
    options.Page = page_;
    options.Multipage = multipage_->isChecked();
    options.HydrantTestsPerPage = std::max(hydrantPerPage_->ItemIndex(), 0) + 1;
    options.View = box_->size();
    options.AvailableFlow = ReadAvailableFlowOption();
    return options;
}

QByteArray ReportView::CacheKey() const {
    QByteArray key = SerializeProject(project_);
    key += QByteArray::number(static_cast<int>(mode_)) + ' ' + QByteArray::number(pageWidth_) +
           ' ' + QByteArray::number(page_) + ' ' + QByteArray::number(box_->width()) + ' ' +
           QByteArray::number(box_->height());
    // The available flow lines come and go with the user's settings, not with the project.
    const AvailableFlowOption availableFlow = ReadAvailableFlowOption();
    key += ' ' + QByteArray::number(availableFlow.Show) + ' ' +
           QByteArray::number(availableFlow.RatingPressurePsi, 'g', 17);
    return key;
}

void ReportView::Refresh() {
    // A repaint while the check's question or a run is on the way draws nothing new.
    if (renderer_.Busy() || checking_) {
        return;
    }
    const QByteArray key = CacheKey();
    if (key == cachedKey_) {
        return;
    }
    const DemandVerdictSource verdicts = Verdicts();
    const ReportLayoutChoice choice = ChooseReportLayout(
        renderer_, project_, verdicts, box_->size(), prompter_, ReadAvailableFlowOption());
    hydrantPerPage_->SetItemIndex(choice.HydrantTestsPerPage - 1);
    multipage_->setChecked(choice.Multipage);
    const std::optional<ReportRun> run =
        renderer_.Run(project_, verdicts, Options(mode_), ReportPlaces(), prompter_);
    if (!run) {
        return;
    }
    ++composedRuns_;
    pageCount_ = run->PageCount;
    page_ = std::clamp(page_, 1, std::max(pageCount_, 1));
    UpdateScrollBars(*run);
    box_->SetRun(run, mode_);
    cachedKey_ = CacheKey();
}

void ReportView::UpdateScrollBars(const ReportRun& run) {
    const auto set = [](QScrollBar* bar, int view, int page) {
        const int pageSize =
            page <= 0
                ? kScrollUnits
                : std::min(kScrollUnits, static_cast<int>(std::nearbyint(static_cast<double>(view) *
                                                                         kScrollUnits / page)));
        const int value = bar->value();
        bar->setPageStep(std::max(pageSize, 1));
        bar->setSingleStep(std::max(pageSize / 10, 1));
        bar->setRange(0, std::max(kScrollUnits - pageSize, 0));
        bar->setValue(value);
    };
    set(vertical_, box_->height(), run.Display.Page.height());
    set(horizontal_, box_->width(), run.Display.Page.width());
}

std::optional<ReportRun> ReportView::RunOutput(ReportMode mode, const ReportViewOptions& extra,
                                               const QString& pdfImageFolder) {
    Refresh(); // the layout the screen shows is the one written
    ReportViewOptions options = Options(mode);
    options.PrintPage = extra.PrintPage;
    QProgressDialog progress(QStringLiteral("Preparing the report pages..."),
                             QStringLiteral("Cancel"), 0, 1, this);
    progress.setObjectName(QStringLiteral("ReportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(progressDelayMs_);
    // Once a message is due the box closes for good: the run is ending or asking something.
    bool progressClosed = false;
    options.Progress = [&progress, &progressClosed](int done, int count) {
        if (!progressClosed) {
            progress.setMaximum(count);
            progress.setValue(done);
        }
        return !progress.wasCanceled();
    };
    ProgressClosingPrompter prompter(prompter_, [&progress, &progressClosed] {
        progressClosed = true;
        progress.reset();
        progress.hide();
    });
    ReportPlaces places;
    places.PdfImageFolder = pdfImageFolder;
    places.CaptureFolder = CaptureFolder(project_, programFolder_);
    std::optional<ReportRun> run = renderer_.Run(project_, Verdicts(), options, places, prompter);
    progress.reset();
    box_->update();
    return run;
}

void ReportView::Capture() {
    RunOutput(ReportMode::Capture, ReportViewOptions());
}

void ReportView::Print(QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    bool started = false;
    ReportViewOptions extra;
    const PageMargins margins = ReadPageMargins(project_);
    extra.PrintPage = [&](const QImage& page, int number, int) {
        if (!started) {
            started = painter.begin(&printer);
            if (!started) {
                return;
            }
        } else if (number > 1) {
            printer.newPage();
        }
        const QRect paper = painter.viewport();
        const QRect target(paper.width() * margins.Left / 100, paper.height() * margins.Top / 100,
                           paper.width() * (100 - margins.Left - margins.Right) / 100,
                           paper.height() * (100 - margins.Top - margins.Bottom) / 100);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(target, page);
    };
    RunOutput(ReportMode::Print, extra);
    if (started) {
        painter.end();
    }
}

std::optional<PdfPageImages> ReportView::WritePdfImages(const QString& imageFolder) {
    const std::optional<ReportRun> run =
        RunOutput(ReportMode::PdfImages, ReportViewOptions(), imageFolder);
    if (!run || run->Failed || run->NoTests || run->WrittenFiles.isEmpty()) {
        return std::nullopt;
    }
    return PdfPageImages{run->WrittenFiles, run->PageImageHeight};
}

void ReportView::ComposeFirstPage() {
    ReportViewOptions options = Options(ReportMode::Print);
    bool first = true;
    options.Progress = [&first](int, int) {
        const bool go = first;
        first = false;
        return go;
    };
    renderer_.Run(project_, Verdicts(), options, ReportPlaces(), prompter_);
}

} // namespace quenra
