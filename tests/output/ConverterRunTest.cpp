// The converter run against a stand-in converter: a shell script that records how it was
// started and then behaves as a test needs (completes, fails, hangs, never logs).
#include "output/ConverterRun.h"
#include "output/PdfFolder.h"
#include "output/PdfMessages.h"
#include "output/PdfRunFolder.h"

#include "hydraulics/QStringPrinter.h"
#include "img2pdf/LockedFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenra {
namespace {

// Records the arguments one a line and the working folder, finds the log and the output.
const char kScriptHead[] = R"(#!/bin/sh
record="$0.args"
: > "$record"
for argument in "$@"; do printf '%s\n' "$argument" >> "$record"; done
pwd > "$0.folder"
log=""; output=""
while [ $# -gt 0 ]; do
  case "$1" in -l) log="$2"; shift;; -o) output="$2"; shift;; esac
  shift
done
)";

const char kCompletes[] = R"(echo "Converting" > "$log"
printf '%%PDF new' > "$output"
echo "TickCount 5 ms: 1 page(s) added, 1 page(s) in [$output]" >> "$log"
)";
const char kFailsInLog[] =
    R"(echo "Error: Cannot read the image [PDF/Report1.jpg]: not a JPEG" > "$log"
echo "Failed: no PDF was written; [$output] is as it was" >> "$log"
exit 1
)";
const char kNeverLogs[] = "exec sleep 30\n";
const char kNeverCompletes[] = "echo \"Converting\" > \"$log\"\nexec sleep 30\n";
const char kExitsAtOnce[] = "echo 'Cannot write the log' >&2\nexit 2\n";
const char kEndsQuietly[] = "echo \"Converting\" > \"$log\"\nexit 0\n";

// A clock that moves a fixed step each time the run reads it, that is once a poll: the limits
// are reached after a known number of polls, however fast or busy the machine is.
class PollClock {
public:
    explicit PollClock(qint64 step) : step_(step) {}
    ConverterClock Clock() {
        return [this] {
            if (!started_) {
                started_ = true;
                start_ = now_;
            }
            return now_ += step_;
        };
    }
    // From the first reading to the last: the time the run saw pass.
    qint64 Elapsed() const { return started_ ? now_ - start_ - step_ : 0; }

private:
    qint64 step_;
    qint64 now_ = 0;
    qint64 start_ = 0;
    bool started_ = false;
};

// Limits small enough that every wait here ends well within a second.
ConverterLimits ShortLimits() {
    ConverterLimits limits;
    limits.StartMs = 2000;
    limits.LogMs = 300;
    limits.CompletionBaseMs = 500;
    limits.CompletionPerPageMs = 100;
    limits.PollMs = 20;
    limits.ExitGraceMs = 1000;
    return limits;
}

class ConverterRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = tools_.filePath(QStringLiteral("Img2PDF"));
        ASSERT_TRUE(run_.Ready());
        Touch(ReportPdfImagePath(run_.ImageFolder(), 1));
        request_.Mode = PdfMode::New;
        request_.ProjectFileName = site_.filePath(QStringLiteral("Plant.qrx"));
        request_.ProgramFolder = folder_.path();
        request_.UseRunFolder(run_);
        request_.PageImageHeight = 3630;
        request_.PageCount = 1;
    }

    void Converter(const char* body) {
        QFile script(program_);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(kScriptHead);
        script.write(body);
        script.close();
        ASSERT_TRUE(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    static void Touch(const QString& path, const QByteArray& bytes = "x") {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList Arguments() const {
        QString text = QString::fromUtf8(Read(program_ + QStringLiteral(".args")));
        text.chop(1);
        return text.split(QLatin1Char('\n'));
    }

    // Runs on a clock that moves clockStep_ a poll; elapsedMs_ is the time the run saw pass.
    ConverterResult Run(const ConverterProgress& progress = {}) {
        PollClock clock(clockStep_);
        ConverterResult result =
            ConverterRun(program_, limits_, clock.Clock()).Run(request_, progress);
        elapsedMs_ = clock.Elapsed();
        return result;
    }

    QString Log() const { return run_.LogFile(); }

    QTemporaryDir tools_;
    QTemporaryDir folder_;
    PdfRunFolder run_{folder_.path()};
    QTemporaryDir site_;
    QString program_;
    ConverterRequest request_;
    ConverterLimits limits_ = ShortLimits();
    qint64 clockStep_ = 10;
    qint64 elapsedMs_ = 0;
};

TEST_F(ConverterRunTest, StartsTheConverterWithTheArgumentListInTheProgramFolder) {
    Converter(kCompletes);
    const ConverterResult result = Run();
    ASSERT_TRUE(result.Completed()) << result.Message.toStdString();
    const QString output = site_.filePath(QStringLiteral("Plant_1.pdf"));
    EXPECT_EQ(result.OutputFile, output);
    EXPECT_EQ(Arguments(), QStringList({"-r", "330", "-u", "Morvek LLC", "-d",
                                        "Quenra Version 3.001", "-t", "Plant", "-l", Log(), "-o",
                                        output, run_.ImageFolder() + QStringLiteral("/*.*")}));
    EXPECT_EQ(QDir(QString::fromUtf8(Read(program_ + ".folder")).trimmed()).canonicalPath(),
              QDir(folder_.path()).canonicalPath());
    EXPECT_TRUE(result.ParameterText.startsWith(QStringLiteral(" -r 330 -u \"Morvek LLC\"")));
    EXPECT_EQ(Read(output), "%PDF new");
}

TEST_F(ConverterRunTest, AppendInsertAndOverwriteUseTheCurrentFile) {
    Converter(kCompletes);
    request_.CurrentPdfFile = site_.filePath(QStringLiteral("Chosen.PDF"));
    const struct {
        PdfMode mode;
        QStringList head;
    } cases[] = {{PdfMode::Append, {"-p", "1", "-r"}},
                 {PdfMode::Insert, {"-p", "0", "-r"}},
                 {PdfMode::Overwrite, {"-r", "330", "-u"}}};
    for (const auto& c : cases) {
        request_.Mode = c.mode;
        const ConverterResult result = Run();
        EXPECT_TRUE(result.Completed());
        EXPECT_EQ(result.OutputFile, request_.CurrentPdfFile);
        EXPECT_EQ(Arguments().mid(0, 3), c.head);
        EXPECT_EQ(Arguments().at(Arguments().indexOf("-o") + 1), request_.CurrentPdfFile);
    }
}

TEST_F(ConverterRunTest, NewFilesAreNumberedPastTheExistingOnes) {
    Converter(kCompletes);
    Touch(site_.filePath(QStringLiteral("Plant_1.pdf")), "one");
    Touch(site_.filePath(QStringLiteral("Plant_2.pdf")), "two");
    const ConverterResult result = Run();
    EXPECT_EQ(result.OutputFile, site_.filePath(QStringLiteral("Plant_3.pdf")));
    EXPECT_EQ(Read(site_.filePath(QStringLiteral("Plant_1.pdf"))), "one");
    EXPECT_EQ(Read(site_.filePath(QStringLiteral("Plant_2.pdf"))), "two");

    request_.ProjectFileName = QStringLiteral("untitled");
    const ConverterResult untitled = Run();
    EXPECT_EQ(untitled.OutputFile, folder_.filePath(QStringLiteral("untitled_1.pdf")));
    EXPECT_EQ(Arguments().at(Arguments().indexOf("-t") + 1), QStringLiteral("untitled"));
}

TEST_F(ConverterRunTest, NothingStartsWhenEveryNewNameIsTaken) {
    Converter(kCompletes);
    for (int number = 1; number <= 9999; ++number) {
        Touch(site_.filePath(QStringLiteral("Plant_%1.pdf").arg(number)), "taken");
    }
    const ConverterResult result = Run();
    EXPECT_EQ(result.Outcome, ConverterOutcome::NoFreeName);
    EXPECT_TRUE(result.Message.contains(site_.filePath(QStringLiteral("Plant_9999.pdf"))));
    EXPECT_FALSE(QFile::exists(program_ + ".args"));
    EXPECT_EQ(Read(site_.filePath(QStringLiteral("Plant_9999.pdf"))), "taken");
}

TEST_F(ConverterRunTest, AnOldLogIsDeletedSoItsCompletionLineCannotMislead) {
    Converter(kNeverLogs);
    Touch(Log(), "Completed: TickCount 3 ms\n");
    const ConverterResult result = Run();
    EXPECT_EQ(result.Outcome, ConverterOutcome::NoLog);
    EXPECT_EQ(result.Message, pdf_messages::NoLog(Log(), 1));
    EXPECT_FALSE(QFile::exists(Log()));
}

TEST_F(ConverterRunTest, AnUndeletableLogStopsBeforeTheConverterStarts) {
    Converter(kCompletes);
    Touch(Log(), "old");
    img2pdf::test::LockedFolder locked(PdfImageFolder(folder_.path()));
    if (!locked.IsLocked()) {
        GTEST_SKIP() << "this file system lets every file be deleted";
    }
    const ConverterResult result = Run();
    EXPECT_EQ(result.Outcome, ConverterOutcome::LogNotDeletable);
    EXPECT_EQ(result.Message, QStringLiteral("Can not delete file [") + Log() + "]");
    EXPECT_FALSE(QFile::exists(program_ + ".args"));
}

TEST_F(ConverterRunTest, ConverterThatNeverWritesItsLogIsStoppedInTime) {
    Converter(kNeverLogs);
    const ConverterResult result = Run();
    EXPECT_EQ(result.Outcome, ConverterOutcome::NoLog);
    EXPECT_TRUE(result.Message.contains(Log()));
    EXPECT_EQ(elapsedMs_, limits_.LogMs) << "stopped at the first poll that reaches the limit";
}

TEST_F(ConverterRunTest, ConverterThatNeverCompletesTimesOut) {
    Converter(kNeverCompletes);
    request_.PageCount = 3; // 500 + 3 x 100 ms
    limits_.LogMs = 10'000; // whenever its log appears, completion is what is missing
    clockStep_ = 100;
    const ConverterResult result = Run();
    EXPECT_EQ(result.Outcome, ConverterOutcome::TimedOut);
    EXPECT_EQ(result.Message, pdf_messages::ConverterTimedOut(site_.filePath("Plant_1.pdf"), 1));
    EXPECT_EQ(elapsedMs_, 800) << "stopped at the first poll that reaches the limit";
}

TEST_F(ConverterRunTest, FailureInTheLogIsReportedWithItsReason) {
    Converter(kFailsInLog);
    request_.Mode = PdfMode::Append;
    request_.CurrentPdfFile = site_.filePath(QStringLiteral("Plant.pdf"));
    const ConverterResult result = Run();
    EXPECT_EQ(result.Outcome, ConverterOutcome::Failed);
    EXPECT_EQ(result.Message,
              QStringLiteral("The PDF file [") + request_.CurrentPdfFile +
                  QStringLiteral("] was not completed: Cannot read the image [PDF/Report1.jpg]: "
                                 "not a JPEG."));
}

TEST_F(ConverterRunTest, ConverterEndingWithoutCompletionIsAFailure) {
    Converter(kExitsAtOnce);
    ConverterResult result = Run();
    EXPECT_EQ(result.Outcome, ConverterOutcome::Failed);
    EXPECT_TRUE(result.Message.contains(
        QStringLiteral("the converter ended with status 2 (Cannot write the log)")));
    EXPECT_LT(elapsedMs_, limits_.LogMs) << "reported before any limit ran out";

    Converter(kEndsQuietly);
    result = Run();
    EXPECT_EQ(result.Outcome, ConverterOutcome::Failed);
    EXPECT_TRUE(result.Message.contains(pdf_messages::EndedWithoutCompletion()));
}

TEST_F(ConverterRunTest, MissingConverterIsReportedAtOnce) {
    program_ = tools_.filePath(QStringLiteral("NoSuchConverter"));
    const ConverterResult result = Run();
    EXPECT_EQ(result.Outcome, ConverterOutcome::NotStarted);
    EXPECT_TRUE(result.Message.contains(QStringLiteral("[") + program_ + "]"));
    EXPECT_EQ(elapsedMs_, 0) << "reported without waiting a poll";
}

TEST_F(ConverterRunTest, ProgressSeesTheLimitAndCanCancel) {
    Converter(kNeverCompletes);
    request_.PageCount = 2;
    limits_.LogMs = 10'000; // the cancel, not a missing log, ends the run
    QList<int> limits;
    QList<int> seen;
    const ConverterResult result = Run([&](int elapsedMs, int limitMs) {
        limits << limitMs;
        seen << elapsedMs;
        return limits.size() < 3;
    });
    EXPECT_EQ(result.Outcome, ConverterOutcome::Cancelled);
    EXPECT_EQ(result.Message, pdf_messages::ConverterCancelled(site_.filePath("Plant_1.pdf")));
    EXPECT_EQ(limits, QList<int>({700, 700, 700}));
    EXPECT_EQ(seen, QList<int>({10, 20, 30})) << "the time of each poll";
    EXPECT_EQ(elapsedMs_, 30) << "stopped at the poll that cancelled";
}

// Completion is the converter's last line, starting with "TickCount", and holds only when the
// PDF is there, not older than the run, with as many new pages as images were handed over (1).
struct CompletionCase {
    const char* name;
    const char* body;
    ConverterOutcome outcome;
    QString (*reason)(); // in the message; empty when completed
};

void PrintTo(const CompletionCase& c, std::ostream* out) {
    *out << c.name;
}

const CompletionCase kCompletionCases[] = {
    {"PathsHoldingTheWordAreNoCompletion",
     R"(echo "Converting 1 image(s) into [/site/x-TickCount/Plant_1.pdf]" > "$log"
echo "Error: Cannot write the PDF [/site/x-TickCount/Plant_1.pdf]: No space left" >> "$log"
echo "Failed: no PDF was written; [/site/x-TickCount/Plant_1.pdf] is as it was" >> "$log"
exit 1
)",
     ConverterOutcome::Failed,
     [] {
         return QStringLiteral(
             "Cannot write the PDF [/site/x-TickCount/Plant_1.pdf]: No space left");
     }},
    {"CompletionLineThatIsNotTheLast",
     R"(printf '%%PDF new' > "$output"
echo "TickCount 5 ms: 1 page(s) added, 1 page(s) in [$output]" > "$log"
echo "Error: trouble after the end" >> "$log"
)",
     ConverterOutcome::Failed, [] { return pdf_messages::EndedWithoutCompletion(); }},
    {"NoFileAfterCompletion",
     R"(echo "TickCount 5 ms: 1 page(s) added, 1 page(s) in [$output]" > "$log"
)",
     ConverterOutcome::Failed, [] { return pdf_messages::NotThereAfterCompletion(); }},
    {"FileOlderThanTheRun",
     R"(printf '%%PDF old' > "$output"
touch -d '2001-01-01 12:00' "$output"
echo "TickCount 5 ms: 1 page(s) added, 1 page(s) in [$output]" > "$log"
)",
     ConverterOutcome::Failed, [] { return pdf_messages::OlderThanRun(); }},
    {"OtherPageCount",
     R"(printf '%%PDF new' > "$output"
echo "TickCount 5 ms: 2 page(s) added, 2 page(s) in [$output]" > "$log"
)",
     ConverterOutcome::Failed, [] { return pdf_messages::OtherPageCount(2, 1); }},
    {"NoPageCount",
     R"(printf '%%PDF new' > "$output"
echo "TickCount 5 ms" > "$log"
)",
     ConverterOutcome::Failed, [] { return pdf_messages::NoPageCount(); }},
    {"Completed", kCompletes, ConverterOutcome::Completed, [] { return QString(); }},
};

class ConverterCompletionTest : public ConverterRunTest,
                                public ::testing::WithParamInterface<CompletionCase> {};

TEST_P(ConverterCompletionTest, OnlyTheLastLineCountsAndTheFileMustBearItOut) {
    Converter(GetParam().body);
    const ConverterResult result = Run();
    EXPECT_EQ(result.Outcome, GetParam().outcome) << result.Message.toStdString();
    if (GetParam().outcome == ConverterOutcome::Completed) {
        EXPECT_TRUE(result.Message.isEmpty()) << result.Message.toStdString();
    } else {
        EXPECT_EQ(result.Message,
                  pdf_messages::ConverterFailed(result.OutputFile, GetParam().reason()));
    }
}

INSTANTIATE_TEST_SUITE_P(LastLine, ConverterCompletionTest, ::testing::ValuesIn(kCompletionCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ConverterLimitsTest, CompletionLimitGrowsWithThePages) {
    const ConverterLimits limits;
    EXPECT_EQ(limits.CompletionMs(0), kConverterCompletionBaseMs + kConverterCompletionPerPageMs);
    EXPECT_EQ(limits.CompletionMs(10),
              kConverterCompletionBaseMs + 10 * kConverterCompletionPerPageMs);
}

} // namespace
} // namespace quenra
