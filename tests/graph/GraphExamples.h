#pragma once

#include "files/ProjectFileReader.h"
#include "graph/GraphPage.h"
#include "hydraulics/DataErrorPrompt.h"
#include "hydraulics/GraphPreparation.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "support/ScriptedPrompter.h"

#include <QImage>

namespace quenra::test {

// An example project as the window opens it.
inline ProjectData LoadExample(const QString& fileName) {
    ProjectData project;
    ResetToDefaults(project);
    ScriptedPrompter prompter;
    ReadProjectFile(project, QStringLiteral(QUENRA_EXAMPLES_DIR "/") + fileName, prompter);
    return project;
}

// The preparation of a graph with its dates read the US way and a fixed present, so that the
// order of the tests does not depend on the machine.
inline PreparedGraph PrepareExampleGraph(ProjectData& project, int requestedTest = 0) {
    ScriptedPrompter prompter;
    PromptFlags flags;
    GraphRequest request;
    request.RequestedTest = requestedTest;
    request.Locale = QLocale(QLocale::English, QLocale::UnitedStates);
    request.Now = QDateTime(QDate(2026, 12, 1), QTime(12, 0));
    return PrepareGraph(project, CheckBeforeDrawing(project, prompter, flags), request);
}

struct DrawnGraph {
    QImage Image;
    GraphPageLayout Layout;
};

inline DrawnGraph DrawPrepared(const ProjectData& project, const PreparedGraph& prepared,
                               QSize size, int requestedTest = 0) {
    DrawnGraph drawn;
    drawn.Image = QImage(size, QImage::Format_RGB32);
    drawn.Layout = DrawGraphPage(drawn.Image, project, prepared, QImage(), requestedTest);
    return drawn;
}

} // namespace quenra::test
