#pragma once

#include "files/ProjectFileLayout.h"
#include "model/ProjectData.h"

#include <QString>

#include <random>

namespace quenra::test {

// Fills every field that a project file holds with random values: texts with letters, digits,
// brackets and Windows-1252 letters such as é and €, comment pages of several lines.
class RandomProject {
public:
    explicit RandomProject(unsigned seed) : random_(seed) {}

    ProjectData Make() {
        ProjectData p;
        using namespace project_file;
        SupplySection(*this, p, kNewestVersion, [] {});
        GeneralSection(*this, p);
        PumpSection(*this, p, kNewestVersion);
        SetupSection(*this, p);
        CommentSwitches(*this, p);
        Bool(p.HideVoltsAmps);
        Version5Tail(*this, p);
        for (int page = 1; page <= kTestCount; ++page) {
            p.Comments[page] = CommentPage();
            p.HydrantComments[page] = CommentPage();
        }
        return p;
    }

    void Text(QString& value) { value = Word(Pick(0, 24)); }
    void Bool(bool& value) { value = Pick(0, 1) == 1; }
    void Int(int& value) { value = Pick(-5, 40); }
    void IntOr(int& value, int) { Int(value); }
    void Colour(quenra::Colour& value) { value = static_cast<quenra::Colour>(Pick(0, 0xFFFFFF)); }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    QString Word(int length) {
        static const QString alphabet =
            QStringLiteral("abcdefghijklmnopqrstuvwxyz ABCXYZ0123456789.,-+{}<>()[]/\"'#|=éü€ß");
        QString word;
        for (int i = 0; i < length; ++i) {
            word += alphabet.at(Pick(0, static_cast<int>(alphabet.size()) - 1));
        }
        return word;
    }

    // Comment pages are kept as lines each ended by CR LF, as the comment box stores them.
    QString CommentPage() {
        QString page;
        const int lines = Pick(0, 4);
        for (int i = 0; i < lines; ++i) {
            page += Word(Pick(0, 40)) + QStringLiteral("\r\n");
        }
        return page;
    }

    std::mt19937 random_;
};

} // namespace quenra::test
