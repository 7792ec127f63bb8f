#pragma once

#include "model/ProjectData.h"

#include <QString>

namespace quenra {

struct UnitWords;

// The rating pressure the hydrant classes are stated at, in psi.
constexpr double kDefaultRatingPressurePsi = 20.0;

// Whether the graph and the report state each supply test's available flow, and at which
// rating pressure (psi, converted into the project's pressure unit). The window keeps it in the
// user's settings; it is never part of a project.
struct AvailableFlowOption {
    bool Show = false;
    double RatingPressurePsi = kDefaultRatingPressurePsi;
};

// The hydrant classes by the flow available at the rating pressure (bonnet colours).
enum class NfpaClass { AA, A, B, C };

// The flow a supply test can deliver at the rating pressure, read off its supply curve, or why
// it cannot be stated.
struct AvailableFlow {
    bool Computable = false;
    double Flow = 0.0;           // the project's flow unit
    double FlowGpm = 0.0;        // the same flow in gpm, which the classes are defined in
    double RatingPressure = 0.0; // the project's pressure unit
    NfpaClass Class = NfpaClass::C;
    bool Estimate = false; // the test dropped the pressure by less than a quarter
    QString Reason;        // why not computable; empty when computable
};

// The available flow Q * ((S - P) / (S - R))^0.5399568 of a test with static pressure S,
// residual pressure R and residual flow Q, all in the units of `unitSystem`, at the rating
// pressure given in psi.
AvailableFlow ComputeAvailableFlow(double staticPressure, double residualPressure,
                                   double residualFlow, int unitSystem,
                                   double ratingPressurePsi = kDefaultRatingPressurePsi);

// The available flow of supply test 1..5 of the project, with its numbers read as the supply
// curve reads them.
AvailableFlow AvailableFlowOf(const ProjectData& project, int supplyTest,
                              double ratingPressurePsi = kDefaultRatingPressurePsi);

// The class of a flow in gpm, judged on the whole gallons shown, so that the class always
// agrees with the figure printed beside it: 1499.5 gpm shows as 1 500 and is class AA.
NfpaClass ClassOfFlowGpm(double flowGpm);
QString NfpaClassName(NfpaClass nfpaClass);
// Light blue, green, orange, red.
Colour NfpaClassColour(NfpaClass nfpaClass);

// A pressure in psi in the pressure unit of `unitSystem`, and a flow of that system in gpm.
double PsiInPressureUnit(double psi, int unitSystem);
double FlowInGpm(double flow, int unitSystem);

// The flow as shown: whole gpm or l/min, l/s and m3/h to one decimal, thousands set apart by
// a blank ("3 358").
QString AvailableFlowNumber(double flow, int unitSystem);
// The rating pressure as shown: "20", "137.9", "1.379".
QString RatingPressureNumber(double pressure, int unitSystem);

// "Available: 3 358 gpm @ 20 psi (Class AA)", or "Available: not computable" when no value.
QString AvailableFlowSentence(const AvailableFlow& available, int unitSystem);
// The same without the leading "Available: ".
QString AvailableFlowValueText(const AvailableFlow& available, int unitSystem);
// The value with what qualifies it, as a report line states it: "3 358 gpm @ 20 psi (Class AA),
// pressure drop under 25 %: estimate" or "not computable, static pressure at or below 20 psi".
QString AvailableFlowStatement(const AvailableFlow& available, int unitSystem);
// What qualifies the sentence: the reason there is no value, or the estimate note; empty when
// the value stands on its own.
QString AvailableFlowNote(const AvailableFlow& available);

} // namespace quenra
