#include "RecentProjects.h"

#include "WindowTexts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace quenra {

namespace {

const QString kSettingsKey = QStringLiteral("RecentProjects");

// The user's own settings file (~/.config/Quenra/Quenra.ini); the project file format is
// not touched by anything kept here.
QSettings UserSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quenra"),
                     QStringLiteral("Quenra"));
}

QString Canonical(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

RecentProjects::RecentProjects(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu) {
    connect(menu_, &QMenu::aboutToShow, this, &RecentProjects::UpdateMenu);
    UpdateMenu();
}

QStringList RecentProjects::Files() const {
    QStringList files = UserSettings().value(kSettingsKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kLimit);
}

void RecentProjects::Store(const QStringList& files) {
    QSettings settings = UserSettings();
    settings.setValue(kSettingsKey, files);
    settings.sync();
}

void RecentProjects::Add(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    const QString entry = Canonical(path);
    QStringList files = Files();
    files.removeAll(entry);
    files.prepend(entry);
    Store(files.mid(0, kLimit));
    UpdateMenu();
}

QString RecentProjects::LastFolder() const {
    const QStringList files = Files();
    if (files.isEmpty()) {
        return QString();
    }
    const QString folder = QFileInfo(files.first()).absolutePath();
    return QFileInfo(folder).isDir() ? folder : QString();
}

void RecentProjects::UpdateMenu() {
    menu_->clear();
    const QStringList files = Files();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& path = files.at(i);
        const QFileInfo info(path);
        auto* action = menu_->addAction(
            window_texts::RecentProjectEntry(static_cast<int>(i) + 1, info.fileName(),
                                             QDir::toNativeSeparators(info.absolutePath())));
        action->setObjectName(QStringLiteral("RecentProject%1").arg(i + 1));
        action->setData(path);
        const bool present = info.isFile();
        action->setEnabled(present);
        action->setToolTip(present ? QDir::toNativeSeparators(path)
                                   : window_texts::RecentProjectMissing(path));
        connect(action, &QAction::triggered, this, [this, path] { emit OpenRequested(path); });
    }
    menu_->setEnabled(!files.isEmpty());
}

} // namespace quenra
