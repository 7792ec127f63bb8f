#include "UnitCaptions.h"

#include "hydraulics/UnitSystem.h"

#include <QLabel>
#include <QString>
#include <QWidget>

namespace quenra {

namespace {

enum class Unit { Pressure, Flow, Diameter, Volume };

struct UnitCaption {
    const char* Label;
    const char* Prefix; // empty: the bare bracketed label
    Unit Role;
};

// Every caption of the window that follows the unit system.
constexpr UnitCaption kCaptions[] = {
    {"Label5", "Static Pressure ", Unit::Pressure},
    {"Label6", "Residual Pressure ", Unit::Pressure},
    {"Label7", "Residual Flow ", Unit::Flow},
    {"Label8", "Orifice Size ", Unit::Diameter},
    {"Label10", "Pitot Reading ", Unit::Pressure},
    {"Label160", "Size of Water Main ", Unit::Diameter},
    {"Label12", "Capacity ", Unit::Volume},
    {"Label18", "Rated Flow ", Unit::Flow},
    {"Label19", "Rated Pressure ", Unit::Pressure},
    {"Label20", "Churn Pressure ", Unit::Pressure},
    {"Label15", "Pressure at 1.5*QR ", Unit::Pressure},
    {"Label26", "", Unit::Flow},
    {"Label32", "", Unit::Pressure},
    {"Label123", "", Unit::Pressure},
    {"Label100", "Calculated Flow ", Unit::Flow},
    {"Label112", "Diameter ", Unit::Diameter},
};

QString LabelFor(Unit role, const UnitWords& units) {
    switch (role) {
    case Unit::Pressure:
        return units.PressureLabel;
    case Unit::Flow:
        return units.FlowLabel;
    case Unit::Diameter:
        return units.DiameterLabel;
    case Unit::Volume:
        return units.VolumeLabel;
    }
    return {};
}

QString CaptionFor(const UnitCaption& caption, const UnitWords& units) {
    const QString label = LabelFor(caption.Role, units);
    const QString prefix = QString::fromLatin1(caption.Prefix);
    return prefix.isEmpty() ? label : ComposeCaption(prefix, label);
}

} // namespace

void ApplyUnitCaptions(QWidget* root, const UnitWords& units) {
    for (const UnitCaption& caption : kCaptions) {
        if (auto* label = root->findChild<QLabel*>(QString::fromLatin1(caption.Label))) {
            label->setText(CaptionFor(caption, units));
        }
    }
}

QString EnglishUnitCaption(const char* labelName) {
    const UnitWords english = UnitWordsFor(0);
    for (const UnitCaption& caption : kCaptions) {
        if (qstrcmp(caption.Label, labelName) == 0) {
            return CaptionFor(caption, english);
        }
    }
    return {};
}

} // namespace quenra
