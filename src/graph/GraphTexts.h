#pragma once

#include <QString>

namespace quenra::graph_texts {

// The axis titles, followed by the unit label, e.g. "Pressure (psi)".
inline const QString kPressureTitle = QStringLiteral("Pressure ");
inline const QString kFlowTitle = QStringLiteral("Flow ");

} // namespace quenra::graph_texts
