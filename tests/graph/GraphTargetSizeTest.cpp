#include "graph/GraphTargetSize.h"
#include "model/ProjectData.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

ProjectData WithMargins(const char* left, const char* top, const char* right, const char* bottom,
                        int captureSizeIndex = 0) {
    ProjectData project;
    project.MarginLeft = QString::fromLatin1(left);
    project.MarginTop = QString::fromLatin1(top);
    project.MarginRight = QString::fromLatin1(right);
    project.MarginBottom = QString::fromLatin1(bottom);
    project.CaptureSizeIndex = captureSizeIndex;
    return project;
}

const QSize kScreenBox(640, 480);
const QSize kNoPrinter(0, 0);

TEST(GraphTargetSize, MarginTextsReadAsWholePercent) {
    EXPECT_EQ(MarginPercent(QStringLiteral("5")), 5);
    EXPECT_EQ(MarginPercent(QStringLiteral("abc")), 0); // unreadable
    EXPECT_EQ(MarginPercent(QString()), 0);
    EXPECT_EQ(MarginPercent(QStringLiteral("-5")), 5); // by magnitude
    EXPECT_EQ(MarginPercent(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(MarginPercent(QStringLiteral("12.7")), 13);   // nearest whole number
    EXPECT_EQ(MarginPercent(QStringLiteral("1e30")), 1000); // capped, still past the limit
}

TEST(GraphTargetSize, OppositeMarginsAbove98BecomeHalfEach) {
    // 60 + 50 = 110 > 98 -> 49 / 49; top 5 + bottom 7 = 12 stays.
    EXPECT_EQ(ReadPageMargins(WithMargins("60", "5", "50", "7")), (PageMargins{49, 5, 49, 7}));
    // 80 + 0 = 80 stays; 49 + 49 = 98 is not above 98.
    EXPECT_EQ(ReadPageMargins(WithMargins("80", "49", "0", "49")), (PageMargins{80, 49, 0, 49}));
    // Left 99 alone exceeds 98: both sides 49, although right ("abc") was 0. Top 0 + bottom
    // |-80| = 80 stays.
    EXPECT_EQ(ReadPageMargins(WithMargins("99", "0", "abc", "-80")), (PageMargins{49, 0, 49, 80}));
    // Top |-60| + bottom 39 = 99 > 98 -> 49 / 49.
    EXPECT_EQ(ReadPageMargins(WithMargins("0", "-60", "0", "39")), (PageMargins{0, 49, 0, 49}));
}

TEST(GraphTargetSize, CaptureSizesFollowTheChoiceList) {
    EXPECT_EQ(CaptureBitmapSize(CaptureSize::ActualSize, kScreenBox), kScreenBox);
    EXPECT_EQ(CaptureBitmapSize(CaptureSize::Landscape1000, kScreenBox), QSize(1000, 773));
    EXPECT_EQ(CaptureBitmapSize(CaptureSize::Landscape2000, kScreenBox), QSize(2000, 1545));
    EXPECT_EQ(CaptureBitmapSize(CaptureSize::Landscape3000, kScreenBox), QSize(3000, 2318));
    EXPECT_EQ(CaptureBitmapSize(CaptureSize::Portrait1000, kScreenBox), QSize(773, 1000));
    EXPECT_EQ(CaptureBitmapSize(CaptureSize::Portrait2000, kScreenBox), QSize(1545, 2000));
    EXPECT_EQ(CaptureBitmapSize(CaptureSize::Portrait3000, kScreenBox), QSize(2318, 3000));
    EXPECT_EQ(CaptureSizeFromIndex(6), CaptureSize::Portrait3000);
    EXPECT_EQ(CaptureBitmapSize(CaptureSizeFromIndex(7), kScreenBox), kScreenBox);
    EXPECT_EQ(CaptureBitmapSize(CaptureSizeFromIndex(-1), kScreenBox), kScreenBox);
}

TEST(GraphTargetSize, ScreenUsesThePaintBoxWhateverTheMargins) {
    const auto size = TargetSize(GraphTarget::Screen, WithMargins("60", "5", "50", "7", 3),
                                 kScreenBox, QSize(3300, 2550));
    EXPECT_TRUE(size.Render);
    EXPECT_EQ(size.Bitmap, kScreenBox);
    EXPECT_EQ(size.Placement, QRect(0, 0, 640, 480));
    EXPECT_TRUE(size.Page.isEmpty());
}

TEST(GraphTargetSize, CaptureUsesTheChosenSizeWithoutMargins) {
    const auto size = TargetSize(GraphTarget::Capture, WithMargins("5", "5", "5", "7", 3),
                                 kScreenBox, kNoPrinter);
    EXPECT_TRUE(size.Render);
    EXPECT_EQ(size.Bitmap, QSize(3000, 2318));
    EXPECT_EQ(size.Placement, QRect(0, 0, 3000, 2318));

    const auto actual = TargetSize(GraphTarget::Capture, WithMargins("5", "5", "5", "7", 0),
                                   kScreenBox, kNoPrinter);
    EXPECT_EQ(actual.Bitmap, kScreenBox);
}

TEST(GraphTargetSize, PdfGraphIsThePageReducedByTheMargins) {
    // Page 1000 x 773, margins 5 / 5 / 5 / 7:
    // width 1000 * (100 - 5 - 5) / 100 = 900; height 773 * (100 - 5 - 7) / 100 = 680.24 -> 680.
    // Placed at (1000 * 5 / 100, 773 * 5 / 100) = (50, 38.65 -> 38).
    const auto size =
        TargetSize(GraphTarget::Pdf, WithMargins("5", "5", "5", "7", 1), kScreenBox, kNoPrinter);
    EXPECT_TRUE(size.Render);
    EXPECT_EQ(size.Page, QSize(1000, 773));
    EXPECT_EQ(size.Bitmap, QSize(900, 680));
    EXPECT_EQ(size.Placement, QRect(50, 38, 900, 680));
}

TEST(GraphTargetSize, PdfWithMarginsHittingTheLimit) {
    // Page 2000 x 1545; left "80" + right "20" = 100 > 98 -> 49 / 49; top 5, bottom 7.
    // Width 2000 * 2 / 100 = 40; height 1545 * 88 / 100 = 1359.6 -> 1360.
    // Placed at (2000 * 49 / 100, 1545 * 5 / 100) = (980, 77.25 -> 77).
    const auto size =
        TargetSize(GraphTarget::Pdf, WithMargins("80", "5", "20", "7", 2), kScreenBox, kNoPrinter);
    EXPECT_EQ(size.Margins, (PageMargins{49, 5, 49, 7}));
    EXPECT_EQ(size.Page, QSize(2000, 1545));
    EXPECT_EQ(size.Bitmap, QSize(40, 1360));
    EXPECT_EQ(size.Placement, QRect(980, 77, 40, 1360));
}

TEST(GraphTargetSize, PdfWithUnreadableAndNegativeMargins) {
    // Page 773 x 1000; left "abc" -> 0, right "-5" -> 5; top "60" + bottom "50" -> 49 / 49.
    // Width 773 * 95 / 100 = 734.35 -> 734; height 1000 * 2 / 100 = 20.
    // Placed at (0, 1000 * 49 / 100) = (0, 490).
    const auto size = TargetSize(GraphTarget::Pdf, WithMargins("abc", "60", "-5", "50", 4),
                                 kScreenBox, kNoPrinter);
    EXPECT_EQ(size.Margins, (PageMargins{0, 49, 5, 49}));
    EXPECT_EQ(size.Bitmap, QSize(734, 20));
    EXPECT_EQ(size.Placement, QRect(0, 490, 734, 20));
}

TEST(GraphTargetSize, LandscapePrinterPageGivesABitmap1800Wide) {
    // Page 3300 x 2550, margins 5 / 5 / 5 / 7: printable 3300 * 0.90 = 2970 by
    // 2550 * 0.88 = 2244; r = 2970 / 2244 > 1, so 1800 x 1800 * 2244 / 2970 = 1360 exactly.
    // Stretched onto (3300 * 5 / 100, 2550 * 5 / 100) = (165, 127) ..
    // (3300 * 95 / 100 - 1, 2550 * 93 / 100 - 1) = (3134, 2371 - 1 = 2370).
    const auto size = TargetSize(GraphTarget::Printer, WithMargins("5", "5", "5", "7"), kScreenBox,
                                 QSize(3300, 2550));
    EXPECT_TRUE(size.Render);
    EXPECT_EQ(size.Page, QSize(3300, 2550));
    EXPECT_EQ(size.Bitmap, QSize(1800, 1360));
    EXPECT_EQ(size.Placement, QRect(QPoint(165, 127), QPoint(3134, 2370)));
}

TEST(GraphTargetSize, PortraitPrinterPageGivesABitmap1800High) {
    // Page 2550 x 3300, no margins: r = 2550 / 3300 = 0.7727..., 1800 * r = 1390.909 -> 1391.
    const auto size = TargetSize(GraphTarget::Printer, WithMargins("0", "0", "0", "0"), kScreenBox,
                                 QSize(2550, 3300));
    EXPECT_EQ(size.Bitmap, QSize(1391, 1800));
    EXPECT_EQ(size.Placement, QRect(QPoint(0, 0), QPoint(2549, 3299)));
}

TEST(GraphTargetSize, SquarePrintableAreaCountsAsPortrait) {
    // Page 1000 x 1000, no margins: r = 1 is not above 1 -> 1800 * 1 by 1800.
    const auto size = TargetSize(GraphTarget::Printer, WithMargins("", "", "", ""), kScreenBox,
                                 QSize(1000, 1000));
    EXPECT_EQ(size.Bitmap, QSize(1800, 1800));
}

TEST(GraphTargetSize, PrinterMarginsAtTheLimit) {
    // Page 3300 x 2550; left "80" + right "60" -> 49 / 49; top 0, bottom 0.
    // Printable 3300 * 2 / 100 = 66 by 2550; r = 66 / 2550 = 0.02588...;
    // 1800 * r = 46.588 -> 47, so 47 x 1800.
    // Stretched onto (3300 * 49 / 100, 0) = (1617, 0) .. (3300 * 51 / 100 - 1, 2550 - 1) = (1682,
    // 2549).
    const auto size = TargetSize(GraphTarget::Printer, WithMargins("80", "0", "60", "0"),
                                 kScreenBox, QSize(3300, 2550));
    EXPECT_EQ(size.Bitmap, QSize(47, 1800));
    EXPECT_EQ(size.Placement, QRect(QPoint(1617, 0), QPoint(1682, 2549)));
}

TEST(GraphTargetSize, NoPrintableHeightRendersNothing) {
    const auto size = TargetSize(GraphTarget::Printer, WithMargins("5", "5", "5", "7"), kScreenBox,
                                 QSize(3300, 0));
    EXPECT_FALSE(size.Render);
    EXPECT_TRUE(size.Bitmap.isEmpty());
}

TEST(GraphTargetSize, EmptyPaintBoxRendersNothing) {
    const auto size =
        TargetSize(GraphTarget::Screen, WithMargins("5", "5", "5", "7"), QSize(0, 0), kNoPrinter);
    EXPECT_FALSE(size.Render);
}

} // namespace
} // namespace quenra
