#include "ImagePattern.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace quenra::img2pdf {
namespace {

QRegularExpression NameExpression(const QString& namePattern) {
    QString expression;
    for (const QChar c : namePattern) {
        if (c == u'*') {
            expression += QStringLiteral(".*");
        } else if (c == u'?') {
            expression += u'.';
        } else {
            expression += QRegularExpression::escape(QString(c));
        }
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::CaseInsensitiveOption);
}

const QCollator& PageCollator() {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::English, QLocale::UnitedStates)};
        c.setNumericMode(true);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

bool ImagePattern::HasWildcard(const QString& pattern) {
    const QString name = QFileInfo(pattern).fileName();
    return name.contains(u'*') || name.contains(u'?');
}

QStringList ImagePattern::Files(const QString& pattern) {
    if (!HasWildcard(pattern)) {
        return {pattern};
    }
    const QFileInfo info(pattern);
    const QDir folder = info.dir();
    const QRegularExpression name = NameExpression(info.fileName());
    QStringList files;
    // Pipes and devices match as well, so that reading them says what they are rather than
    // leaving a page out without a word.
    for (const QString& entry : folder.entryList(QDir::Files | QDir::System)) {
        if (name.match(entry).hasMatch()) {
            files.append(folder.filePath(entry));
        }
    }
    std::sort(files.begin(), files.end(), PageOrder);
    return files;
}

bool ImagePattern::PageOrder(const QString& left, const QString& right) {
    const int order = PageCollator().compare(left, right);
    // Names the collator takes as equal (Report2, Report02) still get a fixed order.
    return order != 0 ? order < 0 : left < right;
}

} // namespace quenra::img2pdf
