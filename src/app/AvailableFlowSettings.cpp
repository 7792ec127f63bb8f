#include "AvailableFlowSettings.h"

#include "hydraulics/NumberText.h"

#include <QSettings>

namespace quenra {

namespace {

const QString kShowKey = QStringLiteral("AvailableFlow/Show");
const QString kRatingPressureKey = QStringLiteral("AvailableFlow/RatingPressure");

} // namespace

double RatingPressureOfText(const QString& text) {
    const double pressure = ParseNumber(text);
    return pressure > 0.0 ? pressure : kDefaultRatingPressurePsi;
}

QString ReadRatingPressureText() {
    return QSettings()
        .value(kRatingPressureKey, FormatGeneral(kDefaultRatingPressurePsi))
        .toString();
}

AvailableFlowOption ReadAvailableFlowOption() {
    AvailableFlowOption option;
    option.Show = QSettings().value(kShowKey, false).toBool();
    option.RatingPressurePsi = RatingPressureOfText(ReadRatingPressureText());
    return option;
}

void StoreShowAvailableFlow(bool show) {
    QSettings().setValue(kShowKey, show);
}

void StoreRatingPressureText(const QString& text) {
    QSettings().setValue(kRatingPressureKey, text);
}

} // namespace quenra
