// Opens a project in the real window and saves a PNG of each tab of the main window.
#include "app/MainWindow.h"
#include "app/QtShell.h"
#include "cli/StderrPrompter.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: page-shots PROJECT OUTPUT-FOLDER\n");
        return 2;
    }
    const QString folder = arguments.at(2);
    QDir().mkpath(folder);

    quenra::StderrPrompter prompter;
    quenra::QtShell shell;
    quenra::MainWindow window(prompter, shell, QDir::tempPath(), arguments.at(1));
    window.show();
    QApplication::processEvents();
    // Whether the window opened within the room the screen leaves free.
    const QRect room = window.screen()->availableGeometry();
    std::printf("window %dx%d in a screen room of %dx%d (scale %.2f)\n", window.width(),
                window.height(), room.width(), room.height(), window.devicePixelRatioF());

    auto* tabs = window.findChild<QTabBar*>(QStringLiteral("TabControl1"));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        const QString name = QStringLiteral("%1/tab%2.png").arg(folder).arg(tab);
        window.grab().save(name);
        std::printf("%s\n", qPrintable(name));
    }

    // The Report tab's other views: one page, maximum zoom, page width.
    tabs->setCurrentIndex(tabs->count() - 2);
    for (const char* button : {"BitBtn1", "BitBtn5", "BitBtn7"}) {
        if (auto* view = window.findChild<QPushButton*>(QLatin1String(button))) {
            view->click();
            QApplication::processEvents();
            const QString name =
                QStringLiteral("%1/report-%2.png").arg(folder).arg(QLatin1String(button));
            window.grab().save(name);
            std::printf("%s\n", qPrintable(name));
        }
    }
    return 0;
}
