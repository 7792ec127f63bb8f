#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quenra {

// The choice lists whose chosen text the project keeps either as the text itself or, as older
// files and new projects do, as the item's index in a single character.
const QStringList& SupplyTypeItems();
const QStringList& PumpPurposeItems();

// The index a stored choice of one character stands for (a character other than a digit counts
// as 0); nothing for a longer text, which is the inspector's own wording.
std::optional<int> StoredItemIndex(const QString& stored);

// The text a stored choice shows: the item of a stored index (empty beyond the list), or the
// stored wording itself.
QString StoredChoiceText(const QString& stored, const QStringList& items);

} // namespace quenra
