#include "output/PdfRunFolder.h"

#include "output/PdfFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>

namespace quenra {

namespace {

// Runs of one process are numbered; a folder left by an earlier process of the same number
// (one that was killed) is passed over.
std::atomic<int> runNumber{0};
constexpr int kMostAttempts = 1000;

QString RunName(int number) {
    return QStringLiteral("run-%1-%2")
        .arg(QString::number(QCoreApplication::applicationPid()), QString::number(number));
}

// A run lasts minutes at most (its waits are bounded); the folder or log of one that is a day
// old was left by a process that was killed or lost its power, and nothing else removes it.
constexpr qint64 kLeftBehindAfterSeconds = 24 * 60 * 60;

void RemoveLeftBehindRuns(const QDir& pdfFolder) {
    const QDateTime dayAgo = QDateTime::currentDateTimeUtc().addSecs(-kLeftBehindAfterSeconds);
    const QFileInfoList entries = pdfFolder.entryInfoList(
        {QStringLiteral("run-*")}, QDir::Dirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.lastModified().toUTC() >= dayAgo) {
            continue;
        }
        if (entry.isDir() && !entry.isSymLink()) {
            QDir(entry.filePath()).removeRecursively();
        } else if (entry.fileName().endsWith(QStringLiteral(".log"))) {
            QFile::remove(entry.filePath());
        }
    }
}

} // namespace

PdfRunFolder::PdfRunFolder(const QString& programFolder) {
    const QDir pdfFolder(PdfImageFolder(programFolder));
    attempted_ = pdfFolder.filePath(RunName(runNumber.load()));
    if (!QDir().mkpath(pdfFolder.path())) {
        return;
    }
    RemoveLeftBehindRuns(pdfFolder);
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        const QString name = RunName(++runNumber);
        const QString folder = pdfFolder.filePath(name);
        const QString log = folder + QStringLiteral(".log");
        attempted_ = folder;
        if (QFileInfo::exists(log) || QFileInfo(log).isSymLink()) {
            continue;
        }
        // mkdir fails when the folder exists: the one made here belongs to this run alone.
        if (!pdfFolder.mkdir(name)) {
            if (QFileInfo::exists(folder)) {
                continue;
            }
            return;
        }
        imageFolder_ = folder;
        logFile_ = log;
        started_ = QFileInfo(folder).lastModified();
        return;
    }
}

PdfRunFolder::~PdfRunFolder() {
    if (!Ready()) {
        return;
    }
    QDir(imageFolder_).removeRecursively();
    QFile::remove(logFile_);
}

} // namespace quenra
