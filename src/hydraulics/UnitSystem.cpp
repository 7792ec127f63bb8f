#include "hydraulics/UnitSystem.h"

#include <array>

namespace quenra {
namespace {

struct UnitSystemRow {
    const char* Item;
    const char* Pressure;
    const char* Flow;
};

// Only pressure and flow words differ between the metric systems; every metric system
// measures diameters in mm, lengths in m and volumes in litres.
constexpr std::array<UnitSystemRow, kUnitSystemCount> kUnitSystems{{
    {"English: gpm - psi", "psi", "gpm"},
    {"Metric: l/s - kpa", "kpa", "l/s"},
    {"Metric: Cm/hr - bar", "bar", "cm/hr"},
    {"Metric: l/min - bar", "bar", "l/m"},
    {"Metric: l/s - bar", "bar", "l/s"},
    {"Metric: Cm/hr - kpa", "kpa", "cm/hr"},
    {"Metric: l/min - kpa", "kpa", "l/m"},
}};

constexpr int kEnglishSystem = 0;

QString Bracketed(const QString& word) {
    return QLatin1Char('(') + word + QLatin1Char(')');
}

} // namespace

int KnownUnitSystem(int unitSystem) {
    return unitSystem >= 0 && unitSystem < kUnitSystemCount ? unitSystem : kEnglishSystem;
}

QStringList UnitSystemItems() {
    QStringList items;
    for (const UnitSystemRow& row : kUnitSystems)
        items << QString::fromLatin1(row.Item);
    return items;
}

UnitWords UnitWordsFor(int unitSystem) {
    const int system = KnownUnitSystem(unitSystem);
    const UnitSystemRow& row = kUnitSystems[static_cast<std::size_t>(system)];
    const bool english = system == kEnglishSystem;
    UnitWords words;
    words.PressureWord = QString::fromLatin1(row.Pressure);
    words.PressureLabel = Bracketed(words.PressureWord);
    words.FlowWord = QString::fromLatin1(row.Flow);
    words.FlowLabel = Bracketed(words.FlowWord);
    words.DiameterWord = english ? QStringLiteral("inches") : QStringLiteral("mm");
    words.DiameterLabel = english ? QStringLiteral("(in)") : QStringLiteral("(mm)");
    words.LengthWord = english ? QStringLiteral("ft") : QStringLiteral("m");
    words.LengthLabel = Bracketed(words.LengthWord);
    words.VolumeWord = english ? QStringLiteral("gal") : QStringLiteral("l");
    words.VolumeLabel = Bracketed(words.VolumeWord);
    words.SmallLengthLabel = english ? QStringLiteral("(in)") : QStringLiteral("(cm)");
    return words;
}

QString ComposeCaption(const QString& prefix, const QString& label) {
    // Exactly one blank between prefix and label, however the prefix ends.
    QString caption = prefix;
    while (!caption.isEmpty() && caption.back() == QLatin1Char(' '))
        caption.chop(1);
    if (caption.isEmpty())
        return label;
    return caption + QLatin1Char(' ') + label;
}

QStringList SuctionTypeItems(const UnitWords& words) {
    return {
        QStringLiteral("Centrifugal: Negative entries in ") + words.DiameterWord +
            QStringLiteral(" of Hg, Positive in ") + words.PressureWord,
        QStringLiteral("Turbine Lift: Suction is in ") + words.LengthWord +
            QStringLiteral(" of lift, other entries in ") + words.PressureWord,
        QStringLiteral("All entries in ") + words.PressureWord,
    };
}

QStringList LiftOrHeadItems(const UnitWords& words) {
    return {ComposeCaption(QStringLiteral("Lift "), words.LengthLabel),
            ComposeCaption(QStringLiteral("Head "), words.LengthLabel)};
}

} // namespace quenra
