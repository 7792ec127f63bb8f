#include "hydraulics/NozzleFlow.h"

#include "hydraulics/NumberText.h"
#include "hydraulics/PumpTestLayout.h"
#include "hydraulics/UnitSystem.h"
#include "model/ProjectData.h"

#include <cmath>
#include <initializer_list>
#include <limits>

namespace quenra {
namespace {

// K of the flow formula per unit system, held in single precision as the flow tables always
// were (29.8 is 29.799999237...): a computed flow must not move by a unit between versions.
constexpr std::array<float, kUnitSystemCount> kPitotFlowConstants{29.8F,   0.00111F, 0.04F,  0.666F,
                                                                  0.0111F, 0.004F,   0.0666F};

// Automatic coefficients of a 4 or 4.5 outlet for whole-number pitot readings 0..6; higher
// (and negative) readings get kHighPitotCoefficient. A reading that is not a whole number
// counts as kUnreadablePitot.
constexpr std::array<const char*, 7> kLargeOutletCoefficients{"0.97", "0.97", "0.97", "0.92",
                                                              "0.89", "0.86", "0.84"};
constexpr const char* kHighPitotCoefficient = "0.83";
constexpr int kUnreadablePitot = 2;

float ToSinglePrecision(long double flow) {
    // Only absurd sizes get here; they show as an infinite flow rather than a made-up one.
    constexpr long double kLargest = std::numeric_limits<float>::max();
    if (std::fabs(flow) > kLargest)
        return flow > 0 ? std::numeric_limits<float>::infinity()
                        : -std::numeric_limits<float>::infinity();
    return static_cast<float>(flow);
}

// Total flow of one flowing point: the nozzles' flows added up. A nozzle that was not used
// (blank diameter, coefficient or pitot) reads as 0 and adds nothing.
double FlowingPointTotal(const PitotTable& nozzles, int point, int unitSystem) {
    double total = 0.0;
    for (int outlet = 1; outlet <= kOutlets; ++outlet)
        total +=
            PitotFlow(nozzles[kNozzleCoefficientRow][outlet], nozzles[kNozzleDiameterRow][outlet],
                      nozzles[kFirstPitotRow + point - 1][outlet], unitSystem);
    return total;
}

QStringList Latin1List(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    return list;
}

} // namespace

float PitotFlowConstant(int unitSystem) {
    return kPitotFlowConstants[static_cast<std::size_t>(KnownUnitSystem(unitSystem))];
}

float PitotFlow(const QString& coefficient, const QString& diameter, const QString& pitot,
                int unitSystem) {
    const long double c = ParseNumber(coefficient);
    const long double d = ParseNumber(diameter);
    // A gauge read below zero still measures the stream's velocity pressure.
    const long double p = std::fabs(ParseNumber(pitot));
    const long double k = PitotFlowConstant(unitSystem);
    return ToSinglePrecision((c * k) * (d * d) * std::sqrt(p));
}

QString LargeOutletCoefficient(const QString& pitotText) {
    const int reading = ParseIntegerOr(pitotText, kUnreadablePitot);
    if (reading < 0 || reading >= static_cast<int>(kLargeOutletCoefficients.size()))
        return QString::fromLatin1(kHighPitotCoefficient);
    return QString::fromLatin1(kLargeOutletCoefficients[static_cast<std::size_t>(reading)]);
}

bool IsLargeOutlet(const QString& orificeSizeText) {
    const double size = ParseNumber(orificeSizeText);
    return size == 4.0 || size == 4.5;
}

QStringList NozzleSizeList(int unitSystem) {
    if (KnownUnitSystem(unitSystem) == 0)
        return Latin1List({"1", "1.125", "1.25", "1.5", "1.75", "2", "2.5"});
    return Latin1List({"25.4", "28.575", "31.75", "38.1", "44.45", "50.8", "63.5"});
}

QStringList OrificeSizeItems() {
    return Latin1List({"2.5", "4.0", "4.5"});
}

QStringList DischargeCoefficientItems() {
    return Latin1List({"0.90", "0.80", "0.70"});
}

QStringList NozzleCoefficientItems() {
    return Latin1List({".9", ".95", ".97", ".99", "1"});
}

bool HoseStreamFlows(ProjectData& project, int pumpTest, HoseStreamTexts* texts) {
    if (pumpTest < 1 || pumpTest > kTestCount || !project.UsePitotFlows[pumpTest])
        return false;
    const PitotTable& nozzles = project.PitotGrid[pumpTest];
    ReadingTable& readings = project.PumpReadings[pumpTest];
    for (int point = 1; point <= kFlowingPoints; ++point) {
        const QString flow =
            FormatComputedFlow(FlowingPointTotal(nozzles, point, project.UnitSystem));
        readings[kChurnRow + point][kFlowColumn] = flow;
        if (texts != nullptr)
            (*texts)[static_cast<std::size_t>(point)] = flow;
    }
    // Nothing flows at churn.
    readings[kChurnRow][kFlowColumn] = QStringLiteral("0");
    return true;
}

} // namespace quenra
