#pragma once

#include "output/ReportRenderer.h"

#include <QByteArray>
#include <QWidget>

#include <optional>

class QCheckBox;
class QPrinter;
class QScrollBar;

namespace quenra {

class Prompter;
class RadioGroup;
struct ProjectData;
struct PromptFlags;

// The report paint box: paints the report's pages in the chosen view. Composed pages are kept
// and shown again until the record, the view or its size changes, so exposing the window
// never composes anew.
class ReportPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit ReportPaintBox(QWidget* parent = nullptr);

    // The pages to paint, with the view mode they were made for; nothing clears the box.
    void SetRun(const std::optional<ReportRun>& run, ReportMode mode);
    void SetScroll(QScrollBar* vertical, QScrollBar* horizontal);

signals:
    void PaintWanted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<ReportRun> run_;
    ReportMode mode_ = ReportMode::AllPages;
    QScrollBar* vertical_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
};

// The Report tab: the view buttons, "Multipage", the paint box with its scroll bars, and the
// runs of the report for the screen, the printer, captures and PDF page images.
class ReportView : public QWidget {
    Q_OBJECT
public:
    ReportView(ProjectData& project, Prompter& prompter, PromptFlags& flags, QString programFolder,
               QWidget* parent = nullptr);

    ReportPaintBox* PaintBox() const { return box_; }
    ReportMode Mode() const { return mode_; }
    int Page() const { return page_; }
    int PageCount() const { return pageCount_; }
    // How many runs composed pages (the cache's misses), for the window's tests.
    int ComposedRuns() const { return composedRuns_; }

    // Capture on the Report tab: every page as the next free "Quenra" capture.
    void Capture();
    // Print on the Report tab onto a printer the print dialog set up.
    void Print(QPrinter& printer);
    // The page images of a PDF file in the PDF run's folder.
    std::optional<PdfPageImages> WritePdfImages(const QString& imageFolder);

    // Composes the report's first page and shows nothing: a check that the report can be made.
    void ComposeFirstPage();

    // How long a run goes before its progress box shows (tests show it at once).
    void SetProgressDelayMs(int ms) { progressDelayMs_ = ms; }

    // Brings the paint box up to date: chooses the layout, then composes the pages the view
    // shows unless they are already at hand.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetMode(ReportMode mode, bool pageWidth);
    bool KeyPressed(int key);
    bool Wheeled(const QPoint& notches);
    void GoToPage(int page);
    void ScrollBy(QScrollBar* bar, int steps);
    void StepPage(int step);
    void Scrolled(int action);
    void UpdateScrollBars(const ReportRun& run);
    std::optional<ReportRun> RunOutput(ReportMode mode, const ReportViewOptions& extra,
                                       const QString& pdfImageFolder = QString());
    ReportViewOptions Options(ReportMode mode) const;
    QByteArray CacheKey() const;
    // Runs the data check with its question first; the verdicts then ask nothing.
    DemandVerdictSource Verdicts();

    ProjectData& project_;
    Prompter& prompter_;
    PromptFlags& flags_;
    QString programFolder_;
    ReportRenderer renderer_;

    ReportPaintBox* box_ = nullptr;
    QWidget* verticalPanel_ = nullptr;
    QWidget* horizontalPanel_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    QCheckBox* multipage_ = nullptr;
    RadioGroup* hydrantPerPage_ = nullptr;

    ReportMode mode_ = ReportMode::AllPages;
    bool pageWidth_ = false;
    int page_ = 1;
    int pageCount_ = 0;
    QByteArray cachedKey_;
    int composedRuns_ = 0;
    bool checking_ = false; // the data check before a run is asking its question
    int progressDelayMs_ = 500;
};

} // namespace quenra
