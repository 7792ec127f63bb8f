#include "output/CaptureNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(UniqueFileName, StartsAtOneInAnEmptyFolder) {
    QTemporaryDir folder;
    const QString base = GraphCaptureBase(folder.path(), QStringLiteral("Fire Pump Test"));
    EXPECT_EQ(base, folder.path() + QStringLiteral("/Fire Pump Test"));
    EXPECT_EQ(UniqueFileName(base, QStringLiteral(".jpg")),
              folder.path() + QStringLiteral("/Fire Pump Test1.jpg"));
}

TEST(UniqueFileName, TakesTheNumberAfterThreeEarlierCaptures) {
    QTemporaryDir folder;
    const QString base = GraphCaptureBase(folder.path(), QStringLiteral("Fire Pump Test"));
    for (int n = 1; n <= 3; ++n) {
        Touch(base + QString::number(n) + QStringLiteral(".jpg"));
    }
    // Other extensions and other bases do not count.
    Touch(base + QStringLiteral("4.bmp"));
    Touch(folder.filePath(QStringLiteral("Hydrant Flow Test4.jpg")));
    EXPECT_EQ(UniqueFileName(base, QStringLiteral(".jpg")), base + QStringLiteral("4.jpg"));
}

TEST(UniqueFileName, FillsTheFirstGapAndCountsFoldersAsTaken) {
    QTemporaryDir folder;
    const QString base = folder.filePath(QStringLiteral("Graph"));
    Touch(base + QStringLiteral("1.jpg"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Graph2.jpg")));
    Touch(base + QStringLiteral("4.jpg"));
    EXPECT_EQ(UniqueFileName(base, QStringLiteral(".jpg")), base + QStringLiteral("3.jpg"));
}

TEST(UniqueFileName, GivesNothingWhenAllNamesUpTo999AreTaken) {
    QTemporaryDir folder;
    const QString base = folder.filePath(QStringLiteral("Hydrant Flow Test"));
    for (int n = 1; n <= 998; ++n) {
        Touch(base + QString::number(n) + QStringLiteral(".jpg"));
    }
    EXPECT_EQ(UniqueFileName(base, QStringLiteral(".jpg")), base + QStringLiteral("999.jpg"));
    Touch(base + QStringLiteral("999.jpg"));
    EXPECT_EQ(UniqueFileName(base, QStringLiteral(".jpg")), std::nullopt);
    // Number 1000 is never offered, even when free.
    EXPECT_FALSE(QFile::exists(base + QStringLiteral("1000.jpg")));

    const QString message = NoFreeCaptureNameMessage(base, QStringLiteral(".jpg"));
    EXPECT_TRUE(message.contains(QStringLiteral("[") + base + QStringLiteral("1.jpg]")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("[") + base + QStringLiteral("999.jpg]")));
}

TEST(CaptureMessages, SavedMessageNamesTheFileInBrackets) {
    EXPECT_EQ(CaptureSavedMessage(QStringLiteral("/data/Fire Pump Test4.jpg")),
              QStringLiteral("File [/data/Fire Pump Test4.jpg] saved"));
    // A name with percent signs is shown as it is.
    EXPECT_EQ(NoFreeCaptureNameMessage(QStringLiteral("/x/a%2b"), QStringLiteral(".jpg"))
                  .count(QStringLiteral("/x/a%2b")),
              2);
}

} // namespace
} // namespace quenra
