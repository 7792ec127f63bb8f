#pragma once

#include <QString>

namespace quenra::available_flow_option_texts {

// The Setup page's words for the available flow.
inline const QString kGroup = QStringLiteral("Available Flow");
inline const QString kShowAvailableFlow = QStringLiteral("Show available flow (NFPA 291)");
inline const QString kRatingPressure = QStringLiteral("Rating Pressure (psi)");

} // namespace quenra::available_flow_option_texts
