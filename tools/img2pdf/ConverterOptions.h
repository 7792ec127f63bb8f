#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quenra::img2pdf {

// What happens to the pages of an output file that already exists.
enum class ExistingPages {
    Replace,      // the new pages make a new file (no -p)
    AppendAfter,  // -p 1: the new pages follow the old ones
    InsertBefore, // -p 0: the new pages come first
};

// One conversion as the command line describes it.
struct ConverterOptions {
    ExistingPages existingPages = ExistingPages::Replace;
    // Pixels per inch of the page images (-r); empty: each image's own density.
    std::optional<double> pixelsPerInch;
    // Document information (-u, -d, -t); an absent value leaves the entry alone.
    std::optional<QString> author;
    std::optional<QString> subject;
    std::optional<QString> title;
    QString logPath;           // -l; empty: messages go to stderr only
    QString outputPath;        // -o
    QStringList imagePatterns; // files, or a wildcard in the file name part
};

} // namespace quenra::img2pdf
