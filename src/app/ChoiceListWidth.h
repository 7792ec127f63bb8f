#pragma once

class QComboBox;
class QWidget;

namespace quenra {

// An open drop-down list is at least as wide as its longest item, so that long choices can be
// read in full; the width follows the items whenever the list is rebuilt.
void KeepListWideEnough(QComboBox* combo);

// The same for every drop-down list below root.
void KeepListsWideEnough(QWidget* root);

} // namespace quenra
