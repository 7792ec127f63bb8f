#include "AvailableFlow.h"

#include "AvailableFlowTexts.h"
#include "NumberText.h"
#include "SupplyCurve.h"
#include "UnitSystem.h"

#include <array>
#include <cmath>

namespace quenra {

namespace {

namespace txt = available_flow_texts;

// How each unit system measures pressure and flow, against psi and gpm.
struct UnitFactors {
    double PerPsi;        // pressure units in one psi
    double PerGpm;        // flow units in one gpm
    int PressureDecimals; // of the rating pressure shown
    int FlowDecimals;     // of the available flow shown
};

constexpr double kKpaPerPsi = 6.894757;
constexpr double kBarPerPsi = 0.06894757;
constexpr double kLitresPerSecondPerGpm = 0.0630901964;
constexpr double kCubicMetresPerHourPerGpm = 0.2271247;
constexpr double kLitresPerMinutePerGpm = 3.785411784;

constexpr UnitFactors kPsi{1.0, 1.0, 1, 0};

// In the order of the unit system selector.
constexpr std::array<UnitFactors, kUnitSystemCount> kFactors{{
    kPsi,
    {kKpaPerPsi, kLitresPerSecondPerGpm, 1, 1},
    {kBarPerPsi, kCubicMetresPerHourPerGpm, 3, 1},
    {kBarPerPsi, kLitresPerMinutePerGpm, 3, 0},
    {kBarPerPsi, kLitresPerSecondPerGpm, 3, 1},
    {kKpaPerPsi, kCubicMetresPerHourPerGpm, 1, 1},
    {kKpaPerPsi, kLitresPerMinutePerGpm, 1, 0},
}};

const UnitFactors& FactorsOf(int unitSystem) {
    return kFactors[static_cast<std::size_t>(KnownUnitSystem(unitSystem))];
}

// The class limits in whole gpm.
constexpr double kClassAA = 1500.0;
constexpr double kClassA = 1000.0;
constexpr double kClassB = 500.0;

// A projection is reliable when the test drew the pressure down by at least this share.
constexpr double kReliableDrop = 0.25;

// "12345.6" as "12 345.6": the whole part in groups of three.
QString GroupThousands(const QString& number) {
    if (number.contains(QLatin1Char('E')))
        return number;
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    const qsizetype end = point < 0 ? number.size() : point;
    const qsizetype start = number.startsWith(QLatin1Char('-')) ? 1 : 0;
    QString grouped = number;
    for (qsizetype at = end - 3; at > start; at -= 3)
        grouped.insert(at, QLatin1Char(' '));
    return grouped;
}

AvailableFlow NotComputable(double ratingPressure, QString reason) {
    AvailableFlow available;
    available.RatingPressure = ratingPressure;
    available.Reason = std::move(reason);
    return available;
}

} // namespace

double PsiInPressureUnit(double psi, int unitSystem) {
    return psi * FactorsOf(unitSystem).PerPsi;
}

double FlowInGpm(double flow, int unitSystem) {
    return flow / FactorsOf(unitSystem).PerGpm;
}

NfpaClass ClassOfFlowGpm(double flowGpm) {
    const double shown = RoundTo(0, flowGpm);
    if (shown >= kClassAA)
        return NfpaClass::AA;
    if (shown >= kClassA)
        return NfpaClass::A;
    if (shown >= kClassB)
        return NfpaClass::B;
    return NfpaClass::C;
}

QString NfpaClassName(NfpaClass nfpaClass) {
    switch (nfpaClass) {
    case NfpaClass::AA:
        return QStringLiteral("AA");
    case NfpaClass::A:
        return QStringLiteral("A");
    case NfpaClass::B:
        return QStringLiteral("B");
    case NfpaClass::C:
        break;
    }
    return QStringLiteral("C");
}

Colour NfpaClassColour(NfpaClass nfpaClass) {
    switch (nfpaClass) {
    case NfpaClass::AA:
        return MakeColour(100, 180, 255);
    case NfpaClass::A:
        return MakeColour(0, 160, 0);
    case NfpaClass::B:
        return MakeColour(255, 140, 0);
    case NfpaClass::C:
        break;
    }
    return MakeColour(255, 0, 0);
}

QString AvailableFlowNumber(double flow, int unitSystem) {
    return GroupThousands(FormatRounded(FactorsOf(unitSystem).FlowDecimals, flow));
}

QString RatingPressureNumber(double pressure, int unitSystem) {
    return FormatRounded(FactorsOf(unitSystem).PressureDecimals, pressure);
}

AvailableFlow ComputeAvailableFlow(double staticPressure, double residualPressure,
                                   double residualFlow, int unitSystem, double ratingPressurePsi) {
    const double rating = PsiInPressureUnit(ratingPressurePsi, unitSystem);
    const bool finite = std::isfinite(staticPressure) && std::isfinite(residualPressure) &&
                        std::isfinite(residualFlow) && std::isfinite(rating);
    if (!finite)
        return NotComputable(rating, txt::kOutOfRange);
    if (staticPressure <= rating)
        return NotComputable(rating, txt::kStaticAtOrBelow +
                                         RatingPressureNumber(rating, unitSystem) +
                                         QLatin1Char(' ') + UnitWordsFor(unitSystem).PressureWord);
    if (residualPressure <= 0.0)
        return NotComputable(rating, txt::kNoResidualPressure);
    if (staticPressure <= residualPressure)
        return NotComputable(rating, txt::kResidualAtOrAboveStatic);
    if (residualFlow <= 0.0)
        return NotComputable(rating, txt::kNoResidualFlow);

    const double drop = staticPressure - residualPressure;
    const double flow =
        residualFlow * std::pow((staticPressure - rating) / drop, SupplyCurve::kInverseExponent);
    if (!std::isfinite(flow))
        return NotComputable(rating, txt::kOutOfRange);
    AvailableFlow available;
    available.Computable = true;
    available.Flow = flow;
    available.FlowGpm = FlowInGpm(flow, unitSystem);
    available.RatingPressure = rating;
    available.Class = ClassOfFlowGpm(available.FlowGpm);
    available.Estimate = drop < kReliableDrop * staticPressure;
    return available;
}

AvailableFlow AvailableFlowOf(const ProjectData& project, int supplyTest,
                              double ratingPressurePsi) {
    if (supplyTest < 1 || supplyTest > kTestCount)
        return NotComputable(PsiInPressureUnit(ratingPressurePsi, project.UnitSystem),
                             txt::kNoResidualFlow);
    return ComputeAvailableFlow(ParseNumber(project.SupplyStaticPressure[supplyTest]),
                                ParseNumber(project.SupplyResidualPressure[supplyTest]),
                                ParseNumber(project.SupplyResidualFlow[supplyTest]),
                                project.UnitSystem, ratingPressurePsi);
}

QString AvailableFlowValueText(const AvailableFlow& available, int unitSystem) {
    if (!available.Computable)
        return txt::kNotComputable;
    const UnitWords words = UnitWordsFor(unitSystem);
    return AvailableFlowNumber(available.Flow, unitSystem) + QLatin1Char(' ') + words.FlowWord +
           txt::kAt + RatingPressureNumber(available.RatingPressure, unitSystem) +
           QLatin1Char(' ') + words.PressureWord + txt::kClassOpen +
           NfpaClassName(available.Class) + txt::kClassClose;
}

QString AvailableFlowSentence(const AvailableFlow& available, int unitSystem) {
    return txt::kAvailable + AvailableFlowValueText(available, unitSystem);
}

QString AvailableFlowStatement(const AvailableFlow& available, int unitSystem) {
    const QString note = AvailableFlowNote(available);
    const QString value = AvailableFlowValueText(available, unitSystem);
    return note.isEmpty() ? value : value + QStringLiteral(", ") + note;
}

QString AvailableFlowNote(const AvailableFlow& available) {
    if (!available.Computable)
        return available.Reason;
    return available.Estimate ? txt::kEstimateNote : QString();
}

} // namespace quenra
