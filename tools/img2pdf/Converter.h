#pragma once

#include "ConverterOptions.h"

#include <QStringList>

namespace quenra::img2pdf {

class ConversionLog;

// The whole run: reads the page images, writes the PDF and reports in the log.
class Converter {
public:
    enum ExitStatus {
        kCompleted = 0,
        kFailed = 1,         // the reason is in the log; the output file is as it was
        kBadCommandLine = 2, // the reason is in the log when one was named, and on stderr
    };

    // The largest page image read. A letter page at 330 pixels per inch is about 2 MB; a
    // bigger file is no page image of the program's.
    static constexpr qint64 kMaxImageBytes = qint64{256} << 20;

    // Runs the converter on the arguments after the program name.
    static int Run(const QStringList& afterProgramName);

    // Runs one conversion. The log line with "TickCount" is written only once the PDF is
    // complete and in place.
    static int Convert(const ConverterOptions& options);

private:
    static int Convert(const ConverterOptions& options, ConversionLog& log);
};

} // namespace quenra::img2pdf
