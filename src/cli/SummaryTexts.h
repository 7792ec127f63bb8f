#pragma once

#include <QString>

namespace quenra::summary_texts {

// The header of `--summary`; the bracketed unit labels and the rating pressure are added.
inline const QString kTest = QStringLiteral("Test");
inline const QString kDate = QStringLiteral("Date");
inline const QString kStatic = QStringLiteral("Static ");
inline const QString kResidual = QStringLiteral("Residual ");
inline const QString kFlow = QStringLiteral("Flow ");
inline const QString kAvailableAt = QStringLiteral("Available @ ");
inline const QString kClass = QStringLiteral("Class");
inline const QString kNote = QStringLiteral("Note");

} // namespace quenra::summary_texts
