#include "ReportCommand.h"

#include "BatchOpening.h"
#include "model/ProjectData.h"
#include "output/ReportRenderer.h"
#include "platform/Prompter.h"

namespace quenra {

namespace {

const QString kNoTestsSelected = QStringLiteral("No Tests Selected");

} // namespace

int WriteReport(const QString& path, const QString& outputBase, Prompter& prompter,
                std::FILE* out) {
    ProjectData project;
    if (!OpenForBatch(project, path, prompter)) {
        return 1;
    }
    const ReportOutputLists lists = MakeReportOutputLists(project, QDateTime::currentDateTime());
    if ((project.IsHydrantTest ? lists.HydrantTests : lists.PumpTests).isEmpty()) {
        prompter.Inform(kNoTestsSelected);
        return 1;
    }
    const std::optional<QStringList> written = WriteReportPages(project, outputBase, prompter);
    if (!written) {
        return 1;
    }
    for (const QString& name : *written) {
        std::fprintf(out, "%s\n", name.toLocal8Bit().constData());
    }
    std::fflush(out);
    return 0;
}

} // namespace quenra
