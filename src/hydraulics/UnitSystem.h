#pragma once

#include <QString>
#include <QStringList>

namespace quenra {

// Unit words of one unit system. Stored values are never converted between systems: only the
// words beside the fields, the nozzle size list and the pitot flow constant follow the system.
struct UnitWords {
    QString PressureWord, PressureLabel;
    QString FlowWord, FlowLabel;
    QString DiameterWord, DiameterLabel;
    QString LengthWord, LengthLabel;
    QString VolumeWord, VolumeLabel;
    QString SmallLengthLabel;
};

constexpr int kUnitSystemCount = 7;

// The system a stored index stands for: 0..6 as they are, anything else 0.
int KnownUnitSystem(int unitSystem);

// The items of the unit system selector, in index order ("English: gpm - psi", ...).
QStringList UnitSystemItems();

// Words of system 0..6; an index read from a file that is outside that range gets the English
// words, the same as index 0.
UnitWords UnitWordsFor(int unitSystem);

// A caption from its prefix and a bracketed label: "Static Pressure " + "(psi)".
QString ComposeCaption(const QString& prefix, const QString& label);

// The three items of the suction gauge type selector.
QStringList SuctionTypeItems(const UnitWords& words);

// The two items of the lift-or-head selector: "Lift (ft)", "Head (ft)".
QStringList LiftOrHeadItems(const UnitWords& words);

} // namespace quenra
