// The whole road with the real converter built beside the tests: page images in a run's
// folder, a new PDF, then pages appended and inserted, read back with QPDF.
#include "output/ConverterCommand.h"
#include "output/ConverterRun.h"
#include "output/JpegWriter.h"
#include "output/PdfFilePreparation.h"
#include "output/PdfFolder.h"
#include "output/PdfRunFolder.h"

#include "img2pdf/PdfReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace quenra {
namespace {

using img2pdf::test::PdfReader;

class ConverterEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = ConverterProgramPath(QCoreApplication::applicationDirPath());
        ASSERT_TRUE(QFile::exists(program_))
            << "build the converter first: " << program_.toStdString();
        request_.ProjectFileName = site_.filePath(QStringLiteral("Plant.qrx"));
        request_.ProgramFolder = folder_.path();
    }

    // Page images of the given widths, all 110 pixels high (10 pixels per inch of an 11-inch
    // page), in a new run's folder.
    void WritePages(const QList<int>& widths) {
        run_ = std::make_unique<PdfRunFolder>(folder_.path());
        ASSERT_TRUE(run_->Ready());
        request_.UseRunFolder(*run_);
        for (int page = 1; page <= widths.size(); ++page) {
            QImage image(widths[page - 1], 110, QImage::Format_RGB32);
            image.fill(QColor(20 * page, 100, 200));
            QString error;
            ASSERT_TRUE(WriteJpeg(image, ReportPdfImagePath(run_->ImageFolder(), page), &error))
                << error.toStdString();
        }
        request_.PageImageHeight = 110;
        request_.PageCount = static_cast<int>(widths.size());
    }

    ConverterResult Convert(PdfMode mode) {
        request_.Mode = mode;
        ConverterResult result = ConverterRun().Run(request_);
        EXPECT_TRUE(result.Completed()) << result.Message.toStdString();
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
    std::unique_ptr<PdfRunFolder> run_;
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
    QFile broken(ReportPdfImagePath(run_->ImageFolder(), 1));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a JPEG at all");
    broken.close();
    request_.CurrentPdfFile = pdf;
    request_.Mode = PdfMode::Append;
    const ConverterResult result = ConverterRun().Run(request_);
    EXPECT_EQ(result.Outcome, ConverterOutcome::Failed);
    EXPECT_TRUE(result.Message.contains(QStringLiteral("Report1.jpg")))
        << result.Message.toStdString();
    EXPECT_EQ(Read(pdf), before);
}

// The converter is stopped (as a kill or a power cut would) at ever later moments while it
// replaces a PDF: at every moment the PDF is under its own name, either the old file as it
// was or the new one complete.
TEST_F(ConverterEndToEndTest, AReplacementStoppedAtAnyMomentLeavesTheOldOrTheNewPdf) {
    WritePages({85, 86});
    const QString pdf = Convert(PdfMode::New).OutputFile;
    const QByteArray old = Read(pdf);
    request_.CurrentPdfFile = pdf;

    ConverterLimits limits;
    limits.PollMs = 1;
    int completed = 0;
    for (const int polls : {1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233}) {
        ASSERT_TRUE(PrepareOverwrite(pdf).Ready);
        WritePages({700, 701, 702});
        request_.Mode = PdfMode::Overwrite;
        int seen = 0;
        const ConverterResult result =
            ConverterRun(program_, limits).Run(request_, [&](int, int) { return ++seen < polls; });
        ASSERT_TRUE(QFileInfo::exists(pdf)) << "stopped after " << polls << " polls";
        if (result.Completed()) {
            ++completed;
            EXPECT_EQ(PdfReader(pdf).PageCount(), 3);
            QFile restore(pdf);
            ASSERT_TRUE(restore.open(QIODevice::WriteOnly));
            restore.write(old);
        } else {
            EXPECT_EQ(result.Outcome, ConverterOutcome::Cancelled) << result.Message.toStdString();
            // Stopped before or after the converter put the finished file in place: the name
            // holds the old PDF or the whole new one, never a part.
            const QByteArray left = Read(pdf);
            if (left != old) {
                EXPECT_EQ(PdfReader(pdf).PageCount(), 3) << "stopped after " << polls << " polls";
                QFile restore(pdf);
                ASSERT_TRUE(restore.open(QIODevice::WriteOnly));
                restore.write(old);
            }
        }
    }
    EXPECT_LT(completed, 12) << "no conversion was stopped on its way";
}

// The converter quotes the paths it works on in its log; a folder whose name holds the word
// of the completion line must not make a failed conversion look complete.
TEST_F(ConverterEndToEndTest, AFolderNamedAfterTheCompletionWordIsNoCompletion) {
    const QString place = QDir(site_.path()).filePath(QStringLiteral("x-TickCount"));
    ASSERT_TRUE(QDir().mkpath(place));
    request_.ProjectFileName = QDir(place).filePath(QStringLiteral("Plant.qrx"));
    request_.ProgramFolder = place;
    WritePages({85});
    QFile broken(ReportPdfImagePath(run_->ImageFolder(), 2));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a JPEG at all");
    broken.close();
    request_.PageCount = 2;
    request_.Mode = PdfMode::New;
    const ConverterResult result = ConverterRun().Run(request_);
    EXPECT_EQ(result.Outcome, ConverterOutcome::Failed) << result.Message.toStdString();
    EXPECT_TRUE(result.Message.contains(QStringLiteral("Report2.jpg")))
        << result.Message.toStdString();
    EXPECT_FALSE(QFileInfo::exists(QDir(place).filePath(QStringLiteral("Plant_1.pdf"))));
}

} // namespace
} // namespace quenra
