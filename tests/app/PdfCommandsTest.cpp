// The PDF menu's commands on a window of their own, with a scripted prompter, a shell that
// records what it opens and a stand-in converter that records how it was started.
#include "app/PdfCommands.h"

#include "hydraulics/QStringPrinter.h"
#include "hydraulics/RecordRefresh.h"
#include "img2pdf/LockedFolder.h"
#include "model/ProjectData.h"
#include "output/PdfFolder.h"
#include "platform/Shell.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace quenra {
namespace {

// Records its arguments, writes the output and a log with the completion line.
const char kConverterScript[] = R"(#!/bin/sh
: > "$0.args"
for argument in "$@"; do printf '%s\n' "$argument" >> "$0.args"; done
while [ $# -gt 0 ]; do
  case "$1" in -l) log="$2"; shift;; -o) output="$2"; shift;; esac
  shift
done
printf 'new pages' > "$output"
echo "TickCount 1 ms: 1 page(s) added, 1 page(s) in [$output]" > "$log"
)";

// Starts, then works for longer than the progress dialog waits before it shows.
const char kSlowConverterScript[] = R"(#!/bin/sh
while [ $# -gt 0 ]; do
  case "$1" in -l) log="$2"; shift;; -o) output="$2"; shift;; esac
  shift
done
echo "Converting" > "$log"
exec sleep 20
)";

class OpeningShell : public Shell {
public:
    bool StartProgram(const QString&, const QStringList&, const QString&) override { return false; }
    bool OpenDocument(const QString& path) override {
        Opened << path;
        return true;
    }
    QStringList Opened;
};

class PdfCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        converter_ = tools_.filePath(QStringLiteral("Img2PDF"));
        WriteConverter(kConverterScript);

        project_.ProjectFileName = QStringLiteral("untitled");
        window_.move(200, 100);
        PdfWindowHooks hooks;
        hooks.CurrentPage = [this] { return page_; };
        hooks.WriteGraphImages = [this](const QString& folder) { return WriteImage(folder); };
        hooks.WriteReportImages = [this](const QString& folder) { return WriteImage(folder); };
        hooks.RepaintScreen = [this] { ++repaints_; };
        commands_ = new PdfCommands(project_, prompter_, shell_, folder_.path(), &window_, hooks);
        commands_->SetConverter(ConverterRun(converter_));
        commands_->SetPopupChooser([this](QMenu& menu, const QPoint& position) {
            popupPositions_ << position;
            if (auto* item = menu.findChild<QAction*>(popupChoice_)) {
                item->trigger();
            }
        });
    }

    void WriteConverter(const char* script) {
        QFile file(converter_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script);
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    std::optional<PdfPageImages> WriteImage(const QString& folder) {
        imageFolders_ << folder;
        const QString image = GraphPdfImagePath(folder);
        QFile file(image);
        if (!file.open(QIODevice::WriteOnly)) {
            return std::nullopt;
        }
        file.write("jpeg");
        return PdfPageImages{{image}, 3630};
    }

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // How the converter was started; empty when it was not.
    QStringList ConverterArguments() const {
        QString text = QString::fromUtf8(Read(converter_ + QStringLiteral(".args")));
        text.chop(1);
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    // The run's folder and log are gone, and nothing else is left in the PDF folder.
    bool PdfFolderIsEmpty() const {
        return QDir(PdfImageFolder(folder_.path()))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
            .isEmpty();
    }
    QString ConverterOutput() const {
        const QStringList arguments = ConverterArguments();
        const qsizetype at = arguments.indexOf(QStringLiteral("-o"));
        return at < 0 ? QString() : arguments.at(at + 1);
    }

    QTemporaryDir tools_;
    QTemporaryDir folder_;
    QTemporaryDir site_;
    QString converter_;
    ProjectData project_;
    test::ScriptedPrompter prompter_;
    OpeningShell shell_;
    QWidget window_;
    PdfCommands* commands_ = nullptr; // owned by the window
    int page_ = MainPage::Graph;
    int repaints_ = 0;
    QString popupChoice_;
    QList<QPoint> popupPositions_;
    QStringList imageFolders_;
};

TEST_F(PdfCommandsTest, PdfSaveOfAnUntitledProjectWritesUntitledPdf) {
    QSignalSpy changes(commands_, &PdfCommands::CurrentPdfFileChanged);
    commands_->PdfSave();
    const QString pdf = folder_.filePath(QStringLiteral("untitled.pdf"));
    EXPECT_EQ(prompter_.Messages, QStringList({QStringLiteral("Saving ") + pdf}));
    EXPECT_FALSE(ConverterArguments().contains(QStringLiteral("-p")));
    EXPECT_EQ(ConverterOutput(), pdf);
    EXPECT_EQ(commands_->Mode(), PdfMode::Overwrite);
    EXPECT_EQ(shell_.Opened, QStringList({pdf}));
    EXPECT_EQ(commands_->CurrentPdfFile(), pdf);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).toString(), pdf);
    EXPECT_EQ(repaints_, 1);
    // The image went into a folder of this run's own, inside the PDF folder, and the converter
    // was given that folder and a log beside it.
    ASSERT_EQ(imageFolders_.size(), 1);
    EXPECT_EQ(QFileInfo(imageFolders_[0]).path(), PdfImageFolder(folder_.path()));
    const QStringList arguments = ConverterArguments();
    EXPECT_EQ(arguments.last(), imageFolders_[0] + QStringLiteral("/*.*"));
    EXPECT_EQ(arguments.at(arguments.indexOf(QStringLiteral("-l")) + 1),
              imageFolders_[0] + QStringLiteral(".log"));
    EXPECT_TRUE(PdfFolderIsEmpty());
}

TEST_F(PdfCommandsTest, PdfSaveOfAnExistingFileOffersThePopupAndCancelDoesNothing) {
    const QString pdf = folder_.filePath(QStringLiteral("untitled.pdf"));
    Write(pdf, "old pages");
    popupChoice_ = QStringLiteral("Cancel1");
    commands_->PdfSave();
    ASSERT_EQ(popupPositions_.size(), 1);
    EXPECT_EQ(popupPositions_[0], window_.frameGeometry().topLeft() + QPoint(130, 90));
    QStringList items;
    for (const QAction* action : commands_->PopupMenu()->actions()) {
        items << action->objectName() + QStringLiteral(":") + action->text();
    }
    EXPECT_EQ(items, QStringList({"OverwriteFile1:Overwrite File", "InsertinFile1:Insert in File",
                                  "AppendtoFile1:Append to File", "Cancel1:Cancel"}));
    EXPECT_EQ(commands_->PopupMenu()->objectName(), QStringLiteral("PopupMenuPDF"));
    EXPECT_TRUE(prompter_.Messages.isEmpty());
    EXPECT_TRUE(ConverterArguments().isEmpty());
    EXPECT_TRUE(shell_.Opened.isEmpty());
    EXPECT_EQ(Read(pdf), "old pages");
}

TEST_F(PdfCommandsTest, PopupItemsChooseHowTheExistingFileIsTreated) {
    project_.ProjectFileName = site_.filePath(QStringLiteral("Plant.qrx"));
    const QString pdf = site_.filePath(QStringLiteral("Plant.pdf"));
    const struct {
        const char* item;
        QStringList head;
    } cases[] = {{"InsertinFile1", {"-p", "0"}},
                 {"AppendtoFile1", {"-p", "1"}},
                 {"OverwriteFile1", {"-r", "330"}}};
    for (const auto& c : cases) {
        Write(pdf, "old pages");
        popupChoice_ = QLatin1String(c.item);
        commands_->PdfSave();
        EXPECT_EQ(ConverterArguments().mid(0, 2), c.head) << c.item;
        EXPECT_EQ(ConverterOutput(), pdf) << c.item;
    }
    EXPECT_TRUE(prompter_.Messages.isEmpty());
    EXPECT_EQ(shell_.Opened, QStringList({pdf, pdf, pdf}));
}

TEST_F(PdfCommandsTest, DefaultFileNumbersPastTheExistingFiles) {
    project_.ProjectFileName = site_.filePath(QStringLiteral("Plant.qrx"));
    Write(site_.filePath(QStringLiteral("Plant_1.pdf")), "1");
    Write(site_.filePath(QStringLiteral("Plant_2.pdf")), "2");
    page_ = MainPage::Report;
    commands_->DefaultFile();
    const QString pdf = site_.filePath(QStringLiteral("Plant_3.pdf"));
    EXPECT_EQ(ConverterOutput(), pdf);
    EXPECT_EQ(Read(pdf), "new pages");
    EXPECT_EQ(commands_->CurrentPdfFile(), pdf);
    EXPECT_EQ(shell_.Opened, QStringList({pdf}));
}

TEST_F(PdfCommandsTest, AppendToALockedFileSaysSoAndLeavesIt) {
    project_.ProjectFileName = site_.filePath(QStringLiteral("Plant.qrx"));
    const QString pdf = site_.filePath(QStringLiteral("Plant.pdf"));
    Write(pdf, "old pages");
    img2pdf::test::LockedFile locked(pdf);
    if (!locked.IsLocked()) {
        GTEST_SKIP() << "this file system lets every file be written";
    }
    popupChoice_ = QStringLiteral("AppendtoFile1");
    commands_->PdfSave();
    EXPECT_EQ(prompter_.Messages,
              QStringList({QStringLiteral("Can not access file [") + pdf +
                           QStringLiteral("].  This file may be open (in Adobe Reader). Close "
                                          "it and try aagain.")}));
    EXPECT_TRUE(ConverterArguments().isEmpty());
    EXPECT_EQ(Read(pdf), "old pages");
}

TEST_F(PdfCommandsTest, AppendToAMissingCurrentFileSaysSo) {
    const QString pdf = folder_.filePath(QStringLiteral("untitled.pdf"));
    Write(pdf, "old pages");
    popupChoice_ = QStringLiteral("Cancel1");
    commands_->PdfSave(); // makes it the current file
    QFile::remove(pdf);
    commands_->AppendToCurrent();
    EXPECT_EQ(prompter_.Messages,
              QStringList({QStringLiteral("file [") + pdf + QStringLiteral("] not found.")}));
    EXPECT_TRUE(ConverterArguments().isEmpty());
}

TEST_F(PdfCommandsTest, SaveAsCancelledDoesNothing) {
    prompter_.FileNames = QStringList({QString()});
    commands_->PdfSaveAs();
    EXPECT_EQ(prompter_.Filters, QStringList({QStringLiteral("PDF Files|*.PDF")}));
    EXPECT_TRUE(ConverterArguments().isEmpty());
    EXPECT_TRUE(commands_->CurrentPdfFile().isEmpty());
}

// A chosen name that ends in ".pdf" in any case is kept as chosen (where cases count,
// "Plant.PDF" and the "Plant.pdf" of PDF Save are two files); any other name gets ".pdf".
struct SaveAsName {
    const char* chosen;
    const char* written;
};

void PrintTo(const SaveAsName& name, std::ostream* out) {
    *out << name.chosen;
}

class PdfSaveAsTest : public PdfCommandsTest, public ::testing::WithParamInterface<SaveAsName> {};

TEST_P(PdfSaveAsTest, KeepsAChosenPdfNameAndAddsTheExtensionOtherwise) {
    prompter_.FileNames = QStringList({site_.filePath(QLatin1String(GetParam().chosen))});
    commands_->PdfSaveAs();
    const QString pdf = site_.filePath(QLatin1String(GetParam().written));
    EXPECT_EQ(ConverterOutput(), pdf);
    EXPECT_EQ(commands_->CurrentPdfFile(), pdf);
    EXPECT_EQ(shell_.Opened, QStringList({pdf}));
    EXPECT_TRUE(prompter_.Messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Names, PdfSaveAsTest,
                         ::testing::Values(SaveAsName{"Plant", "Plant.pdf"},
                                           SaveAsName{"Plant.PDF", "Plant.PDF"},
                                           SaveAsName{"Plant.Pdf", "Plant.Pdf"},
                                           SaveAsName{"Plant.pdf", "Plant.pdf"},
                                           SaveAsName{"Plant 2.v2", "Plant 2.v2.pdf"}));

TEST_F(PdfCommandsTest, OtherTabsAreTurnedAway) {
    page_ = MainPage::Comments;
    commands_->PdfSave();
    commands_->PdfSaveAs();
    commands_->DefaultFile();
    EXPECT_EQ(prompter_.Messages,
              QStringList(3, QStringLiteral("Select the Graph or Report tab first")));
    EXPECT_TRUE(prompter_.Filters.isEmpty());
    EXPECT_TRUE(ConverterArguments().isEmpty());
    EXPECT_EQ(repaints_, 0);
}

TEST_F(PdfCommandsTest, FailedConversionIsReportedAndNothingIsOpened) {
    commands_->SetConverter(ConverterRun(tools_.filePath(QStringLiteral("Missing"))));
    commands_->DefaultFile();
    ASSERT_EQ(prompter_.Messages.size(), 1);
    EXPECT_TRUE(prompter_.Messages[0].contains(tools_.filePath(QStringLiteral("Missing"))));
    EXPECT_TRUE(shell_.Opened.isEmpty());
    EXPECT_TRUE(PdfFolderIsEmpty());
    EXPECT_TRUE(commands_->CurrentPdfFile().isEmpty());
    EXPECT_EQ(repaints_, 1);
}

TEST_F(PdfCommandsTest, ProgressDialogKeepsTheWindowAliveAndCancels) {
    WriteConverter(kSlowConverterScript);
    bool dialogSeen = false;
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [&] {
        auto* progress = window_.findChild<QProgressDialog*>(QStringLiteral("PdfProgress"));
        if (progress != nullptr && progress->isVisible()) {
            dialogSeen = true;
            progress->cancel();
        }
    });
    canceller.start(50);
    commands_->DefaultFile();
    EXPECT_TRUE(dialogSeen);
    ASSERT_EQ(prompter_.Messages.size(), 1);
    EXPECT_TRUE(prompter_.Messages[0].startsWith(QStringLiteral("PDF output was cancelled")));
    EXPECT_TRUE(shell_.Opened.isEmpty());
    EXPECT_TRUE(PdfFolderIsEmpty());
}

} // namespace
} // namespace quenra
