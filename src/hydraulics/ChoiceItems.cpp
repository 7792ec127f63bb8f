#include "ChoiceItems.h"

#include "NumberText.h"

namespace quenra {

const QStringList& SupplyTypeItems() {
    static const QStringList items = {QStringLiteral("Public Main"), QStringLiteral("Tank"),
                                      QStringLiteral("Other"), QStringLiteral("Not Specified")};
    return items;
}

const QStringList& PumpPurposeItems() {
    static const QStringList items = {
        QStringLiteral("automatic sprinkler system(s)"),
        QStringLiteral("standpipe system(s)"),
        QStringLiteral("private hydrant(s)"),
        QStringLiteral("automatic sprinkler and standpipe system(s)"),
        QStringLiteral("automatic sprinkler system(s) and private hydrant(s)"),
        QStringLiteral("automatic sprinkler system(s), standpipe system(s) and private hydrant(s)"),
    };
    return items;
}

std::optional<int> StoredItemIndex(const QString& stored) {
    const QString trimmed = TrimBlanks(stored);
    if (trimmed.size() != 1) {
        return std::nullopt;
    }
    const QChar c = trimmed.front();
    return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - u'0' : 0;
}

QString StoredChoiceText(const QString& stored, const QStringList& items) {
    const std::optional<int> index = StoredItemIndex(stored);
    if (!index) {
        return stored;
    }
    return *index < items.size() ? items.at(*index) : QString();
}

} // namespace quenra
