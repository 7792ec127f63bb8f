#include "files/ProjectFileLayout.h"
#include "files/ProjectFileWriter.h"
#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

TEST(UnstorableCharacters, ASaveNamesEachFieldThatLostCharactersOnce) {
    ProjectData p;
    p.ClientName = QStringLiteral("Zoë 汉字"); // ë is stored, the two signs are not
    p.PumpReadings[2][1][3] = QString::fromUcs4(U"\U0001F525"); // one character, two UTF-16 units
    p.PumpReadings[2][4][14] = QStringLiteral("1500 → 1520");
    p.Comments[4] = QStringLiteral("Ω reading\r\n");
    p.SiteLocation = QStringLiteral("Café €5 ?"); // all in the code page

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Plant.qrx"));
    test::ScriptedPrompter prompter;
    const SaveResult result = WriteProjectFile(p, path, prompter);
    ASSERT_TRUE(result.Saved);
    const QList<UnstorableField> expected = {
        {QStringLiteral("Client"), 2},
        {QStringLiteral("Pump Test 2 Readings"), 2},
        {QStringLiteral("Comments Page 4"), 1},
    };
    EXPECT_EQ(result.Unstorable, expected);

    TellUnstorableCharacters(result, prompter);
    EXPECT_EQ(prompter.Messages,
              (QStringList{
                  QStringLiteral("Saving ") + path,
                  QStringLiteral("Client: 2 characters could not be stored and were saved as ?\n"
                                 "Pump Test 2 Readings: 2 characters could not be stored and were "
                                 "saved as ?\n"
                                 "Comments Page 4: 1 character could not be stored and was saved "
                                 "as ?")}));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("\r\nZo\xEB ??\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n1500 ? 1520\r\n"));
}

TEST(UnstorableCharacters, ASaveThatStoresEverythingOrFailsSaysNothingMore) {
    test::ScriptedPrompter prompter;
    ProjectData p;
    p.ClientName = QStringLiteral("汉");
    QTemporaryDir dir;
    const SaveResult failed =
        WriteProjectFileQuietly(p, dir.filePath(QStringLiteral("no/such/x.qrx")), prompter);
    EXPECT_FALSE(failed.Saved);
    ASSERT_EQ(prompter.Messages.size(), 1);
    TellUnstorableCharacters(failed, prompter);
    EXPECT_EQ(prompter.Messages.size(), 1) << "a failed save stored nothing";

    const SaveResult stored =
        WriteProjectFileQuietly(ProjectData(), dir.filePath(QStringLiteral("x.qrx")), prompter);
    EXPECT_TRUE(stored.Saved);
    EXPECT_TRUE(stored.Unstorable.isEmpty());
    TellUnstorableCharacters(stored, prompter);
    EXPECT_EQ(prompter.Messages.size(), 1);
}

// Puts one character that the code page lacks into every text field of the file.
struct EveryTextUnstorable {
    int Fields = 0;
    void Text(QString& value) {
        value = QStringLiteral("汉");
        ++Fields;
    }
    void Bool(bool&) {}
    void Int(int&) {}
    void IntOr(int&, int) {}
    void Colour(quenra::Colour&) {}
};

TEST(UnstorableCharacters, EveryTextFieldHasAName) {
    using namespace project_file;
    ProjectData p;
    EveryTextUnstorable fill;
    SupplySection(fill, p, kNewestVersion, [] {});
    GeneralSection(fill, p);
    PumpSection(fill, p, kNewestVersion);
    SetupSection(fill, p);
    Version5Tail(fill, p);
    for (int page = 1; page <= kTestCount; ++page) {
        fill.Text(p.Comments[page]);
        fill.Text(p.HydrantComments[page]);
    }

    QList<UnstorableField> lost;
    SerializeProject(p, &lost);
    int characters = 0;
    QStringList names;
    for (const UnstorableField& field : lost) {
        EXPECT_FALSE(field.Field.isEmpty()) << "field " << names.size() + 1 << " has no name";
        EXPECT_FALSE(names.contains(field.Field)) << field.Field.toStdString();
        names.append(field.Field);
        characters += field.Characters;
    }
    EXPECT_EQ(characters, fill.Fields);
}

} // namespace
} // namespace quenra
