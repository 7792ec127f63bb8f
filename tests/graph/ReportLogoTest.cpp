#include "graph/ReportLogo.h"
#include "graph/ArialFont.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cmath>

namespace quenra {
namespace {

TEST(ArialFont, HeightsFollowTheOriginalToolkitsConvention) {
    // A negative height is the character height, the pixel size itself.
    EXPECT_EQ(ArialFont(-19).pixelSize(), 19);
    // A positive height is the cell height: ascent plus descent come out at that height.
    const QFont cell = ArialFont(175);
    const QFontMetrics metrics(cell);
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), 175, 2);
    EXPECT_LT(cell.pixelSize(), 175);
    EXPECT_EQ(PointsToCharacterHeight(12), -16);
    // Widths match Arial's design widths, whatever the desktop's hinting.
    EXPECT_NEAR(
        QFontMetricsF(ArialFont(-19)).horizontalAdvance(QStringLiteral("Static Pressure (psi)")),
        171.0, 1.0);
}

TEST(ReportLogo, TheWaveAndTheBlueNameAreWhereTheyBelong) {
    const QImage logo = MakeReportLogo();
    ASSERT_EQ(logo.size(), QSize(657, 552));
    // Pixel (x, y) of the picture's 1-based coordinates.
    const auto expect = [&](int x, int y) {
        const QRgb pixel = logo.pixel(x - 1, y - 1);
        EXPECT_EQ(qRed(pixel), std::lround(15 * std::sin(x / 50.0) + 200)) << x << "," << y;
        EXPECT_EQ(qGreen(pixel), std::lround(15 * std::cos((x + y) / 70.0) + 200));
        EXPECT_EQ(qBlue(pixel), std::lround(15 * std::cos(y / 87.0) + 200));
    };
    expect(1, 1);
    expect(657, 552);
    expect(80, 500);

    // The name is pure blue around the middle and never touches the corners.
    int blue = 0;
    for (int y = 200; y < 352; ++y) {
        for (int x = 0; x < 657; ++x) {
            blue += logo.pixel(x, y) == qRgb(0, 0, 255);
        }
    }
    EXPECT_GT(blue, 5000);
    EXPECT_NE(logo.pixel(5, 5), qRgb(0, 0, 255));
}

} // namespace
} // namespace quenra

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
