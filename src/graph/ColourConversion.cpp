#include "ColourConversion.h"

namespace quenra {

QColor ToQColor(quint32 colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

quint32 FromQColor(const QColor& colour) {
    return static_cast<quint32>(colour.red()) | (static_cast<quint32>(colour.green()) << 8) |
           (static_cast<quint32>(colour.blue()) << 16);
}

} // namespace quenra
