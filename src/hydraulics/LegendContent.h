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

// What the legend shows, in its order, and the verdict at each demand point that the report
// quotes: a safety cushion text, "Out of Range", or empty.
struct LegendContent {
    QList<LegendEntry> Entries;
    PerTest<QString> DemandVerdict;
};

// The legend of a graph: hydrant tests in display order (hydrant projects); pump rating,
// NFPA 20 and 25 references and the pump test curves (fire pump projects); the enabled demand
// points with what the evaluated tests give at them. `useTestDate` names pump tests by their
// date instead of their number.
LegendContent BuildLegendContent(const ProjectData& project, const CurveSet& curves,
                                 const DisplayOrders& orders, const EvaluatedTests& evaluated,
                                 bool useTestDate = true);

} // namespace quenra
