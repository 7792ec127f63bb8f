#include "PdfCommand.h"

#include "BatchOpening.h"
#include "files/ProgramFolder.h"
#include "model/ProjectData.h"
#include "output/ConverterRun.h"
#include "output/PdfFilePreparation.h"
#include "output/PdfMessages.h"
#include "output/PdfRunFolder.h"
#include "output/ReportRenderer.h"
#include "platform/Prompter.h"

#include <QFileInfo>

namespace quenra {

namespace {

const QString kNoTestsSelected = QStringLiteral("No Tests Selected");

} // namespace

int WritePdf(const QString& path, const QString& output, Prompter& prompter) {
    ProjectData project;
    if (!OpenForBatch(project, path, prompter)) {
        return 1;
    }
    const QString target = QFileInfo(output).absoluteFilePath();
    const PdfPreparation preparation = PrepareOverwrite(target);
    if (!preparation.Ready) {
        prompter.Inform(preparation.Message);
        return 1;
    }
    const QString programFolder = ProgramFolder();
    // Pages and log of this run alone: other runs of this installation may work beside it.
    const PdfRunFolder run(programFolder);
    if (!run.Ready()) {
        prompter.Inform(pdf_messages::CannotMakeRunFolder(run.Attempted()));
        return 1;
    }
    const std::optional<PdfPageImages> images =
        WriteReportPdfImages(project, run.ImageFolder(), prompter);
    if (!images) {
        const ReportOutputLists lists =
            MakeReportOutputLists(project, QDateTime::currentDateTime());
        if ((project.IsHydrantTest ? lists.HydrantTests : lists.PumpTests).isEmpty()) {
            prompter.Inform(kNoTestsSelected);
        }
        return 1;
    }
    ConverterRequest request;
    request.Mode = PdfMode::Overwrite;
    request.CurrentPdfFile = target;
    request.ProjectFileName = project.ProjectFileName;
    request.ProgramFolder = programFolder;
    request.UseRunFolder(run);
    request.PageImageHeight = images->PageImageHeight;
    request.PageCount = static_cast<int>(images->Files.size());
    const ConverterResult result = ConverterRun().Run(request);
    if (!result.Completed()) {
        prompter.Inform(result.Message);
        return 1;
    }
    return 0;
}

} // namespace quenra
