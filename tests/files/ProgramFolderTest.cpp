// Where recovery copies and the PDF scratch folder go: the program's own folder while it may
// write there (a copy in a build folder), the user's data folder for an installed copy, even
// when the user could write into the program's folder (an administrator).
#include "files/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override { QStandardPaths::setTestModeEnabled(true); }
    void TearDown() override { QStandardPaths::setTestModeEnabled(false); }
    QString UserFolder() const {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    QTemporaryDir program_;
};

TEST_F(ProgramFolderTest, AWritableBuildFolderKeepsItsFiles) {
    EXPECT_EQ(ProgramFolderFor(program_.path()), program_.path());
}

TEST_F(ProgramFolderTest, AnInstalledCopyUsesTheUserFolderThoughItCouldWrite) {
    QFile marker(QDir(program_.path()).filePath(kInstalledMarker));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    const QString folder = ProgramFolderFor(program_.path());
    EXPECT_NE(folder, program_.path());
    EXPECT_EQ(folder, UserFolder());
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

} // namespace
} // namespace quenra
