// The pump test page on its own: an entry table bound to a record, a scripted prompter, and a
// refresh that does what the window's refresh does for a pump test page.
#include "app/PumpTestPage.h"
#include "app/FieldBinder.h"
#include "app/RadioGroup.h"
#include "app/StringGrid.h"
#include "app/UnitCaptions.h"
#include "hydraulics/NozzleFlow.h"
#include "hydraulics/RecordRefresh.h"
#include "model/ResetToDefaults.h"
#include "support/PageHarness.h"
#include "support/RandomProject.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>

#include "support/ComboItems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace quenra {
namespace {

using test::ItemsOf;

class PumpTestPageTest : public ::testing::Test, public test::PageHarness<PumpTestPage> {
protected:
    PumpTestPageTest()
        : PageHarness(
              [this](FieldScope scope) { return scope == FieldScope::PumpTest ? test : 1; }) {
        ResetToDefaults(project);
        Start([this] { Refresh(); }, {1000, 640});
    }

    // What the window's refresh does on the page of pump test `test`: recompute the readings
    // table (sparing the cell being typed in), write the bound controls, rewrite the unit
    // captions and apply the page's rules with the table it computed.
    void Refresh() {
        RefreshView view;
        view.Page = MainPage::FirstPumpTest + test - 1;
        view.EditingCell = panel.EditingCell();
        const RefreshResult result = RefreshDerivedValues(project, view);
        binder.WriteControls();
        const UnitWords units = UnitWordsFor(project.UnitSystem);
        ApplyUnitCaptions(&panel, units);
        RefreshContext context{project, units, 1, test, false, false};
        context.PumpTable = result.PumpTable ? &*result.PumpTable : nullptr;
        panel.ApplyRules(context);
    }

    void ShowPumpTest(int shown) {
        test = shown;
        Refresh();
    }

    StringGrid* PT() { return Find<StringGrid>("PT"); }
    StringGrid* Pt2() { return Find<StringGrid>("Pt2"); }
    StringGrid* CT() { return Find<StringGrid>("CT"); }

    // Types into a grid cell as the inspector does: the cell becomes current, F2 opens its
    // editor and the text replaces what the cell held. The editor stays open.
    void TypeInCell(StringGrid* grid, int column, int row, const QString& text) {
        grid->SetCurrentCell(column, row);
        QTest::keyClick(grid, Qt::Key_F2);
        QLineEdit* editor = grid->CellEditor();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
    }
    // Tab: the editor closes and the next cell becomes current.
    void TabOut(StringGrid* grid) {
        ASSERT_NE(grid->CellEditor(), nullptr);
        QTest::keyClick(grid->CellEditor(), Qt::Key_Tab);
    }
    void ClickCell(StringGrid* grid, int column, int row, int fixedRows) {
        const QModelIndex index = grid->model()->index(row - fixedRows, column - 1);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    }

    QString Text(const char* name) { return Find<QLabel>(name)->text(); }
    // An electric motor of 460 V and 100 A on a pump rated at 1780 rpm.
    void RateTheMotor() {
        project.DriverKind = 0;
        project.DriverVolts = QStringLiteral("460");
        project.DriverAmps = QStringLiteral("100");
        project.ServiceFactor = QStringLiteral("1.15");
        project.RatedSpeed = QStringLiteral("1780");
        Refresh();
    }

    int test = 1;
};

TEST_F(PumpTestPageTest, BuildsTheNamedControlsWithTheirTextsAndChoices) {
    EXPECT_EQ(panel.objectName(), QStringLiteral("PumpPanel"));
    for (const FieldBinding& binding : panel.Bindings()) {
        EXPECT_NE(binder.Find(binding.Control), nullptr) << binding.Control.toStdString();
    }
    const std::pair<const char*, QStringList> choices[] = {
        {"PmTs1", {"Annual", "Acceptance"}},
        {"SPTy1", SuctionTypeItems(UnitWordsFor(0))},
        {"TrSw",
         {"N/A", "Tested and Passed", "Tested and Failed", "No Transfer Switch",
          "Transfer Switch Not Tested"}},
        {"CESLO", {"Not Done", "Pass", "Fail", "N/A"}},
        {"ComboBox13", {"Yes", "No, explain in comment box."}},
        {"ComboBox14", {"N/A", "Yes", "No, explain in comment box."}},
        {"ComboBox15", {"Volts/Amps not taken during test", "Yes", "No, explain in comment box"}},
        {"Diam1", NozzleSizeList(0)},
        {"ComboBox10", NozzleSizeList(0)},
        {"Coef1", NozzleCoefficientItems()},
        {"ComboBox11", NozzleCoefficientItems()},
    };
    for (const auto& [name, items] : choices) {
        EXPECT_EQ(ItemsOf(Find<QComboBox>(name)), items) << name;
    }
    const std::pair<const char*, const char*> captions[] = {
        {"Label100", "Calculated Flow (gpm)"},
        {"Label112", "Diameter (in)"},
        {"Label102", "< Out Of Range >"},
        {"Label165", "Explain"},
        {"Label154", "Comment"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Text(name), QString::fromLatin1(caption)) << name;
    }
    // Captions that stand beside their control.
    const std::pair<const char*, const char*> buddies[] = {
        {"Edit24", "Jockey On"},
        {"Edit27", "Fire Pump On"},
        {"Edit25", "Jockey Off"},
        {"Edit26", "Fire Pump Off"},
        {"Edit29", "Cut In"},
        {"Edit32", "Cut In"},
        {"Edit30", "Cut Out"},
        {"Edit31", "Cut Out"},
        {"PRV1", "Size and Settings of PRVs"},
        {"CESLO", "Controler Emegency Start Lever Operated"},
        {"SPTy1", "* Suction Pressure Type"},
    };
    for (const auto& [name, caption] : buddies) {
        const QList<QLabel*> labels = panel.findChildren<QLabel*>();
        const bool found = std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
            return label->buddy() == Find(name) && label->text() == QString::fromLatin1(caption);
        });
        EXPECT_TRUE(found) << name;
    }
    EXPECT_EQ(Find<QCheckBox>("PAV1")->text(), QStringLiteral("Plot Adjusted Values"));
    EXPECT_EQ(Find<QCheckBox>("UP1")->text(),
              QStringLiteral("*  Use pitot readings to calculate flows"));
    EXPECT_EQ(Find<QCheckBox>("CheckBox19")->text(),
              QStringLiteral("Emergency Start Handle Operated"));
    EXPECT_EQ(Find<QCheckBox>("CheckBox20")->text(), QStringLiteral("Load Start Test Completed"));
    EXPECT_EQ(Find<QPushButton>("Button8")->text(), QStringLiteral("..."));
    EXPECT_TRUE(Find<QLineEdit>("Dt1")->isReadOnly());
    auto* fuel = Find<RadioGroup>("RadioGroup1");
    EXPECT_EQ(fuel->title(), QStringLiteral("Fuel Tank Level"));
    EXPECT_EQ(fuel->Count(), 3);
    auto* tabs = Find<QTabBar>("TabControl3");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Controller Test"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Pitot Readings"));
    for (const char* flow : {"Edit49", "Edit50", "Edit51", "Edit52", "Edit53", "Edit54"}) {
        EXPECT_TRUE(Find<QLineEdit>(flow)->isReadOnly()) << flow;
    }
    EXPECT_LE(panel.minimumSizeHint().width(), 1000);
    EXPECT_LE(panel.minimumSizeHint().height(), 640);
}

TEST_F(PumpTestPageTest, GridsHaveTheirHeadersWidthsAndRowLabels) {
    StringGrid* pt = PT();
    ASSERT_EQ(pt->ColumnCount(), 16);
    ASSERT_EQ(pt->RowCount(), 8);
    const QStringList headers = {"#",   "AB",      "AC",     "BC",     "------", "AB",
                                 "AC",  "BC",      "------", "",       "Dschrg", "Suction",
                                 "Net", "Adjustd", "Net",    "Adjustd"};
    auto* groups = Find<ColumnGroupCaptions>("PTGroups");
    const QStringList groupCaptions = {
        "",     "Volts", "Volts",    "Volts",    "Volts",    "Amps",     "Amps",    "Amps",
        "Amps", "RPM",   "Pressure", "Pressure", "Pressure", "Pressure", "Flow  *", "Flow  *"};
    for (int column = 0; column < 16; ++column) {
        EXPECT_EQ(pt->Cell(column, 0), headers.at(column)) << column;
        EXPECT_EQ(groups->CaptionOver(column), groupCaptions.at(column)) << column;
        const int width = column == 4 || column == 8 ? 0 : column >= 9 && column <= 14 ? 67 : 50;
        EXPECT_EQ(pt->ColumnWidth(column), width) << column;
    }
    for (int row = 1; row <= 7; ++row) {
        EXPECT_EQ(pt->Cell(0, row), QString::number(row - 1));
    }
    EXPECT_TRUE(pt->tabKeyNavigation());
    // Every cell shows without scrolling.
    EXPECT_EQ(pt->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(pt->verticalScrollBar()->maximum(), 0);

    StringGrid* pitot = Pt2();
    ASSERT_EQ(pitot->ColumnCount(), 7);
    ASSERT_EQ(pitot->RowCount(), 6);
    EXPECT_EQ(pitot->ColumnWidth(0), 46);
    EXPECT_EQ(pitot->ColumnWidth(6), 86);
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(pitot->Cell(0, row), QString::number(row + 1));
    }

    StringGrid* controller = CT();
    ASSERT_EQ(controller->ColumnCount(), 7);
    ASSERT_EQ(controller->RowCount(), 5);
    EXPECT_FALSE(Shows("CT"));
    EXPECT_EQ(controller->ColumnWidth(0), 165);
    EXPECT_EQ(controller->ColumnWidth(6), 250);
    const QStringList ctHeaders = {"Controller Tests", "# Times",  "Man. Elct.", "Man. Lever",
                                   "Auto Start",       "Run Time", "Comment"};
    const QStringList ctRows = {"Pump Acceptance Tests", "Electric Driver Start",
                                "Engine Driver BAT #1", "Engine Driver BAT #2"};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(controller->Cell(column, 0), ctHeaders.at(column));
    }
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(controller->Cell(0, row), ctRows.at(row - 1));
    }
}

TEST_F(PumpTestPageTest, TabMovesBetweenCellsAndSkipsTheHiddenColumns) {
    TypeInCell(PT(), 3, 1, QStringLiteral("461"));
    TabOut(PT());
    EXPECT_EQ(PT()->Column(), 5); // the mean voltage column is hidden
    EXPECT_EQ(PT()->Row(), 1);
    EXPECT_EQ(project.PumpReadings[1][1][3], QStringLiteral("461"));
}

TEST_F(PumpTestPageTest, AVoltageOutOfRangeIsMarkedOnceTheCursorLeavesItsCell) {
    RateTheMotor();
    TypeInCell(PT(), 1, 1, QStringLiteral("430")); // below 0.95 x 460 = 437
    EXPECT_EQ(project.PumpReadings[1][1][1], QStringLiteral("430"));
    EXPECT_EQ(PT()->Cell(1, 1), QStringLiteral("430"));
    EXPECT_FALSE(Shows("Label102"));
    EXPECT_EQ(panel.EditingCell()->Column, 1);

    // A refresh of the whole window while typing spares the cell as well.
    Refresh();
    EXPECT_EQ(PT()->Cell(1, 1), QStringLiteral("430"));

    TabOut(PT());
    EXPECT_EQ(PT()->Cell(1, 1), QStringLiteral("<430>"));
    EXPECT_TRUE(Shows("Label102"));
    EXPECT_EQ(project.PumpReadings[1][1][1], QStringLiteral("430")); // the record keeps it as typed

    TypeInCell(PT(), 2, 1, QStringLiteral("500")); // within 1.1 x 460 = 506
    TabOut(PT());
    EXPECT_EQ(PT()->Cell(2, 1), QStringLiteral("500"));

    // Correcting the low reading clears the indicator.
    TypeInCell(PT(), 1, 1, QStringLiteral("455"));
    TabOut(PT());
    EXPECT_EQ(PT()->Cell(1, 1), QStringLiteral("455"));
    EXPECT_FALSE(Shows("Label102"));
}

TEST_F(PumpTestPageTest, LeavingTheGridEndsTheTypingAndShowsTheMark) {
    RateTheMotor();
    // The keyboard focus only moves in the active window.
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    TypeInCell(PT(), 2, 3, QStringLiteral("520"));
    ASSERT_TRUE(PT()->CellEditor()->hasFocus());
    EXPECT_EQ(PT()->Cell(2, 3), QStringLiteral("520"));
    // The inspector clicks into another control of the page.
    Find("NFPAcomment")->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(panel.EditingCell().has_value());
    EXPECT_EQ(PT()->Cell(2, 3), QStringLiteral("<520>"));
    EXPECT_EQ(project.PumpReadings[1][3][2], QStringLiteral("520"));
}

TEST_F(PumpTestPageTest, ShowingAnotherTestEndsTheTypingInItsGrids) {
    RateTheMotor();
    project.PumpReadings[2][1][1] = QStringLiteral("430");
    project.PitotGrid[2][3][1] = QStringLiteral("12");
    TypeInCell(PT(), 1, 1, QStringLiteral("455"));
    ShowPumpTest(2);
    EXPECT_FALSE(panel.EditingCell().has_value());
    EXPECT_EQ(PT()->Cell(1, 1), QStringLiteral("<430>")); // nothing is being typed in test 2
    EXPECT_EQ(project.PumpReadings[1][1][1], QStringLiteral("455"));
    EXPECT_EQ(project.PumpReadings[2][1][1], QStringLiteral("430"));

    TypeInCell(Pt2(), 1, 0, QStringLiteral("8"));
    ShowPumpTest(3);
    EXPECT_EQ(Pt2()->Cell(1, 0), QString());
    EXPECT_EQ(project.PitotGrid[2][3][1], QStringLiteral("8"));
    EXPECT_EQ(project.PitotGrid[3][3][1], QString());
}

TEST_F(PumpTestPageTest, UnitWordsFollowTheUnitSystemWhileValuesStay) {
    project.PitotGrid[1][1][1] = QStringLiteral("2.5");
    project.SuctionPressureType[1] = 2;
    project.UnitSystem = 4; // "Metric: l/s - bar"
    Refresh();
    EXPECT_EQ(Text("Label100"), QStringLiteral("Calculated Flow (l/s)"));
    EXPECT_EQ(Text("Label112"), QStringLiteral("Diameter (mm)"));
    auto* suction = Find<QComboBox>("SPTy1");
    EXPECT_EQ(ItemsOf(suction), SuctionTypeItems(UnitWordsFor(4)));
    EXPECT_EQ(suction->currentIndex(), 2);
    EXPECT_EQ(ItemsOf(Find<QComboBox>("ComboBox10")), NozzleSizeList(4));
    EXPECT_EQ(Shown("Diam1"), QStringLiteral("2.5"));
    EXPECT_EQ(Shown("ComboBox2"), QString());

    project.UnitSystem = 0;
    Refresh();
    EXPECT_EQ(ItemsOf(Find<QComboBox>("Diam1")), NozzleSizeList(0));
    EXPECT_EQ(Find<QComboBox>("Diam1")->currentIndex(), 6);
    EXPECT_EQ(project.PitotGrid[1][1][1], QStringLiteral("2.5"));
    EXPECT_EQ(project.SuctionPressureType[1], 2);
    EXPECT_TRUE(edits.isEmpty());
}

TEST_F(PumpTestPageTest, LimitsOfTheMarkingFollowTheRating) {
    RateTheMotor();
    struct Case {
        const char* Volts;
        const char* Amps;
        const char* ServiceFactor;
        const char* Reading; // typed in every phase
        bool VoltsMarked;
        bool AmpsMarked;
    };
    const Case cases[] = {
        {"", "100", "1.15", "300", true, true}, // no rating: every non-zero reading is out
        {"460", "", "1.15", "100", true, true},
        {"460", "100", "", "100", true, false}, // a blank service factor counts as 1
        {"460", "100", "", "101", true, true},
        {"460", "100", "0", "100", true, false},
        {"460", "100", "1.15", "115", true, false}, // 100 x 1.15, exactly
        {"460", "100", "1.15", "115.5", true, true},
        {"460", "100", "1.15", "0", false, false},
        {"460", "100", "1.15", "abc", false, false}, // unreadable reads as 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Reading);
        project.DriverVolts = QString::fromLatin1(c.Volts);
        project.DriverAmps = QString::fromLatin1(c.Amps);
        project.ServiceFactor = QString::fromLatin1(c.ServiceFactor);
        const QString reading = QString::fromLatin1(c.Reading);
        for (int column : {1, 2, 3, 5, 6, 7}) {
            project.PumpReadings[1][2][column] = reading;
        }
        Refresh();
        const QString marked = QLatin1Char('<') + reading + QLatin1Char('>');
        EXPECT_EQ(PT()->Cell(1, 2), c.VoltsMarked ? marked : reading);
        EXPECT_EQ(PT()->Cell(7, 2), c.AmpsMarked ? marked : reading);
        EXPECT_EQ(Shows("Label102"), c.VoltsMarked || c.AmpsMarked);
    }
}

TEST_F(PumpTestPageTest, ComputedColumnsAreShownAndStored) {
    RateTheMotor();
    // Row 2 (reading 1): the worked example of the speed adjustment.
    TypeInCell(PT(), 9, 2, QStringLiteral("1750"));
    TabOut(PT());
    TypeInCell(PT(), 10, 2, QStringLiteral("150"));
    TabOut(PT());
    TypeInCell(PT(), 11, 2, QStringLiteral("20"));
    TabOut(PT());
    TypeInCell(PT(), 14, 2, QStringLiteral("1000"));
    TabOut(PT());
    const ReadingTable& stored = project.PumpReadings[1];
    for (const auto& [column, text] : {std::pair{12, "{130}"}, {13, "{134.5}"}, {15, "{1017}"}}) {
        EXPECT_EQ(PT()->Cell(column, 2), QString::fromLatin1(text)) << column;
        EXPECT_EQ(stored[2][column], QString::fromLatin1(text)) << column;
    }

    // Phase currents add up to the total current; the voltages give their mean. Both are kept
    // for the report and hidden here.
    for (const auto& [column, text] :
         {std::pair{1, "460"}, {2, "462"}, {3, "458"}, {5, "100"}, {6, "102"}, {7, "98"}}) {
        TypeInCell(PT(), column, 3, QString::fromLatin1(text));
        TabOut(PT());
    }
    EXPECT_EQ(stored[3][8], QStringLiteral("{300}"));
    EXPECT_EQ(stored[3][4], QStringLiteral("{460}"));
    EXPECT_EQ(PT()->Cell(8, 3), QStringLiteral("------"));

    // A row without pressures keeps the net pressure it had; the churn row is always computed.
    project.PumpReadings[1][4][12] = QStringLiteral("{77}");
    project.PumpReadings[1][1][12] = QStringLiteral("{55}");
    Refresh();
    EXPECT_EQ(PT()->Cell(12, 4), QStringLiteral("{77}"));
    EXPECT_EQ(stored[4][12], QStringLiteral("{77}"));
    EXPECT_EQ(PT()->Cell(12, 1), QStringLiteral("------"));
    // No speed, nothing to adjust.
    EXPECT_EQ(PT()->Cell(13, 4), QStringLiteral("------"));
    EXPECT_EQ(PT()->Cell(15, 4), QStringLiteral("------"));
}

TEST_F(PumpTestPageTest, ADieselDriverMarksNothing) {
    RateTheMotor();
    project.DriverKind = 1;
    for (const auto& [column, text] :
         {std::pair{1, "430"}, {2, "431"}, {3, "432"}, {5, "300"}, {6, "300"}, {7, "300"}}) {
        project.PumpReadings[1][1][column] = QString::fromLatin1(text);
    }
    Refresh();
    EXPECT_EQ(PT()->Cell(1, 1), QStringLiteral("430"));
    EXPECT_EQ(PT()->Cell(5, 1), QStringLiteral("300"));
    EXPECT_FALSE(Shows("Label102"));
    EXPECT_EQ(project.PumpReadings[1][1][4], QStringLiteral("{431}"));
    EXPECT_EQ(project.PumpReadings[1][1][8], QStringLiteral("{900}"));
}

TEST_F(PumpTestPageTest, ControllerCellsCycleThroughTheResultsOnEachClick) {
    ShowPumpTest(2);
    const QStringList cycle = {"Pass", "Fail", "Not Done", "N/A", ""};
    for (const QString& expected : cycle) {
        ClickCell(CT(), 2, 1, 1);
        EXPECT_EQ(CT()->Cell(2, 1), expected);
        EXPECT_EQ(project.ControllerGrid[2][1][2], expected);
    }
    // Any other text starts again from empty.
    project.ControllerGrid[2][3][4] = QStringLiteral("ok");
    Refresh();
    ClickCell(CT(), 4, 3, 1);
    EXPECT_EQ(project.ControllerGrid[2][3][4], QString());
    // Typed columns are not cycled; what is typed is copied on key release.
    ClickCell(CT(), 1, 1, 1);
    EXPECT_EQ(CT()->Cell(1, 1), QString());
    TypeInCell(CT(), 6, 2, QStringLiteral("slow start"));
    EXPECT_EQ(project.ControllerGrid[2][2][6], QStringLiteral("slow start"));
    EXPECT_EQ(project.ControllerGrid[1][2][6], QString());
}

TEST_F(PumpTestPageTest, PitotReadingsGiveTheFlowsOfTheTable) {
    Find<QCheckBox>("UP1")->click();
    EXPECT_TRUE(project.UsePitotFlows[1]);
    Retype("Diam1", QStringLiteral("2.5"));
    Retype("Coef1", QStringLiteral(".9"));
    TypeInCell(Pt2(), 1, 0, QStringLiteral("10"));
    EXPECT_EQ(project.PitotGrid[1][3][1], QStringLiteral("10"));
    EXPECT_EQ(PT()->Cell(14, 2), QStringLiteral("{530}"));
    EXPECT_EQ(PT()->Cell(14, 1), QStringLiteral("0"));
    EXPECT_EQ(project.PumpReadings[1][2][14], QStringLiteral("{530}"));
    EXPECT_EQ(Shown("Edit49"), QStringLiteral("{530}"));
    EXPECT_EQ(Shown("Edit50"), QStringLiteral("------"));

    // A negative gauge reading of the fourth flowing point flows like a positive one.
    TypeInCell(Pt2(), 1, 3, QStringLiteral("-10"));
    EXPECT_EQ(project.PitotGrid[1][6][1], QStringLiteral("-10"));
    EXPECT_EQ(Shown("Edit52"), QStringLiteral("{530}"));
    EXPECT_EQ(PT()->Cell(14, 5), QStringLiteral("{530}"));

    // Choosing a pitot cell refreshes the page.
    const int before = refreshRequests;
    ClickCell(Pt2(), 3, 2, 0);
    EXPECT_GT(refreshRequests, before);
}

TEST_F(PumpTestPageTest, NozzleValuesFillDownToTheBlankNozzles) {
    ShowPumpTest(4);
    Find<QComboBox>("Diam1")->setCurrentIndex(6); // "2.5"
    for (const char* name :
         {"Diam1", "ComboBox2", "ComboBox4", "ComboBox6", "ComboBox8", "ComboBox10"}) {
        EXPECT_EQ(Shown(name), QStringLiteral("2.5")) << name;
    }
    EXPECT_EQ(project.PitotGrid[4][1][6], QStringLiteral("2.5"));
    EXPECT_EQ(project.PitotGrid[1][1][2], QString());

    // A nozzle that has its own value keeps it, and passes it on to the blank ones after it.
    project.PitotGrid[4][2][1] = QString();
    project.PitotGrid[4][2][3] = QStringLiteral(".95");
    Refresh();
    Retype("Coef1", QStringLiteral(".97"));
    EXPECT_EQ(project.PitotGrid[4][2][2], QStringLiteral(".97"));
    EXPECT_EQ(project.PitotGrid[4][2][3], QStringLiteral(".95"));
    EXPECT_EQ(project.PitotGrid[4][2][4], QStringLiteral(".95"));
    EXPECT_EQ(Shown("ComboBox11"), QStringLiteral(".95"));

    // Typed keystroke by keystroke, the whole value reaches the nozzles it filled.
    ShowPumpTest(5);
    Retype("ComboBox2", QStringLiteral("1.75"));
    EXPECT_EQ(project.PitotGrid[5][1][1], QString());
    for (int outlet = 2; outlet <= 6; ++outlet) {
        EXPECT_EQ(project.PitotGrid[5][1][outlet], QStringLiteral("1.75")) << outlet;
    }
    // A later change of that nozzle leaves the others alone.
    Retype("ComboBox4", QStringLiteral("2"));
    Find<QComboBox>("ComboBox2")->setCurrentIndex(0);
    EXPECT_EQ(project.PitotGrid[5][1][2], QStringLiteral("1"));
    EXPECT_EQ(project.PitotGrid[5][1][4], QStringLiteral("1.75"));
}

TEST_F(PumpTestPageTest, ThePitotTabOpensOnlyWhenPitotFlowsAreUsed) {
    auto* tabs = Find<QTabBar>("TabControl3");
    tabs->setCurrentIndex(1);
    EXPECT_EQ(prompter.Messages,
              QStringList({"Check \"Use pitot readings for calculated flows\" to activate this "
                           "tab"}));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(Shows("ConTestPanel"));
    EXPECT_FALSE(Shows("PitotPanel"));

    Find<QCheckBox>("UP1")->click();
    tabs->setCurrentIndex(1);
    EXPECT_EQ(prompter.Messages.size(), 1);
    EXPECT_TRUE(Shows("PitotPanel"));
    EXPECT_FALSE(Shows("ConTestPanel"));

    // Another test without pitot flows shows the controller test.
    ShowPumpTest(2);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(Shows("ConTestPanel"));
    ShowPumpTest(1);
    tabs->setCurrentIndex(1);
    Find<QCheckBox>("UP1")->click();
    EXPECT_FALSE(project.UsePitotFlows[1]);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(Shows("ConTestPanel"));
    EXPECT_EQ(prompter.Messages.size(), 1);
}

TEST_F(PumpTestPageTest, TheTestKindChoosesTheStandardAndThePanels) {
    RateTheMotor();
    EXPECT_EQ(project.PumpTestKind[1], QStringLiteral("Annual"));
    EXPECT_EQ(Text("Label164"), QStringLiteral("Meets NFPA 25 Requirements"));
    EXPECT_EQ(Text("Label170"), QStringLiteral("Meets NFPA 25"));
    EXPECT_EQ(Text("Label143"), QStringLiteral("Transfer Switch Meets NPFA 25 Guidleines"));
    EXPECT_FALSE(Shows("Panel16"));
    EXPECT_EQ(Find("Panel14")->y(), 76);

    Find<QComboBox>("PmTs1")->setCurrentIndex(1);
    EXPECT_EQ(project.PumpTestKind[1], QStringLiteral("Acceptance"));
    EXPECT_EQ(Text("Label164"), QStringLiteral("Meets NFPA 20 Requirements"));
    EXPECT_EQ(Text("Label170"), QStringLiteral("Meets NFPA 20"));
    EXPECT_EQ(Text("Label143"), QStringLiteral("Transfer Switch Meets NPFA 20 Guidleines"));
    EXPECT_TRUE(Shows("Panel16"));
    EXPECT_EQ(Find("Panel14")->y(), 8);
    for (const char* name : {"CheckBox19", "CheckBox20", "Label153"}) {
        EXPECT_TRUE(Enabled(name)) << name;
    }
    EXPECT_TRUE(Shows("Panel15"));
    EXPECT_FALSE(Shows("Panel17"));

    // A typed kind counts as annual when it says so.
    Retype("PmTs1", QStringLiteral(" ANNUAL test"));
    EXPECT_FALSE(Shows("Panel16"));

    project.DriverKind = 1;
    project.PumpTestKind[1] = QStringLiteral("Acceptance");
    Refresh();
    for (const char* name : {"CheckBox19", "CheckBox20", "Label153"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
    EXPECT_FALSE(Shows("Panel15"));
    EXPECT_TRUE(Shows("Panel17"));
    for (const char* name : {"Label143", "TrSw", "Cb1", "Label165", "Label154"}) {
        EXPECT_FALSE(Shows(name)) << name;
    }
}

TEST_F(PumpTestPageTest, TheTransferSwitchStateAsksForReasonsAndNamesTheLastRow) {
    RateTheMotor();
    struct Case {
        int State;
        bool Explain;
        const char* LastRow;
    };
    const Case cases[] = {
        {0, false, "6"}, {1, false, "TS"}, {2, true, "TS"}, {3, false, "6"}, {4, true, "6"}};
    auto* state = Find<QComboBox>("TrSw");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.State);
        state->setCurrentIndex(c.State);
        EXPECT_EQ(project.TransferSwitchState[1], c.State);
        EXPECT_TRUE(Shows("Label143"));
        EXPECT_EQ(Shows("Label165"), c.Explain);
        EXPECT_EQ(Shows("Label154"), !c.Explain);
        EXPECT_EQ(PT()->Cell(0, 7), QString::fromLatin1(c.LastRow));
        EXPECT_EQ(Pt2()->Cell(0, 5), QString::fromLatin1(c.LastRow));
    }
    project.DriverKind = 1; // a diesel engine has no transfer switch row
    Refresh();
    EXPECT_EQ(PT()->Cell(0, 7), QStringLiteral("6"));
}

TEST_F(PumpTestPageTest, TheFuelLevelBoxIsForOtherLevelsOnly) {
    project.DriverKind = 1;
    Refresh();
    auto* other = Find<QLineEdit>("Edit58");
    const auto textColour = [other] { return other->palette().color(QPalette::Text); };
    EXPECT_FALSE(other->isEnabled());
    EXPECT_EQ(textColour(), QColor(192, 192, 192));

    Find<QRadioButton>("RadioGroup1_2")->click();
    EXPECT_EQ(project.FuelTankLevel[1], 2);
    EXPECT_TRUE(other->isEnabled());
    EXPECT_EQ(textColour(), QColor(0, 0, 0));
    Retype("Edit58", QStringLiteral("1/2"));
    EXPECT_EQ(project.FuelTankOther[1], QStringLiteral("1/2"));

    Find<QRadioButton>("RadioGroup1_1")->click();
    EXPECT_EQ(project.FuelTankLevel[1], 1);
    EXPECT_FALSE(other->isEnabled());
    EXPECT_EQ(textColour(), QColor(192, 192, 192));
}

TEST_F(PumpTestPageTest, VerdictsAreStoredInTheirOwnCodes) {
    ShowPumpTest(3);
    auto* meets = Find<QComboBox>("ComboBox13");
    meets->setCurrentIndex(1); // "No, explain in comment box."
    EXPECT_FALSE(project.MeetsNfpa20[3]);
    meets->setCurrentIndex(0);
    EXPECT_TRUE(project.MeetsNfpa20[3]);
    for (const char* name : {"ComboBox14", "ComboBox15"}) {
        auto* combo = Find<QComboBox>(name);
        auto& stored = QLatin1String(name) == QLatin1String("ComboBox14")
                           ? project.CombinedMeetsDemand
                           : project.MotorMeetsNfpa25;
        for (int index : {0, 2, 1}) {
            combo->setCurrentIndex(index);
            EXPECT_EQ(stored[3], 2 - index) << name;
        }
        stored[3] = 0;
        Refresh();
        EXPECT_EQ(combo->currentIndex(), 2) << name;
        stored[3] = 7; // from a damaged file: nothing chosen, nothing stored
        Refresh();
        EXPECT_EQ(combo->currentIndex(), -1) << name;
        EXPECT_EQ(stored[3], 7) << name;
    }
    EXPECT_EQ(project.MeetsNfpa20[1], false);
    EXPECT_EQ(project.CombinedMeetsDemand[1], 2);
}

TEST_F(PumpTestPageTest, MotorLimitsAreShownFromTheRating) {
    struct Case {
        const char* Volts;
        const char* Amps;
        const char* ServiceFactor;
        const char* MaximumAmps;
        const char* VoltageRange;
    };
    const Case cases[] = {
        {"460", "100", "1.15", "Maximum Amps: 115", "Voltage Range: 437 to 506"},
        {"480", "10", "1.15", "Maximum Amps: 11.5", "Voltage Range: 456 to 528"},
        {"208", "12.333", "1", "Maximum Amps: 12.33", "Voltage Range: 197.6 to 228.8"},
        {"", "100", "", "Maximum Amps: N/A", "Voltage Range: N/A"},
        {"x", "0", "1.15", "Maximum Amps: N/A", "Voltage Range: N/A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Volts);
        project.DriverVolts = QString::fromLatin1(c.Volts);
        project.DriverAmps = QString::fromLatin1(c.Amps);
        project.ServiceFactor = QString::fromLatin1(c.ServiceFactor);
        Refresh();
        EXPECT_EQ(Text("Label147"), QString::fromLatin1(c.MaximumAmps));
        EXPECT_EQ(Text("Label148"), QString::fromLatin1(c.VoltageRange));
    }
}

TEST_F(PumpTestPageTest, EntriesReachThePumpTestShown) {
    ShowPumpTest(2);
    prompter.Dates.push_back(QDate(2024, 5, 14));
    Find<QPushButton>("Button8")->click();
    EXPECT_EQ(Shown("Dt1"), QStringLiteral("5/14/2024"));
    EXPECT_EQ(project.PumpTestDate[2], QStringLiteral("5/14/2024"));
    // The picked date is an entry of the table, which has the tabs renamed once.
    EXPECT_EQ(edits, QList<AfterEdit>{AfterEdit::TabCaptions});
    Find<QPushButton>("Button8")->click(); // cancelled
    EXPECT_EQ(project.PumpTestDate[2], QStringLiteral("5/14/2024"));
    EXPECT_EQ(edits, QList<AfterEdit>{AfterEdit::TabCaptions});
    EXPECT_EQ(tabCaptionChanges, 0);
    EXPECT_EQ(prompter.DateRequests.last(), QDate(2024, 5, 14));

    Find<QCheckBox>("PAV1")->click();
    Retype("Edit24", QStringLiteral("95"));
    Retype("Edit31", QStringLiteral("110"));
    Retype("NFPAcomment", QStringLiteral("Churn high"));
    TypeInCell(PT(), 10, 3, QStringLiteral("(140)"));
    EXPECT_TRUE(project.PlotAdjusted[2]);
    EXPECT_EQ(project.PressureSettings[2][1][1], QStringLiteral("95"));
    EXPECT_EQ(project.PressureSettings[2][4][2], QStringLiteral("110"));
    EXPECT_EQ(project.NfpaComment[2], QStringLiteral("Churn high"));
    EXPECT_EQ(project.PumpReadings[2][3][10], QStringLiteral("(140)"));
    EXPECT_EQ(PT()->Cell(12, 3), QStringLiteral("{140}"));
    EXPECT_FALSE(project.PlotAdjusted[1]);
    EXPECT_TRUE(project.PumpReadings[1][3][10].isEmpty());

    // Another test's page shows that test's values.
    ShowPumpTest(1);
    EXPECT_TRUE(Shown("Edit24").isEmpty());
    EXPECT_TRUE(PT()->Cell(10, 3).isEmpty());
    EXPECT_FALSE(Find<QCheckBox>("PAV1")->isChecked());
}

TEST_F(PumpTestPageTest, ShowingTheRecordNeverWritesItBack) {
    // Random records hold indexes outside the lists, odd test kinds and bracketed texts.
    for (unsigned seed = 1; seed <= 4; ++seed) {
        project = test::RandomProject(seed).Make();
        for (int shown = 1; shown <= kTestCount; ++shown) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " test " << shown);
            test = shown;
            const ProjectData before = project;
            const UnitWords units = UnitWordsFor(project.UnitSystem);
            binder.WriteControls();
            panel.ApplyRules({project, units, 1, shown, false, false});
            ASSERT_EQ(project, before);
            EXPECT_EQ(PT()->Cell(10, 2), project.PumpReadings[shown][2][10]);
            EXPECT_EQ(Pt2()->Cell(6, 5), project.PitotGrid[shown][8][6]);
            EXPECT_EQ(CT()->Cell(6, 4), project.ControllerGrid[shown][4][6]);
        }
    }
    EXPECT_TRUE(edits.isEmpty());
}

} // namespace
} // namespace quenra
