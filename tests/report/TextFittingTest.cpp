#include "report/TextFitting.h"
#include "graph/ArialFont.h"
#include "hydraulics/QStringPrinter.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

class TextFittingTest : public ::testing::Test {
protected:
    QFontMetrics metrics{ArialFont(-25)};
    int Width(const QString& text) const { return metrics.horizontalAdvance(text); }
};

TEST_F(TextFittingTest, APrefixStaysStrictlyNarrowerThanItsLimit) {
    const QString text = QStringLiteral("Riverside Paper Mill, Building 4");
    EXPECT_EQ(LongestPrefixNarrowerThan(metrics, text, Width(text) + 1), text);
    const QString cut = LongestPrefixNarrowerThan(metrics, text, Width(text));
    EXPECT_EQ(cut, text.chopped(1));
    const int limit = Width(QStringLiteral("Riverside"));
    EXPECT_EQ(LongestPrefixNarrowerThan(metrics, text, limit), "Riversid");
    EXPECT_EQ(LongestPrefixNarrowerThan(metrics, text, 0), "");
    EXPECT_EQ(LongestPrefixNarrowerThan(metrics, text, -50), "");
}

TEST_F(TextFittingTest, ACutNeverSplitsACharacterOutsideTheBasicPlane) {
    const QString text = QStringLiteral("ab") + QString::fromUcs4(U"\U0001F525") + "cd";
    for (int limit = 0; limit < Width(text) + 2; ++limit) {
        const QString cut = LongestPrefixNarrowerThan(metrics, text, limit);
        ASSERT_TRUE(cut.isEmpty() || !cut.back().isHighSurrogate()) << limit;
    }
}

TEST_F(TextFittingTest, ACommentBreaksOnceAtTheLastBlankThatFits) {
    const QString text = QStringLiteral("Packing glands drip within limits at all flows");
    const int box = Width(QStringLiteral("Packing glands dri"));
    const CommentLinePair lines = BreakCommentLine(metrics, text, box);
    EXPECT_EQ(lines.First, "Packing glands ");
    EXPECT_EQ(lines.Second, "drip within limits at all flows");

    const CommentLinePair fits = BreakCommentLine(metrics, text, Width(text));
    EXPECT_EQ(fits.First, text);
    EXPECT_EQ(fits.Second, "");
}

TEST_F(TextFittingTest, ACommentWithoutBlanksBreaksWhereItStopsFitting) {
    const QString text(700, QLatin1Char('m'));
    const int box = Width(QString(10, QLatin1Char('m'))) - 1;
    const CommentLinePair lines = BreakCommentLine(metrics, text, box);
    EXPECT_EQ(lines.First.size(), 10);
    EXPECT_EQ(lines.Second.size(), kSecondLineLimit);
}

} // namespace
} // namespace quenra
