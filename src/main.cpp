#include "cli/BatchCommands.h"
#include "cli/StderrPrompter.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quenra"));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    quenra::StderrPrompter prompter;
    if (!arguments.isEmpty() && arguments.first().startsWith(QStringLiteral("--"))) {
        return quenra::RunBatchCommand(arguments, prompter);
    }
    // The window is not part of this build yet: say how to use the batch commands.
    return quenra::RunBatchCommand({}, prompter) == 2 ? 0 : 1;
}
