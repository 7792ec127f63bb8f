// Starts the built converter as the program does: the whole parameter text in one argument.
#include "PdfReader.h"
#include "TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quenra::img2pdf {
namespace {

using test::JpegRecipe;
using test::MakeJpeg;
using test::PdfReader;
using test::ReadFile;
using test::WriteFile;

struct Outcome {
    int exitCode = -1;
    QString standardError;
};

Outcome RunConverter(const QStringList& arguments, int limitMs = 60000) {
    QProcess process;
    process.setProgram(QStringLiteral(IMG2PDF_PROGRAM));
    process.setArguments(arguments);
    process.start();
    if (!process.waitForFinished(limitMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QString Quoted(const QString& text) {
    return u'"' + text + u'"';
}

// A program folder whose path has blanks, non-ASCII letters and a double quote in it.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = root_.filePath(QStringLiteral("Prüfung Ölwerk \"Nord\" 2024/"));
        ASSERT_TRUE(QDir().mkpath(folder_ + QStringLiteral("PDF")));
        for (int page = 1; page <= 10; ++page) {
            ASSERT_TRUE(WriteFile(folder_ + QStringLiteral("PDF/Report%1.jpg").arg(page),
                                  MakeJpeg(JpegRecipe{1100 + page, 1430})));
        }
    }

    // The parameter text as the program builds it, the quote in the folder name written as
    // \" (the folder of a Windows program never has one).
    QString ParameterText(const QString& pageOrder, const QString& output) const {
        const QString escaped = QString(folder_).replace(u'"', QStringLiteral("\\\""));
        return pageOrder + QStringLiteral(" -r 130 -u \"Morvek LLC\" -d \"Quenra Version 3.001\"") +
               QStringLiteral(" -t \"Ölwerk Pumpe 1\" -l ") + Quoted(escaped + "log.txt") +
               QStringLiteral(" -o ") + Quoted(escaped + output) + u' ' + u' ' +
               Quoted(escaped + QStringLiteral("PDF/*.*"));
    }

    QString Log() const { return QString::fromUtf8(ReadFile(folder_ + QStringLiteral("log.txt"))); }

    QTemporaryDir root_;
    QString folder_;
};

TEST_F(ProgramTest, ConvertsFromTheProgramsOneStringCommandLine) {
    const QString output = QStringLiteral("Ölwerk Pumpe 1_1.pdf");
    const Outcome outcome = RunConverter({ParameterText(QString(), output)});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString() << Log().toStdString();
    EXPECT_TRUE(Log().contains(QStringLiteral("TickCount")));

    PdfReader pdf(folder_ + output);
    ASSERT_EQ(pdf.PageCount(), 10);
    const std::vector<double> box = pdf.MediaBox(0);
    ASSERT_EQ(box.size(), 4U);
    EXPECT_NEAR(box[2], 1101 * 72.0 / 130, 1e-4);
    EXPECT_EQ(box[3], 792);
    for (int page = 0; page < 10; ++page) {
        EXPECT_EQ(pdf.ImageWidth(page), 1101 + page);
    }
    EXPECT_EQ(pdf.Info("/Title"), QStringLiteral("Ölwerk Pumpe 1"));
    EXPECT_EQ(pdf.Info("/Author"), QStringLiteral("Morvek LLC"));
    EXPECT_EQ(pdf.Info("/Subject"), QStringLiteral("Quenra Version 3.001"));
}

TEST_F(ProgramTest, AppendsWithAnArgumentList) {
    const QString output = folder_ + QStringLiteral("Plant.pdf");
    ASSERT_EQ(RunConverter({QStringLiteral("-o"), output, folder_ + QStringLiteral("PDF/Report1*")})
                  .exitCode,
              0);
    ASSERT_EQ(RunConverter({QStringLiteral("-p"), QStringLiteral("1"), QStringLiteral("-o"), output,
                            folder_ + QStringLiteral("PDF/Report2.jpg")})
                  .exitCode,
              0);
    PdfReader pdf(output);
    ASSERT_EQ(pdf.PageCount(), 3);
    EXPECT_EQ(pdf.ImageWidth(0), 1101);
    EXPECT_EQ(pdf.ImageWidth(1), 1110);
    EXPECT_EQ(pdf.ImageWidth(2), 1102);
}

TEST_F(ProgramTest, FailureExitsNonZeroWithTheReasonInTheLog) {
    const QString output = folder_ + QStringLiteral("Plant.pdf");
    ASSERT_TRUE(WriteFile(output, "%PDF-1.4 damaged"));
    const Outcome outcome = RunConverter({ParameterText(QStringLiteral(" -p 0 "), "Plant.pdf")});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(Log().contains(QStringLiteral("Error: Cannot read the existing PDF [") + output))
        << Log().toStdString();
    EXPECT_FALSE(Log().contains(QStringLiteral("TickCount")));
    EXPECT_EQ(ReadFile(output), QByteArray("%PDF-1.4 damaged"));
}

TEST_F(ProgramTest, BadCommandLineIsReportedInTheLogAndOnStderr) {
    const QString log = folder_ + QStringLiteral("log.txt");
    const Outcome outcome = RunConverter(
        {QStringLiteral("-p"), QStringLiteral("3"), QStringLiteral("-l"), log, QStringLiteral("-o"),
         folder_ + QStringLiteral("x.pdf"), QStringLiteral("a.jpg")});
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(Log(), QStringLiteral("Error: -p takes 1 (append) or 0 (insert), not \"3\"\n"));
    EXPECT_TRUE(outcome.standardError.contains(QStringLiteral("Usage: Img2PDF")));
    EXPECT_FALSE(QFileInfo::exists(folder_ + QStringLiteral("x.pdf")));

    EXPECT_EQ(RunConverter({}).exitCode, 2);
}

// Page images that are no files to read: the converter refuses each at once with a reason,
// rather than waiting for a writer that never comes or reading until the memory is gone.
enum class Unusable { Fifo, DeviceLink, Device, Folder, Oversized };

struct UnusableImage {
    const char* name;
    Unusable kind;
    bool byPattern; // found by the program's *.* pattern, else named on the command line
    const char* reason;
};

void PrintTo(const UnusableImage& image, std::ostream* out) {
    *out << image.name;
}

const UnusableImage kUnusableImages[] = {
    {"FifoInTheFolder", Unusable::Fifo, true, "not a regular file"},
    {"FifoNamed", Unusable::Fifo, false, "not a regular file"},
    {"LinkToDevZeroInTheFolder", Unusable::DeviceLink, true, "not a regular file"},
    {"DevZeroNamed", Unusable::Device, false, "not a regular file"},
    {"FolderNamed", Unusable::Folder, false, "not a regular file"},
    {"OversizedInTheFolder", Unusable::Oversized, true, "larger than 256 MiB"},
};

// One good page image beside the unusable one.
class UnusableImageTest : public ::testing::TestWithParam<UnusableImage> {
protected:
    void SetUp() override {
        folder_ = root_.path() + QStringLiteral("/");
        ASSERT_TRUE(QDir().mkpath(folder_ + QStringLiteral("PDF")));
        ASSERT_TRUE(WriteFile(folder_ + QStringLiteral("PDF/Report1.jpg"), MakeJpeg(40, 30)));
    }
    QString Log() const { return QString::fromUtf8(ReadFile(folder_ + QStringLiteral("log.txt"))); }

    QTemporaryDir root_;
    QString folder_;
};

TEST_P(UnusableImageTest, IsRefusedAtOnceWithItsReason) {
    const UnusableImage& c = GetParam();
    const QString image = c.kind == Unusable::Device ? QStringLiteral("/dev/zero")
                                                     : folder_ + QStringLiteral("PDF/Report11.jpg");
    switch (c.kind) {
    case Unusable::Fifo:
        ASSERT_EQ(::mkfifo(QFile::encodeName(image).constData(), 0600), 0);
        break;
    case Unusable::DeviceLink:
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), image));
        break;
    case Unusable::Folder:
        ASSERT_TRUE(QDir().mkpath(image));
        break;
    case Unusable::Oversized: {
        QFile sparse(image);
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
        ASSERT_TRUE(sparse.resize((qint64{256} << 20) + 1)); // no disk space: a hole
        break;
    }
    case Unusable::Device:
        break;
    }
    const QString output = folder_ + QStringLiteral("Plant.pdf");
    const QString log = folder_ + QStringLiteral("log.txt");
    QStringList arguments = {QStringLiteral("-l"), log, QStringLiteral("-o"), output,
                             folder_ + QStringLiteral("PDF/Report1.jpg")};
    arguments << (c.byPattern ? folder_ + QStringLiteral("PDF/Report1?.jpg") : image);

    const Outcome outcome = RunConverter(arguments, 20000);
    EXPECT_EQ(outcome.exitCode, 1) << "no end within 20 s, or another status";
    EXPECT_TRUE(Log().contains(QStringLiteral("Error: Cannot read the image [") + image +
                               QStringLiteral("]: ") + QLatin1String(c.reason)))
        << Log().toStdString();
    EXPECT_FALSE(Log().contains(QStringLiteral("TickCount")));
    EXPECT_FALSE(QFileInfo::exists(output));
}

INSTANTIATE_TEST_SUITE_P(NoFile, UnusableImageTest, ::testing::ValuesIn(kUnusableImages),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace quenra::img2pdf
