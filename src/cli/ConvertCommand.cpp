#include "ConvertCommand.h"

#include "files/ClientInfoImport.h"
#include "files/FileMessages.h"
#include "files/HeadlessProjectView.h"
#include "files/OpenProject.h"
#include "files/ProjectFileWriter.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "platform/Prompter.h"

#include <QFileInfo>

namespace quenra {

namespace {

// What the first paint of a new window does with the file named on its command line.
ReadOutcome OpenAtStart(ProjectData& project, const QString& path, Prompter& prompter,
                        HeadlessProjectView& view) {
    ResetToDefaults(project);
    if (QFileInfo(path).suffix().toLower() == QStringLiteral("ini")) {
        return ImportClientInfoFile(project, path, prompter) ? ReadOutcome::Complete
                                                             : ReadOutcome::Unreadable;
    }
    return OpenProject(project, path, prompter, view);
}

} // namespace

int ConvertProject(const QString& input, const QString& output, Prompter& prompter) {
    if (!QFileInfo(input).isFile()) {
        prompter.Inform(file_messages::FileNotFound(input));
        return 1;
    }
    ProjectData project;
    HeadlessProjectView view(project);
    const ReadOutcome outcome = OpenAtStart(project, input, prompter, view);
    if (outcome == ReadOutcome::Unreadable) {
        return 1;
    }
    view.Refresh();
    if (!WriteProjectFileQuietly(project, output, prompter)) {
        return 1;
    }
    return outcome == ReadOutcome::Complete ? 0 : 1;
}

} // namespace quenra
