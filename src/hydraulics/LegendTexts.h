#pragma once

#include <QString>

namespace quenra::legend_texts {

// The fixed words of the graph legend.
inline const QString kBadData = QStringLiteral(" (BAD DATA)");
inline const QString kHydrantFlowTest = QStringLiteral("Hydrant Flow Test ");
inline const QString kStatic = QStringLiteral("Static:  ");
inline const QString kResidual = QStringLiteral("Residual: ");
inline const QString kAt = QStringLiteral(" @ ");
inline const QString kPumpRating = QStringLiteral("Pump Rating");
inline const QString kChurn = QStringLiteral("Churn ");
inline const QString kRpm = QStringLiteral(", RPM: ");
inline const QString kRating100 = QStringLiteral("100% Rating: ");
inline const QString kRating150 = QStringLiteral("150% Rating: ");
inline const QString kNfpa20Curve = QStringLiteral("NFPA 20 Minimum Performance Curve");
inline const QString kNfpa25Curve = QStringLiteral("NFPA 25 Minimum Performance Curve");
inline const QString kPumpTest = QStringLiteral("Pump Test ");
inline const QString kNetCurve = QStringLiteral("Flow Test Net Curve");
inline const QString kDischargeCurve = QStringLiteral("Flow Test Discharge (Combined) Curve");
inline const QString kDemand = QStringLiteral("Demand: ");
inline const QString kSupplyWithColon = QStringLiteral("Supply: ");
inline const QString kPump = QStringLiteral(" Pump: ");
inline const QString kBoosted = QStringLiteral("Boosted: ");
inline const QString kSafetyCushion = QStringLiteral("Safety Cushion: ");
inline const QString kSupplyOutOfRange = QStringLiteral("Supply ");
inline const QString kOutOfPumpRange = QStringLiteral("Out of Pump Range");
inline const QString kOutOfRangeVerdict = QStringLiteral("Out of Range");

} // namespace quenra::legend_texts
