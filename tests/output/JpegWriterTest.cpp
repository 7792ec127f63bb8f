#include "output/JpegWriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace quenra {
namespace {

// A page-like picture: white, a pure red square, a blue frame and some black text.
QImage SamplePage(QImage::Format format = QImage::Format_RGB32) {
    QImage image(640, 480, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(QRect(100, 100, 120, 120), QColor(255, 0, 0));
    painter.setPen(QPen(Qt::blue, 3));
    painter.drawRect(QRect(20, 20, 600, 440));
    painter.setPen(Qt::black);
    painter.drawText(QPoint(300, 300), QStringLiteral("Flow (gpm)"));
    return image;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The marker segments before the first scan: marker byte -> payloads (after the length).
std::multimap<int, QByteArray> HeaderSegments(const QByteArray& jpeg) {
    std::multimap<int, QByteArray> segments;
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(jpeg.at(i)); };
    if (jpeg.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) {
        return segments;
    }
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && byte(at) == 0xFF) {
        const int marker = byte(at + 1);
        const int length = byte(at + 2) * 256 + byte(at + 3);
        segments.emplace(marker, jpeg.mid(at + 4, length - 2));
        if (marker == 0xDA) {
            break;
        }
        at += 2 + length;
    }
    return segments;
}

// The IJG example tables (natural order) and the zigzag order in which files store them.
constexpr std::array<int, 64> kLuminance = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr std::array<int, 64> kChrominance = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
constexpr std::array<int, 64> kZigzagToNatural = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// The table libjpeg derives for a quality, in file (zigzag) order.
std::vector<int> ScaledTable(const std::array<int, 64>& natural, int quality) {
    const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    std::vector<int> zigzag(64);
    for (int k = 0; k < 64; ++k) {
        const int value = (natural[kZigzagToNatural[k]] * scale + 50) / 100;
        zigzag[k] = std::clamp(value, 1, 255);
    }
    return zigzag;
}

// Quantisation tables by their id, as the file stores them (8-bit precision only).
std::map<int, std::vector<int>> QuantisationTables(const std::multimap<int, QByteArray>& segs) {
    std::map<int, std::vector<int>> tables;
    auto [from, to] = segs.equal_range(0xDB);
    for (auto it = from; it != to; ++it) {
        const QByteArray& data = it->second;
        for (qsizetype at = 0; at + 65 <= data.size(); at += 65) {
            const int precisionAndId = static_cast<unsigned char>(data.at(at));
            std::vector<int> values;
            for (int k = 0; k < 64; ++k) {
                values.push_back(static_cast<unsigned char>(data.at(at + 1 + k)));
            }
            tables[precisionAndId] = values; // a 16-bit table would show as id >= 16
        }
    }
    return tables;
}

class JpegWriterTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString PathOf(const QString& name) const { return folder.filePath(name); }
};

TEST_F(JpegWriterTest, WritesABaselineThreeComponentFileOfTheImagesSize) {
    const QString path = PathOf(QStringLiteral("Graph1.jpg"));
    QString error;
    ASSERT_TRUE(WriteJpeg(SamplePage(), path, &error)) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());

    const auto segments = HeaderSegments(ReadAll(path));
    ASSERT_EQ(segments.count(0xC0), 1u) << "baseline frame header";
    EXPECT_EQ(segments.count(0xC1) + segments.count(0xC2), 0u) << "no extended or progressive";
    const QByteArray frame = segments.find(0xC0)->second;
    ASSERT_GE(frame.size(), 6);
    EXPECT_EQ(frame.at(0), 8); // bits per sample
    EXPECT_EQ((static_cast<unsigned char>(frame.at(1)) << 8) |
                  static_cast<unsigned char>(frame.at(2)),
              480);
    EXPECT_EQ((static_cast<unsigned char>(frame.at(3)) << 8) |
                  static_cast<unsigned char>(frame.at(4)),
              640);
    EXPECT_EQ(frame.at(5), 3); // components

    // JFIF header at 96 dots per inch.
    const QByteArray jfif = segments.find(0xE0)->second;
    ASSERT_GE(jfif.size(), 12);
    EXPECT_TRUE(jfif.startsWith(QByteArray("JFIF\0", 5)));
    EXPECT_EQ(jfif.at(7), 1);
    EXPECT_EQ(static_cast<unsigned char>(jfif.at(9)), 96);
    EXPECT_EQ(static_cast<unsigned char>(jfif.at(11)), 96);
}

TEST_F(JpegWriterTest, UsesTheQuantisationTablesOfQuality65) {
    const QString path = PathOf(QStringLiteral("q.jpg"));
    ASSERT_TRUE(WriteJpeg(SamplePage(), path, nullptr));
    const auto tables = QuantisationTables(HeaderSegments(ReadAll(path)));
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables.at(0), ScaledTable(kLuminance, 65));
    EXPECT_EQ(tables.at(1), ScaledTable(kChrominance, 65));
    // Known answers: 16 and 17 scaled by 0.70, and a table of another quality differs.
    EXPECT_EQ(tables.at(0).front(), 11);
    EXPECT_EQ(tables.at(1).front(), 12);
    EXPECT_NE(tables.at(0), ScaledTable(kLuminance, 75));
}

TEST_F(JpegWriterTest, DecodesBackWithTheColoursItWasDrawnWith) {
    const QString path = PathOf(QStringLiteral("colours.jpg"));
    ASSERT_TRUE(WriteJpeg(SamplePage(), path, nullptr));
    const QImage decoded(path);
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), QSize(640, 480));
    const QColor red = decoded.pixelColor(160, 160);
    EXPECT_GT(red.red(), 230);
    EXPECT_LT(red.green(), 30);
    EXPECT_LT(red.blue(), 30);
    const QColor white = decoded.pixelColor(400, 100);
    EXPECT_GT(white.lightness(), 245);
}

TEST_F(JpegWriterTest, OtherFormatsGiveTheSameFileAsTheirRgb32Conversion) {
    QByteArray fromRgb32;
    QByteArray fromRgb888;
    ASSERT_TRUE(EncodeJpeg(SamplePage(), &fromRgb32, nullptr));
    ASSERT_TRUE(
        EncodeJpeg(SamplePage().convertToFormat(QImage::Format_RGB888), &fromRgb888, nullptr));
    EXPECT_FALSE(fromRgb32.isEmpty());
    EXPECT_EQ(fromRgb32, fromRgb888);

    // An 8-bit indexed picture (red and white) keeps its colours too.
    const QImage indexed = SamplePage().convertToFormat(QImage::Format_Indexed8);
    QByteArray fromIndexed;
    ASSERT_TRUE(EncodeJpeg(indexed, &fromIndexed, nullptr));
    const QImage decoded = QImage::fromData(fromIndexed, "JPEG");
    EXPECT_GT(decoded.pixelColor(160, 160).red(), 230);
    EXPECT_LT(decoded.pixelColor(160, 160).green(), 30);
}

TEST_F(JpegWriterTest, AMissingFolderFailsWithThePathInBracketsAndLeavesNoFile) {
    const QString path = PathOf(QStringLiteral("no such folder/Graph1.jpg"));
    QString error;
    EXPECT_FALSE(WriteJpeg(SamplePage(), path, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("[") + path + QStringLiteral("]")))
        << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(JpegWriterTest, AnExistingFileIsReplacedOnlyBySuccess) {
    const QString path = PathOf(QStringLiteral("Report1-1.jpg"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier capture");
    }

    // Wider than JPEG allows: libjpeg refuses it, and the process goes on.
    QString error;
    const QImage tooWide(65501, 1, QImage::Format_RGB32);
    EXPECT_FALSE(WriteJpeg(tooWide, path, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("[") + path + QStringLiteral("]")));
    EXPECT_TRUE(error.contains(QStringLiteral("65500"), Qt::CaseInsensitive))
        << error.toStdString();
    EXPECT_EQ(ReadAll(path), QByteArray("earlier capture"));

    EXPECT_FALSE(WriteJpeg(QImage(), path, &error));
    EXPECT_EQ(ReadAll(path), QByteArray("earlier capture"));

    ASSERT_TRUE(WriteJpeg(SamplePage(), path, &error));
    EXPECT_EQ(QImage(path).size(), QSize(640, 480));
    // Only the target remains: no temporary file is left behind.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("Report1-1.jpg")});
}

TEST_F(JpegWriterTest, AFailedEncodeLeavesTheBytesEmpty) {
    QByteArray jpeg("stale");
    QString error;
    EXPECT_FALSE(EncodeJpeg(QImage(65501, 2, QImage::Format_RGB32), &jpeg, &error));
    EXPECT_TRUE(jpeg.isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace quenra

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
