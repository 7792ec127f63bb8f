// The whole road with the real converter built beside the tests: page images in the PDF
// folder, a new PDF, then pages appended and inserted, read back with QPDF.
#include "output/ConverterCommand.h"
#include "output/ConverterRun.h"
#include "output/JpegWriter.h"
#include "output/PdfFolder.h"

#include "img2pdf/PdfReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using img2pdf::test::PdfReader;

class ConverterEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = ConverterProgramPath(QCoreApplication::applicationDirPath());
        ASSERT_TRUE(QFile::exists(program_))
            << "build the converter first: " << program_.toStdString();
        ASSERT_TRUE(QDir().mkpath(PdfImageFolder(folder_.path())));
        request_.ProjectFileName = site_.filePath(QStringLiteral("Plant.qrx"));
        request_.ProgramFolder = folder_.path();
    }

    // Page images of the given widths, all 110 pixels high: 10 pixels per inch of an
    // 11-inch page.
    void WritePages(const QList<int>& widths) {
        for (int page = 1; page <= widths.size(); ++page) {
            QImage image(widths[page - 1], 110, QImage::Format_RGB32);
            image.fill(QColor(20 * page, 100, 200));
            QString error;
            ASSERT_TRUE(WriteJpeg(image, ReportPdfImagePath(folder_.path(), page), &error))
                << error.toStdString();
        }
        request_.PageImageHeight = 110;
        request_.PageCount = static_cast<int>(widths.size());
    }

    ConverterResult Convert(PdfMode mode) {
        request_.Mode = mode;
        ConverterResult result = ConverterRun().Run(request_);
        EXPECT_TRUE(result.Completed()) << result.Message.toStdString();
        EXPECT_TRUE(QDir(PdfImageFolder(folder_.path())).isEmpty(QDir::Files));
        return result;
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
    QTemporaryDir site_;
    QString program_;
    ConverterRequest request_;
};

TEST_F(ConverterEndToEndTest, NewThenAppendThenInsert) {
    WritePages({85, 86});
    const ConverterResult made = Convert(PdfMode::New);
    const QString pdf = site_.filePath(QStringLiteral("Plant_1.pdf"));
    ASSERT_EQ(made.OutputFile, pdf);
    {
        PdfReader reader(pdf);
        EXPECT_EQ(reader.PageCount(), 2);
        EXPECT_EQ(reader.MediaBox(0), std::vector<double>({0, 0, 612, 792})); // letter, -r 10
        EXPECT_EQ(reader.Info("/Author"), QStringLiteral("Morvek LLC"));
        EXPECT_EQ(reader.Info("/Title"), QStringLiteral("Plant"));
    }

    request_.CurrentPdfFile = pdf;
    WritePages({70});
    Convert(PdfMode::Append);
    WritePages({60});
    Convert(PdfMode::Insert);
    PdfReader reader(pdf);
    ASSERT_EQ(reader.PageCount(), 4);
    EXPECT_EQ(reader.ImageWidth(0), 60);
    EXPECT_EQ(reader.ImageWidth(1), 85);
    EXPECT_EQ(reader.ImageWidth(2), 86);
    EXPECT_EQ(reader.ImageWidth(3), 70);
}

TEST_F(ConverterEndToEndTest, FailedAppendLeavesTheExistingPdfAsItWas) {
    WritePages({85});
    const QString pdf = Convert(PdfMode::New).OutputFile;
    const QByteArray before = Read(pdf);
    QFile broken(ReportPdfImagePath(folder_.path(), 1));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a JPEG at all");
    broken.close();
    request_.CurrentPdfFile = pdf;
    request_.Mode = PdfMode::Append;
    const ConverterResult result = ConverterRun().Run(request_);
    EXPECT_EQ(result.Outcome, ConverterOutcome::Failed);
    EXPECT_TRUE(result.Message.contains(QStringLiteral("Report1.jpg")))
        << result.Message.toStdString();
    EXPECT_TRUE(result.Message.contains(result.LogFile));
    EXPECT_EQ(Read(pdf), before);
}

} // namespace
} // namespace quenra
