#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

namespace quenra {

// File > Recent Projects: the last projects opened or saved, newest first, kept in the user's
// settings so that they outlive the run. A project whose file is gone stays in the list,
// greyed out, until newer ones push it off.
class RecentProjects : public QObject {
    Q_OBJECT
public:
    static constexpr int kLimit = 8;

    // Fills `menu` (owned by the caller) with the entries; they are checked against the disk
    // each time the menu opens.
    RecentProjects(QMenu* menu, QObject* parent = nullptr);

    // Puts `path` at the top of the list (once), keeping at most kLimit entries.
    void Add(const QString& path);
    QStringList Files() const;
    // The folder of the newest entry when it still exists, else empty: where File > Open
    // starts.
    QString LastFolder() const;

    // Rewrites the menu's entries from the settings and the disk.
    void UpdateMenu();

signals:
    void OpenRequested(const QString& path);

private:
    void Store(const QStringList& files);

    QMenu* menu_;
};

} // namespace quenra
