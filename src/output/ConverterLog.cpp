#include "output/ConverterLog.h"

#include <QFile>
#include <QStringList>

namespace quenra {

namespace {

const QString kCompletionWord = QStringLiteral("TickCount");
const QString kFailedPrefix = QStringLiteral("Failed");
const QString kErrorPrefix = QStringLiteral("Error: ");

} // namespace

ConverterLogState ReadConverterLog(const QString& path) {
    ConverterLogState state;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return state;
    }
    state.Exists = true;
    QStringList errors;
    QString failedLine;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.contains(kCompletionWord)) {
            state.Completed = true;
        } else if (line.startsWith(kFailedPrefix)) {
            state.Failed = true;
            failedLine = line;
        } else if (line.startsWith(kErrorPrefix)) {
            errors << line.mid(kErrorPrefix.size());
        }
    }
    if (state.Failed) {
        state.Reason = errors.isEmpty() ? failedLine : errors.join(QStringLiteral("; "));
    }
    return state;
}

} // namespace quenra
