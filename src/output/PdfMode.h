#pragma once

namespace quenra {

// How the next conversion treats its output file.
enum class PdfMode {
    New,       // a new file beside the project, named with the first free number
    Overwrite, // the chosen file is replaced (or made)
    Append,    // the new pages follow those of the chosen file
    Insert,    // the new pages come before those of the chosen file
};

} // namespace quenra
