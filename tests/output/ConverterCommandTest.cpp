#include "output/ConverterCommand.h"
#include "output/PdfMessages.h"

#include "hydraulics/QStringPrinter.h"

#include <gtest/gtest.h>

namespace quenra {
namespace {

ConverterJob PlantJob(PdfMode mode) {
    ConverterJob job;
    job.Mode = mode;
    job.PageImageHeight = 3630;
    job.ProjectFileName = QStringLiteral("/site/Plant.qrx");
    job.ImageFolder = QStringLiteral("/prog/PDF/run-7-1");
    job.LogFile = QStringLiteral("/prog/PDF/run-7-1.log");
    job.OutputFile = QStringLiteral("/site/Plant_1.pdf");
    job.Description = pdf_messages::kDescription;
    return job;
}

TEST(ConverterCommandTest, ArgumentsFollowTheParameterOrder) {
    const QStringList expected = {QStringLiteral("-r"),
                                  QStringLiteral("330"),
                                  QStringLiteral("-u"),
                                  QStringLiteral("Morvek LLC"),
                                  QStringLiteral("-d"),
                                  QStringLiteral("Quenra Version 3.001"),
                                  QStringLiteral("-t"),
                                  QStringLiteral("Plant"),
                                  QStringLiteral("-l"),
                                  QStringLiteral("/prog/PDF/run-7-1.log"),
                                  QStringLiteral("-o"),
                                  QStringLiteral("/site/Plant_1.pdf"),
                                  QStringLiteral("/prog/PDF/run-7-1/*.*")};
    EXPECT_EQ(ConverterArguments(PlantJob(PdfMode::New)), expected);
    EXPECT_EQ(ConverterArguments(PlantJob(PdfMode::Overwrite)), expected);
    EXPECT_EQ(ConverterArguments(PlantJob(PdfMode::Append)),
              QStringList({QStringLiteral("-p"), QStringLiteral("1")}) + expected);
    EXPECT_EQ(ConverterArguments(PlantJob(PdfMode::Insert)),
              QStringList({QStringLiteral("-p"), QStringLiteral("0")}) + expected);
}

TEST(ConverterCommandTest, ParameterTextIsTheOneLineCommand) {
    const QString common = QStringLiteral(
        " -r 330 -u \"Morvek LLC\" -d \"Quenra Version 3.001\" -t \"Plant\""
        " -l \"/prog/PDF/run-7-1.log\" -o \"/site/Plant_1.pdf\"  \"/prog/PDF/run-7-1/*.*\"");
    EXPECT_EQ(ConverterParameterText(PlantJob(PdfMode::New)), common);
    EXPECT_EQ(ConverterParameterText(PlantJob(PdfMode::Append)), QStringLiteral(" -p 1 ") + common);
    EXPECT_EQ(ConverterParameterText(PlantJob(PdfMode::Insert)), QStringLiteral(" -p 0 ") + common);
}

TEST(ConverterCommandTest, PixelsPerInchOfAnElevenInchPage) {
    EXPECT_EQ(PixelsPerInch(3630), 330);
    EXPECT_EQ(PixelsPerInch(1000), 91);  // 90.9
    EXPECT_EQ(PixelsPerInch(1545), 140); // 140.45
}

} // namespace
} // namespace quenra
