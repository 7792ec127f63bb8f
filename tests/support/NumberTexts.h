#pragma once

#include <QFile>
#include <QList>
#include <QString>

#include <ostream>

namespace quenra::test {

// A text a number box may hold and whether the number rules read it as a number.
struct NumberTextCase {
    QString Text;
    bool IsNumber = false;
};

inline void PrintTo(const NumberTextCase& c, std::ostream* out) {
    *out << (c.IsNumber ? "number \"" : "not a number \"") << c.Text.toStdString() << '"';
}

// The cases of tests/data/number-texts.tsv.
inline QList<NumberTextCase> NumberTextCases() {
    QList<NumberTextCase> cases;
    QFile file(QStringLiteral(QUENRA_TEST_DATA_DIR "/number-texts.tsv"));
    if (!file.open(QIODevice::ReadOnly)) {
        return cases;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (line.startsWith('#') || tab < 0) {
            continue;
        }
        cases.append({QString::fromUtf8(line.mid(tab + 1)), line.left(tab) == "number"});
    }
    return cases;
}

} // namespace quenra::test
