#pragma once

#include <QString>

namespace quenra::pump_data_table_texts {

// The fixed words of the readings table on the graph. The pressure and flow labels under
// "Discharge", "Suction", "Net" and "Flow" follow the unit system.
inline const QString kDatePrefix = QStringLiteral(" Date: ");
inline const QString kHose = QStringLiteral("Hose");
inline const QString kVolts = QStringLiteral("Volts");
inline const QString kAmps = QStringLiteral("Amps");
inline const QString kPhaseAB = QStringLiteral("AB");
inline const QString kPhaseAC = QStringLiteral("AC");
inline const QString kPhaseBC = QStringLiteral("BC");
inline const QString kDischarge = QStringLiteral("Discharge");
inline const QString kSuction = QStringLiteral("Suction");
inline const QString kNet = QStringLiteral("Net");
inline const QString kFlow = QStringLiteral("Flow");
inline const QString kSpeed = QStringLiteral("Speed");
inline const QString kRpm = QStringLiteral("(RPM)");
inline const QString kTransferSwitchRow = QStringLiteral("TS");

// Measured onto every text of a column, so that its widest text keeps a margin.
inline const QString kWidthMargin = QStringLiteral("A");

} // namespace quenra::pump_data_table_texts
