#include "files/FileKind.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

struct KindCase {
    const char* Path;
    FileKind Kind;
    bool Known;
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.Path;
}

class FileKindByName : public testing::TestWithParam<KindCase> {};

// Every road into the program (Open, a drop, the command line, the batch) takes a file for the
// same kind, whatever the case of its extension.
TEST_P(FileKindByName, FollowsTheExtensionInAnyCase) {
    const QString path = QString::fromUtf8(GetParam().Path);
    EXPECT_EQ(FileKindOf(path), GetParam().Kind);
    EXPECT_EQ(HasKnownExtension(path), GetParam().Known);
}

INSTANTIATE_TEST_SUITE_P(Names, FileKindByName,
                         testing::Values(KindCase{"/site/Plant.qrx", FileKind::Project, true},
                                         KindCase{"/site/PLANT.QRX", FileKind::Project, true},
                                         KindCase{"/site/old.NED", FileKind::LegacyProject, true},
                                         KindCase{"/site/old.ned", FileKind::LegacyProject, true},
                                         KindCase{"/site/client.Ini", FileKind::ClientInfo, true},
                                         KindCase{"/site/photo.png", FileKind::Project, false},
                                         KindCase{"/site/no-extension", FileKind::Project, false},
                                         KindCase{"/site.ned/Plant.qrx", FileKind::Project, true},
                                         KindCase{"/site/archive.ini.bak", FileKind::Project,
                                                  false}));

} // namespace
} // namespace quenra
