#include "files/Windows1252.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

TEST(Windows1252, EveryByteDecodesToOneCharacterAndEncodesBack) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC)); // euro sign
    EXPECT_EQ(text.at(0x9F), QChar(0x0178)); // Y with diaeresis
    EXPECT_EQ(text.at(0xE9), QChar(0x00E9)); // e acute
    EXPECT_EQ(EncodeWindows1252(text), all);
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
    EXPECT_EQ(EncodeWindows1252(QString::fromUcs4(U"x\U0001F525y")), QByteArray("x?y"));
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("\u2013")), QByteArray("\x96"));
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("\x1A")), QByteArray("\x1A"))
        << "a real substitute character is kept";
}

TEST(Windows1252, LinesEndInCrLfOrLfAndALoneCrStaysInTheLine) {
    EXPECT_EQ(SplitFileLines(QStringLiteral("a\r\nb\nc")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(SplitFileLines(QStringLiteral("a\r\n\r\n")),
              (QStringList{QStringLiteral("a"), QString()}));
    EXPECT_EQ(SplitFileLines(QStringLiteral("a\rb\r\r\n")),
              (QStringList{QStringLiteral("a\rb\r")}));
    EXPECT_TRUE(SplitFileLines(QString()).isEmpty());
}

} // namespace
} // namespace quenra
