#include "app/PdfCommands.h"

#include "app/AboutPage.h"
#include "app/PdfCommandsTexts.h"
#include "app/WindowTexts.h"
#include "hydraulics/RecordRefresh.h"
#include "model/ProjectData.h"
#include "output/PdfFileChoice.h"
#include "output/PdfFilePreparation.h"
#include "output/PdfMessages.h"
#include "output/PdfRunFolder.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QProgressDialog>
#include <QWidget>

#include <algorithm>

namespace quenra {

namespace {

// Where the pop-up menu opens, from the window's top left corner.
const QPoint kPopupOffset(130, 90);

// The progress dialog shows only for a conversion that takes a noticeable time.
constexpr int kProgressDelayMs = 500;

void ExecAtPosition(QMenu& menu, const QPoint& position) {
    menu.exec(position);
}

// The name a PDF is written under: a chosen name that ends in ".pdf", in any case, is kept as
// chosen ("Plant.PDF" and "Plant.pdf" are two files where cases count); any other gets ".pdf".
QString WithPdfExtension(const QString& chosen) {
    if (chosen.endsWith(pdf_command_texts::kDefaultExtension, Qt::CaseInsensitive)) {
        return chosen;
    }
    return chosen + pdf_command_texts::kDefaultExtension;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

PdfCommands::PdfCommands(ProjectData& project, Prompter& prompter, Shell& shell,
                         QString programFolder, QWidget* window, PdfWindowHooks hooks)
    : QObject(window), project_(project), prompter_(prompter), shell_(shell),
      programFolder_(std::move(programFolder)), window_(window), hooks_(std::move(hooks)),
      chooser_(ExecAtPosition) {
    BuildPopupMenu();
}

void PdfCommands::BuildPopupMenu() {
    popup_ = new QMenu(window_);
    popup_->setObjectName(QStringLiteral("PopupMenuPDF"));
    connect(AddItem(popup_, "OverwriteFile1", pdf_command_texts::kOverwriteFile),
            &QAction::triggered, this, &PdfCommands::OverwriteFile);
    connect(AddItem(popup_, "InsertinFile1", pdf_command_texts::kInsertInFile), &QAction::triggered,
            this, &PdfCommands::InsertInFile);
    connect(AddItem(popup_, "AppendtoFile1", pdf_command_texts::kAppendToFile), &QAction::triggered,
            this, &PdfCommands::AppendToFile);
    AddItem(popup_, "Cancel1", pdf_command_texts::kCancel); // closes the menu, nothing more
}

QPoint PdfCommands::PopupPosition() const {
    if (window_ == nullptr) {
        return kPopupOffset;
    }
    return window_->window()->frameGeometry().topLeft() + kPopupOffset;
}

bool PdfCommands::OnOutputTab() {
    const int page = hooks_.CurrentPage ? hooks_.CurrentPage() : MainPage::About;
    if (page == MainPage::Graph || page == MainPage::Report) {
        return true;
    }
    prompter_.Inform(window_texts::kSelectGraphOrReport);
    return false;
}

void PdfCommands::SetCurrentPdfFile(const QString& path) {
    if (path == currentPdfFile_) {
        return;
    }
    currentPdfFile_ = path;
    emit CurrentPdfFileChanged(currentPdfFile_);
}

void PdfCommands::ChooseForExistingFile() {
    chooser_(*popup_, PopupPosition());
}

void PdfCommands::PdfSaveAs() {
    if (!OnOutputTab()) {
        return;
    }
    const QString suggested =
        DefaultPdfFile(currentPdfFile_, project_.ProjectFileName, programFolder_);
    const std::optional<QString> chosen =
        prompter_.SaveFileName(pdf_command_texts::kSaveFilter, suggested);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    const QString path = WithPdfExtension(*chosen);
    SetCurrentPdfFile(path);
    if (QFile::exists(path)) {
        ChooseForExistingFile();
        return;
    }
    mode_ = PdfMode::Overwrite;
    StartPdfOutput();
}

void PdfCommands::PdfSave() {
    if (!OnOutputTab()) {
        return;
    }
    const QString path = DefaultPdfFile(currentPdfFile_, project_.ProjectFileName, programFolder_);
    SetCurrentPdfFile(path);
    if (QFile::exists(path)) {
        ChooseForExistingFile();
        return;
    }
    prompter_.Inform(pdf_command_texts::Saving(path));
    mode_ = PdfMode::Overwrite;
    StartPdfOutput();
}

void PdfCommands::DefaultFile() {
    mode_ = PdfMode::New;
    StartPdfOutput();
}

void PdfCommands::Overwrite() {
    const PdfPreparation prepared = PrepareOverwrite(currentPdfFile_);
    if (!prepared.Ready) {
        prompter_.Inform(prepared.Message);
        return;
    }
    mode_ = PdfMode::Overwrite;
    StartPdfOutput();
}

void PdfCommands::AddPages(PdfMode mode) {
    const PdfPreparation prepared = PrepareAppend(currentPdfFile_);
    if (!prepared.Ready) {
        prompter_.Inform(prepared.Message);
        return;
    }
    mode_ = mode;
    StartPdfOutput();
}

void PdfCommands::OverwriteCurrent() {
    Overwrite();
}

void PdfCommands::AppendToCurrent() {
    AddPages(PdfMode::Append);
}

void PdfCommands::OverwriteFile() {
    Overwrite();
}

void PdfCommands::InsertInFile() {
    AddPages(PdfMode::Insert);
}

void PdfCommands::AppendToFile() {
    AddPages(PdfMode::Append);
}

std::optional<PdfPageImages> PdfCommands::WritePageImages(int page, const QString& imageFolder) {
    const auto& write =
        page == MainPage::Graph ? hooks_.WriteGraphImages : hooks_.WriteReportImages;
    return write ? write(imageFolder) : std::nullopt;
}

ConverterResult PdfCommands::Convert(const PdfPageImages& images, const PdfRunFolder& run) {
    ConverterRequest request;
    request.Mode = mode_;
    request.CurrentPdfFile = currentPdfFile_;
    request.ProjectFileName = project_.ProjectFileName;
    request.ProgramFolder = programFolder_;
    request.UseRunFolder(run);
    request.PageImageHeight = images.PageImageHeight;
    request.PageCount = static_cast<int>(images.Files.size());
    request.Description = kProductLabel + kVersionLabel;

    QProgressDialog progress(pdf_command_texts::kProgressText, pdf_command_texts::kProgressCancel,
                             0, 1, window_);
    progress.setObjectName(QStringLiteral("PdfProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    const ConverterResult result = converter_.Run(request, [&progress](int elapsedMs, int limitMs) {
        progress.setMaximum(limitMs);
        progress.setValue(std::min(elapsedMs, limitMs));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.reset();
    return result;
}

void PdfCommands::StartPdfOutput() {
    if (converting_) {
        return; // a command that arrives while the converter runs
    }
    if (!OnOutputTab()) {
        return;
    }
    std::optional<ConverterResult> result;
    {
        // This run's pages and log, apart from those of any other window or batch job; gone
        // when the run ends, however it ends.
        const PdfRunFolder run(programFolder_);
        if (!run.Ready()) {
            prompter_.Inform(pdf_messages::CannotMakeRunFolder(run.Attempted()));
            return;
        }
        converting_ = true;
        const std::optional<PdfPageImages> images =
            WritePageImages(hooks_.CurrentPage(), run.ImageFolder());
        if (images && !images->Files.isEmpty()) {
            result = Convert(*images, run);
        }
        if (hooks_.RepaintScreen) {
            hooks_.RepaintScreen();
        }
        converting_ = false;
    }
    if (!result) {
        return; // nothing to convert; the page says why
    }
    if (!result->Completed()) {
        prompter_.Inform(result->Message);
        return;
    }
    SetCurrentPdfFile(result->OutputFile);
    shell_.OpenDocument(result->OutputFile);
}

} // namespace quenra
