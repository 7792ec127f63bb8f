#pragma once

#include <QStringList>

namespace quenra {

// The boxes of the window whose texts the calculations, the graph or the report read as numbers.
QStringList NumberBoxNames();

} // namespace quenra
