#pragma once

#include <QStringList>

namespace quenra {

// What an import of a foreign file made of it.
struct ImportResult {
    bool DataFound = false;  // at least one value of the format was recognised and taken
    QStringList CutMessages; // one per value that was longer than the record keeps, naming
                             // it as the file does, in the order they were met
};

} // namespace quenra
