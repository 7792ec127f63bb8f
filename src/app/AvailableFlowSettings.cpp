#include "AvailableFlowSettings.h"

#include "hydraulics/NumberText.h"

#include <QSettings>

namespace quenra {

namespace {

const QString kShowKey = QStringLiteral("AvailableFlow/Show");
const QString kRatingPressureKey = QStringLiteral("AvailableFlow/RatingPressure");
// The settings file is named after the program whatever the application object says.
const QString kSettingsOwner = QStringLiteral("Quenra");

QVariant Setting(const QString& key, const QVariant& fallback) {
    return QSettings(kSettingsOwner, kSettingsOwner).value(key, fallback);
}

void Store(const QString& key, const QVariant& value) {
    QSettings(kSettingsOwner, kSettingsOwner).setValue(key, value);
}

} // namespace

double RatingPressureOfText(const QString& text) {
    const double pressure = ParseNumber(text);
    return pressure > 0.0 ? pressure : kDefaultRatingPressurePsi;
}

QString ReadRatingPressureText() {
    return Setting(kRatingPressureKey, FormatGeneral(kDefaultRatingPressurePsi)).toString();
}

AvailableFlowOption ReadAvailableFlowOption() {
    AvailableFlowOption option;
    option.Show = Setting(kShowKey, false).toBool();
    option.RatingPressurePsi = RatingPressureOfText(ReadRatingPressureText());
    return option;
}

void StoreShowAvailableFlow(bool show) {
    Store(kShowKey, show);
}

void StoreRatingPressureText(const QString& text) {
    Store(kRatingPressureKey, text);
}

} // namespace quenra
