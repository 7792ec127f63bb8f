#pragma once

#include <QString>

namespace quenra::window_texts {

// Captions, menu items and messages of the main window.

inline const QString kFirePumpTab = QStringLiteral("Fire Pump Test");
inline const QString kHydrantTab = QStringLiteral("Fire Hydrant Test");
inline const QString kCommentsTab = QStringLiteral("Comments");
inline const QString kGraphTab = QStringLiteral("Graph");
inline const QString kReportTab = QStringLiteral("Report");
inline const QString kSetupTab = QStringLiteral("Setup");
inline QString PumpTestTab(int test) {
    return QStringLiteral("Pump Test ") + QString::number(test);
}
inline QString HydrantTestTab(int test) {
    return QStringLiteral("Hydrant Test ") + QString::number(test);
}

inline const QString kTestTypeCaption = QStringLiteral("Test Type");
inline const QString kUnitsCaption = QStringLiteral("Units");
inline const QString kOneFilePerTestNote = QStringLiteral(
    "NOTE: Each Fire Pump or Hydrant Test requires a separate computer file.  Example:  2 fire "
    "pumps next to each other in separate builds = 2 computer files.");

inline const QString kOpenFilter = QStringLiteral("Quenra Files|*.qrx|NED FIles|*.ned");
inline const QString kSaveFilter = QStringLiteral("Quenra Files|*.QRX");
inline const QString kProjectExtension = QStringLiteral(".QRX");
inline const QString kUntitled = QStringLiteral("untitled");

inline const QString kNotANumber = QStringLiteral("Not a number: read as 0");
inline const QString kTypeADate = QStringLiteral("Type a date or a year, then Enter");
inline const QString kNotADate = QStringLiteral("Not a date");
inline const QString kSaveBeforeQuitting = QStringLiteral("Save before quitting?");
inline QString SaveChangesTo(const QString& projectFileName) {
    return QStringLiteral("Save changes to [") + projectFileName + QStringLiteral("]?");
}
inline const QString kSelectGraphOrReport = QStringLiteral("Select the Graph or Report tab first");
inline const QString kPrintJobTitle = QStringLiteral("Quenra");
inline const QString kPrinterFailed =
    QStringLiteral("The printer could not be started. Nothing was printed.");
inline QString CannotCreateFolder(const QString& path) {
    return QStringLiteral("Error T56X:  Cannot create ") + path;
}

// File > Recent Projects: "&1 Plant.qrx [/home/inspector/Projects]".
inline const QString kRecentProjectsMenu = QStringLiteral("Recent Projects");
inline QString RecentProjectEntry(int number, const QString& name, const QString& folder) {
    return QStringLiteral("&%1 %2 [%3]").arg(number).arg(name, folder);
}
inline QString RecentProjectMissing(const QString& path) {
    return QStringLiteral("File [") + path + QStringLiteral("] not found");
}

// The manual that comes with the program, shown by Help > Tutorial when the manual program is
// not in the program's folder.
inline const QString kManualTitle = QStringLiteral("Quenra Manual");
inline const QString kManualSource = QStringLiteral("qrc:/manual/manual.md");

// The manual program in the program's folder, started by Help > Tutorial.
#ifdef Q_OS_WIN
inline const QString kManualProgram = QStringLiteral("Quenra Manual.exe");
#else
inline const QString kManualProgram = QStringLiteral("Quenra Manual");
#endif

} // namespace quenra::window_texts
