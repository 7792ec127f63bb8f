// PDF files made from the real window with the real converter: the Graph tab's one page and
// the Report tab's pages, then pages appended to an existing file.
#include "MainWindowFixture.h"
#include "app/PdfCommands.h"
#include "app/ReportView.h"
#include "hydraulics/RecordRefresh.h"
#include "img2pdf/PdfReader.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using test::MainWindowTest;

constexpr int kGraphTab = 7;
constexpr int kReportTab = 8;

class PdfWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        const QString converter =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Img2PDF"));
        if (!QFileInfo::exists(converter)) {
            GTEST_SKIP() << "the converter is built beside the tests: " << converter.toStdString();
        }
        const QString path = Path(QStringLiteral("Plant.qrx"));
        QFile::copy(QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), path);
        Start(path);
    }
    int Pages(const QString& pdf) { return img2pdf::test::PdfReader(pdf).PageCount(); }
};

TEST_F(PdfWindowTest, PdfSaveOfTheGraphMakesAOnePagePdfBesideTheProjectAndOpensIt) {
    Tabs()->setCurrentIndex(kGraphTab);
    Trigger("PDFSave1");
    const QString pdf = Path(QStringLiteral("Plant.pdf"));
    ASSERT_TRUE(QFileInfo::exists(pdf)) << prompter_.Messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(prompter_.Messages.first(), QStringLiteral("Saving ") + pdf);
    EXPECT_EQ(Pages(pdf), 1);
    EXPECT_EQ(shell_.Opened, QStringList{pdf});
    EXPECT_EQ(window_->Pdf()->CurrentPdfFile(), pdf);
    // The run's page images, folder and log are gone once the PDF is made.
    EXPECT_TRUE(QDir(Path(QStringLiteral("PDF")))
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty());
}

TEST_F(PdfWindowTest, TheReportsPagesAreAppendedToTheGraphsPdf) {
    Tabs()->setCurrentIndex(kGraphTab);
    Trigger("PDFSave1");
    const QString pdf = Path(QStringLiteral("Plant.pdf"));
    ASSERT_EQ(Pages(pdf), 1);

    Tabs()->setCurrentIndex(kReportTab);
    window_->Report()->PaintBox()->grab();
    const int reportPages = window_->Report()->PageCount();
    ASSERT_GT(reportPages, 1);
    Trigger("AppendtocurrentPDF1");
    EXPECT_EQ(Pages(pdf), 1 + reportPages);
}

TEST_F(PdfWindowTest, OffTheGraphAndReportTabsNothingIsMade) {
    Trigger("PDFSave1");
    EXPECT_EQ(prompter_.Messages.last(), QStringLiteral("Select the Graph or Report tab first"));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("Plant.pdf"))));
}

} // namespace
} // namespace quenra
