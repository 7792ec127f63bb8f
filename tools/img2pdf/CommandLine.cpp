#include "CommandLine.h"

#include "ConverterMessages.h"

#include <cmath>

namespace quenra::img2pdf {
namespace {

constexpr QChar kQuote = u'"';
constexpr QChar kBackslash = u'\\';

void NoteFirst(QString* error, const QString& message) {
    if (error->isEmpty()) {
        *error = message;
    }
}

// Applies one option with its value; an unusable value is noted in error.
void ApplyOption(const QString& option, const QString& value, ConverterOptions* options,
                 QString* error) {
    if (option == u"-p") {
        if (value == u"1") {
            options->existingPages = ExistingPages::AppendAfter;
        } else if (value == u"0") {
            options->existingPages = ExistingPages::InsertBefore;
        } else {
            NoteFirst(error, messages::BadPageOrder(value));
        }
    } else if (option == u"-r") {
        bool ok = false;
        const double pixelsPerInch = value.trimmed().toDouble(&ok);
        if (ok && std::isfinite(pixelsPerInch) && pixelsPerInch > 0) {
            options->pixelsPerInch = pixelsPerInch;
        } else {
            NoteFirst(error, messages::BadPixelsPerInch(value));
        }
    } else if (option == u"-u") {
        options->author = value;
    } else if (option == u"-d") {
        options->subject = value;
    } else if (option == u"-t") {
        options->title = value;
    } else if (option == u"-l") {
        options->logPath = value;
    } else if (option == u"-o") {
        options->outputPath = value;
    }
}

bool IsKnownOption(const QString& argument) {
    static const QStringList known = {
        QStringLiteral("-p"), QStringLiteral("-r"), QStringLiteral("-u"), QStringLiteral("-d"),
        QStringLiteral("-t"), QStringLiteral("-l"), QStringLiteral("-o")};
    return known.contains(argument);
}

} // namespace

QStringList CommandLine::Arguments(const QStringList& afterProgramName) {
    return afterProgramName.size() == 1 ? Split(afterProgramName.front()) : afterProgramName;
}

QStringList CommandLine::Split(QStringView text) {
    QStringList arguments;
    QString current;
    bool started = false; // "" makes an (empty) argument too
    bool quoted = false;
    qsizetype at = 0;
    while (at < text.size()) {
        const QChar c = text[at];
        if (c == kBackslash) {
            qsizetype end = at;
            while (end < text.size() && text[end] == kBackslash) {
                ++end;
            }
            const qsizetype count = end - at;
            started = true;
            if (end < text.size() && text[end] == kQuote) {
                current += QString(count / 2, kBackslash);
                if (count % 2 == 1) {
                    current += kQuote; // \" is a quote character
                    ++end;
                }
            } else {
                current += QString(count, kBackslash);
            }
            at = end;
        } else if (c == kQuote) {
            started = true;
            if (quoted && at + 1 < text.size() && text[at + 1] == kQuote) {
                current += kQuote;
                at += 2;
            } else {
                quoted = !quoted;
                ++at;
            }
        } else if (!quoted && c.isSpace()) {
            if (started) {
                arguments.append(current);
                current.clear();
                started = false;
            }
            ++at;
        } else {
            current += c;
            started = true;
            ++at;
        }
    }
    if (started) {
        arguments.append(current);
    }
    return arguments;
}

ConverterOptions CommandLine::Parse(const QStringList& arguments, QString* error) {
    ConverterOptions options;
    error->clear();
    bool optionsEnded = false;
    for (qsizetype at = 0; at < arguments.size(); ++at) {
        const QString& argument = arguments[at];
        if (optionsEnded || !argument.startsWith(u'-') || argument.size() == 1) {
            options.imagePatterns.append(argument);
        } else if (argument == u"--") {
            optionsEnded = true; // what follows are images, even when named "-x.jpg"
        } else if (!IsKnownOption(argument)) {
            NoteFirst(error, messages::UnknownOption(argument));
        } else if (at + 1 >= arguments.size()) {
            NoteFirst(error, messages::MissingValue(argument));
        } else {
            ++at;
            ApplyOption(argument, arguments[at], &options, error);
        }
    }
    if (options.outputPath.isEmpty()) {
        NoteFirst(error, messages::NoOutput());
    }
    if (options.imagePatterns.isEmpty()) {
        NoteFirst(error, messages::NoImages());
    }
    return options;
}

} // namespace quenra::img2pdf
