#include "ReportView.h"

#include "PageBuilding.h"
#include "RadioGroup.h"
#include "files/ProjectFileWriter.h"
#include "graph/ArialFont.h"
#include "hydraulics/DataErrorPrompt.h"
#include "model/ProjectData.h"
#include "output/GraphRenderer.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

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

void ReportPaintBox::SetRun(const std::optional<ReportRun>& run, int mode) {
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
    if (mode_ == report_mode::Zoomed) {
        QRect source(QPoint(0, 0), size());
        const int ox = ScrollOffset(first.width(), width(), horizontal_);
        const int oy = ScrollOffset(first.height(), height(), vertical_);
        source.moveTo(std::max(ox, 0), std::max(oy, 0));
        painter.drawImage(QPoint(0, 0), first, source);
    } else if (mode_ == report_mode::OnePage) {
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

    connect(box_, &ReportPaintBox::PaintWanted, this, &ReportView::Refresh);
    connect(zoom, &QPushButton::clicked, this, [this] { SetMode(report_mode::Zoomed, false); });
    connect(pageWidth, &QPushButton::clicked, this, [this] { SetMode(report_mode::Zoomed, true); });
    connect(onePage, &QPushButton::clicked, this,
            [this] { SetMode(report_mode::OnePage, pageWidth_); });
    connect(allPages, &QPushButton::clicked, this,
            [this] { SetMode(report_mode::AllPages, pageWidth_); });
    connect(next, &QPushButton::clicked, this, [this] { StepPage(1); });
    connect(previous, &QPushButton::clicked, this, [this] { StepPage(-1); });
    connect(vertical_, &QScrollBar::actionTriggered, this, &ReportView::Scrolled);
    connect(horizontal_, &QScrollBar::actionTriggered, this, &ReportView::Scrolled);
}

void ReportView::SetMode(int mode, bool pageWidth) {
    mode_ = mode;
    pageWidth_ = pageWidth;
    // The scroll bars belong to the zoomed view only; shown or hidden here, before the paint,
    // so that the paint box keeps its size while it paints.
    const bool zoomed = mode_ == report_mode::Zoomed;
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

void ReportView::Scrolled(int action) {
    // Dragging the thumb only shows where it goes; the page follows when it is let go.
    if (action == QAbstractSlider::SliderMove || action == QAbstractSlider::SliderToMinimum ||
        action == QAbstractSlider::SliderToMaximum || action == QAbstractSlider::SliderNoAction) {
        return;
    }
    SetMode(report_mode::Zoomed, pageWidth_);
}

DemandVerdictSource ReportView::Verdicts() {
    return PreparedGraphVerdicts(project_, prompter_, flags_);
}

ReportViewOptions ReportView::Options(int mode) const {
    ReportViewOptions options;
    options.Mode = mode;
    options.PageWidth = pageWidth_;
    options.Page = page_;
    options.Multipage = multipage_->isChecked();
    options.HydrantTestsPerPage = std::max(hydrantPerPage_->ItemIndex(), 0) + 1;
    options.View = box_->size();
    return options;
}

QByteArray ReportView::CacheKey() const {
    QByteArray key = SerializeProject(project_);
    key += QByteArray::number(mode_) + ' ' + QByteArray::number(pageWidth_) + ' ' +
           QByteArray::number(page_) + ' ' + QByteArray::number(box_->width()) + ' ' +
           QByteArray::number(box_->height());
    return key;
}

void ReportView::Refresh() {
    if (renderer_.Busy()) {
        return;
    }
    const QByteArray key = CacheKey();
    if (key == cachedKey_) {
        return;
    }
    const DemandVerdictSource verdicts = Verdicts();
    const ReportLayoutChoice choice =
        ChooseReportLayout(renderer_, project_, verdicts, box_->size(), prompter_);
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

std::optional<ReportRun> ReportView::RunOutput(int mode, const ReportViewOptions& extra,
                                               const QString& pdfImageFolder) {
    Refresh(); // the layout the screen shows is the one written
    ReportViewOptions options = Options(mode);
    options.PrintPage = extra.PrintPage;
    QProgressDialog progress(QStringLiteral("Preparing the report pages..."),
                             QStringLiteral("Cancel"), 0, 1, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    options.Progress = [&progress](int done, int count) {
        progress.setMaximum(count);
        progress.setValue(done);
        return !progress.wasCanceled();
    };
    ReportPlaces places;
    places.PdfImageFolder = pdfImageFolder;
    places.CaptureFolder = CaptureFolder(project_, programFolder_);
    std::optional<ReportRun> run = renderer_.Run(project_, Verdicts(), options, places, prompter_);
    progress.reset();
    box_->update();
    return run;
}

void ReportView::Capture() {
    RunOutput(report_mode::Capture, ReportViewOptions());
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
    RunOutput(report_mode::Print, extra);
    if (started) {
        painter.end();
    }
}

std::optional<PdfPageImages> ReportView::WritePdfImages(const QString& imageFolder) {
    const std::optional<ReportRun> run =
        RunOutput(report_mode::PdfImages, ReportViewOptions(), imageFolder);
    if (!run || run->Failed || run->NoTests || run->WrittenFiles.isEmpty()) {
        return std::nullopt;
    }
    return PdfPageImages{run->WrittenFiles, run->PageImageHeight};
}

void ReportView::ComposeFirstPage() {
    ReportViewOptions options = Options(report_mode::Print);
    bool first = true;
    options.Progress = [&first](int, int) {
        const bool go = first;
        first = false;
        return go;
    };
    renderer_.Run(project_, Verdicts(), options, ReportPlaces(), prompter_);
}

} // namespace quenra
