#include "app/DatePicker.h"
#include "app/MainWindow.h"
#include "app/QtPrompter.h"
#include "app/QtShell.h"
#include "cli/BatchCommands.h"
#include "cli/StderrPrompter.h"
#include "files/ProgramFolder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

namespace {

QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

int RunBatch(int argc, char* argv[]) {
    const QStringList arguments = ArgumentsOf(argc, argv);
    quenra::StderrPrompter prompter;
    if (quenra::BatchCommandPaints(arguments)) {
        // Pages are painted without a window: the offscreen platform needs no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("Quenra"));
        return quenra::RunBatchCommand(arguments, prompter);
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quenra"));
    return quenra::RunBatchCommand(arguments, prompter);
}

int RunWindow(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quenra"));
    // Ties the window to the installed desktop entry: its icon and name in the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("quenra"));
    const QStringList arguments = ArgumentsOf(argc, argv);

    quenra::QtPrompter prompter;
    quenra::QtShell shell;
    quenra::MainWindow window(prompter, shell, quenra::ProgramFolder(), arguments.value(0));
    quenra::DatePicker datePicker(&window);
    prompter.SetParent(&window);
    prompter.SetDatePicker(&datePicker);
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    const QStringList arguments = ArgumentsOf(argc, argv);
    if (!arguments.isEmpty() && arguments.first().startsWith(QStringLiteral("--"))) {
        return RunBatch(argc, argv);
    }
    return RunWindow(argc, argv);
}
