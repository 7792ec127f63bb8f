#include "graph/SymbolPainter.h"

#include "hydraulics/CurveTable.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <gtest/gtest.h>

namespace quenra {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QColor kRed(200, 30, 40);
const QRgb kRedPixel = qRgb(200, 30, 40);
const QColor kPaleGreen(220, 250, 220);

// The centre of every symbol test: the symbols' pixel grid puts it at a pixel's top left.
constexpr int kX = 40;
constexpr int kY = 30;

QImage WhiteImage(int width = 80, int height = 60) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

QImage Symbol(PointSymbol symbol, int size, QColor background = QColor(255, 255, 255)) {
    QImage image = WhiteImage();
    QPainter painter(&image);
    DrawSymbol(painter, QPointF(kX, kY), symbol, size, kRed, background);
    return image;
}

// The smallest rectangle holding every pixel that is not white (an empty one when none is).
QRect Painted(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kWhite) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

int CountColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour;
        }
    }
    return count;
}

// Every painted pixel is either white or the symbol's colour: no blending at the edges.
void ExpectOnlyWhiteAnd(const QImage& image, QRgb colour) {
    EXPECT_EQ(CountColour(image, kWhite) + CountColour(image, colour),
              image.width() * image.height());
}

TEST(SymbolSize, FollowsTheTextHeightAndTheSizeChoice) {
    EXPECT_EQ(SymbolSize(19, 0), 4);
    EXPECT_EQ(SymbolSize(19, 1), 6);
    EXPECT_EQ(SymbolSize(19, 2), 9);
    EXPECT_EQ(SymbolSize(3, 0), 0);
    EXPECT_EQ(SymbolSize(19, -1), 4);
    EXPECT_EQ(SymbolSize(19, 7), 9);
}

TEST(DrawSymbol, NoneAndUnknownNumbersDrawNothing) {
    for (const int index : {0, -1, 6, 99}) {
        EXPECT_TRUE(Painted(Symbol(PointSymbolFromIndex(index), 8)).isEmpty()) << index;
    }
    for (const PointSymbol symbol : {PointSymbol::Circle, PointSymbol::Square, PointSymbol::Plus}) {
        EXPECT_TRUE(Painted(Symbol(symbol, 0)).isEmpty()) << PointSymbolIndex(symbol);
    }
}

TEST(DrawSymbol, SquareCoversTwiceTheSizeInPixels) {
    for (const int b : {1, 2, 3, 4, 6, 9, 13}) {
        const QImage image = Symbol(PointSymbol::Square, b);
        EXPECT_EQ(Painted(image), QRect(kX - b, kY - b, 2 * b, 2 * b)) << b;
        EXPECT_EQ(CountColour(image, kRedPixel), 4 * b * b) << b;
        EXPECT_EQ(image.pixel(kX, kY), kRedPixel);
    }
}

TEST(DrawSymbol, CircleIsARingWithTheBackgroundInItsMiddle) {
    for (const int b : {2, 3, 4, 6, 9, 13}) {
        const QImage image = Symbol(PointSymbol::Circle, b, kPaleGreen);
        EXPECT_EQ(Painted(image), QRect(kX - b, kY - b, 2 * b, 2 * b)) << b;
        // The empty middle holds the background colour, the ring the symbol's colour.
        EXPECT_EQ(image.pixel(kX, kY), kPaleGreen.rgb()) << b;
        EXPECT_EQ(image.pixel(kX - 1, kY - 1), kPaleGreen.rgb()) << b;
        EXPECT_EQ(image.pixel(kX - b, kY), kRedPixel) << b;
        EXPECT_EQ(image.pixel(kX + b - 1, kY), kRedPixel) << b;
        EXPECT_EQ(image.pixel(kX, kY - b), kRedPixel) << b;
        EXPECT_EQ(image.pixel(kX, kY + b - 1), kRedPixel) << b;
        // Round: the corners of the square it sits in stay white.
        EXPECT_EQ(image.pixel(kX - b, kY - b), kWhite) << b;
        EXPECT_EQ(image.pixel(kX + b - 1, kY + b - 1), kWhite) << b;
        // The middle is b div 2 in radius: it never reaches the ring's outer edge.
        int middle = 0;
        for (int x = kX - b; x < kX + b; ++x) {
            middle += image.pixel(x, kY) == kPaleGreen.rgb();
        }
        EXPECT_EQ(middle, 2 * (b / 2)) << b;
    }
    // Size 1 has no middle: b div 2 is 0, so the ring is a filled dot.
    const QImage dot = Symbol(PointSymbol::Circle, 1, kPaleGreen);
    EXPECT_EQ(dot.pixel(kX, kY), kRedPixel);
    EXPECT_EQ(CountColour(dot, kPaleGreen.rgb()), 0);
}

TEST(DrawSymbol, FilledSymbolsHaveTheirColourInTheMiddle) {
    for (const PointSymbol symbol : {PointSymbol::Square, PointSymbol::TriangleDown,
                                     PointSymbol::TriangleUp, PointSymbol::Plus}) {
        for (const int b : {2, 4, 9}) {
            const QImage image = Symbol(symbol, b);
            EXPECT_EQ(image.pixel(kX, kY), kRedPixel) << PointSymbolIndex(symbol) << " " << b;
            ExpectOnlyWhiteAnd(image, kRedPixel);
        }
    }
}

TEST(DrawSymbol, TriangleDownHasItsBaseAtTheTopAndItsTipBelow) {
    for (const int b : {2, 3, 4, 6, 9, 13}) {
        const QImage image = Symbol(PointSymbol::TriangleDown, b);
        const QRect box = Painted(image);
        EXPECT_EQ(box.left(), kX - b) << b;
        EXPECT_EQ(box.right(), kX + b - 1) << b;
        EXPECT_EQ(box.top(), kY - b) << b;
        EXPECT_GE(box.bottom(), kY + b - 2) << b;
        EXPECT_LE(box.bottom(), kY + b - 1) << b;
        // Broad at the top, narrow at the bottom.
        int top = 0;
        int bottom = 0;
        for (int x = 0; x < image.width(); ++x) {
            top += image.pixel(x, box.top()) == kRedPixel;
            bottom += image.pixel(x, box.bottom()) == kRedPixel;
        }
        EXPECT_GE(top, 2 * b - 1) << b;
        EXPECT_LE(bottom, 2) << b;
        EXPECT_EQ(image.pixel(kX - b, kY + b - 1), kWhite) << b;
    }
}

TEST(DrawSymbol, TriangleUpIsTheMirrorImage) {
    for (const int b : {2, 3, 4, 6, 9, 13}) {
        const QImage image = Symbol(PointSymbol::TriangleUp, b);
        const QRect box = Painted(image);
        EXPECT_EQ(box.left(), kX - b) << b;
        EXPECT_EQ(box.right(), kX + b - 1) << b;
        EXPECT_EQ(box.bottom(), kY + b - 1) << b;
        EXPECT_GE(box.top(), kY - b) << b;
        EXPECT_LE(box.top(), kY - b + 1) << b;
        int top = 0;
        int bottom = 0;
        for (int x = 0; x < image.width(); ++x) {
            top += image.pixel(x, box.top()) == kRedPixel;
            bottom += image.pixel(x, box.bottom()) == kRedPixel;
        }
        EXPECT_LE(top, 2) << b;
        EXPECT_GE(bottom, 2 * b - 1) << b;
        EXPECT_EQ(image.pixel(kX - b, kY - b), kWhite) << b;
    }
}

TEST(DrawSymbol, PlusHasArmsOfTheFullSizeAndHalfItsWidth) {
    for (const int b : {2, 3, 4, 6, 9, 13}) {
        const QImage image = Symbol(PointSymbol::Plus, b);
        const int half = b / 2;
        EXPECT_EQ(Painted(image), QRect(kX - b, kY - b, 2 * b, 2 * b)) << b;
        // Vertical arm: 2 (b div 2) pixels wide, 2b tall.
        EXPECT_EQ(image.pixel(kX, kY - b), kRedPixel) << b;
        EXPECT_EQ(image.pixel(kX - half, kY - b), kRedPixel) << b;
        EXPECT_EQ(image.pixel(kX + half - 1, kY + b - 1), kRedPixel) << b;
        EXPECT_EQ(image.pixel(kX - half - 1, kY - b), kWhite) << b;
        EXPECT_EQ(image.pixel(kX + half, kY + b - 1), kWhite) << b;
        // Horizontal arm.
        EXPECT_EQ(image.pixel(kX - b, kY), kRedPixel) << b;
        EXPECT_EQ(image.pixel(kX + b - 1, kY - half), kRedPixel) << b;
        EXPECT_EQ(image.pixel(kX - b, kY - half - 1), kWhite) << b;
        EXPECT_EQ(image.pixel(kX + b - 1, kY + half), kWhite) << b;
        // The corners between the arms stay empty.
        EXPECT_EQ(image.pixel(kX - b, kY - b), kWhite) << b;
        EXPECT_EQ(image.pixel(kX + b - 1, kY + b - 1), kWhite) << b;
        // Two crossing bars of 2b by 2 (b div 2), sharing their middle square.
        const int bar = 2 * b * 2 * half;
        EXPECT_EQ(CountColour(image, kRedPixel), 2 * bar - 4 * half * half) << b;
    }
}

TEST(DrawSymbol, CentreIsRoundedToWholePixels) {
    QImage image = WhiteImage();
    {
        QPainter painter(&image);
        DrawSymbol(painter, QPointF(kX + 0.4, kY - 0.4), PointSymbol::Square, 3, kRed);
    }
    EXPECT_EQ(Painted(image), QRect(kX - 3, kY - 3, 6, 6));
}

QImage Band(const QPolygonF& polyline, int width) {
    QImage image = WhiteImage(120, 90);
    QPainter painter(&image);
    DrawBand(painter, polyline, width, kRed);
    return image;
}

TEST(DrawBand, WidthOneIsASingleDottedLine) {
    for (const int width : {-1, 0}) {
        const QImage image = Band(QPolygonF({QPointF(10, 40), QPointF(90, 40)}), width);
        const QRect box = Painted(image);
        EXPECT_EQ(box.top(), 40);
        EXPECT_EQ(box.bottom(), 40);
        EXPECT_GE(box.left(), 10);
        EXPECT_LE(box.right(), 90);
        // Dotted: the line alternates between painted and unpainted pixels.
        const int painted = CountColour(image, kRedPixel);
        EXPECT_GT(painted, 15);
        EXPECT_LT(painted, 60);
        ExpectOnlyWhiteAnd(image, kRedPixel);
    }
}

TEST(DrawBand, NegativeWidthSpreadsTheLineOverEveryPixelOffset) {
    // N = 5 div 2 = 2: offsets -2..2 in both directions.
    const QImage image = Band(QPolygonF({QPointF(10, 40), QPointF(90, 40)}), -5);
    const QRect box = Painted(image);
    EXPECT_EQ(box.top(), 38);
    EXPECT_EQ(box.bottom(), 42);
    EXPECT_GE(box.left(), 8);
    EXPECT_LE(box.left(), 10);
    EXPECT_GE(box.right(), 88);
    EXPECT_LE(box.right(), 92);
    ExpectOnlyWhiteAnd(image, kRedPixel);
    // An even width spreads as far as the odd width below it.
    EXPECT_EQ(Painted(Band(QPolygonF({QPointF(10, 40), QPointF(90, 40)}), -4)), box);
    // N = 1 for widths -2 and -3.
    const QRect narrow = Painted(Band(QPolygonF({QPointF(10, 40), QPointF(90, 40)}), -3));
    EXPECT_EQ(narrow.top(), 39);
    EXPECT_EQ(narrow.bottom(), 41);
}

TEST(DrawBand, SlopedBandStaysDottedAndFollowsEverySegment) {
    const QPolygonF polyline({QPointF(10, 80), QPointF(50, 20), QPointF(100, 60)});
    const QImage image = Band(polyline, -3);
    const QRect box = Painted(image);
    // Within one offset of the corners; an end may fall into a gap of the dots.
    EXPECT_EQ(box.top(), 19);
    EXPECT_GE(box.left(), 9);
    EXPECT_LE(box.left(), 12);
    EXPECT_GE(box.right(), 97);
    EXPECT_LE(box.right(), 101);
    EXPECT_GE(box.bottom(), 78);
    EXPECT_LE(box.bottom(), 81);
    // Both segments are there: pixels near the middle of each.
    const auto paintedNear = [&](int x, int y) {
        int count = 0;
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                count += image.pixel(x + dx, y + dy) == kRedPixel;
            }
        }
        return count;
    };
    EXPECT_GT(paintedNear(30, 50), 0);
    EXPECT_GT(paintedNear(75, 40), 0);
    // The band is broader than one line and yet not solid.
    const QImage thin = Band(polyline, -1);
    EXPECT_GT(CountColour(image, kRedPixel), 2 * CountColour(thin, kRedPixel));
    EXPECT_LT(CountColour(thin, kRedPixel), 140);
}

TEST(DrawBand, FewerThanTwoCornersDrawNothing) {
    EXPECT_TRUE(Painted(Band(QPolygonF(), -5)).isEmpty());
    EXPECT_TRUE(Painted(Band(QPolygonF({QPointF(40, 40)}), -5)).isEmpty());
}

TEST(DrawSymbol, LeavesThePainterAsItWas) {
    QImage image = WhiteImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::blue, 3));
    painter.setBrush(Qt::green);
    DrawSymbol(painter, QPointF(kX, kY), PointSymbol::Circle, 5, kRed);
    DrawBand(painter, QPolygonF({QPointF(1, 1), QPointF(20, 20)}), -3, kRed);
    EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
    EXPECT_EQ(painter.pen().color(), QColor(Qt::blue));
    EXPECT_EQ(painter.pen().width(), 3);
    EXPECT_EQ(painter.brush().color(), QColor(Qt::green));
}

} // namespace
} // namespace quenra
