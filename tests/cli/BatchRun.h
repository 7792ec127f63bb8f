#pragma once

#include "cli/BatchCommands.h"
#include "files/ProjectFileWriter.h"
#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>

namespace quenra::test {

// One run of the batch command line: its exit status, what it printed on stdout and what it
// would have shown in message boxes (questions included).
struct BatchRun {
    int Status = 0;
    QString Out;
    ScriptedPrompter Prompter;
};

inline BatchRun RunBatch(const QStringList& arguments) {
    BatchRun run;
    std::FILE* out = std::tmpfile();
    run.Status = RunBatchCommand(arguments, run.Prompter, out);
    std::rewind(out);
    QByteArray bytes;
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, out)) > 0)
        bytes.append(buffer, static_cast<qsizetype>(read));
    std::fclose(out);
    run.Out = QString::fromUtf8(bytes);
    return run;
}

inline QString Example(const char* name) {
    return QStringLiteral(QUENRA_EXAMPLES_DIR "/") + QLatin1String(name);
}

// Projects saved by the project writer into a temporary folder, opened by the commands as
// inspectors' files are.
class FixtureFolder {
public:
    QString Save(const ProjectData& project, const QString& name) {
        const QString path = dir_.filePath(name);
        SaveFileBytes(path, SerializeProject(project));
        return path;
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// A reading row typed on the pump test page: flow, discharge and suction pressure; the
// opening refresh computes the net pressure.
inline void TypeReading(ProjectData& p, int test, int row, const char* flow, const char* discharge,
                        const char* suction) {
    p.PumpReadings[test][row][14] = QString::fromLatin1(flow);
    p.PumpReadings[test][row][10] = QString::fromLatin1(discharge);
    p.PumpReadings[test][row][11] = QString::fromLatin1(suction);
}

} // namespace quenra::test
