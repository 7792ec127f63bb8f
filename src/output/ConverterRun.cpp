#include "output/ConverterRun.h"

#include "output/ConverterCommand.h"
#include "output/ConverterLog.h"
#include "output/PdfFileChoice.h"
#include "output/PdfRunFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <chrono>

namespace quenra {

namespace {

int Seconds(int milliseconds) {
    return (milliseconds + 999) / 1000;
}

// Ends the converter if it still runs. It writes its PDF beside the output and renames it
// over the output only when complete, so stopping it never harms an existing file.
void Stop(QProcess& process, int graceMs) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.kill();
    process.waitForFinished(graceMs);
}

void LetFinish(QProcess& process, int graceMs) {
    if (process.state() != QProcess::NotRunning) {
        process.waitForFinished(graceMs);
    }
    Stop(process, graceMs);
}

QString LastLine(const QByteArray& text) {
    const QStringList lines =
        QString::fromLocal8Bit(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (!line->trimmed().isEmpty()) {
            return line->trimmed();
        }
    }
    return QString();
}

// Why a converter that ended without its completion line failed.
QString EndReason(QProcess& process, const ConverterLogState& log) {
    if (log.Failed) {
        return log.Reason;
    }
    QString reason;
    if (process.exitStatus() == QProcess::CrashExit) {
        reason = pdf_messages::Crashed();
    } else if (process.exitCode() != 0) {
        reason = pdf_messages::ExitedWithStatus(process.exitCode());
    } else {
        reason = pdf_messages::EndedWithoutCompletion();
    }
    const QString said = LastLine(process.readAllStandardError());
    return said.isEmpty() ? reason : reason + QStringLiteral(" (") + said + QStringLiteral(")");
}

// Why a run whose log reports completion is not complete after all, or nothing when it is.
std::optional<QString> WhyNotComplete(const ConverterLogState& log, const QString& output,
                                      const ConverterRequest& request) {
    if (!log.AddedPages) {
        return pdf_messages::NoPageCount();
    }
    const QFileInfo file(output);
    if (!file.isFile()) {
        return pdf_messages::NotThereAfterCompletion();
    }
    if (request.RunStart.isValid() && file.lastModified() < request.RunStart) {
        return pdf_messages::OlderThanRun();
    }
    if (*log.AddedPages != request.PageCount) {
        return pdf_messages::OtherPageCount(*log.AddedPages, request.PageCount);
    }
    return std::nullopt;
}

} // namespace

void ConverterRequest::UseRunFolder(const PdfRunFolder& run) {
    ImageFolder = run.ImageFolder();
    LogFile = run.LogFile();
    RunStart = run.Started();
}

int ConverterLimits::CompletionMs(int pageCount) const {
    return CompletionBaseMs + CompletionPerPageMs * std::max(1, pageCount);
}

ConverterRun::ConverterRun()
    : ConverterRun(ConverterProgramPath(QCoreApplication::applicationDirPath())) {}

ConverterClock SteadyConverterClock() {
    return [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
}

ConverterRun::ConverterRun(QString converterProgram, ConverterLimits limits, ConverterClock clock)
    : program_(std::move(converterProgram)), limits_(limits), clock_(std::move(clock)) {}

ConverterResult ConverterRun::Run(const ConverterRequest& request,
                                  const ConverterProgress& progress) const {
    ConverterResult result;
    result.LogFile = request.LogFile;
    const QString& log = result.LogFile;
    auto finish = [&](ConverterOutcome outcome, const QString& message) {
        result.Outcome = outcome;
        result.Message = message;
        return result;
    };

    if (QFile::exists(log) && !QFile::remove(log)) {
        result.Outcome = ConverterOutcome::LogNotDeletable;
        result.Message = pdf_messages::CannotDeleteLog(log);
        return result;
    }
    if (request.Mode == PdfMode::New) {
        const std::optional<QString> name =
            NewPdfFile(request.ProjectFileName, request.ProgramFolder);
        if (!name) {
            result.Outcome = ConverterOutcome::NoFreeName;
            result.Message = NoFreePdfNameMessage(request.ProjectFileName, request.ProgramFolder);
            return result;
        }
        result.OutputFile = *name;
    } else {
        result.OutputFile = request.CurrentPdfFile;
    }
    if (result.OutputFile.isEmpty()) {
        result.Outcome = ConverterOutcome::NoOutputFile;
        result.Message = pdf_messages::NoOutputFile();
        return result;
    }
    const QString& output = result.OutputFile;

    const ConverterJob job{request.Mode,        request.PageImageHeight, request.ProjectFileName,
                           request.ImageFolder, request.LogFile,         output,
                           request.Description};
    result.ParameterText = ConverterParameterText(job);
    // The converter's last line is read once it has ended, and checked against the file.
    auto completedOrFailed = [&](QProcess& process) {
        LetFinish(process, limits_.ExitGraceMs);
        const ConverterLogState state = ReadConverterLog(log);
        if (!state.Completed) {
            return finish(ConverterOutcome::Failed,
                          pdf_messages::ConverterFailed(output, EndReason(process, state)));
        }
        if (const std::optional<QString> why = WhyNotComplete(state, output, request)) {
            return finish(ConverterOutcome::Failed, pdf_messages::ConverterFailed(output, *why));
        }
        return finish(ConverterOutcome::Completed, QString());
    };

    QProcess process;
    process.setProgram(program_);
    process.setArguments(ConverterArguments(job));
    process.setWorkingDirectory(request.ProgramFolder);
    process.setStandardOutputFile(QProcess::nullDevice());

    const int limit = limits_.CompletionMs(request.PageCount);
    auto cancelled = [&](qint64 elapsed) {
        return progress && !progress(static_cast<int>(elapsed), limit);
    };
    const qint64 start = clock_();
    const auto elapsedMs = [&] { return clock_() - start; };
    process.start();
    while (!process.waitForStarted(limits_.PollMs)) {
        if (process.state() == QProcess::NotRunning) {
            return finish(ConverterOutcome::NotStarted,
                          pdf_messages::ConverterNotStarted(program_, process.errorString()));
        }
        const qint64 elapsed = elapsedMs();
        if (cancelled(elapsed)) {
            Stop(process, limits_.ExitGraceMs);
            return finish(ConverterOutcome::Cancelled, pdf_messages::ConverterCancelled(output));
        }
        if (elapsed >= limits_.StartMs) {
            Stop(process, limits_.ExitGraceMs);
            return finish(ConverterOutcome::NotStarted,
                          pdf_messages::ConverterNotStarted(program_, process.errorString()));
        }
    }

    while (true) {
        if (process.state() != QProcess::NotRunning) {
            // Doubles as the pause between polls, and ends early when the converter does.
            process.waitForFinished(limits_.PollMs);
        }
        const bool ended = process.state() == QProcess::NotRunning;
        const ConverterLogState state = ReadConverterLog(log);
        if (state.Completed || state.Failed || ended) {
            return completedOrFailed(process);
        }
        const qint64 elapsed = elapsedMs();
        if (!state.Exists && elapsed >= limits_.LogMs) {
            Stop(process, limits_.ExitGraceMs);
            return finish(ConverterOutcome::NoLog,
                          pdf_messages::NoLog(log, Seconds(limits_.LogMs)));
        }
        if (elapsed >= limit) {
            Stop(process, limits_.ExitGraceMs);
            return finish(ConverterOutcome::TimedOut,
                          pdf_messages::ConverterTimedOut(output, Seconds(limit)));
        }
        if (cancelled(elapsed)) {
            Stop(process, limits_.ExitGraceMs);
            // The converter may have put the PDF in place just before it was stopped.
            if (ReadConverterLog(log).Completed) {
                return completedOrFailed(process);
            }
            return finish(ConverterOutcome::Cancelled, pdf_messages::ConverterCancelled(output));
        }
    }
}

} // namespace quenra
