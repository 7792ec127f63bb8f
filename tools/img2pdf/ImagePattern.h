#pragma once

#include <QString>
#include <QStringList>

namespace quenra::img2pdf {

// Finds the page images that one image argument names.
class ImagePattern {
public:
    // The files the pattern names. A * (any run of characters) or ? (one character) in the
    // file name part makes it a pattern, matched without regard to case as on the program's
    // home platform; only those two are wildcards, so names with brackets need no escaping.
    // The folder part is taken as it stands. Hidden files and folders never match; pipes and
    // devices do (the converter refuses to read them). Without a
    // wildcard the argument is one file, listed whether or not it exists (reading it then
    // says what is wrong).
    static QStringList Files(const QString& pattern);

    // Page order: by name, with runs of digits compared by their value, so that the
    // program's Report2.jpg comes before Report10.jpg; otherwise as English sorts words,
    // without regard to case. The same for every user, whatever their own language.
    static bool PageOrder(const QString& left, const QString& right);

    static bool HasWildcard(const QString& pattern);
};

} // namespace quenra::img2pdf
