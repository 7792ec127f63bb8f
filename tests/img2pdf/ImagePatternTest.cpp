#include "ImagePattern.h"

#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra::img2pdf {
namespace {

using test::WriteFile;

QStringList NamesOnly(const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths) {
        names.append(QFileInfo(path).fileName());
    }
    return names;
}

TEST(ImagePattern, PutsReportPageTenAfterPageNine) {
    QTemporaryDir folder;
    for (int page = 12; page >= 1; --page) {
        ASSERT_TRUE(WriteFile(folder.filePath(QStringLiteral("Report%1.jpg").arg(page)), "x"));
    }
    const QStringList files = ImagePattern::Files(folder.filePath(QStringLiteral("*.*")));
    ASSERT_EQ(files.size(), 12);
    for (int page = 1; page <= 12; ++page) {
        EXPECT_EQ(files[page - 1], folder.filePath(QStringLiteral("Report%1.jpg").arg(page)));
    }
}

TEST(ImagePattern, OrdersByNameWithNumbersByValueWhateverTheCase) {
    EXPECT_TRUE(
        ImagePattern::PageOrder(QStringLiteral("Graph.jpg"), QStringLiteral("Report1.jpg")));
    EXPECT_TRUE(ImagePattern::PageOrder(QStringLiteral("page9.jpg"), QStringLiteral("Page10.jpg")));
    EXPECT_TRUE(ImagePattern::PageOrder(QStringLiteral("a2b10.jpg"), QStringLiteral("a10b2.jpg")));
    EXPECT_TRUE(ImagePattern::PageOrder(QStringLiteral("Émile.jpg"), QStringLiteral("Fritz.jpg")));
    // Names equal by value still have one fixed order, and never both.
    const QString two = QStringLiteral("Report2.jpg");
    const QString zeroTwo = QStringLiteral("Report02.jpg");
    EXPECT_NE(ImagePattern::PageOrder(two, zeroTwo), ImagePattern::PageOrder(zeroTwo, two));
    EXPECT_FALSE(ImagePattern::PageOrder(two, two));
}

TEST(ImagePattern, MatchesOnlyFilesByStarAndQuestionMark) {
    QTemporaryDir folder;
    const QStringList names = {QStringLiteral("Report1.JPG"),   QStringLiteral("Report2.jpg"),
                               QStringLiteral("Report10.jpg"),  QStringLiteral("Graph.jpeg"),
                               QStringLiteral("Plant [1].jpg"), QStringLiteral(".hidden.jpg"),
                               QStringLiteral("notes.txt")};
    for (const QString& name : names) {
        ASSERT_TRUE(WriteFile(folder.filePath(name), "x"));
    }
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Report3.jpg")));

    EXPECT_EQ(NamesOnly(ImagePattern::Files(folder.filePath(QStringLiteral("*.jpg")))),
              (QStringList{QStringLiteral("Plant [1].jpg"), QStringLiteral("Report1.JPG"),
                           QStringLiteral("Report2.jpg"), QStringLiteral("Report10.jpg")}));
    EXPECT_EQ(NamesOnly(ImagePattern::Files(folder.filePath(QStringLiteral("Report?.jpg")))),
              (QStringList{QStringLiteral("Report1.JPG"), QStringLiteral("Report2.jpg")}));
    // Brackets are ordinary characters, not a set.
    EXPECT_EQ(NamesOnly(ImagePattern::Files(folder.filePath(QStringLiteral("Plant [1]*")))),
              QStringList{QStringLiteral("Plant [1].jpg")});
    EXPECT_TRUE(ImagePattern::Files(folder.filePath(QStringLiteral("*.png"))).isEmpty());
    EXPECT_TRUE(ImagePattern::Files(folder.filePath(QStringLiteral("missing/*.jpg"))).isEmpty());
}

TEST(ImagePattern, TakesANameWithoutWildcardAsOneFile) {
    const QString path = QStringLiteral("/no/such/folder/Report [1].jpg");
    EXPECT_EQ(ImagePattern::Files(path), QStringList{path});
    // A wildcard in the folder part does not make a pattern.
    const QString folderStar = QStringLiteral("/tmp/*/Report1.jpg");
    EXPECT_FALSE(ImagePattern::HasWildcard(folderStar));
    EXPECT_EQ(ImagePattern::Files(folderStar), QStringList{folderStar});
}

} // namespace
} // namespace quenra::img2pdf
