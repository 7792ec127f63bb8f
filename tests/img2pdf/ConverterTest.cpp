#include "Converter.h"

#include "LockedFolder.h"
#include "PdfReader.h"
#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace quenra::img2pdf {
namespace {

using test::FolderEntries;
using test::JpegRecipe;
using test::MakeJpeg;
using test::PdfReader;
using test::ReadFile;
using test::WriteFile;

// The program's layout: page images in "PDF", the log and the output beside it.
class ConverterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(root_.path()).mkdir(QStringLiteral("PDF"))); }

    QString ImagePath(const QString& name) const {
        return root_.filePath(QStringLiteral("PDF/") + name);
    }
    QString LogPath() const { return root_.filePath(QStringLiteral("log.txt")); }
    QString OutputPath() const { return root_.filePath(QStringLiteral("Plant.pdf")); }
    QString Log() const { return QString::fromUtf8(ReadFile(LogPath())); }

    QByteArray AddImage(const QString& name, const JpegRecipe& recipe) {
        const QByteArray jpeg = MakeJpeg(recipe);
        EXPECT_TRUE(WriteFile(ImagePath(name), jpeg));
        return jpeg;
    }
    // Pages told apart by their image width.
    void AddPages(std::initializer_list<int> widths) {
        int page = 1;
        for (const int width : widths) {
            AddImage(QStringLiteral("Report%1.jpg").arg(page++), JpegRecipe{width, 20});
        }
    }
    void ClearImages() {
        QDir folder(root_.filePath(QStringLiteral("PDF")));
        for (const QString& name : folder.entryList(QDir::Files)) {
            folder.remove(name);
        }
    }

    ConverterOptions Options(ExistingPages existingPages = ExistingPages::Replace) const {
        ConverterOptions options;
        options.existingPages = existingPages;
        options.pixelsPerInch = 330;
        options.logPath = LogPath();
        options.outputPath = OutputPath();
        options.imagePatterns = {ImagePath(QStringLiteral("*.*"))};
        return options;
    }

    static std::vector<int> PageWidths(const QString& pdf) {
        PdfReader reader(pdf);
        std::vector<int> widths;
        for (int page = 0; page < reader.PageCount(); ++page) {
            widths.push_back(reader.ImageWidth(page));
        }
        return widths;
    }

    // A run that must fail: exit status 1, the reason in the log, no completion line, and
    // the output folder exactly as before (old file byte for byte, no temporary files).
    void ExpectFailureLeavesOutput(const ConverterOptions& options, const QString& reason) {
        const QString folder = QFileInfo(options.outputPath).path();
        const QStringList entriesBefore = FolderEntries(folder);
        const QByteArray before = ReadFile(options.outputPath);

        EXPECT_EQ(Converter::Convert(options), Converter::kFailed);

        const QString log = Log();
        EXPECT_TRUE(log.contains(QStringLiteral("Error: ") + reason)) << log.toStdString();
        EXPECT_TRUE(log.contains(QStringLiteral("Failed: no PDF was written; [") +
                                 options.outputPath + QStringLiteral("] is as it was")))
            << log.toStdString();
        EXPECT_FALSE(log.contains(QStringLiteral("TickCount"))) << log.toStdString();
        EXPECT_EQ(ReadFile(options.outputPath), before);
        QStringList entriesAfter = FolderEntries(folder);
        entriesAfter.removeAll(QStringLiteral("log.txt"));
        QStringList expected = entriesBefore;
        expected.removeAll(QStringLiteral("log.txt"));
        EXPECT_EQ(entriesAfter, expected);
    }

    QTemporaryDir root_;
};

TEST_F(ConverterTest, EmbedsEachJpegUnchangedOnAPageOfItsSizeAtTheGivenDensity) {
    const QByteArray letter = AddImage(QStringLiteral("Report1.jpg"), JpegRecipe{2805, 3630});
    const QByteArray landscape = AddImage(QStringLiteral("Report2.jpg"), JpegRecipe{3630, 2805});

    ASSERT_EQ(Converter::Convert(Options()), Converter::kCompleted) << Log().toStdString();

    PdfReader pdf(OutputPath());
    ASSERT_EQ(pdf.PageCount(), 2);
    EXPECT_EQ(pdf.MediaBox(0), (std::vector<double>{0, 0, 612, 792})); // US letter
    EXPECT_EQ(pdf.MediaBox(1), (std::vector<double>{0, 0, 792, 612}));
    EXPECT_EQ(pdf.RawImageData(0), letter);
    EXPECT_EQ(pdf.RawImageData(1), landscape);
    QPDFObjectHandle image = pdf.Image(0).getDict();
    EXPECT_EQ(image.getKey("/Filter").getName(), "/DCTDecode");
    EXPECT_EQ(image.getKey("/ColorSpace").getName(), "/DeviceRGB");
    EXPECT_EQ(image.getKey("/BitsPerComponent").getIntValue(), 8);
    EXPECT_EQ(image.getKey("/Width").getIntValue(), 2805);
    EXPECT_EQ(image.getKey("/Height").getIntValue(), 3630);
    EXPECT_FALSE(image.hasKey("/Decode"));
    EXPECT_FALSE(pdf.Document().anyWarnings());

    const QStringList lines = Log().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    // The last line starts with the completion word and says what the file holds, read back.
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral("TickCount ")))
        << lines.back().toStdString();
    EXPECT_TRUE(lines.back().endsWith(QStringLiteral(" ms: 2 page(s) added, 2 page(s) in [") +
                                      OutputPath() + u']'))
        << lines.back().toStdString();
    EXPECT_EQ(lines.filter(QStringLiteral("TickCount")).size(), 1);
    EXPECT_TRUE(Log().contains(QStringLiteral("Page 1: [") +
                               ImagePath(QStringLiteral("Report1.jpg")) +
                               QStringLiteral("], 2805 x 3630 pixels, 8.50 x 11.00 in")));
}

TEST_F(ConverterTest, PutsThePagesInNameOrderWithNumbersByValue) {
    AddPages({101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111});
    ASSERT_EQ(Converter::Convert(Options()), Converter::kCompleted) << Log().toStdString();
    EXPECT_EQ(PageWidths(OutputPath()),
              (std::vector<int>{101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111}));
}

TEST_F(ConverterTest, RecordsAuthorSubjectAndTitle) {
    AddPages({50});
    ConverterOptions options = Options();
    options.author = QStringLiteral("Morvek LLC");
    options.subject = QStringLiteral("Quenra Version 3.001");
    options.title = QStringLiteral("Prüfstand Nord – Pumpe 2");
    ASSERT_EQ(Converter::Convert(options), Converter::kCompleted) << Log().toStdString();

    PdfReader pdf(OutputPath());
    EXPECT_EQ(pdf.Info("/Author"), QStringLiteral("Morvek LLC"));
    EXPECT_EQ(pdf.Info("/Subject"), QStringLiteral("Quenra Version 3.001"));
    EXPECT_EQ(pdf.Info("/Title"), QStringLiteral("Prüfstand Nord – Pumpe 2"));
    EXPECT_EQ(pdf.Info("/Producer"), QStringLiteral("Img2PDF"));
    EXPECT_TRUE(pdf.HasInfo("/CreationDate"));
}

TEST_F(ConverterTest, WithoutDensityUsesTheImagesOwnElseOnePixelPerPoint) {
    AddImage(QStringLiteral("a.jpg"), JpegRecipe{192, 96, JCS_RGB, false, 96});
    AddImage(QStringLiteral("b.jpg"), JpegRecipe{100, 50});
    ConverterOptions options = Options();
    options.pixelsPerInch.reset();
    ASSERT_EQ(Converter::Convert(options), Converter::kCompleted) << Log().toStdString();
    PdfReader pdf(OutputPath());
    EXPECT_EQ(pdf.MediaBox(0), (std::vector<double>{0, 0, 144, 72}));
    EXPECT_EQ(pdf.MediaBox(1), (std::vector<double>{0, 0, 100, 50}));
}

TEST_F(ConverterTest, DescribesGrayAndCmykImages) {
    AddImage(QStringLiteral("1.jpg"), JpegRecipe{30, 20, JCS_GRAYSCALE});
    const QByteArray cmyk = AddImage(QStringLiteral("2.jpg"), JpegRecipe{30, 20, JCS_CMYK});
    ASSERT_EQ(Converter::Convert(Options()), Converter::kCompleted) << Log().toStdString();
    PdfReader pdf(OutputPath());
    EXPECT_EQ(pdf.Image(0).getDict().getKey("/ColorSpace").getName(), "/DeviceGray");
    QPDFObjectHandle image = pdf.Image(1).getDict();
    EXPECT_EQ(image.getKey("/ColorSpace").getName(), "/DeviceCMYK");
    // libjpeg writes CMYK inverted, as Adobe does; the PDF says so.
    EXPECT_EQ(image.getKey("/Decode").unparse(), "[ 1 0 1 0 1 0 1 0 ]");
    EXPECT_EQ(pdf.RawImageData(1), cmyk);
}

TEST_F(ConverterTest, AppendsAfterAndInsertsBeforeTheExistingPages) {
    AddPages({10, 11});
    ConverterOptions first = Options();
    first.title = QStringLiteral("First");
    first.author = QStringLiteral("Inspector");
    ASSERT_EQ(Converter::Convert(first), Converter::kCompleted) << Log().toStdString();

    ClearImages();
    AddPages({20, 21});
    ConverterOptions append = Options(ExistingPages::AppendAfter);
    append.title = QStringLiteral("Second");
    ASSERT_EQ(Converter::Convert(append), Converter::kCompleted) << Log().toStdString();
    EXPECT_EQ(PageWidths(OutputPath()), (std::vector<int>{10, 11, 20, 21}));
    {
        PdfReader pdf(OutputPath());
        EXPECT_EQ(pdf.Info("/Title"), QStringLiteral("Second"));
        EXPECT_EQ(pdf.Info("/Author"), QStringLiteral("Inspector")); // not given: kept
        EXPECT_FALSE(pdf.Document().anyWarnings());
    }

    ClearImages();
    AddPages({30, 31, 32});
    ASSERT_EQ(Converter::Convert(Options(ExistingPages::InsertBefore)), Converter::kCompleted)
        << Log().toStdString();
    EXPECT_EQ(PageWidths(OutputPath()), (std::vector<int>{30, 31, 32, 10, 11, 20, 21}));
    EXPECT_TRUE(Log().contains(QStringLiteral(" ms: 3 page(s) added, 7 page(s) in [")))
        << Log().toStdString();
}

TEST_F(ConverterTest, AppendingToAMissingFileCreatesIt) {
    AddPages({40, 41});
    ASSERT_EQ(Converter::Convert(Options(ExistingPages::AppendAfter)), Converter::kCompleted)
        << Log().toStdString();
    EXPECT_EQ(PageWidths(OutputPath()), (std::vector<int>{40, 41}));
}

TEST_F(ConverterTest, OverwriteReplacesTheWholeFile) {
    AddPages({10, 11, 12});
    ASSERT_EQ(Converter::Convert(Options()), Converter::kCompleted);
    ClearImages();
    AddPages({20});
    ASSERT_EQ(Converter::Convert(Options()), Converter::kCompleted) << Log().toStdString();
    EXPECT_EQ(PageWidths(OutputPath()), std::vector<int>{20});

    // Whatever the file held before, even something that is no PDF at all.
    ASSERT_TRUE(WriteFile(OutputPath(), "not a PDF"));
    ASSERT_EQ(Converter::Convert(Options()), Converter::kCompleted) << Log().toStdString();
    EXPECT_EQ(PageWidths(OutputPath()), std::vector<int>{20});
}

class ConverterFailureTest : public ConverterTest {
protected:
    void SetUp() override {
        ConverterTest::SetUp();
        AddPages({10, 11});
        ASSERT_EQ(Converter::Convert(Options()), Converter::kCompleted);
        ClearImages();
        AddPages({20, 21, 22});
    }
};

TEST_F(ConverterFailureTest, NoMatchingImageLeavesTheOldFile) {
    ClearImages();
    for (ExistingPages mode :
         {ExistingPages::Replace, ExistingPages::AppendAfter, ExistingPages::InsertBefore}) {
        ExpectFailureLeavesOutput(Options(mode), QStringLiteral("No image matches [") +
                                                     ImagePath(QStringLiteral("*.*")) + u']');
    }
    EXPECT_EQ(PageWidths(OutputPath()), (std::vector<int>{10, 11}));
}

TEST_F(ConverterFailureTest, UnreadableOrMissingImageLeavesTheOldFile) {
    ASSERT_TRUE(WriteFile(ImagePath(QStringLiteral("Report2.jpg")), "GIF89a..."));
    const QString cut = ImagePath(QStringLiteral("Report3.jpg"));
    ASSERT_TRUE(WriteFile(cut, MakeJpeg(JpegRecipe{300, 300}).left(900)));
    ConverterOptions options = Options(ExistingPages::AppendAfter);
    ExpectFailureLeavesOutput(options, QStringLiteral("Cannot read the image [") +
                                           ImagePath(QStringLiteral("Report2.jpg")) +
                                           QStringLiteral("]: not a JPEG image ("));
    // Every bad image is named, not only the first.
    EXPECT_TRUE(Log().contains(QStringLiteral("Error: Cannot read the image [") + cut +
                               QStringLiteral("]: the JPEG data ends before its end marker")))
        << Log().toStdString();

    options.imagePatterns = {ImagePath(QStringLiteral("Report1.jpg")),
                             ImagePath(QStringLiteral("Report9.jpg"))};
    ExpectFailureLeavesOutput(options, QStringLiteral("Cannot read the image [") +
                                           ImagePath(QStringLiteral("Report9.jpg")) + u']');
    EXPECT_EQ(PageWidths(OutputPath()), (std::vector<int>{10, 11}));
}

TEST_F(ConverterFailureTest, DamagedExistingPdfIsNeitherAppendedToNorReplaced) {
    const QByteArray good = ReadFile(OutputPath());
    const QByteArray damaged[] = {
        QByteArray("this was never a PDF"),
        good.left(good.size() * 3 / 5), // cut short: the cross-reference table is gone
        QByteArray(good).replace("/Type /Pages", "/Type /Pxges"),
    };
    for (const QByteArray& bytes : damaged) {
        ASSERT_TRUE(WriteFile(OutputPath(), bytes));
        for (ExistingPages mode : {ExistingPages::AppendAfter, ExistingPages::InsertBefore}) {
            ExpectFailureLeavesOutput(Options(mode), QString());
            EXPECT_TRUE(Log().contains(QStringLiteral("PDF [") + OutputPath() + u']'))
                << Log().toStdString();
        }
    }
}

TEST_F(ConverterFailureTest, OutputFolderThatTakesNoNewFileLeavesTheOldFile) {
    test::LockedFolder locked(root_.path());
    if (!locked.IsLocked()) {
        GTEST_SKIP() << "this file system lets every file be created";
    }
    // The log of the first run is there already and stays writable.
    ConverterOptions options = Options();
    const QByteArray before = ReadFile(OutputPath());
    for (ExistingPages mode : {ExistingPages::Replace, ExistingPages::AppendAfter}) {
        options.existingPages = mode;
        EXPECT_EQ(Converter::Convert(options), Converter::kFailed);
        const QString log = Log();
        EXPECT_TRUE(log.contains(QStringLiteral("Error: Cannot write the PDF [") + OutputPath() +
                                 QStringLiteral("]: ")))
            << log.toStdString();
        EXPECT_FALSE(log.contains(QStringLiteral("TickCount")));
        EXPECT_EQ(ReadFile(OutputPath()), before);
    }
}

TEST_F(ConverterFailureTest, MissingOutputFolderWritesNothing) {
    ConverterOptions options = Options();
    options.outputPath = root_.filePath(QStringLiteral("no such folder/Plant.pdf"));
    EXPECT_EQ(Converter::Convert(options), Converter::kFailed);
    EXPECT_TRUE(Log().contains(QStringLiteral("Error: Cannot write the PDF [") +
                               options.outputPath + u']'));
    EXPECT_FALSE(Log().contains(QStringLiteral("TickCount")));
    EXPECT_FALSE(QFileInfo::exists(options.outputPath));
}

TEST_F(ConverterFailureTest, UnwritableLogStopsBeforeTouchingTheOutput) {
    const QByteArray before = ReadFile(OutputPath());
    ConverterOptions options = Options();
    options.logPath = root_.filePath(QStringLiteral("no such folder/log.txt"));
    EXPECT_EQ(Converter::Convert(options), Converter::kFailed);
    EXPECT_EQ(ReadFile(OutputPath()), before);
}

// PDFs made by other tools: pdfunite's merge of two of the converter's files (QPDF warns that
// its object count is wrong, though every page reads), and that file damaged in three ways.
struct ForeignPdf {
    const char* fixture; // in tests/data/pdf
    const char* refusal; // the reason given, empty when pages are added
};

void PrintTo(const ForeignPdf& pdf, std::ostream* out) {
    *out << pdf.fixture;
}

const ForeignPdf kForeignPdfs[] = {
    {"merged-by-pdfunite.pdf", ""},
    {"merged-count-says-4.pdf", "it says it holds 4 page(s) but 3 were found"},
    {"merged-page1-image-missing.pdf", "page 1 cannot be read"},
    {"merged-page2-content-damaged.pdf", "page 2 cannot be read"},
};

class ForeignPdfTest : public ConverterTest,
                       public ::testing::WithParamInterface<std::tuple<ForeignPdf, ExistingPages>> {
};

TEST_P(ForeignPdfTest, PagesAreAddedUnlessAPageCannotBeRead) {
    const auto& [foreign, mode] = GetParam();
    const QString fixture =
        QStringLiteral(QUENRA_TEST_DATA_DIR "/pdf/") + QLatin1String(foreign.fixture);
    ASSERT_TRUE(QFile::copy(fixture, OutputPath()));
    AddPages({30});
    const QString refusal = QLatin1String(foreign.refusal);
    if (!refusal.isEmpty()) {
        ExpectFailureLeavesOutput(Options(mode),
                                  QStringLiteral("The existing PDF [") + OutputPath() +
                                      QStringLiteral("] is damaged and would lose content if it "
                                                     "were rewritten: ") +
                                      refusal);
        return;
    }
    ASSERT_EQ(Converter::Convert(Options(mode)), Converter::kCompleted) << Log().toStdString();
    const bool after = mode == ExistingPages::AppendAfter;
    EXPECT_EQ(PageWidths(OutputPath()),
              after ? (std::vector<int>{85, 86, 87, 30}) : (std::vector<int>{30, 85, 86, 87}));
    PdfReader merged(fixture);
    PdfReader written(OutputPath());
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(written.RawImageData(after ? page : page + 1), merged.RawImageData(page));
    }
}

INSTANTIATE_TEST_SUITE_P(
    OtherTools, ForeignPdfTest,
    ::testing::Combine(::testing::ValuesIn(kForeignPdfs),
                       ::testing::Values(ExistingPages::AppendAfter, ExistingPages::InsertBefore)),
    [](const auto& testCase) {
        QString name = QFileInfo(QLatin1String(std::get<0>(testCase.param).fixture)).baseName();
        name.remove(u'-');
        const bool after = std::get<1>(testCase.param) == ExistingPages::AppendAfter;
        return (name + (after ? QStringLiteral("Append") : QStringLiteral("Insert"))).toStdString();
    });

} // namespace
} // namespace quenra::img2pdf
