#pragma once

#include <QDateTime>
#include <QString>

namespace quenra {

// The scratch place of one PDF run inside the PDF folder: a folder for its page images and
// the converter's log beside it, "PDF/run-<process>-<n>/" and "PDF/run-<process>-<n>.log".
// Two windows, a window and a batch job, or two batch jobs of one installation each get their
// own, so that neither clears nor converts the other's pages. Both are removed when the run
// ends, whether it completed, failed, timed out or was cancelled; those of a run whose process
// was killed are removed by a later run once they are a day old.
class PdfRunFolder {
public:
    // Makes the folder (and the PDF folder when missing) for the first n whose folder and log
    // are both free. Ready() tells whether that worked.
    explicit PdfRunFolder(const QString& programFolder);
    ~PdfRunFolder();

    PdfRunFolder(const PdfRunFolder&) = delete;
    PdfRunFolder& operator=(const PdfRunFolder&) = delete;

    bool Ready() const { return !imageFolder_.isEmpty(); }

    // The folder the page images go to; empty when it could not be made.
    const QString& ImageFolder() const { return imageFolder_; }
    // The converter's log.
    const QString& LogFile() const { return logFile_; }
    // When the folder was made, by the clock of the file system that holds it: a PDF the run
    // wrote is not older.
    const QDateTime& Started() const { return started_; }
    // The folder that could not be made, for the message when it is not ready.
    const QString& Attempted() const { return attempted_; }

private:
    QString imageFolder_;
    QString logFile_;
    QString attempted_;
    QDateTime started_;
};

} // namespace quenra
