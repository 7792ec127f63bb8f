#include "NumberBoxes.h"

namespace quenra {

QStringList NumberBoxNames() {
    return {
        // Demand points: flows and pressures.
        QStringLiteral("Edit2"),
        QStringLiteral("Edit3"),
        QStringLiteral("Edit4"),
        QStringLiteral("Edit5"),
        QStringLiteral("Edit6"),
        QStringLiteral("Edit7"),
        QStringLiteral("Edit8"),
        QStringLiteral("Edit9"),
        QStringLiteral("Edit10"),
        QStringLiteral("Edit11"),
        // Fire hydrant test.
        QStringLiteral("StPrs"),
        QStringLiteral("RsPrs"),
        QStringLiteral("RdFlow"),
        QStringLiteral("PitotRead"),
        QStringLiteral("OrfSize"),
        QStringLiteral("DisCoef"),
        QStringLiteral("ComboBox1"),
        QStringLiteral("Cap"),
        QStringLiteral("LiftOrHeadValue"),
        // Fire pump rating and driver.
        QStringLiteral("RtdFlw"),
        QStringLiteral("RtdPrs"),
        QStringLiteral("ChPrs"),
        QStringLiteral("PrsQR"),
        QStringLiteral("RtdSpd"),
        QStringLiteral("HP1"),
        QStringLiteral("RPM1"),
        QStringLiteral("Vlt1"),
        QStringLiteral("AMP1"),
        QStringLiteral("SrFc"),
        // Pump test nozzles.
        QStringLiteral("Diam1"),
        QStringLiteral("ComboBox2"),
        QStringLiteral("ComboBox4"),
        QStringLiteral("ComboBox6"),
        QStringLiteral("ComboBox8"),
        QStringLiteral("ComboBox10"),
        QStringLiteral("Coef1"),
        QStringLiteral("ComboBox3"),
        QStringLiteral("ComboBox5"),
        QStringLiteral("ComboBox7"),
        QStringLiteral("ComboBox9"),
        QStringLiteral("ComboBox11"),
        // Setup: graph limits and page margins.
        QStringLiteral("MinPrs"),
        QStringLiteral("MaxPrs"),
        QStringLiteral("MinFlow"),
        QStringLiteral("MaxFlow"),
        QStringLiteral("Edit16"),
        QStringLiteral("Edit23"),
        QStringLiteral("Edit33"),
        QStringLiteral("Edit28"),
    };
}

} // namespace quenra
