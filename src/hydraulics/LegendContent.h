#pragma once

#include "CurveSet.h"
#include "DisplayOrder.h"
#include "model/ProjectData.h"

#include <QList>
#include <QString>

#include <optional>

namespace quenra {

// One text line of a legend entry. A negative safety cushion is a warning: from
// `WarningFrom` on (the value and its unit) the line is drawn in bold red.
struct LegendLine {
    QString Text;
    qsizetype WarningFrom = -1; // -1: no warning
    // A small square of this colour in the symbol column beside the line (a hydrant's class).
    std::optional<Colour> Swatch;

    bool HasWarning() const { return WarningFrom >= 0; }
    friend bool operator==(const LegendLine&, const LegendLine&) = default;
};

enum class LegendEntryKind {
    HydrantTest,
    PumpRating,
    Nfpa20,
    Nfpa25,
    PumpTestNet,
    PumpTestDischarge,
    DemandPoint,
};

// One entry of the legend column: its lines, drawn in its colour with its symbol beside them.
struct LegendEntry {
    LegendEntryKind Kind = LegendEntryKind::HydrantTest;
    int Number = 0; // the hydrant test, pump test or demand point; 0 for the others
    QList<LegendLine> Lines;
    Colour Color = 0;
    PointSymbol Symbol = PointSymbol::None;
};

// The verdict at one demand point as the evaluated test gives it, kept as a number and worded
// only where it is shown: the legend, the report's demand line, the curves of the batch line.
struct DemandPointVerdict {
    enum class Kind {
        None,          // the point is off, or no test is evaluated
        SafetyCushion, // the supply (or the boosted pressure) less the demand pressure
        OutOfRange,    // the demand lies beyond the pump curve
    };
    Kind Result = Kind::None;
    double Cushion = 0.0; // SafetyCushion only
    QString PressureWord; // the unit the cushion is worded in

    // "Safety Cushion: +12.3 psi", "Out of Range", or empty.
    QString Text() const;
    // Where the warning of a negative cushion starts in Text(); -1 when there is none.
    qsizetype WarningFrom() const;

    static DemandPointVerdict Cushioned(double cushion, const QString& pressureWord);
    static DemandPointVerdict OutOfPumpRange();
    friend bool operator==(const DemandPointVerdict&, const DemandPointVerdict&) = default;
};

// What the legend shows, in its order, and the verdict at each demand point that the report
// quotes.
struct LegendContent {
    QList<LegendEntry> Entries;
    PerTest<DemandPointVerdict> DemandVerdict;
};

// The legend of a graph: hydrant tests in display order (hydrant projects); pump rating,
// NFPA 20 and 25 references and the pump test curves (fire pump projects); the enabled demand
// points with what the evaluated tests give at them. `useTestDate` names pump tests by their
// date instead of their number.
LegendContent BuildLegendContent(const ProjectData& project, const CurveSet& curves,
                                 const DisplayOrders& orders, const EvaluatedTests& evaluated,
                                 bool useTestDate = true);

} // namespace quenra
