#pragma once

#include "FieldBinding.h"
#include "UnsavedChanges.h"
#include "files/ProjectView.h"
#include "hydraulics/DataErrorPrompt.h"
#include "model/ProjectData.h"
#include "output/GraphRenderer.h"

#include <QImage>
#include <QList>
#include <QMainWindow>

#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPrinter;
class QTabBar;

namespace quenra {

class AboutPage;
class ClientPanel;
class CommentsPage;
class DataPage;
class FieldBinder;
class GraphPaintBox;
class FirePumpPage;
class HydrantPage;
class ManualWindow;
class NumberMarks;
class PdfCommands;
class PumpTestPage;
class ReportView;
class Prompter;
class RadioGroup;
class RecentProjects;
class SetupPage;
class Shell;
struct OpenedFile;

// The one window of the program. It owns the project record for the life of the process, shows
// one page at a time through its tab strip, copies every edit into the record at once and
// writes the record back into the controls with RefreshScreen.
class MainWindow : public QMainWindow, public ProjectView {
    Q_OBJECT
public:
    // `programFolder` holds the recovery copies and the "PDF" scratch folder; `startFile` is
    // the file named on the command line (opened at the first paint when it exists).
    MainWindow(Prompter& prompter, Shell& shell, QString programFolder, QString startFile,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    ProjectData& Project() { return project_; }
    const QImage& Logo() const { return logo_; }

    // The page shown: -1 About, 0 fire pump data, 1 fire hydrant data, 2 comments, 3..7 pump
    // tests 1..5, 8 graph, 9 report, 10 setup. The tab lists of the two test kinds differ.
    int CurrentPage() const;
    // The pump test whose page is shown, else 1.
    int CurrentPumpTest() const;
    // The supply test whose tab is shown, 1..5.
    int SupplyTestShown() const;

    // Shows the record: panels, every control, derived values, captions and tab names.
    void RefreshScreen();
    void UpdateTabCaptions();
    void UpdateGraphTitle();
    void UpdateWindowCaption();

    // File menu and the other commands, as the menus run them.
    void NewPumpTest();
    void NewHydrantTest();
    void OpenCommand();
    // Opens a named file as File > Open does after its dialog: a project or legacy project,
    // or a client-information file (".ini") into a new fire pump test, as at start. Recent
    // projects and dropped files come here too. Asks MayReplaceProject first.
    void OpenNamedFile(const QString& path);
    bool SaveCommand();
    bool SaveAsCommand();
    void RecoverLastFileCommand();

    // Asked before anything replaces the record (a new project, an open by any road, a
    // recovery): when the record changed since it was last opened, started or saved, "Save
    // changes to [name]?". Yes saves as Save does; returns whether the record may be replaced
    // (No, or Yes and the save succeeded).
    bool MayReplaceProject();
    // Whether the record differs from what was last opened, started or saved.
    bool HasUnsavedChanges() const { return unsaved_.Changed(project_); }
    void ShowAbout();
    void CloseAbout();
    void ShowTutorial();
    RecentProjects* Recent() const { return recent_; }
    // The built-in manual's window once Help > Tutorial has shown it, else null.
    ManualWindow* Manual() const { return manual_; }

    // The first paint's work: a new project, then the file named on the command line.
    void FirstPaint();

    // ProjectView: what opening a project asks of the window.
    void BeginLoading(const QString& path) override;
    void EndLoading() override;
    void SelectMainTab(int index) override;
    void Refresh() override { RefreshScreen(); }
    void NewProjectStarted() override;

    bool Loading() const { return loading_; }
    // The flags of the question asked before the graph or report is drawn.
    PromptFlags& ErrorPrompt() { return errorPrompt_; }
    // File > Error Check: every problem of the data, or "No errors found".
    void ErrorCheck();

    // Renders the graph page for a target (GraphTarget) as the Graph tab shows it: its paint
    // box's size, "Use Test Date Instead of Number", after the data check and its question.
    // Nothing while a rendering is running. Writes nothing: its caller does.
    std::optional<GraphRendering> RenderGraph(GraphTarget target, QSize printerPage = QSize());
    GraphPaintBox* GraphBox() const { return graphBox_; }
    ReportView* Report() const { return report_; }
    PdfCommands* Pdf() const { return pdf_; }

    // Capture and Print act on the Graph or Report tab.
    void CaptureCommand();
    void PrintCommand();

    // The print dialog: sets up the printer and returns false when cancelled. Tests replace it
    // to print into a PDF file without a dialog.
    using PrintDialogRunner = std::function<bool(QPrinter&)>;
    void SetPrintDialog(PrintDialogRunner runner) { printDialog_ = std::move(runner); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateFolders();
    void OpenWithinScreen();
    void BuildPages();
    void BuildMenus();
    QAction* AddAction(QMenu* menu, const QString& name, const QString& caption);
    void BindEntries();
    void ConnectDateButtons();
    void WatchNumberBoxes();

    // The main tab or the supply test tab shown changed ("TabControl1", "TabControl2").
    void ShownTabChanged();
    void AfterEntry(AfterEdit then);
    void GraphOrReportCommand();
    void ResetViewTabs();
    void PrintGraph();
    void CaptureGraph();
    void ConnectPdfCommands();
    void PrintReport();
    void PrintTestPage(int kind);
    void AskAboutDataErrorsBeforeDrawing();
    void StartNewProject(bool hydrantTest);
    OpenedFile OpenFileNow(const QString& path);

    void ShowPanelOf(int page);
    void RebuildTabList();
    void SetFirstPageControlsVisible(bool visible);
    void SetMenusVisible(bool visible);
    int IndexOfScope(FieldScope scope) const;

    Prompter& prompter_;
    Shell& shell_;
    QString programFolder_;
    QString startFile_;
    ProjectData project_;
    QImage logo_;

    QTabBar* tabs_ = nullptr;
    QTabBar* supplyTabs_ = nullptr;
    RadioGroup* testType_ = nullptr;
    QComboBox* units_ = nullptr;
    QLabel* note_ = nullptr;
    QWidget* firstPageColumn_ = nullptr;
    QList<QWidget*> firstPageControls_; // stand on the tab strip; shown on the first tab only
    CommentsPage* comments_ = nullptr;
    ClientPanel* client_ = nullptr;
    FirePumpPage* firePump_ = nullptr;
    HydrantPage* hydrant_ = nullptr;
    PumpTestPage* pumpTest_ = nullptr;
    SetupPage* setup_ = nullptr;
    AboutPage* about_ = nullptr;
    QList<DataPage*> dataPages_;
    QList<QWidget*> panels_; // indexed by page + 1 (About is page -1)
    FieldBinder* binder_ = nullptr;
    NumberMarks* numberMarks_ = nullptr;
    QList<QMenu*> hideableMenus_;
    QAction* captureAction_ = nullptr;
    // The PDF menu's commands, connected once the PDF commands exist.
    struct PdfMenu {
        QAction* DefaultFile = nullptr;
        QAction* Save = nullptr;
        QAction* SaveAs = nullptr;
        QAction* Overwrite = nullptr;
        QAction* Append = nullptr;
    } pdfMenu_;

    bool firstPaintDone_ = false;
    bool aboutShown_ = false;
    bool loading_ = false;
    bool destroying_ = false;
    UnsavedChanges unsaved_;
    // The last open stopped before the end of the file: its name is kept, but only a deliberate
    // Save As may replace that file.
    bool openStoppedEarly_ = false;
    PromptFlags errorPrompt_;
    GraphRenderer graphRenderer_;
    bool renderingGraph_ = false; // the check and rendering of a graph page are running
    GraphPaintBox* graphBox_ = nullptr;
    ReportView* report_ = nullptr;
    PdfCommands* pdf_ = nullptr;
    PrintDialogRunner printDialog_;
    RecentProjects* recent_ = nullptr;
    ManualWindow* manual_ = nullptr;
};

} // namespace quenra
