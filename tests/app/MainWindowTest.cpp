#include "app/MainWindow.h"
#include "MainWindowFixture.h"
#include "app/DatePicker.h"
#include "app/RadioGroup.h"
#include "app/StringGrid.h"
#include "cli/ConvertCommand.h"
#include "files/ProjectFileReader.h"
#include "files/ProjectFileWriter.h"
#include "files/RecoveryCopies.h"
#include "hydraulics/DataCheck.h"
#include "hydraulics/RecordRefresh.h"
#include "platform/Shell.h"
#include "support/ProjectDiff.h"
#include "support/ScriptedPrompter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace quenra {
namespace {

using test::MainWindowTest;
using test::RecordingShell;

TEST_F(MainWindowTest, StartsOnTheFirstTabOfANewFirePumpTest) {
    Start();
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Quenra Version 3.001 [untitled]"));
    EXPECT_EQ(TabTexts(Tabs()), (QStringList{"Fire Pump Test", "Comments", "Pump Test 1",
                                             "Pump Test 2", "Pump Test 3", "Pump Test 4",
                                             "Pump Test 5", "Graph", "Report", "Setup"}));
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(window_->CurrentPage(), MainPage::FirePump);
    for (const char* name :
         {"HydrantTest", "Units1", "Panel18", "SysDmdPtPanel", "ClientPanel", "SupplyPanel"}) {
        EXPECT_TRUE(Visible(name)) << name;
    }
    EXPECT_FALSE(Visible("GenPanel"));
    EXPECT_TRUE(QDir(Path(QStringLiteral("PDF"))).exists());
    EXPECT_TRUE(prompter_.Messages.isEmpty());

    Tabs()->setCurrentIndex(2);
    EXPECT_EQ(window_->CurrentPage(), 3);
    EXPECT_EQ(window_->CurrentPumpTest(), 1);
    EXPECT_TRUE(Visible("PumpPanel"));
    for (const char* name :
         {"HydrantTest", "Units1", "Panel18", "SysDmdPtPanel", "ClientPanel", "SupplyPanel"}) {
        EXPECT_FALSE(Visible(name)) << name;
    }
    Tabs()->setCurrentIndex(6);
    EXPECT_EQ(window_->CurrentPumpTest(), 5);
    Tabs()->setCurrentIndex(1);
    EXPECT_TRUE(Visible("CommentsPanel"));
}

TEST_F(MainWindowTest, ANewHydrantTestHasItsOwnTabsAndPageNumbers) {
    Start();
    Trigger("NewSupplyReport1");
    EXPECT_TRUE(Project().IsHydrantTest);
    EXPECT_EQ(Project().FlowScaleIndex, 1);
    EXPECT_EQ(TabTexts(Tabs()),
              (QStringList{"Fire Hydrant Test", "Comments", "Graph", "Report", "Setup"}));
    EXPECT_TRUE(Visible("GenPanel"));
    EXPECT_FALSE(Visible("SupplyPanel"));
    Tabs()->setCurrentIndex(1);
    EXPECT_EQ(window_->CurrentPage(), MainPage::Comments);
    Tabs()->setCurrentIndex(2);
    EXPECT_EQ(window_->CurrentPage(), MainPage::Graph);
    EXPECT_FALSE(Visible("CommentsPanel"));
    EXPECT_TRUE(Visible("GraphPanel"));

    // The test type switch on the first tab turns it back into a fire pump test.
    Tabs()->setCurrentIndex(0);
    QTest::mouseClick(Find<QWidget>("HydrantTest_0"), Qt::LeftButton);
    EXPECT_FALSE(Project().IsHydrantTest);
    EXPECT_EQ(Project().FlowScaleIndex, 0);
    EXPECT_EQ(Tabs()->count(), 10);
}

TEST_F(MainWindowTest, TypingReachesExactlyItsFieldInTheSetOfTheTestKind) {
    Start();
    Type("Client1", QStringLiteral("Riverside Paper Mill"));
    EXPECT_EQ(Project().ClientName, QStringLiteral("Riverside Paper Mill"));
    EXPECT_EQ(Project().SiteLocation, QString());

    Type("Edit7", QStringLiteral("750"));
    EXPECT_EQ(Project().DemandFlow[1], QStringLiteral("750"));
    Trigger("NewSupplyReport1");
    Project().DemandFlow[1] = QStringLiteral("750");
    Type("Edit7", QStringLiteral("600"));
    Type("PolNum", QStringLiteral("HY-2093"));
    EXPECT_EQ(Project().HydrantDemandFlow[1], QStringLiteral("600"));
    EXPECT_EQ(Project().DemandFlow[1], QStringLiteral("750"));
    EXPECT_EQ(Project().PolicyNumber, QStringLiteral("HY-2093"));
    EXPECT_EQ(Project().ClientName, QString());

    // Comments go to the page of the tab chosen, in the set of the test kind.
    Tabs()->setCurrentIndex(1);
    Find<QTabBar>("TabControl4")->setCurrentIndex(2);
    auto* memo = Find<QPlainTextEdit>("Memo1");
    QTest::keyClicks(memo, QStringLiteral("Cap stuck"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("on hydrant 7"));
    EXPECT_EQ(Project().HydrantComments[3], QStringLiteral("Cap stuck\r\non hydrant 7\r\n"));
    EXPECT_EQ(Project().Comments[3], QString());
}

TEST_F(MainWindowTest, TheHydrantPageShowsTheSupplyTestOfItsTab) {
    Start();
    Trigger("NewSupplyReport1");
    Project().SupplyStaticPressure[3] = QStringLiteral("72");
    Project().MainType[3] = QStringLiteral("Dead End");
    Project().SupplyTestDate[3] = QStringLiteral("4/12/2026");
    window_->RefreshScreen();
    auto* supplyTabs = Find<QTabBar>("TabControl2");
    EXPECT_EQ(supplyTabs->tabText(2), QStringLiteral("4/12/2026"));
    EXPECT_EQ(supplyTabs->tabText(1), QStringLiteral("Hydrant Test 2"));

    supplyTabs->setCurrentIndex(2);
    EXPECT_EQ(Find<QLineEdit>("StPrs")->text(), QStringLiteral("72"));
    EXPECT_EQ(Find<QComboBox>("ComboBox12")->currentText(), QStringLiteral("Dead End"));
    Type("RsPrs", QStringLiteral("58"));
    EXPECT_EQ(Project().SupplyResidualPressure[3], QStringLiteral("58"));
    EXPECT_EQ(Project().SupplyResidualPressure[1], QString());
    EXPECT_TRUE(QFile::exists(RecoveryCopyPath(folder_.path())))
        << "a change of supply test tab writes the recovery copy";
}

TEST_F(MainWindowTest, AComputedFlowCountsEveryOutletFlowed) {
    Start();
    Trigger("NewSupplyReport1");
    Find<QCheckBox>("CalcResFlow")->click();
    Find<QComboBox>("OrfSize")->setCurrentText(QStringLiteral("2.5"));
    Find<QComboBox>("DisCoef")->setCurrentText(QStringLiteral("0.90"));
    Type("PitotRead", QStringLiteral("30"));
    EXPECT_EQ(Find<QLineEdit>("RdFlow")->text(), QStringLiteral("918"));
    auto* outlets = Find<QComboBox>("ComboBox1");
    QTest::keyClicks(outlets->lineEdit(), QStringLiteral("2"));
    EXPECT_EQ(Find<QLineEdit>("RdFlow")->text(), QStringLiteral("1836"));

    const QString path = Path(QStringLiteral("Outlets.qrx"));
    prompter_.FileNames << path;
    ASSERT_TRUE(window_->SaveAsCommand());
    ProjectData onDisk;
    ASSERT_EQ(ReadProjectFile(onDisk, path, prompter_), ReadOutcome::Complete);
    EXPECT_EQ(onDisk.OutletsFlowed[1], QStringLiteral("2"));
    EXPECT_EQ(onDisk.SupplyResidualFlow[1], QStringLiteral("1836"));
}

TEST_F(MainWindowTest, UnitsChangeCaptionsAndNeverValues) {
    Start();
    Trigger("NewSupplyReport1");
    Type("StPrs", QStringLiteral("60"));
    Find<QComboBox>("Units1")->setCurrentIndex(4); // "Metric: l/s - bar"
    EXPECT_EQ(Project().UnitSystem, 4);
    EXPECT_TRUE(Find<QLabel>("Label5")->text().endsWith(QStringLiteral("(bar)")));
    EXPECT_TRUE(Find<QLabel>("Label7")->text().endsWith(QStringLiteral("(l/s)")));
    EXPECT_EQ(Find<QLabel>("Label26")->text(), QStringLiteral("(l/s)"));
    EXPECT_EQ(Find<QLineEdit>("StPrs")->text(), QStringLiteral("60"));
    EXPECT_EQ(Project().SupplyStaticPressure[1], QStringLiteral("60"));
}

TEST_F(MainWindowTest, TheDriverKindChoosesTheAlarmsShown) {
    Start();
    EXPECT_TRUE(Visible("PhR1"));
    EXPECT_FALSE(Visible("POS1"));
    Find<QComboBox>("PmpTyp2")->setCurrentIndex(1); // Diesel
    EXPECT_EQ(Project().DriverKind, 1);
    EXPECT_FALSE(Visible("PhR1"));
    EXPECT_FALSE(Visible("PF1"));
    for (const char* name : {"POS1", "LOT1", "CWT1", "LBP1", "LF1", "PRLT1", "PRAT1"}) {
        EXPECT_TRUE(Visible(name)) << name;
    }
}

TEST_F(MainWindowTest, TheSaveQuestionHasThreeAnswers) {
    Start();
    const QString path = Path(QStringLiteral("Plant.qrx"));
    prompter_.FileNames << path;
    ASSERT_TRUE(window_->SaveAsCommand());
    Type("Client1", QStringLiteral("changed after the save"));

    prompter_.Answers.push_back(Prompter::Answer::Cancel);
    EXPECT_FALSE(window_->close());
    EXPECT_TRUE(window_->isVisible());

    prompter_.Answers.push_back(Prompter::Answer::No);
    EXPECT_TRUE(window_->close());
    ProjectData onDisk;
    ASSERT_EQ(ReadProjectFile(onDisk, path, prompter_), ReadOutcome::Complete);
    EXPECT_EQ(onDisk.ClientName, QString()) << "No closes without saving";

    window_->show();
    prompter_.Answers.push_back(Prompter::Answer::Yes);
    EXPECT_TRUE(window_->close());
    ASSERT_EQ(ReadProjectFile(onDisk, path, prompter_), ReadOutcome::Complete);
    EXPECT_EQ(onDisk.ClientName, QStringLiteral("changed after the save"));
    EXPECT_EQ(prompter_.Questions.count(QStringLiteral("Save before quitting?")), 3);
}

TEST_F(MainWindowTest, YesToTheSaveQuestionOfANewProjectClosesOnlyWhenSaved) {
    Start();
    prompter_.Answers.push_back(Prompter::Answer::Yes);
    prompter_.FileNames << QString(); // the Save As dialog is cancelled
    EXPECT_FALSE(window_->close());
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowTest, SaveAsThenOpenBringsTheProjectBack) {
    Start();
    Type("Client1", QStringLiteral("Harbor Storage"));
    Type("RtdFlw", QStringLiteral("1000"));
    Find<QComboBox>("PmpTyp2")->setCurrentIndex(1);
    prompter_.FileNames << Path(QStringLiteral("Harbor.txt"));
    ASSERT_TRUE(window_->SaveAsCommand());
    const QString saved = Path(QStringLiteral("Harbor.QRX"));
    EXPECT_EQ(Project().ProjectFileName, saved);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Quenra Version 3.001 [") + saved + "]");
    EXPECT_EQ(Project().GraphTitleText, QStringLiteral("Harbor"));
    EXPECT_TRUE(prompter_.Messages.contains(QStringLiteral("Saving ") + saved));
    ProjectData before = Project();

    Trigger("New1");
    EXPECT_EQ(Project().ClientName, QString());
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Quenra Version 3.001 [untitled]"));
    prompter_.FileNames << saved;
    Trigger("Open1");
    EXPECT_EQ(prompter_.Filters.last(), QStringLiteral("Quenra Files|*.qrx|NED FIles|*.ned"));
    // Opening computes the readings tables of every pump test; all the rest is as saved.
    before.PumpReadings = Project().PumpReadings;
    EXPECT_EQ(Project(), before) << test::FirstDifference(Project(), before);
    EXPECT_EQ(Find<QLineEdit>("Client1")->text(), QStringLiteral("Harbor Storage"));
    EXPECT_EQ(Find<QComboBox>("PmpTyp2")->currentIndex(), 1);
}

TEST_F(MainWindowTest, AProjectEnteredByHandIsSavedAndReadBackAsEntered) {
    Start();
    for (bool hydrant : {false, true}) {
        SCOPED_TRACE(hydrant);
        window_->findChild<QAction*>(hydrant ? "NewSupplyReport1" : "New1")->trigger();
        // Every switch is turned, then every text box and editable list that can be typed in
        // gets a value of its own ("stop" in it opens the auto stop minutes).
        // The available flow options are the user's settings, not fields of the project.
        const QWidget* userSettings = Find<QWidget>("AvailableFlowOptions");
        for (QCheckBox* check : window_->findChildren<QCheckBox*>()) {
            if (!check->objectName().isEmpty() && check->objectName() != "UseTestDate" &&
                check->objectName() != "CalcResFlow" && !userSettings->isAncestorOf(check)) {
                check->click();
            }
        }
        QStringList typed;
        const auto typeInto = [&](QLineEdit* edit, const QString& name) {
            if (!edit->isEnabled() || edit->isReadOnly()) {
                return;
            }
            typed << QStringLiteral("v%1-%2 stop").arg(typed.size()).arg(name);
            edit->clear();
            QTest::keyClicks(edit, typed.last());
        };
        for (QComboBox* combo : window_->findChildren<QComboBox*>()) {
            if (combo->isEditable() && !combo->objectName().isEmpty()) {
                typeInto(combo->lineEdit(), combo->objectName());
            }
        }
        for (QLineEdit* edit : window_->findChildren<QLineEdit*>()) {
            if (!edit->objectName().isEmpty() && !qobject_cast<QComboBox*>(edit->parentWidget()) &&
                !userSettings->isAncestorOf(edit)) {
                typeInto(edit, edit->objectName());
            }
        }
        ASSERT_GT(typed.size(), 60);

        const QString path =
            Path(hydrant ? QStringLiteral("Hydrant.qrx") : QStringLiteral("Pump.qrx"));
        prompter_.FileNames << path;
        ASSERT_TRUE(window_->SaveAsCommand());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        for (const QString& value : typed) {
            EXPECT_TRUE(bytes.contains(value.toLatin1()))
                << value.toStdString() << " was not saved";
        }

        ProjectData read;
        ASSERT_EQ(ReadProjectFile(read, path, prompter_), ReadOutcome::Complete);
        ProjectData expected = Project();
        expected.ProjectFileName = read.ProjectFileName;
        expected.ReportAlarmsSection = true;
        expected.GraphTitleText = read.GraphTitleText; // the title follows the name after saving
        EXPECT_EQ(read, expected) << test::FirstDifference(read, expected);
    }
}

TEST_F(MainWindowTest, SetupOptionsAreSavedWithTheProject) {
    Start();
    Tabs()->setCurrentIndex(9);
    EXPECT_TRUE(Visible("SetupPanel"));
    QTest::mouseClick(Find<QWidget>("PmRdGr_2"), Qt::LeftButton);
    Type("Edit28", QStringLiteral("9"));
    EXPECT_TRUE(Project().HideAllReadings);
    EXPECT_TRUE(Project().HideVoltsAmps);
    prompter_.FileNames << Path(QStringLiteral("Options.qrx"));
    ASSERT_TRUE(window_->SaveAsCommand());

    Trigger("New1");
    EXPECT_FALSE(Project().HideAllReadings);
    prompter_.FileNames << Path(QStringLiteral("Options.qrx"));
    Trigger("Open1");
    Tabs()->setCurrentIndex(9);
    EXPECT_EQ(Find<RadioGroup>("PmRdGr")->ItemIndex(), 2);
    EXPECT_EQ(Find<QLineEdit>("Edit28")->text(), QStringLiteral("9"));
    EXPECT_EQ(Find<QLineEdit>("GraphTitle")->text(), QStringLiteral("Options"));
}

TEST_F(MainWindowTest, APumpTestTypedCellByCellSavesWhatTheBatchConvertSaves) {
    Start();
    Type("RtdSpd", QStringLiteral("1780"));
    Type("Vlt1", QStringLiteral("460"));
    Type("AMP1", QStringLiteral("100"));
    Tabs()->setCurrentIndex(3); // pump test 2
    auto* grid = Find<StringGrid>("PT");
    // Volts AB AC BC, amps AB AC BC, speed, discharge, suction, flow of two points.
    const char* rows[2][10] = {
        {"468", "430", "466", "52", "54", "53", "1788", "182", "64", "0"},
        {"464", "465", "463", "98", "130", "99", "1750", "150", "20", "1000"}};
    const int columns[10] = {1, 2, 3, 5, 6, 7, 9, 10, 11, 14};
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 10; ++i) {
            grid->SetCurrentCell(columns[i], row + 1);
            QTest::keyClick(grid, Qt::Key_F2);
            QLineEdit* editor = grid->CellEditor();
            ASSERT_NE(editor, nullptr);
            editor->selectAll();
            QTest::keyClicks(editor, QLatin1String(rows[row][i]));
            QTest::keyClick(editor, Qt::Key_Tab);
        }
    }
    // The computed columns and the out-of-range marks show as the inspector leaves the cells.
    EXPECT_EQ(grid->Cell(12, 2), QStringLiteral("{130}"));
    EXPECT_EQ(grid->Cell(13, 2), QStringLiteral("{134.5}"));
    EXPECT_EQ(grid->Cell(15, 2), QStringLiteral("{1017}"));
    EXPECT_EQ(grid->Cell(2, 1), QStringLiteral("<430>"));
    EXPECT_EQ(grid->Cell(6, 2), QStringLiteral("<130>"));
    EXPECT_TRUE(Visible("Label102"));
    EXPECT_EQ(Project().PumpReadings[2][1][2], QStringLiteral("430"))
        << "the record keeps the reading";

    // The inspector looks over every pump test page before saving; opening a file computes
    // every table the same way.
    for (int tab = 2; tab <= 6; ++tab) {
        Tabs()->setCurrentIndex(tab);
    }
    Tabs()->setCurrentIndex(0);
    const QString saved = Path(QStringLiteral("Typed.qrx"));
    prompter_.FileNames << saved;
    ASSERT_TRUE(window_->SaveAsCommand());
    const QString converted = Path(QStringLiteral("Converted.qrx"));
    test::ScriptedPrompter batch;
    ASSERT_EQ(ConvertProject(saved, converted, batch), 0);
    QFile a(saved), b(converted);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    ProjectData fromWindow, fromBatch;
    ReadProjectFile(fromWindow, saved, batch);
    ReadProjectFile(fromBatch, converted, batch);
    EXPECT_EQ(a.readAll(), b.readAll()) << test::FirstDifference(fromWindow, fromBatch);
}

TEST_F(MainWindowTest, ALegacyFileIsNeverOverwritten) {
    const QString ned = Path(QStringLiteral("PLANT.NED"));
    QFile file(ned);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray legacy =
        "\"Form\",\"ExtraDataInfo\",\"\",0\r\n\"Text\",\"Text1\",\"Old Mill\",0\r\n";
    file.write(legacy);
    file.close();

    Start(ned);
    EXPECT_EQ(Project().ClientName, QStringLiteral("Old Mill"));
    prompter_.FileNames << QString(); // cancel the Save As the Save turns into
    EXPECT_FALSE(window_->SaveCommand());
    EXPECT_EQ(prompter_.Filters, QStringList{QStringLiteral("Quenra Files|*.QRX")});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), legacy);
}

TEST_F(MainWindowTest, FilesNamedAtStartAreOpenedOrImported) {
    const QString ini = Path(QStringLiteral("client.INI"));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ClientCompany=Northgate\r\nComment1=Gate code 4471\r\n");
    file.close();
    Start(ini);
    EXPECT_EQ(Project().ClientName, QStringLiteral("Northgate"));
    EXPECT_EQ(Project().ProjectFileName, QStringLiteral("untitled"));
    EXPECT_EQ(Find<QLineEdit>("Client1")->text(), QStringLiteral("Northgate"));
    EXPECT_TRUE(window_->HasUnsavedChanges()) << "client information is saved nowhere yet";
    Tabs()->setCurrentIndex(1);
    EXPECT_EQ(Find<QPlainTextEdit>("Memo1")->toPlainText(), QStringLiteral("Gate code 4471"));

    // A client-information file that brings nothing in replaces nothing: at start the new
    // project stays untouched, later the open project stays as it was.
    window_.reset();
    const QString notes = Path(QStringLiteral("notes.ini"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUENRA_TEST_DATA_DIR "/not-quenra.txt"), notes));
    Start(notes);
    EXPECT_TRUE(prompter_.Messages.contains("No Quenra data found in [" + notes + "]"));
    EXPECT_FALSE(window_->HasUnsavedChanges());
    const QString plant = QStringLiteral(QUENRA_EXAMPLES_DIR "/Plant.qrx");
    window_->OpenNamedFile(plant);
    ASSERT_EQ(Project().ProjectFileName, plant);
    window_->OpenNamedFile(notes);
    EXPECT_EQ(Project().ProjectFileName, plant);
    EXPECT_EQ(Project().ClientName, QStringLiteral("Riverside Paper Mill"));
    EXPECT_EQ(Find<QLineEdit>("Client1")->text(), QStringLiteral("Riverside Paper Mill"));
    EXPECT_FALSE(window_->HasUnsavedChanges());

    window_.reset();
    const QString example = QStringLiteral(QUENRA_EXAMPLES_DIR "/Hydrant.qrx");
    Start(example);
    EXPECT_FALSE(window_->HasUnsavedChanges());
    EXPECT_TRUE(Project().IsHydrantTest);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Quenra Version 3.001 [") + example + "]");
    EXPECT_EQ(Find<QLineEdit>("StPrs")->text(), QStringLiteral("72"));
    EXPECT_EQ(Find<QTabBar>("TabControl2")->tabText(1), QStringLiteral("8/30/2025"));

    window_.reset();
    Start(Path(QStringLiteral("missing.qrx")));
    EXPECT_EQ(Project().ProjectFileName, QStringLiteral("untitled"));
}

TEST_F(MainWindowTest, TheLastRunsWorkComesBackAfterTheNextStart) {
    Start();
    Type("Client1", QStringLiteral("Lost in a crash"));
    Tabs()->setCurrentIndex(1);
    window_.reset();

    Start();
    EXPECT_TRUE(QFile::exists(PreviousRecoveryCopyPath(folder_.path())));
    EXPECT_FALSE(QFile::exists(RecoveryCopyPath(folder_.path())));
    prompter_.Answers.push_back(Prompter::Answer::Yes);
    Trigger("RecoverLastFile1");
    EXPECT_EQ(Project().ClientName, QStringLiteral("Lost in a crash"));
    EXPECT_EQ(Find<QLineEdit>("Client1")->text(), QStringLiteral("Lost in a crash"));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Quenra Version 3.001 [untitled]"));
}

TEST_F(MainWindowTest, DatesArePickedFromTheCalendar) {
    Start();
    prompter_.Dates.push_back(QDate(2026, 3, 9));
    QTest::mouseClick(Find<QPushButton>("Button6"), Qt::LeftButton);
    EXPECT_EQ(prompter_.DateRequests.last(), QDate::currentDate())
        << "an empty field opens on today";
    EXPECT_EQ(Find<QLineEdit>("SrDt1")->text(), QStringLiteral("3/9/2026"));
    EXPECT_EQ(Project().VisitDate, QStringLiteral("3/9/2026"));

    prompter_.Dates.push_back(std::nullopt); // Cancel
    QTest::mouseClick(Find<QPushButton>("Button6"), Qt::LeftButton);
    EXPECT_EQ(prompter_.DateRequests.last(), QDate(2026, 3, 9));
    EXPECT_EQ(Project().VisitDate, QStringLiteral("3/9/2026"));
}

TEST(DatePicker, OkTakesTheDayShownAndCancelNothing) {
    DatePicker picker;
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Select Date"));
    QTimer::singleShot(0, &picker, [&] {
        QTest::mouseClick(picker.findChild<QPushButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);
    });
    EXPECT_EQ(picker.Choose(QDate(2025, 9, 20)), QDate(2025, 9, 20));

    QTimer::singleShot(0, &picker, [&] {
        picker.Calendar()->setSelectedDate(QDate(2025, 9, 21));
        QTest::mouseClick(picker.findChild<QPushButton*>(QStringLiteral("Button2")),
                          Qt::LeftButton);
    });
    EXPECT_EQ(picker.Choose(QDate(2025, 9, 20)), std::nullopt);

    test::ScriptedPrompter prompter;
    EXPECT_EQ(PickDateText(prompter, QStringLiteral("not a date")), QStringLiteral("not a date"));
    EXPECT_EQ(prompter.DateRequests.last(), QDate::currentDate());
}

// A date or a year typed while the calendar is open, then Enter; or Escape.
struct TypedDateCase {
    QDate Shown;
    const char* Typed;
    Qt::Key Last;
    std::optional<QDate> Chosen;
};

class DatePickerTyping : public ::testing::TestWithParam<TypedDateCase> {};

TEST_P(DatePickerTyping, EnterTakesTheTypedDateAndEscapeCancels) {
    DatePicker picker;
    std::optional<bool> shownAfterEnter;
    QTimer::singleShot(0, &picker, [&] {
        const QString typed = QLatin1String(GetParam().Typed);
        auto* days = picker.Calendar()->findChild<QAbstractItemView*>();
        ASSERT_NE(days, nullptr);
        QTest::keyClicks(days, typed.left(1)); // typing starts on the calendar
        QTest::keyClicks(picker.TypedDate(), typed.mid(1));
        EXPECT_EQ(picker.TypedDate()->text(), typed);
        QTest::keyClick(picker.TypedDate(), GetParam().Last);
        shownAfterEnter = picker.isVisible();
        if (picker.isVisible()) {
            QTest::keyClick(picker.TypedDate(), Qt::Key_Escape);
        }
    });
    EXPECT_EQ(picker.Choose(GetParam().Shown), GetParam().Chosen);
    EXPECT_EQ(shownAfterEnter, !GetParam().Chosen && GetParam().Last != Qt::Key_Escape)
        << "a text that is no date keeps the calendar open";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DatePickerTyping,
    ::testing::Values(TypedDateCase{QDate(2025, 9, 20), "2031", Qt::Key_Return, QDate(2031, 9, 20)},
                      TypedDateCase{QDate(2024, 2, 29), "2025", Qt::Key_Enter, QDate(2025, 2, 28)},
                      TypedDateCase{QDate(2025, 9, 20), "2027-03-09", Qt::Key_Return,
                                    QDate(2027, 3, 9)},
                      TypedDateCase{QDate(2025, 9, 20), "2031", Qt::Key_Escape, std::nullopt},
                      TypedDateCase{QDate(2025, 9, 20), "20x1", Qt::Key_Return, std::nullopt}));

TEST_F(MainWindowTest, TheAboutPageHidesTheTabsAndMenusUntilOk) {
    Start();
    Tabs()->setCurrentIndex(3);
    Trigger("About1");
    EXPECT_EQ(window_->CurrentPage(), MainPage::About);
    EXPECT_TRUE(Visible("AboutBoxPanel"));
    EXPECT_FALSE(Tabs()->isVisible());
    EXPECT_FALSE(Find<QMenu>("File1")->menuAction()->isVisible());
    EXPECT_FALSE(Find<QAction>("Capture1")->isVisible());

    QTest::mouseClick(Find<QPushButton>("Button5"), Qt::LeftButton);
    EXPECT_EQ(window_->CurrentPage(), MainPage::FirePump);
    EXPECT_TRUE(Tabs()->isVisible());
    EXPECT_TRUE(Find<QAction>("Capture1")->isVisible());
    EXPECT_TRUE(Visible("SupplyPanel"));
}

TEST_F(MainWindowTest, CommandsOfLaterPagesAskForTheGraphOrReportTab) {
    Start();
    for (const char* command : {"Capture1", "Print1", "PDFSave1", "PDF1"}) {
        Trigger(command);
    }
    EXPECT_EQ(prompter_.Messages.count(QStringLiteral("Select the Graph or Report tab first")), 4);
    EXPECT_FALSE(Find<QAction>("DefaultFile1")->isVisible());

    Trigger("Contents1");
    EXPECT_EQ(shell_.Started, QStringList{Path(QStringLiteral("Quenra Manual")) +
                                          QStringLiteral(" in ") + folder_.path()});
    EXPECT_EQ(prompter_.Messages.size(), 4) << "a missing manual is not reported";
}

TEST_F(MainWindowTest, ErrorCheckShowsEveryProblemOrSaysThereIsNone) {
    Start(QStringLiteral(QUENRA_EXAMPLES_DIR "/Hydrant.qrx"));
    Trigger("ErrorCheck1");
    EXPECT_EQ(prompter_.Messages, QStringList{QStringLiteral("No errors found")});

    // A residual flow of 10 or less is raised to 10 by the check, and the page shows it.
    prompter_.Messages.clear();
    Type("RdFlow", QStringLiteral("5"));
    ProjectData copy = Project();
    const QStringList expected = CheckData(copy).Messages;
    ASSERT_FALSE(expected.isEmpty());
    Trigger("ErrorCheck1");
    EXPECT_EQ(prompter_.Messages, expected);
    EXPECT_EQ(Project().SupplyResidualFlow[1], QStringLiteral("10"));
    EXPECT_EQ(Find<QLineEdit>("RdFlow")->text(), QStringLiteral("10"));
}

TEST_F(MainWindowTest, AnUncreatablePdfFolderIsReportedAndStartGoesOn) {
    const QString blocker = Path(QStringLiteral("blocked"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    window_ = std::make_unique<MainWindow>(prompter_, shell_, blocker, QString());
    window_->show();
    EXPECT_EQ(prompter_.Messages,
              QStringList{QStringLiteral("Error T56X:  Cannot create ") + blocker + "/PDF"});
    EXPECT_EQ(Tabs()->count(), 10);
}

} // namespace
} // namespace quenra
