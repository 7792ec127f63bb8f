#pragma once

#include "ConverterOptions.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace quenra::img2pdf {

// Reads the converter's command line. The program hands over its parameter text either as an
// argument list or as one argument holding the whole text, paths between double quotes.
class CommandLine {
public:
    // The arguments after the program name; a single argument is the whole parameter text and
    // is split first. (One argument alone can never be a complete conversion, which needs -o
    // and at least one image.)
    static QStringList Arguments(const QStringList& afterProgramName);

    // Splits parameter text by the rules of the Windows C runtime, which is how the text was
    // always read: blanks separate arguments except between double quotes; "" inside quotes
    // and \" anywhere stand for a double quote; backslashes before a quote are halved;
    // other backslashes are plain characters, so Windows paths need no escaping.
    static QStringList Split(QStringView text);

    // Reads the options from the arguments. On a mistake error is set to the first one;
    // reading goes on past it so that the log path is known to report the mistake in.
    static ConverterOptions Parse(const QStringList& arguments, QString* error);
};

} // namespace quenra::img2pdf
