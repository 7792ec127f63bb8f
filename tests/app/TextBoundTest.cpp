// Text typed or pasted into the window is bounded where it enters, so that every project the
// inspector can make is a file the program opens again.
#include "MainWindowFixture.h"
#include "model/TextLimits.h"

#include <QPlainTextEdit>

namespace quenra::test {
namespace {

using text_limits::kMaxCommentPageLength;
using text_limits::kMaxFieldLength;

TEST_F(MainWindowTest, APasteIntoAFieldKeepsWhatTheFieldHolds) {
    Start();
    Find<QLineEdit>("Client1")->insert(QString(5000, u'Z'));
    EXPECT_EQ(Project().ClientName, QString(kMaxFieldLength, u'Z'));
}

TEST_F(MainWindowTest, APasteIntoTheCommentsIsCutWhereThePageIsFull) {
    Start();
    Tabs()->setCurrentIndex(1);
    auto* memo = Find<QPlainTextEdit>("Memo1");
    memo->insertPlainText(QString(60000, u'a') + QLatin1Char('\n') + QString(60000, u'b'));
    // 60000 + 2 + 39996 + 2: the end of what was pasted is left out.
    EXPECT_EQ(Project().Comments[1], QString(60000, u'a') + QStringLiteral("\r\n") +
                                         QString(39996, u'b') + QStringLiteral("\r\n"));
    QTest::keyClicks(memo, QStringLiteral("cd"));
    EXPECT_EQ(Project().Comments[1].size(), kMaxCommentPageLength);
    EXPECT_EQ(memo->toPlainText().size(), 99997);
}

TEST_F(MainWindowTest, AlreadyLongerPagesFromAFileLoseNothingWhenTypedIn) {
    Start();
    const QString page = QString(149998, u'y') + QStringLiteral("\r\n");
    Project().Comments[2] = page;
    Tabs()->setCurrentIndex(1);
    Find<QTabBar>("TabControl4")->setCurrentIndex(1);
    auto* memo = Find<QPlainTextEdit>("Memo1");
    ASSERT_EQ(memo->toPlainText().size(), 149998);
    QTest::keyClicks(memo, QStringLiteral("x"));
    EXPECT_EQ(Project().Comments[2], page);
    QTest::keyClick(memo, Qt::Key_Delete);
    EXPECT_EQ(Project().Comments[2], QString(149997, u'y') + QStringLiteral("\r\n"));
}

} // namespace
} // namespace quenra::test
