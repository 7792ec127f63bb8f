#pragma once

#include <QString>

namespace quenra {

// What `quenra --help` prints on stdout, and what a wrong command line gets on stderr: the
// window's form and every batch command, one line each.
inline const QString kBatchUsage = QStringLiteral(
    "Usage: quenra [FILE]                    the window; FILE (.qrx, .ned or .ini) is opened\n"
    "       quenra --help                    this text\n"
    "       quenra --version                 the program's name and version\n"
    "       quenra --convert IN OUT          opens IN and saves the project into OUT\n"
    "       quenra --check FILE              the data error check's messages\n"
    "       quenra --curves FILE [--test N]  the graph's series and demand results as JSON\n"
    "       quenra --graph FILE OUT.jpg [--test N] [--size INDEX]  the graph page as a JPEG file\n"
    "       quenra --report FILE OUTBASE     the report pages as OUTBASE-1.jpg ... OUTBASE-n.jpg\n"
    "       quenra --pdf FILE OUT.pdf        the report as a PDF file through the converter\n"
    "       quenra --summary FILE            one tab-separated line per supply test\n"
    "Exit status: 0 done, 1 failed (the reason on stderr), 2 wrong command line.");

} // namespace quenra
