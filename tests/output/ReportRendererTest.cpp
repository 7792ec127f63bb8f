#include "output/ReportRenderer.h"
#include "hydraulics/DataErrorPrompt.h"

#include "files/ProjectFileReader.h"
#include "model/ProjectData.h"
#include "model/ResetToDefaults.h"
#include "output/PdfFolder.h"
#include "output/PdfRunFolder.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <map>

#include <sys/resource.h>

namespace quenra {
namespace {

ProjectData Example(const char* name) {
    ProjectData project;
    ResetToDefaults(project);
    test::ScriptedPrompter prompter;
    ReadProjectFile(project, QStringLiteral(QUENRA_EXAMPLES_DIR "/") + QLatin1String(name),
                    prompter);
    return project;
}

class ReportRendererTest : public ::testing::Test {
protected:
    std::optional<ReportRun> Run(ProjectData& project, ReportViewOptions options,
                                 ReportPlaces places = ReportPlaces()) {
        verdicts = PreparedGraphVerdicts(project, CheckBeforeReport(project, prompter, flags));
        return renderer.Run(project, verdicts, options, places, prompter);
    }
    QString In(const QString& name) const { return QDir(folder.path()).filePath(name); }

    QTemporaryDir folder;
    test::ScriptedPrompter prompter;
    PromptFlags flags;
    DemandVerdictSource verdicts;
    ReportRenderer renderer;
};

TEST_F(ReportRendererTest, ACaptureWritesOnePageForEachTestOrTheSummaryFirst) {
    ProjectData project = Example("Plant.qrx");
    ReportViewOptions options;
    options.Mode = ReportMode::Capture;
    ReportPlaces places;
    places.CaptureFolder = folder.path();
    auto run = Run(project, options, places);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageCount, 3);
    const QString base = In(QStringLiteral("Quenra1"));
    EXPECT_EQ(run->WrittenFiles, (QStringList{base + "-1.jpg", base + "-2.jpg", base + "-3.jpg"}));
    ASSERT_FALSE(prompter.Messages.isEmpty());
    EXPECT_EQ(prompter.Messages.last(), QStringLiteral("Captured files: ") + base +
                                            QStringLiteral("-1.jpg to ") + base +
                                            QStringLiteral("-3.jpg"));
    const QSize size = QImageReader(run->WrittenFiles.first()).size();
    EXPECT_EQ(size, QSize(run->Size.Width, run->Size.Height));
    EXPECT_NEAR(static_cast<double>(size.height()) / size.width(), kLetterAspect, 0.002);

    // The next capture takes the next number; with the summary page there is one more page.
    options.Multipage = true;
    run = Run(project, options, places);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageCount, 4);
    EXPECT_EQ(run->WrittenFiles.first(), In(QStringLiteral("Quenra2-1.jpg")));
    EXPECT_EQ(run->WrittenFiles.size(), 4);
}

TEST_F(ReportRendererTest, PdfPageImagesGoIntoTheRunsFolder) {
    ProjectData project = Example("Hydrant.qrx");
    const PdfRunFolder pdfRun(folder.path());
    ASSERT_TRUE(pdfRun.Ready());
    ReportViewOptions options;
    options.Mode = ReportMode::PdfImages;
    options.HydrantTestsPerPage = 2;
    ReportPlaces places;
    places.PdfImageFolder = pdfRun.ImageFolder();
    const auto run = Run(project, options, places);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageCount, 2);
    EXPECT_EQ(QDir(pdfRun.ImageFolder()).entryList(QDir::Files),
              (QStringList{QStringLiteral("Report1.jpg"), QStringLiteral("Report2.jpg")}));
    EXPECT_EQ(run->PageImageHeight, run->Size.Height);
    EXPECT_TRUE(prompter.Messages.isEmpty());
}

TEST_F(ReportRendererTest, NoSelectedTestGivesNoPages) {
    ProjectData project = Example("Plant.qrx");
    for (int test = 1; test <= kTestCount; ++test) {
        project.PumpTestInGraph[test] = false;
    }
    ReportViewOptions options;
    options.Mode = ReportMode::Capture;
    ReportPlaces places;
    places.CaptureFolder = folder.path();
    const auto run = Run(project, options, places);
    ASSERT_TRUE(run);
    EXPECT_TRUE(run->NoTests);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ReportRendererTest, TheViewsKeepOnlyThePagesTheyShow) {
    ProjectData project = Example("Plant.qrx");
    ReportViewOptions options;
    options.View = QSize(900, 600);
    options.Mode = ReportMode::OnePage;
    options.Page = 7; // beyond the last page: the last is shown
    auto run = Run(project, options);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageNumbers, QList<int>{3});
    EXPECT_EQ(run->Pages.first().height(), 600);

    options.Mode = ReportMode::AllPages;
    run = Run(project, options);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageNumbers, (QList<int>{1, 2, 3}));
    EXPECT_LE(3 * run->Pages.first().width() + 20, 900);

    options.Mode = ReportMode::Zoomed;
    options.PageWidth = false;
    options.Page = 2;
    run = Run(project, options);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->PageNumbers, QList<int>{2});
    EXPECT_EQ(run->Pages.first().size(), QSize(run->Size.Width, run->Size.Height));
}

TEST_F(ReportRendererTest, PrintingHandsEveryPageOverInOrder) {
    ProjectData project = Example("Plant.qrx");
    ReportViewOptions options;
    options.Mode = ReportMode::Print;
    options.Multipage = true;
    QList<int> printed;
    options.PrintPage = [&](const QImage& page, int number, int count) {
        EXPECT_EQ(count, 4);
        EXPECT_FALSE(page.isNull());
        printed << number;
    };
    const auto run = Run(project, options);
    ASSERT_TRUE(run);
    EXPECT_EQ(printed, (QList<int>{1, 2, 3, 4}));
    EXPECT_TRUE(run->Pages.isEmpty());
}

TEST_F(ReportRendererTest, TheLayoutChoiceTakesTheMostHydrantTestsThatFitAPage) {
    ProjectData project = Example("Hydrant.qrx");
    verdicts = PreparedGraphVerdicts(project, CheckBeforeReport(project, prompter, flags));
    const ReportLayoutChoice choice =
        ChooseReportLayout(renderer, project, verdicts, QSize(800, 600), prompter);
    ReportViewOptions measure;
    measure.Output = false;
    measure.HydrantTestsPerPage = choice.HydrantTestsPerPage;
    auto run = renderer.Run(project, verdicts, measure, ReportPlaces(), prompter);
    ASSERT_TRUE(run);
    EXPECT_FALSE(run->PageTooTall);
    ASSERT_LT(choice.HydrantTestsPerPage, 4)
        << "three tests with demand points fill more than a page";
    measure.HydrantTestsPerPage = choice.HydrantTestsPerPage + 1;
    run = renderer.Run(project, verdicts, measure, ReportPlaces(), prompter);
    ASSERT_TRUE(run);
    EXPECT_TRUE(run->PageTooTall);
}

TEST_F(ReportRendererTest, ARunAskedForDuringARunDoesNothing) {
    ProjectData project = Example("Plant.qrx");
    bool nestedRan = true;
    const DemandVerdictSource inner =
        PreparedGraphVerdicts(project, CheckBeforeReport(project, prompter, flags));
    verdicts = [&](int test) {
        nestedRan =
            renderer.Run(project, inner, ReportViewOptions(), ReportPlaces(), prompter).has_value();
        return inner(test);
    };
    ReportViewOptions options;
    options.Output = false;
    EXPECT_TRUE(renderer.Run(project, verdicts, options, ReportPlaces(), prompter));
    EXPECT_FALSE(nestedRan);
    EXPECT_FALSE(renderer.Busy());
}

// Every entry of a folder with its bytes (folders as such), hidden ones too: a run that stops
// must leave neither new pages nor temporary files.
std::map<QString, QByteArray> FolderContents(const QString& folder) {
    std::map<QString, QByteArray> contents;
    const QDir dir(folder);
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(entry.filePath());
        contents[entry.fileName()] = entry.isDir()                ? QByteArray("<folder>")
                                     : file.open(QFile::ReadOnly) ? file.readAll()
                                                                  : QByteArray("<unreadable>");
    }
    return contents;
}

// Files this process writes end at `bytes`, as on a disk that is full: a longer write is cut
// short (and the signal it raises is ignored while this lasts).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

// How a capture of the three-page example is made to stop part way.
enum class Stop {
    FolderInPlaceOfPage2, // page 2 cannot be written
    DiskFullOnALaterPage, // the first page larger than page 1 does not fit
    CancelledAfterPage1,
};

struct CaptureStopCase {
    const char* name;
    Stop stop;
    bool namedBase; // the batch line's OUTBASE, with an earlier run's pages under it
};

void PrintTo(const CaptureStopCase& c, std::ostream* out) {
    *out << c.name;
}

class ReportCaptureStopTest : public ReportRendererTest,
                              public ::testing::WithParamInterface<CaptureStopCase> {
protected:
    // The sizes of the example's pages, from a capture that completes elsewhere.
    QList<qint64> PageSizes(ProjectData& project, const ReportViewOptions& options) {
        QTemporaryDir elsewhere;
        ReportPlaces places;
        places.CaptureFolder = elsewhere.path();
        places.CaptureBase = QDir(elsewhere.path()).filePath(QStringLiteral("r"));
        const auto run = Run(project, options, places);
        QList<qint64> sizes;
        for (const QString& page : run ? run->WrittenFiles : QStringList()) {
            sizes << QFileInfo(page).size();
        }
        return sizes;
    }
};

TEST_P(ReportCaptureStopTest, NoPageOfTheRunIsKeptAndEarlierPagesStayAsTheyWere) {
    const CaptureStopCase& c = GetParam();
    ProjectData project = Example("Plant.qrx");
    // Undated tests keep their number order in every locale, and so do the pages' sizes.
    for (int test = 1; test <= kTestCount; ++test) {
        project.PumpTestDate[test].clear();
    }
    ReportViewOptions options;
    options.Mode = ReportMode::Capture;
    const QList<qint64> sizes = PageSizes(project, options);
    ASSERT_EQ(sizes.size(), 3);

    ReportPlaces places;
    places.CaptureFolder = folder.path();
    const QString base = In(QLatin1String(c.namedBase ? "plant report" : "Quenra1"));
    if (c.namedBase) {
        places.CaptureBase = base;
        for (int page = 1; page <= 3; ++page) {
            QFile old(ReportCaptureFile(base, page));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write(QByteArray("page of an earlier run ") + QByteArray::number(page));
        }
    }
    int failing = 2;
    std::optional<FileSizeLimit> limit;
    if (c.stop == Stop::FolderInPlaceOfPage2) {
        QFile::remove(ReportCaptureFile(base, 2));
        ASSERT_TRUE(QDir().mkpath(ReportCaptureFile(base, 2)));
    } else if (c.stop == Stop::CancelledAfterPage1) {
        options.Progress = [](int done, int) { return done < 1; };
    }
    const std::map<QString, QByteArray> before = FolderContents(folder.path());
    prompter.Messages.clear();
    std::optional<ReportRun> run;
    if (c.stop == Stop::DiskFullOnALaterPage) {
        const auto larger = std::find_if(sizes.begin() + 1, sizes.end(),
                                         [&](qint64 size) { return size > sizes.first(); });
        ASSERT_NE(larger, sizes.end()) << "the example needs a later page larger than page 1";
        failing = static_cast<int>(larger - sizes.begin()) + 1;
        const FileSizeLimit full(static_cast<rlim_t>(sizes.first()));
        run = Run(project, options, places);
    } else {
        run = Run(project, options, places);
    }

    ASSERT_TRUE(run);
    EXPECT_TRUE(run->Failed);
    EXPECT_TRUE(run->WrittenFiles.isEmpty());
    EXPECT_EQ(FolderContents(folder.path()), before);
    if (c.stop == Stop::CancelledAfterPage1) {
        EXPECT_TRUE(prompter.Messages.isEmpty());
    } else {
        ASSERT_EQ(prompter.Messages.size(), 1);
        EXPECT_TRUE(prompter.Messages.first().startsWith(
            QStringLiteral("Report page %1 could not be written.  ").arg(failing)))
            << prompter.Messages.first().toStdString();
        EXPECT_TRUE(prompter.Messages.first().contains(ReportCaptureFile(base, failing)));
    }
}

const CaptureStopCase kCaptureStops[] = {
    {"BatchPage2CannotBeWritten", Stop::FolderInPlaceOfPage2, true},
    {"BatchDiskFull", Stop::DiskFullOnALaterPage, true},
    {"BatchCancelled", Stop::CancelledAfterPage1, true},
    {"TabPage2CannotBeWritten", Stop::FolderInPlaceOfPage2, false},
    {"TabDiskFull", Stop::DiskFullOnALaterPage, false},
    {"TabCancelled", Stop::CancelledAfterPage1, false},
};

INSTANTIATE_TEST_SUITE_P(HalfWay, ReportCaptureStopTest, ::testing::ValuesIn(kCaptureStops),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace quenra
