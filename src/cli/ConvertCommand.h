#pragma once

#include <QString>

namespace quenra {

class Prompter;

// Opens `input` the way a freshly started window opens the file named on its command line and
// saves the project at once into `output`. Returns 0 when the input was read to its end, 1 when
// it is missing or unreadable (nothing written), when reading stopped early (the output is
// still written, as the window would save it) or when the output could not be written.
int ConvertProject(const QString& input, const QString& output, Prompter& prompter);

} // namespace quenra
