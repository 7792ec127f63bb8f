#include "MainWindowFixture.h"
#include "app/DatePicker.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using test::MainWindowTest;

TEST_F(MainWindowTest, ASaveThatReplacedCharactersSaysWhichFieldsOnceAfterwards) {
    Start();
    // ō is not in the file's code page; it cannot be typed key by key in the test.
    Find<QLineEdit>("Client1")->setText(QStringLiteral("Zhōu Plant"));
    Type("Loc1", QStringLiteral("Pier 9"));
    prompter_.FileNames << Path(QStringLiteral("Zhou.qrx"));
    ASSERT_TRUE(window_->SaveAsCommand());
    const QString saved = Project().ProjectFileName;
    const QString lost =
        QStringLiteral("Client: 1 character could not be stored and was saved as ?");
    EXPECT_EQ(prompter_.Messages, (QStringList{QStringLiteral("Saving ") + saved, lost}));

    // Save again over the same file: said again, once.
    prompter_.Messages.clear();
    ASSERT_TRUE(window_->SaveCommand());
    EXPECT_EQ(prompter_.Messages, (QStringList{QStringLiteral("Saving ") + saved, lost}));

    Type("Client1", QStringLiteral("Zhou Plant"));
    prompter_.Messages.clear();
    ASSERT_TRUE(window_->SaveCommand());
    EXPECT_EQ(prompter_.Messages, QStringList{QStringLiteral("Saving ") + saved});
}

// Containers and headless machines run in the C locale: the calendar writes the date as a US
// machine does, so the file reads the same everywhere.
TEST(DatePicker, UnderTheCLocaleDatesAreWrittenAsInTheUnitedStates) {
    const QLocale saved;
    QLocale::setDefault(QLocale::c());
    test::ScriptedPrompter prompter;
    prompter.Dates.push_back(QDate(2026, 3, 9));
    const QString picked = PickDateText(prompter, QString());
    prompter.Dates.push_back(std::nullopt);
    PickDateText(prompter, QStringLiteral("10/14/2026"));
    QLocale::setDefault(saved);

    EXPECT_EQ(picked, QStringLiteral("3/9/2026"));
    EXPECT_EQ(prompter.DateRequests.last(), QDate(2026, 10, 14)) << "opens on the field's date";
}

} // namespace
} // namespace quenra
