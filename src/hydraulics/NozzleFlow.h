#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace quenra {

struct ProjectData;

// The constant K of the flow formula for unit system 0..6 (29.8 for gpm, inches and psi),
// held in single precision as the flow tables always were. Unknown systems use K of system 0.
float PitotFlowConstant(int unitSystem);

// Flow of one outlet or nozzle: K * c * d^2 * sqrt(|p|), with the three texts read by
// ParseNumber, the product formed in extended precision in the order (c*K)*d^2*sqrt(|p|) and
// rounded to single precision.
float PitotFlow(const QString& coefficient, const QString& diameter, const QString& pitot,
                int unitSystem);

// The automatic discharge coefficient of a 4 or 4.5 hydrant outlet for a pitot reading
// ("0.97" for 2 or less, down to "0.83" for 7 or more; not a whole number counts as 2).
QString LargeOutletCoefficient(const QString& pitotText);

// True when the orifice size reads exactly 4 or 4.5.
bool IsLargeOutlet(const QString& orificeSizeText);

// The choice lists of the nozzle and outlet boxes.
QStringList NozzleSizeList(int unitSystem);
QStringList OrificeSizeItems();
QStringList DischargeCoefficientItems();
QStringList NozzleCoefficientItems();

// Flows of the six flowing points of a pump test computed from its pitot readings, the texts
// shown in the six calculated flow boxes.
using HoseStreamTexts = std::array<QString, 7>; // index 1..6

// When the test uses pitot readings: writes the flow of flowing points 1..6 into the flow
// column (14) of reading rows 2..7 and "0" into the churn row, and returns true with the texts.
// Otherwise changes nothing and returns false.
bool HoseStreamFlows(ProjectData& project, int pumpTest, HoseStreamTexts* texts = nullptr);

} // namespace quenra
