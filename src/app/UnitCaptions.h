#pragma once

#include <QString>

class QWidget;

namespace quenra {

struct UnitWords;

// Rewrites every caption that carries a unit (a fixed prefix and a bracketed unit label,
// "Static Pressure (psi)") below `root` for the unit system's words. Labels that are not on
// the window are skipped.
void ApplyUnitCaptions(QWidget* root, const UnitWords& units);

// The caption of a unit label as it reads for the English system, for building the pages.
// Unknown label names give an empty text.
QString EnglishUnitCaption(const char* labelName);

} // namespace quenra
