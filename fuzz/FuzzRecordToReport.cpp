// Any record the readers can produce must save and open again byte for byte, and go through
// everything a rendering does with it — the data check, the curve rebuild, the graph page and
// a report page — without a crash, undefined behaviour or a hang. The first byte chooses the
// reader (project file, ".ned" import or client-information import); the rest is the file.
// Pages are drawn small so that each input costs little; the application, the fonts, the logo
// and the page images are made once, before the first input. A record met again (most
// mutations change only what the readers pass over) is not drawn a second time.
#include "files/ClientInfoImport.h"
#include "files/HeadlessProjectView.h"
#include "files/NedImport.h"
#include "files/ProjectFileReader.h"
#include "files/ProjectFileWriter.h"
#include "files/Windows1252.h"
#include "graph/GraphPage.h"
#include "graph/ReportLogo.h"
#include "hydraulics/DataErrorPrompt.h"
#include "hydraulics/GraphPreparation.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "output/ReportPaging.h"
#include "platform/Prompter.h"
#include "report/DemandVerdictSource.h"
#include "report/ReportComposer.h"
#include "report/ReportPageList.h"

#include "RecentRecords.h"

#include <QByteArray>
#include <QDateTime>
#include <QGuiApplication>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Small pages: every drawing step runs, few pixels are filled.
constexpr int kGraphWidth = 160;
constexpr int kGraphHeight = 110;
constexpr int kPageWidth = 170;
constexpr int kPageHeight = 220;
constexpr double kPageScale = 0.25;

class SilentPrompter : public quenra::Prompter {
public:
    // Yes: the data check's messages are produced as well, and go nowhere.
    void Inform(const QString&) override {}
    Answer Ask(const QString&, Choices) override { return Answer::Yes; }
};

enum class Reader { Project, Ned, ClientInfo };

void Read(quenra::ProjectData& project, Reader reader, const QByteArray& bytes,
          quenra::Prompter& prompter) {
    quenra::ResetToDefaults(project);
    switch (reader) {
    case Reader::Project:
        quenra::ReadProjectBytes(project, bytes, prompter);
        break;
    case Reader::Ned:
        quenra::ImportNedText(project, quenra::DecodeWindows1252(bytes));
        break;
    case Reader::ClientInfo:
        quenra::ImportClientInfoText(project, quenra::DecodeWindows1252(bytes));
        break;
    }
    quenra::HeadlessProjectView(project).Refresh();
}

// Every file the writer produces opens again, completely and to the same bytes.
void CheckOpensAgain(const QByteArray& saved, quenra::Prompter& prompter) {
    quenra::ProjectData again;
    if (quenra::ReadProjectBytes(again, saved, prompter) != quenra::ReadOutcome::Complete ||
        quenra::SerializeProject(again) != saved) {
        std::abort();
    }
}

// Records remembered at most: a few thousand cover the neighbourhood of the inputs being
// mutated at any time, in well under the memory limit.
constexpr qsizetype kRememberedRecords = 4096;

struct Shared {
    QImage Logo = quenra::MakeReportLogo().scaled(kGraphWidth / 4, kGraphHeight / 4);
    QImage Graph{kGraphWidth, kGraphHeight, QImage::Format_RGB32};
    QImage Page{kPageWidth, kPageHeight, QImage::Format_RGB32};
    // A fixed moment and locale: undated tests and dates read the same on every run.
    QDateTime Now{QDate(2024, 6, 1), QTime(12, 0), Qt::UTC};
    quenra::fuzz::RecentRecords Records{kRememberedRecords};
};

Shared& TheShared() {
    static Shared shared;
    return shared;
}

// Everything a rendering does with a record once it has been read.
void DrawPages(quenra::ProjectData& project, quenra::Prompter& prompter) {
    Shared& shared = TheShared();
    quenra::PromptFlags flags;
    quenra::GraphRequest request;
    request.Now = shared.Now;
    request.Locale = QLocale::c();
    const quenra::CheckResult check = quenra::CheckBeforeDrawing(project, prompter, flags);
    const quenra::PreparedGraph graph = quenra::PrepareGraph(project, check, request);
    quenra::DrawGraphPage(shared.Graph, project, graph, shared.Logo);

    // The first page the report would show, composed as the report run composes it.
    const quenra::ReportOutputLists lists =
        quenra::MakeReportOutputLists(project, shared.Now, QLocale::c());
    const QList<quenra::ReportPageRequest> pages =
        project.IsHydrantTest ? quenra::HydrantReportPages(lists.HydrantTests, 1)
                              : quenra::PumpReportPages(lists.PumpTests, true);
    if (pages.isEmpty()) {
        return;
    }
    quenra::ReportComposer composer(project, quenra::PreparedGraphVerdicts(project, check, request),
                                    shared.Logo);
    composer.ComposeReportPage(pages.first(), quenra::ReportPageFrame{kPageScale, 0, 0},
                               shared.Page);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    // The font database, the fonts at the graph's sizes and the logo are loaded here, outside
    // the timing of the first input.
    SilentPrompter prompter;
    quenra::ProjectData project;
    quenra::ResetToDefaults(project);
    DrawPages(project, prompter);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const auto reader = static_cast<Reader>(data[0] % 3);
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1),
                                                     static_cast<qsizetype>(size - 1));
    SilentPrompter prompter;
    quenra::ProjectData project;
    Read(project, reader, bytes, prompter);
    const QByteArray saved = quenra::SerializeProject(project);
    if (TheShared().Records.MetBefore(saved, project)) {
        return 0;
    }
    CheckOpensAgain(saved, prompter);
    DrawPages(project, prompter);
    return 0;
}
