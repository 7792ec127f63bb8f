#pragma once

#include <QString>

namespace quenra::available_flow_texts {

// The words of the available flow sentence: "Available: 1 690 gpm @ 20 psi (Class A)".
inline const QString kAvailable = QStringLiteral("Available: ");
inline const QString kAt = QStringLiteral(" @ ");
inline const QString kClassOpen = QStringLiteral(" (Class ");
inline const QString kClassClose = QStringLiteral(")");
inline const QString kNotComputable = QStringLiteral("not computable");
inline const QString kEstimateNote = QStringLiteral("pressure drop under 25 %: estimate");

// Why a test gives no available flow.
inline const QString kStaticAtOrBelow = QStringLiteral("static pressure at or below ");
inline const QString kResidualAtOrAboveStatic =
    QStringLiteral("residual pressure at or above static pressure");
inline const QString kNoResidualPressure = QStringLiteral("no residual pressure");
inline const QString kNoResidualFlow = QStringLiteral("no residual flow");
inline const QString kOutOfRange = QStringLiteral("numbers out of range");

} // namespace quenra::available_flow_texts
