#pragma once

#include <QString>

namespace quenra::check_messages {

// Every text of the data error check, worded as inspectors have always seen them (the double
// blanks included). n is the test or demand point number, row the table row as the page shows
// it (the churn row is row zero).

inline QString IllegalStaticPressure(int n) {
    return QStringLiteral("Illegal Static Pressure in Supply Test ") + QString::number(n);
}
inline QString IllegalResidualPressure(int n) {
    return QStringLiteral("Illegal Residual Pressure in Supply Test ") + QString::number(n);
}
inline QString IllegalResidualFlow(int n) {
    return QStringLiteral("Illegal Residual Flow in Supply Test ") + QString::number(n);
}
inline QString ResidualExceedsStatic(int n) {
    return QStringLiteral("Residual Pressure exceeds Static Pressure in Supply Test ") +
           QString::number(n);
}

inline const QString kIllegalRatedFlow = QStringLiteral("Illegal Rated Flow in Rated Pump");
inline const QString kIllegalRatedPressure = QStringLiteral("Illegal Rated Pressure in Rated Pump");
inline const QString kIllegalChurnPressure = QStringLiteral("Illegal Churn Pressure in Rated Pump");
inline const QString kIllegalPressureAt150 =
    QStringLiteral("Illegal Pressure at 1.5QR in Rated Pump");
inline const QString kRatedExceedsChurn =
    QStringLiteral("Rated Pressure exceeds Churn Pressure in Rated Pump");
inline const QString kAt150ExceedsRated =
    QStringLiteral("Pressure at 1.5QR exceeds Rated Pressure in Rated Pump");

inline QString NoPumpTestData(int n) {
    return QStringLiteral("Error: No pressure or flow data in pump test ") + QString::number(n);
}
inline QString IllegalPumpTestPressure(int row, int n) {
    return QStringLiteral("Illegal Pressure in row ") + QString::number(row) +
           QStringLiteral(" of pump test ") + QString::number(n);
}
inline QString NonZeroChurnFlow(int n) {
    return QStringLiteral("Non-zero flow in row zero of pump test ") + QString::number(n);
}
inline QString IllegalPumpTestFlow(int row, int n) {
    return QStringLiteral("Illegal flow in row ") + QString::number(row) +
           QStringLiteral(" of pump test ") + QString::number(n);
}

inline QString IllegalDemandFlow(int n) {
    return QStringLiteral("Illegal Flow in Demand Point ") + QString::number(n);
}
inline QString IllegalDemandPressure(int n) {
    return QStringLiteral("Illegal Pressure in Demand Point ") + QString::number(n);
}

inline const QString kNoErrorsFound = QStringLiteral("No errors found");
inline const QString kDisplayErrorsQuestion =
    QStringLiteral("Display errors?  Abort to not display this message again.");

// What a residual flow of 10 or less is raised to.
inline const QString kSmallestResidualFlowText = QStringLiteral("10");
constexpr double kSmallestResidualFlow = 10.0;

} // namespace quenra::check_messages
