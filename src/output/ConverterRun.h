#pragma once

#include "output/PdfMessages.h"
#include "output/PdfMode.h"

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

// Called between polls while the converter works: the window shows progress and keeps
// painting, the batch line does nothing. Returning false stops the converter (cancelled).
using ConverterProgress = std::function<bool(int elapsedMs, int limitMs)>;

struct ConverterRequest {
    PdfMode Mode = PdfMode::Overwrite;
    QString CurrentPdfFile;  // the output in every mode but New
    QString ProjectFileName; // full path or "untitled"
    QString ProgramFolder;   // holds the PDF image folder; the log is written there
    int PageImageHeight = 0; // pixels of the page images
    int PageCount = 1;       // images in the PDF image folder; the completion limit grows with it
    QString Description = pdf_messages::kDescription;
};

enum class ConverterOutcome {
    Completed,
    LogNotDeletable, // an old log is in the way; nothing started
    NoFreeName,      // every numbered new name is taken; nothing started
    NoOutputFile,    // no file was chosen; nothing started
    NotStarted,      // the converter program could not be started
    NoLog,           // it never wrote its log
    Failed,          // it said so in the log, or ended without completing
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

// Turns the page images in the PDF image folder into the PDF file: starts the converter with
// an argument list (no shell), in the program folder, and waits for the completion line of its
// log with bounded waits. Every end gives its outcome and message; a converter still running
// then is stopped. The image folder is emptied afterwards. The caller records the output as
// the current PDF file and opens it.
class ConverterRun {
public:
    // The converter beside the running program.
    ConverterRun();
    explicit ConverterRun(QString converterProgram, ConverterLimits limits = {});

    ConverterResult Run(const ConverterRequest& request,
                        const ConverterProgress& progress = {}) const;

    const QString& Program() const { return program_; }

private:
    QString program_;
    ConverterLimits limits_;
};

} // namespace quenra
