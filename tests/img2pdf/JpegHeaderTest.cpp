#include "JpegHeader.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace quenra::img2pdf {
namespace {

using test::JpegRecipe;
using test::MakeJpeg;

TEST(JpegHeader, ReadsSizeComponentsAndColourSpace) {
    struct Case {
        JpegRecipe recipe;
        int components;
        JpegHeader::ColourSpace colourSpace;
    };
    const Case cases[] = {
        {JpegRecipe{2805, 3630, JCS_RGB}, 3, JpegHeader::ColourSpace::Rgb},
        {JpegRecipe{17, 9, JCS_GRAYSCALE}, 1, JpegHeader::ColourSpace::Gray},
        {JpegRecipe{33, 21, JCS_CMYK}, 4, JpegHeader::ColourSpace::Cmyk},
        {JpegRecipe{64, 48, JCS_RGB, true}, 3, JpegHeader::ColourSpace::Rgb},
    };
    for (const Case& c : cases) {
        QString error;
        const std::optional<JpegHeader> header = JpegHeader::Read(MakeJpeg(c.recipe), &error);
        ASSERT_TRUE(header.has_value()) << error.toStdString();
        EXPECT_EQ(header->width, c.recipe.width);
        EXPECT_EQ(header->height, c.recipe.height);
        EXPECT_EQ(header->components, c.components);
        EXPECT_EQ(header->colourSpace, c.colourSpace);
        // libjpeg marks its CMYK files as Adobe's, with inverted values.
        EXPECT_EQ(header->invertedCmyk, c.recipe.colourSpace == JCS_CMYK);
    }
}

TEST(JpegHeader, ReadsTheStatedDensity) {
    QString error;
    EXPECT_EQ(JpegHeader::Read(MakeJpeg(JpegRecipe{8, 8, JCS_RGB, false, 96}), &error)->dotsPerInch,
              96.0);
    EXPECT_EQ(JpegHeader::Read(MakeJpeg(JpegRecipe{8, 8}), &error)->dotsPerInch, 0.0);
}

TEST(JpegHeader, RefusesWhatIsNotACompleteJpeg) {
    const QByteArray good = MakeJpeg(JpegRecipe{300, 200});
    const QByteArray inputs[] = {
        QByteArray(),
        QByteArray("%PDF-1.4 not an image"),
        good.left(20),              // cut inside the header
        good.left(good.size() / 2), // cut inside the image data
        good.left(good.size() - 1), // the end marker half gone
    };
    for (const QByteArray& input : inputs) {
        QString error;
        EXPECT_FALSE(JpegHeader::Read(input, &error).has_value()) << input.size();
        EXPECT_FALSE(error.isEmpty());
    }
    QString error;
    JpegHeader::Read(good.left(good.size() / 2), &error);
    EXPECT_EQ(error, QStringLiteral("the JPEG data ends before its end marker"));
    JpegHeader::Read(QByteArray("GIF89a"), &error);
    EXPECT_TRUE(error.startsWith(QStringLiteral("not a JPEG image ("))) << error.toStdString();
}

} // namespace
} // namespace quenra::img2pdf
