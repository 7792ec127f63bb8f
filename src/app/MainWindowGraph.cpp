// The main window's graph and output commands: the Graph tab's page, Capture and Print.
#include "AvailableFlowSettings.h"
#include "GraphPaintBox.h"
#include "MainWindow.h"
#include "PdfCommands.h"
#include "PrinterTestPages.h"
#include "ReportView.h"
#include "WindowTexts.h"
#include "hydraulics/RecordRefresh.h"
#include "platform/Prompter.h"

#include <QAction>
#include <QCheckBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace quenra {

namespace {

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

std::optional<GraphRendering> MainWindow::RenderGraph(GraphTarget target, QSize printerPage,
                                                      const QString& pdfImageFolder) {
    GraphRenderContext context;
    context.ScreenBox = graphBox_->size();
    context.PrinterPage = printerPage;
    context.ProgramFolder = programFolder_;
    context.PdfImageFolder = pdfImageFolder;
    context.TestTypeText =
        project_.IsHydrantTest ? window_texts::kHydrantTab : window_texts::kFirePumpTab;
    context.Request.LoadingProject = loading_;
    const auto* useTestDate = findChild<QCheckBox*>(QStringLiteral("UseTestDate"));
    context.Request.UseTestDate = useTestDate == nullptr || useTestDate->isChecked();
    context.Request.AvailableFlow = ReadAvailableFlowOption();
    return graphRenderer_.Render(target, project_, prompter_, errorPrompt_, context);
}

void MainWindow::CaptureCommand() {
    if (CurrentPage() == MainPage::Graph) {
        RenderGraph(GraphTarget::Capture);
        graphBox_->update();
        return;
    }
    if (CurrentPage() == MainPage::Report) {
        report_->Capture();
        return;
    }
    GraphOrReportCommand();
}

void MainWindow::PrintCommand() {
    if (CurrentPage() == MainPage::Graph) {
        PrintGraph();
        graphBox_->update();
        return;
    }
    if (CurrentPage() == MainPage::Report) {
        PrintReport();
        return;
    }
    GraphOrReportCommand();
}

void MainWindow::PrintReport() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(window_texts::kPrintJobTitle);
    printer.setPageOrientation(QPageLayout::Portrait);
    const bool accepted = printDialog_ ? printDialog_(printer) : RunPrintDialog(printer, this);
    if (!accepted) {
        return;
    }
    printer.setDocName(window_texts::kPrintJobTitle);
    report_->Print(printer);
}

void MainWindow::PrintGraph() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(window_texts::kPrintJobTitle);
    const bool accepted = printDialog_ ? printDialog_(printer) : RunPrintDialog(printer, this);
    if (!accepted) {
        return;
    }
    printer.setDocName(window_texts::kPrintJobTitle);
    const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const std::optional<GraphRendering> rendering = RenderGraph(GraphTarget::Printer, page);
    if (!rendering) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        prompter_.Inform(window_texts::kPrinterFailed);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(rendering->Size.Placement, rendering->Graph);
    painter.end();
}

void MainWindow::PrintTestPage(int kind) {
    QPrinter printer(QPrinter::HighResolution);
    const bool accepted = printDialog_ ? printDialog_(printer) : RunPrintDialog(printer, this);
    if (!accepted) {
        return;
    }
    printer.setDocName(window_texts::kPrintJobTitle + QLatin1Char(' ') + QString::number(kind));
    const bool printed =
        kind == 1 ? PrintNoiseAtPrinterWidth(printer) : PrintStretchedNoise(printer);
    if (!printed) {
        prompter_.Inform(window_texts::kPrinterFailed);
    }
}

void MainWindow::ConnectPdfCommands() {
    PdfWindowHooks hooks;
    hooks.CurrentPage = [this] { return CurrentPage(); };
    hooks.WriteGraphImages = [this](const QString& folder) -> std::optional<PdfPageImages> {
        const std::optional<GraphRendering> rendering =
            RenderGraph(GraphTarget::Pdf, QSize(), folder);
        if (!rendering || rendering->WrittenFile.isEmpty()) {
            return std::nullopt;
        }
        return PdfPageImages{{rendering->WrittenFile}, rendering->PageImageSide};
    };
    hooks.WriteReportImages = [this](const QString& folder) {
        return report_->WritePdfImages(folder);
    };
    hooks.RepaintScreen = [this] {
        graphBox_->update();
        report_->PaintBox()->update();
    };
    pdf_ = new PdfCommands(project_, prompter_, shell_, programFolder_, this, std::move(hooks));
    const auto action = [this](const char* name) {
        return findChild<QAction*>(QLatin1String(name));
    };
    connect(action("PDFSave1"), &QAction::triggered, pdf_, &PdfCommands::PdfSave);
    connect(action("PDF1"), &QAction::triggered, pdf_, &PdfCommands::PdfSaveAs);
    connect(action("DefaultFile1"), &QAction::triggered, pdf_, &PdfCommands::DefaultFile);
    connect(action("OverwriteOldPDF1"), &QAction::triggered, pdf_, &PdfCommands::OverwriteCurrent);
    connect(action("AppendtocurrentPDF1"), &QAction::triggered, pdf_,
            &PdfCommands::AppendToCurrent);
    connect(pdf_, &PdfCommands::CurrentPdfFileChanged, this, [action](const QString& path) {
        action("OverwriteOldPDF1")->setEnabled(!path.isEmpty());
        action("AppendtocurrentPDF1")->setEnabled(!path.isEmpty());
    });
}

} // namespace quenra
