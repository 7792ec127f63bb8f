// Files dropped on the window open as File > Open opens them, wherever they land; Help >
// Tutorial shows the manual that comes with the program when no manual program is installed.
#include "MainWindowFixture.h"
#include "app/ManualWindow.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

#include <cstring>

namespace quenra {
namespace {

QString Fixture(const char* folder, const char* name) {
    return QLatin1String(folder) + QLatin1Char('/') + QLatin1String(name);
}

struct DroppedFile {
    const char* Folder;
    const char* Name;
    const char* Target;     // the control the file lands on
    const char* ClientName; // what the window shows afterwards
    bool Opens;             // the window takes the file as its project
};

void PrintTo(const DroppedFile& file, std::ostream* out) {
    *out << file.Name << " on " << file.Target;
}

class DroppedFileTest : public test::MainWindowTest,
                        public ::testing::WithParamInterface<DroppedFile> {
protected:
    // Sends the drag's enter and drop events as the platform does; returns whether the
    // window accepted the drop.
    bool Drop(QWidget* target, const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        data.setText(path);
        const QPoint centre = target->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QApplication::processEvents();
        return enter.isAccepted() && drop.isAccepted();
    }
};

TEST_P(DroppedFileTest, OpensAsFileOpenDoes) {
    const DroppedFile& file = GetParam();
    Start();
    const QString source = Fixture(std::strcmp(file.Folder, "examples") == 0 ? QUENRA_EXAMPLES_DIR
                                                                             : QUENRA_TEST_DATA_DIR,
                                   file.Name);
    const QString path = Path(QLatin1String(file.Name));
    ASSERT_TRUE(QFile::copy(source, path));
    Type("Client1", QStringLiteral("typed before the drop"));

    auto* target = Find<QWidget>(file.Target);
    const bool accepted = Drop(target, path);

    EXPECT_EQ(accepted, file.Opens);
    EXPECT_EQ(Project().ClientName, QLatin1String(file.ClientName));
    EXPECT_TRUE(prompter_.Messages.isEmpty());
    const bool named = Project().ProjectFileName == path;
    EXPECT_EQ(named,
              file.Opens && !QString::fromLatin1(file.Name).endsWith(QStringLiteral(".ini")));
    // The text box the file landed on did not take the file's name as text.
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        EXPECT_FALSE(edit->text().contains(path));
    }
}

TEST_F(DroppedFileTest, OnTheAboutPageLeavesItFirst) {
    Start();
    Trigger("About1");
    ASSERT_FALSE(Tabs()->isVisible());
    const QString path = Path(QStringLiteral("Plant.qrx"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx"), path));
    EXPECT_TRUE(Drop(Find<QWidget>("AboutBoxPanel"), path));
    EXPECT_TRUE(Tabs()->isVisible());
    EXPECT_TRUE(Find<QMenu>("File1")->menuAction()->isVisible());
    EXPECT_EQ(Project().ProjectFileName, path);
}

INSTANTIATE_TEST_SUITE_P(
    Window, DroppedFileTest,
    ::testing::Values(
        DroppedFile{"examples", "Plant.qrx", "TabControl1", "Riverside Paper Mill", true},
        DroppedFile{"examples", "Hydrant.qrx", "Client1", "Northgate Distribution Center", true},
        DroppedFile{"data", "Client.ini", "TabControl1", "Harbor Mills", true},
        DroppedFile{"data", "Client.ini", "Client1", "Harbor Mills", true},
        DroppedFile{"data", "Notes.txt", "TabControl1", "typed before the drop", false}));

class WindowHelp : public test::MainWindowTest {};

TEST_F(WindowHelp, TutorialShowsTheBuiltInManualWithoutAManualProgram) {
    Start();
    Trigger("Contents1");
    // The manual program is looked for first, as always.
    ASSERT_EQ(shell_.Started.size(), 1);
    EXPECT_TRUE(shell_.Started.first().contains(QStringLiteral("Quenra Manual")));

    ManualWindow* manual = window_->Manual();
    ASSERT_NE(manual, nullptr);
    EXPECT_TRUE(manual->isVisible());
    auto* text = manual->findChild<QTextBrowser*>(QStringLiteral("ManualText"));
    ASSERT_NE(text, nullptr);
    const QString shown = text->toPlainText();
    for (const char* heading :
         {"A fire hydrant flow test, from an empty project to the PDF",
          "A fire pump test with three tests", "Reading the graph and the verdicts",
          "The Setup page", "Capture, print and PDF", "Recovery copies", "The batch commands",
          "Where this version differs from older versions"}) {
        EXPECT_TRUE(shown.contains(QLatin1String(heading))) << heading;
    }
    // Its pictures come with it.
    const QVariant picture =
        text->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/graph.png")));
    EXPECT_TRUE(picture.isValid());

    // The contents list leads to its sections.
    manual->resize(700, 500);
    QApplication::processEvents();
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
    emit text->anchorClicked(QUrl(QStringLiteral("#the-batch-commands")));
    EXPECT_GT(text->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(text->cursorForPosition(QPoint(5, 5))
                    .block()
                    .text()
                    .contains(QStringLiteral("The batch commands")));

    // Every entry of the contents list has its section.
    QFile source(QStringLiteral(":/manual/manual.md"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QRegularExpression link(QStringLiteral("\\]\\(#([^)]+)\\)"));
    int links = 0;
    for (const QRegularExpressionMatch& match :
         link.globalMatch(QString::fromUtf8(source.readAll()))) {
        EXPECT_TRUE(manual->ShowSection(match.captured(1))) << match.captured(1).toStdString();
        ++links;
    }
    EXPECT_GE(links, 9);

    // Asked again, the same window comes back.
    manual->close();
    Trigger("Contents1");
    EXPECT_EQ(window_->Manual(), manual);
    EXPECT_TRUE(manual->isVisible());
}

} // namespace
} // namespace quenra
