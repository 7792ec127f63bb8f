#pragma once

#include "output/PdfMessages.h"
#include "output/PdfMode.h"

#include <QDateTime>
#include <QString>

#include <functional>

namespace quenra {

// How long the program waits for the converter. A converter that cannot be started shows it
// at once; one that runs writes its log within a moment; the PDF itself takes well under a
// second a page, so the completion limit leaves ample room on a slow, busy machine.
inline constexpr int kConverterStartLimitMs = 10'000;
inline constexpr int kConverterLogLimitMs = 30'000;
inline constexpr int kConverterCompletionBaseMs = 60'000;
inline constexpr int kConverterCompletionPerPageMs = 10'000;
inline constexpr int kConverterPollMs = 200;
// Once the log has its last line the converter is about to end; it gets this long to do so.
inline constexpr int kConverterExitGraceMs = 5'000;

struct ConverterLimits {
    int StartMs = kConverterStartLimitMs;
    int LogMs = kConverterLogLimitMs;
    int CompletionBaseMs = kConverterCompletionBaseMs;
    int CompletionPerPageMs = kConverterCompletionPerPageMs;
    int PollMs = kConverterPollMs;
    int ExitGraceMs = kConverterExitGraceMs;

    // From the start of the converter to the completion line.
    int CompletionMs(int pageCount) const;
};

// Milliseconds on a steady scale: the converter's limits are measured with it. The program runs
// on the machine's steady clock; tests give one that moves as they say.
using ConverterClock = std::function<qint64()>;
ConverterClock SteadyConverterClock();

// Called between polls while the converter works: the window shows progress and keeps
// painting, the batch line does nothing. Returning false stops the converter (cancelled).
using ConverterProgress = std::function<bool(int elapsedMs, int limitMs)>;

class PdfRunFolder;

struct ConverterRequest {
    PdfMode Mode = PdfMode::Overwrite;
    QString CurrentPdfFile;  // the output in every mode but New
    QString ProjectFileName; // full path or "untitled"
    QString ProgramFolder;   // new untitled PDFs are numbered there
    QString ImageFolder;     // the run's page images (PdfRunFolder)
    QString LogFile;         // the run's converter log
    QDateTime RunStart;      // the finished PDF is not older; invalid: not checked
    int PageImageHeight = 0; // pixels of the page images
    int PageCount = 1;       // images handed over: the pages the converter must add
    QString Description = pdf_messages::kDescription;

    // Takes the image folder, the log and the start from the run's folder.
    void UseRunFolder(const PdfRunFolder& run);
};

enum class ConverterOutcome {
    Completed,
    LogNotDeletable, // an old log is in the way; nothing started
    NoFreeName,      // every numbered new name is taken; nothing started
    NoOutputFile,    // no file was chosen; nothing started
    NotStarted,      // the converter program could not be started
    NoLog,           // it never wrote its log
    Failed,          // it said so, ended without completing, or its PDF is not what it said
    TimedOut,        // it never completed
    Cancelled,       // the inspector stopped it
};

struct ConverterResult {
    ConverterOutcome Outcome = ConverterOutcome::NotStarted;
    QString OutputFile;
    QString LogFile;
    QString ParameterText; // the command as one text, for showing and logging
    QString Message;       // what went wrong, naming the log; empty when completed

    bool Completed() const { return Outcome == ConverterOutcome::Completed; }
};

// Turns the page images of one run into the PDF file: starts the converter with an argument
// list (no shell), in the program folder, and waits with bounded waits for the last line of its
// log to report completion. Completion counts only when the PDF is there, not older than the
// run, and the converter added as many pages as images were handed over; otherwise the run is
// not completed, as for any failure. Every end gives its outcome and message; a converter still
// running then is stopped. The run's folder and log are the caller's (PdfRunFolder), who
// records the output as the current PDF file and opens it.
class ConverterRun {
public:
    // The converter beside the running program.
    ConverterRun();
    explicit ConverterRun(QString converterProgram, ConverterLimits limits = {},
                          ConverterClock clock = SteadyConverterClock());

    ConverterResult Run(const ConverterRequest& request,
                        const ConverterProgress& progress = {}) const;

    const QString& Program() const { return program_; }

private:
    QString program_;
    ConverterLimits limits_;
    ConverterClock clock_;
};

} // namespace quenra
