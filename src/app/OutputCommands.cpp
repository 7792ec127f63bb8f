// The main window's output commands: the Graph tab's page, Capture, Print and the PDF commands.
#include "AvailableFlowSettings.h"
#include "FirePumpPage.h"
#include "GraphPaintBox.h"
#include "MainWindow.h"
#include "PdfCommands.h"
#include "PrinterTestPages.h"
#include "ReportView.h"
#include "WindowTexts.h"
#include "hydraulics/RecordRefresh.h"
#include "output/BusyScope.h"
#include "output/GraphFiles.h"
#include "platform/Prompter.h"

#include <QAction>
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

std::optional<GraphRendering> MainWindow::RenderGraph(GraphTarget target, QSize printerPage) {
    // A repaint that comes while the check's question is on the screen draws nothing.
    if (renderingGraph_) {
        return std::nullopt;
    }
    const BusyScope busy(renderingGraph_);
    const CheckResult check = CheckBeforeDrawing(project_, prompter_, errorPrompt_, loading_);
    GraphRenderContext context;
    context.ScreenBox = graphBox_->size();
    context.PrinterPage = printerPage;
    context.Request.UseTestDate = firePump_->UsesTestDate();
    context.Request.AvailableFlow = ReadAvailableFlowOption();
    return graphRenderer_.Render(target, project_, check, context);
}

void MainWindow::CaptureGraph() {
    const std::optional<GraphRendering> rendering = RenderGraph(GraphTarget::Capture);
    if (!rendering) {
        return;
    }
    GraphCapturePlace place;
    place.ProgramFolder = programFolder_;
    place.TestTypeText =
        project_.IsHydrantTest ? window_texts::kHydrantTab : window_texts::kFirePumpTab;
    SaveGraphCapture(*rendering, project_, place, prompter_);
}

void MainWindow::CaptureCommand() {
    if (CurrentPage() == MainPage::Graph) {
        CaptureGraph();
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
        const std::optional<GraphRendering> rendering = RenderGraph(GraphTarget::Pdf);
        if (!rendering) {
            return std::nullopt;
        }
        return WriteGraphPdfPage(*rendering, project_, folder, prompter_);
    };
    hooks.WriteReportImages = [this](const QString& folder) {
        return report_->WritePdfImages(folder);
    };
    hooks.RepaintScreen = [this] {
        graphBox_->update();
        report_->PaintBox()->update();
    };
    pdf_ = new PdfCommands(project_, prompter_, shell_, programFolder_, this, std::move(hooks));
    connect(pdfMenu_.Save, &QAction::triggered, pdf_, &PdfCommands::PdfSave);
    connect(pdfMenu_.SaveAs, &QAction::triggered, pdf_, &PdfCommands::PdfSaveAs);
    connect(pdfMenu_.DefaultFile, &QAction::triggered, pdf_, &PdfCommands::DefaultFile);
    connect(pdfMenu_.Overwrite, &QAction::triggered, pdf_, &PdfCommands::OverwriteCurrent);
    connect(pdfMenu_.Append, &QAction::triggered, pdf_, &PdfCommands::AppendToCurrent);
    connect(pdf_, &PdfCommands::CurrentPdfFileChanged, this, [this](const QString& path) {
        pdfMenu_.Overwrite->setEnabled(!path.isEmpty());
        pdfMenu_.Append->setEnabled(!path.isEmpty());
    });
}

} // namespace quenra
