#pragma once

#include <QColor>
#include <QtGlobal>

namespace quenra {

// Record colours (red in the lowest byte) to and from Qt colours. The high byte, which marks
// the system colours some projects carry, is not a colour and is ignored.
QColor ToQColor(quint32 colour);
quint32 FromQColor(const QColor& colour);

} // namespace quenra
