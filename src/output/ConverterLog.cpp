#include "output/ConverterLog.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace quenra {

namespace {

const QString kCompletionWord = QStringLiteral("TickCount");
const QString kFailedPrefix = QStringLiteral("Failed");
const QString kErrorPrefix = QStringLiteral("Error: ");

// "TickCount 42 ms: 3 page(s) added, 5 page(s) in [path]"
const QRegularExpression& CompletionCounts() {
    static const QRegularExpression counts(
        QStringLiteral(R"(^TickCount \d+ ms: (\d+) page\(s\) added, \d+ page\(s\) in )"));
    return counts;
}

std::optional<int> Count(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

ConverterLogState ReadConverterLog(const QString& path) {
    ConverterLogState state;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return state;
    }
    state.Exists = true;
    QStringList errors;
    QString lastLine;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty()) {
            continue;
        }
        lastLine = line;
        if (line.startsWith(kErrorPrefix)) {
            errors << line.mid(kErrorPrefix.size());
        }
    }
    if (lastLine.startsWith(kCompletionWord)) {
        state.Completed = true;
        const QRegularExpressionMatch counts = CompletionCounts().match(lastLine);
        if (counts.hasMatch()) {
            state.AddedPages = Count(counts.captured(1));
        }
    } else if (lastLine.startsWith(kFailedPrefix)) {
        state.Failed = true;
        state.Reason = errors.isEmpty() ? lastLine : errors.join(QStringLiteral("; "));
    }
    return state;
}

} // namespace quenra
