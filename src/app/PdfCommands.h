#pragma once

#include "output/ConverterRun.h"
#include "output/PdfMode.h"
#include "output/PdfPageImages.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

class QMenu;
class QWidget;

namespace quenra {

class PdfRunFolder;
class Prompter;
class Shell;
struct ProjectData;

// What the PDF commands need of the main window.
struct PdfWindowHooks {
    std::function<int()> CurrentPage; // the selected tab as a page number
    // Write the page images of the Graph or the Report tab into the run's image folder; nothing
    // when there is nothing to write (no test selected, a rendering already running).
    std::function<std::optional<PdfPageImages>(const QString& imageFolder)> WriteGraphImages;
    std::function<std::optional<PdfPageImages>(const QString& imageFolder)> WriteReportImages;
    std::function<void()> RepaintScreen;
};

// Lets the inspector pick one item of the pop-up menu shown at a screen position; the item's
// action is triggered (or none, when the menu is dismissed).
using PdfPopupChooser = std::function<void(QMenu& menu, const QPoint& position)>;

// The PDF menu: chooses the output file and how it is treated (new, overwrite, append,
// insert), checks an existing file, has the Graph or Report tab write its page images and
// runs the converter with a progress dialog, then opens the finished PDF.
class PdfCommands : public QObject {
    Q_OBJECT

public:
    PdfCommands(ProjectData& project, Prompter& prompter, Shell& shell, QString programFolder,
                QWidget* window, PdfWindowHooks hooks);

    // The PDF chosen or written last; empty until then.
    const QString& CurrentPdfFile() const { return currentPdfFile_; }
    PdfMode Mode() const { return mode_; }

    // The pop-up menu PopupMenuPDF (a child of the window).
    QMenu* PopupMenu() const { return popup_; }

    void SetPopupChooser(PdfPopupChooser chooser) { chooser_ = std::move(chooser); }
    void SetConverter(ConverterRun converter) { converter_ = std::move(converter); }

    // Where the pop-up menu opens: the window's left + 130, top + 90 on the screen.
    QPoint PopupPosition() const;

public slots:
    void PdfSaveAs();        // "PDF Save As..."
    void PdfSave();          // "PDF Save"
    void DefaultFile();      // "Default PDF File"
    void OverwriteCurrent(); // "Overwrite current  PDF"
    void AppendToCurrent();  // "Append to current PDF"
    void OverwriteFile();    // pop-up "Overwrite File"
    void InsertInFile();     // pop-up "Insert in File"
    void AppendToFile();     // pop-up "Append to File"
    void StartPdfOutput();

signals:
    // The current PDF file changed: the window enables "Overwrite current  PDF" and "Append
    // to current PDF" when there is one.
    void CurrentPdfFileChanged(const QString& path);

private:
    bool OnOutputTab();
    void SetCurrentPdfFile(const QString& path);
    void ChooseForExistingFile();
    void Overwrite();
    void AddPages(PdfMode mode);
    void BuildPopupMenu();
    std::optional<PdfPageImages> WritePageImages(int page, const QString& imageFolder);
    ConverterResult Convert(const PdfPageImages& images, const PdfRunFolder& run);

    ProjectData& project_;
    Prompter& prompter_;
    Shell& shell_;
    QString programFolder_;
    QWidget* window_;
    PdfWindowHooks hooks_;
    QString currentPdfFile_;
    PdfMode mode_ = PdfMode::Overwrite;
    QMenu* popup_ = nullptr;
    PdfPopupChooser chooser_;
    ConverterRun converter_;
    bool converting_ = false;
};

} // namespace quenra
