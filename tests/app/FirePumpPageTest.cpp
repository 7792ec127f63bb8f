#include "app/FirePumpPage.h"
#include "app/ColourSwatch.h"
#include "app/FieldBinder.h"
#include "app/UnitCaptions.h"
#include "hydraulics/QStringPrinter.h"
#include "hydraulics/UnitSystem.h"
#include "model/ResetToDefaults.h"
#include "support/PageHarness.h"
#include "support/RandomProject.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

namespace quenra {
namespace {

// Entries that only one kind of driver offers.
enum class Driver { Any, Electric, Diesel };

// The page alone, wired the way the window wires it: every edit goes through the entry table,
// and an edit that asks for a refresh gets one.
class FirePumpPageTest : public ::testing::Test, public test::PageHarness<FirePumpPage> {
protected:
    FirePumpPageTest() {
        ResetToDefaults(project);
        Start([this] { Refresh(); }, {680, 640});
    }

    void Refresh() {
        binder.WriteControls();
        panel.ApplyRules(RefreshContext{project, units_});
    }

    // Clicks a check box on its box, as the inspector does; the switches the page keeps hidden
    // can only be changed the way a program would.
    void Toggle(const QString& name) {
        auto* box = Find<QCheckBox>(name);
        if (box->isVisible()) {
            const int middle = box->height() / 2;
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(middle, middle));
        } else {
            box->click();
        }
    }

    void Expect(std::initializer_list<const char*> names, bool (QWidget::*state)() const,
                bool expected) {
        for (const char* name : names) {
            EXPECT_EQ((Find(QString::fromLatin1(name))->*state)(), expected) << name;
        }
    }

    // Runs `enter` for each entry, once with an electric driver and once with a diesel, so that
    // every entry is tried while it is shown and enabled.
    template <class Entry, std::size_t N, class Enter>
    void ForEachDriver(const Entry (&entries)[N], Enter enter) {
        for (const Driver driver : {Driver::Electric, Driver::Diesel}) {
            project.DriverKind = driver == Driver::Diesel ? 1 : 0;
            project.AutoOperation = QStringLiteral("Stop");
            project.AutoTestArranged = true;
            Refresh();
            for (const Entry& entry : entries) {
                if (entry.Only == Driver::Any ? driver == Driver::Electric : entry.Only == driver) {
                    enter(entry);
                }
            }
        }
    }

    UnitWords units_ = UnitWordsFor(0);
};

TEST_F(FirePumpPageTest, EveryEntryNamesOneControlOfThePage) {
    EXPECT_EQ(panel.objectName(), "SupplyPanel");
    QSet<QString> seen;
    QStringList refreshing;
    const QList<FieldBinding> bindings = panel.Bindings();
    for (const FieldBinding& binding : bindings) {
        const std::string name = binding.Control.toStdString();
        EXPECT_NE(panel.findChild<QWidget*>(binding.Control), nullptr) << name;
        EXPECT_FALSE(seen.contains(binding.Control)) << name;
        seen.insert(binding.Control);
        EXPECT_EQ(binding.Scope, FieldScope::Project) << name;
        if (binding.Then == AfterEdit::Refresh) {
            refreshing.append(binding.Control);
        }
    }
    // Five rows of two check boxes and two swatches; rating, driver, pump, controller, alarm
    // and report entries; the reference pump.
    EXPECT_EQ(bindings.size(), 20 + 14 + 9 + 9 + 12 + 18 + 5 + 1);
    // What the driver and the auto testing switch on and off follows these at once.
    refreshing.sort();
    EXPECT_EQ(refreshing, (QStringList{"AuTs1", "FPmT1", "JP1", "PmpTyp2"}));
}

TEST_F(FirePumpPageTest, CaptionsWithUnitsFollowTheUnitSystem) {
    EXPECT_EQ(Find<QLabel>("Label15")->text(), "Pressure at 1.5*QR (psi)");
    ApplyUnitCaptions(&panel, UnitWordsFor(4)); // l/s - bar
    EXPECT_EQ(Find<QLabel>("Label18")->text(), "Rated Flow (l/s)");
    EXPECT_EQ(Find<QLabel>("Label20")->text(), "Churn Pressure (bar)");
    EXPECT_EQ(Find<QLabel>("Label123")->text(), "(bar)");
}

// Each text entry with the field it must store into and no other.
struct TextEntry {
    const char* Control;
    QString ProjectData::*Field;
    Driver Only = Driver::Any;
};

constexpr TextEntry kTextEntries[] = {
    {"RtdFlw", &ProjectData::RatedFlow},
    {"RtdPrs", &ProjectData::RatedPressure},
    {"ChPrs", &ProjectData::ChurnPressure},
    {"PrsQR", &ProjectData::PressureAt150},
    {"RtdSpd", &ProjectData::RatedSpeed},
    {"InsDate", &ProjectData::InstallDate},
    {"Make1", &ProjectData::DriverMake},
    {"Model1", &ProjectData::DriverModel},
    {"HP1", &ProjectData::DriverHorsepower},
    {"RPM1", &ProjectData::DriverRpm},
    {"Vlt1", &ProjectData::DriverVolts, Driver::Electric},
    {"AMP1", &ProjectData::DriverAmps, Driver::Electric},
    {"SrFc", &ProjectData::ServiceFactor, Driver::Electric},
    {"OD1", &ProjectData::DriverPlateData},
    {"FTD1", &ProjectData::FirePumpTestDate},
    {"Man1", &ProjectData::PumpManufacturer},
    {"PID1", &ProjectData::PumpId},
    {"PmPr1", &ProjectData::PumpPurpose},
    {"CtIn1", &ProjectData::JockeyCutIn},
    {"MM1", &ProjectData::JockeyMakeModel},
    {"CnTy1", &ProjectData::ControllerMaker},
    {"AuOp1", &ProjectData::AutoOperation},
    {"NmMn1", &ProjectData::AutoStopMinutes},
    {"Day1", &ProjectData::WeeklyTestDayTime},
    {"Dur1", &ProjectData::WeeklyTestDuration},
    {"Othr1", &ProjectData::AlarmOtherText},
    {"PRAT1", &ProjectData::PumpRoomAlarmTemp, Driver::Diesel},
    // "FPmT1" refreshes the page at every key: it has its own test.
};

TEST_F(FirePumpPageTest, TypingStoresTheTextInItsOwnFieldOnly) {
    ForEachDriver(kTextEntries, [this](const TextEntry& entry) {
        QWidget* control = Find(QString::fromLatin1(entry.Control));
        auto* combo = qobject_cast<QComboBox*>(control);
        QLineEdit* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(control);
        ASSERT_NE(edit, nullptr) << entry.Control;
        ASSERT_TRUE(edit->isEnabled() && edit->isVisible()) << entry.Control;

        // The inspector types after what is shown, which for a purpose index is the item's text.
        ProjectData expected = project;
        expected.*entry.Field = edit->text() + QStringLiteral("12.5 x");
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, QStringLiteral("12.5 x"));
        EXPECT_TRUE(project == expected) << entry.Control;
        project = expected;
    });
}

// The pump type refreshes the page at every key; the refresh must leave the text being typed,
// and the place the inspector types at, alone.
TEST_F(FirePumpPageTest, TypingAPumpTypeSurvivesTheRefreshAfterEachKey) {
    QLineEdit* edit = Find<QComboBox>("FPmT1")->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("Split case"));
    EXPECT_EQ(edit->text(), "Split case");
    ProjectData expected = project;
    expected.FirePumpType = QStringLiteral("Split case 2");
    QTest::keyClicks(edit, QStringLiteral(" 2"));
    EXPECT_TRUE(project == expected);
}

// Each check box with the switch it must store into and no other.
struct CheckEntry {
    const char* Control;
    bool ProjectData::*Field;
    Driver Only = Driver::Any;
};

constexpr CheckEntry kCheckEntries[] = {
    {"ShPmpCrv", &ProjectData::ShowPumpRatingCurve},
    {"CmbCrv", &ProjectData::ShowCombinedCurve},
    {"ShwNfpaPts", &ProjectData::ShowNfpa20Curve},
    {"nFPA25", &ProjectData::ShowNfpa25Curve},
    {"PB1", &ProjectData::HasPumpBypass},
    {"JP1", &ProjectData::HasJockeyPump},
    {"MnSr1", &ProjectData::ManualStartSwitch},
    {"MnSp1", &ProjectData::ManualStopSwitch},
    {"EMSL1", &ProjectData::EmergencyStartLever},
    {"AuSO1", &ProjectData::AutoShutoff},
    {"MSA1", &ProjectData::ManualShutoffAvailable},
    {"Lc1", &ProjectData::AlarmLocal},
    {"FP1", &ProjectData::AlarmFirePolice},
    {"CS1", &ProjectData::AlarmCentralStation},
    {"RS1", &ProjectData::AlarmRemoteStation},
    {"Ax1", &ProjectData::AlarmAuxiliary},
    {"Pp1", &ProjectData::AlarmProprietary},
    {"PO1", &ProjectData::AlarmOther},
    {"PRn1", &ProjectData::AlarmPumpRunning},
    {"PhR1", &ProjectData::AlarmPhaseReversal, Driver::Electric},
    {"PF1", &ProjectData::AlarmPowerFailure, Driver::Electric},
    {"POS1", &ProjectData::AlarmPumpOverspeed, Driver::Diesel},
    {"LOT1", &ProjectData::AlarmLubeOilTemp, Driver::Diesel},
    {"CWT1", &ProjectData::AlarmCoolingWaterTemp, Driver::Diesel},
    {"LBP1", &ProjectData::AlarmLowBattery, Driver::Diesel},
    {"LF1", &ProjectData::AlarmLowFuel, Driver::Diesel},
    {"PRLT1", &ProjectData::AlarmPumpRoomLowTemp, Driver::Diesel},
    {"ControlInReport", &ProjectData::ReportControllerSection},
    {"PumpTestInReport", &ProjectData::ReportPumpTestSection},
    {"DriverInReport", &ProjectData::ReportDriverSection},
    {"FirePumpInReport", &ProjectData::ReportFirePumpSection},
    {"AlarmsInReport", &ProjectData::ReportAlarmsSection},
    {"AuTs1", &ProjectData::AutoTestArranged}, // last: it disables the shutoff switches
};

TEST_F(FirePumpPageTest, ClickingStoresTheSwitchInItsOwnFieldOnly) {
    ForEachDriver(kCheckEntries, [this](const CheckEntry& entry) {
        ProjectData expected = project;
        expected.*entry.Field = !(project.*entry.Field);
        Toggle(QString::fromLatin1(entry.Control));
        EXPECT_TRUE(project == expected) << entry.Control;
    });
}

TEST_F(FirePumpPageTest, PumpTestRowsStoreTheirOwnTest) {
    for (int test = 1; test <= kTestCount; ++test) {
        ProjectData expected = project;
        expected.PumpTestInGraph[test] = true;
        expected.PumpTestCombined[test] = true;
        Toggle(QStringLiteral("CheckBox%1").arg(test));
        Toggle(QStringLiteral("CheckBox%1").arg(test + kTestCount));
        EXPECT_TRUE(project == expected) << test;
    }
}

TEST_F(FirePumpPageTest, EverySwatchShowsItsOwnColour) {
    const std::pair<const char*, Colour ProjectData::*> curves[] = {
        {"Shape11", &ProjectData::PumpRatingCurveColor},
        {"Shape12", &ProjectData::CombinedCurveColor},
        {"Shape13", &ProjectData::Nfpa20CurveColor},
        {"Shape24", &ProjectData::Nfpa25CurveColor},
    };
    for (const auto& [name, field] : curves) {
        project.*field = MakeColour(QByteArray(name).mid(5).toInt(), 0, 0);
    }
    for (int test = 1; test <= kTestCount; ++test) {
        project.PumpTestColor[test] = MakeColour(0, test, 0);
        project.PumpTestCombinedColor[test] = MakeColour(0, 0, test);
    }
    Refresh();
    for (const auto& [name, field] : curves) {
        EXPECT_EQ(Find<ColourSwatch>(QString::fromLatin1(name))->Colour(), project.*field);
    }
    for (int test = 1; test <= kTestCount; ++test) {
        EXPECT_EQ(Find<ColourSwatch>(QStringLiteral("Shape%1").arg(test))->Colour(),
                  MakeColour(0, test, 0));
        EXPECT_EQ(Find<ColourSwatch>(QStringLiteral("Shape%1").arg(test + kTestCount))->Colour(),
                  MakeColour(0, 0, test));
    }
}

TEST_F(FirePumpPageTest, SwatchPicksTheColourStartingFromTheStoredOne) {
    auto* swatch = Find<ColourSwatch>("Shape7");
    const Colour stored = project.PumpTestCombinedColor[2];
    const Colour chosen = MakeColour(10, 20, 30);
    prompter.Colours.push_back(chosen);
    ProjectData expected = project;
    expected.PumpTestCombinedColor[2] = chosen;
    QTest::mouseClick(swatch, Qt::LeftButton);
    EXPECT_EQ(prompter.ColourRequests, QList<quint32>{stored});
    EXPECT_TRUE(project == expected);
    EXPECT_EQ(swatch->Colour(), chosen);

    // Cancel: neither the swatch nor the record changes.
    prompter.Colours.push_back(std::nullopt);
    QTest::mouseClick(swatch, Qt::RightButton);
    EXPECT_EQ(prompter.ColourRequests, (QList<quint32>{stored, chosen}));
    EXPECT_TRUE(project == expected);
    EXPECT_EQ(swatch->Colour(), chosen);
}

TEST_F(FirePumpPageTest, DriverKindChoosesTheAlarmsAndTheMotorPlate) {
    const auto electricAlarms = {"PhR1", "PF1"};
    const auto dieselAlarms = {"POS1", "LOT1", "CWT1", "LBP1", "LF1", "PRLT1", "PRAT1", "Label71"};
    const auto motorPlate = {"Label50", "Label51", "Label53", "Vlt1", "AMP1", "SrFc"};
    auto* driver = Find<QComboBox>("PmpTyp2");

    driver->setCurrentIndex(driver->findText(QStringLiteral("Diesel")));
    EXPECT_EQ(project.DriverKind, 1);
    Expect(electricAlarms, &QWidget::isVisible, false);
    Expect(dieselAlarms, &QWidget::isVisible, true);
    Expect(motorPlate, &QWidget::isEnabled, false);
    Expect({"HP1", "RPM1"}, &QWidget::isEnabled, true);

    driver->setCurrentIndex(driver->findText(QStringLiteral("Electric")));
    EXPECT_EQ(project.DriverKind, 0);
    Expect(electricAlarms, &QWidget::isVisible, true);
    Expect(dieselAlarms, &QWidget::isVisible, false);
    Expect(motorPlate, &QWidget::isEnabled, true);
}

TEST_F(FirePumpPageTest, MinutesForAutoStopFollowTheOperationAsItIsEdited) {
    auto* operation = Find<QComboBox>("AuOp1");
    const auto minutes = {"NmMn1", "Label65"};
    Expect(minutes, &QWidget::isEnabled, false); // "Not Specified" in a new project

    operation->setCurrentIndex(operation->findText(QStringLiteral("Start & Stop")));
    EXPECT_EQ(project.AutoOperation, "Start & Stop");
    Expect(minutes, &QWidget::isEnabled, true);
    operation->setCurrentIndex(operation->findText(QStringLiteral("Start")));
    EXPECT_EQ(project.AutoOperation, "Start");
    Expect(minutes, &QWidget::isEnabled, false);

    // Typed text counts too, in any case.
    operation->lineEdit()->clear();
    QTest::keyClicks(operation->lineEdit(), QStringLiteral("Timer STOP"));
    EXPECT_EQ(project.AutoOperation, "Timer STOP");
    Expect(minutes, &QWidget::isEnabled, true);

    // And a refresh applies the rule to the stored text.
    project.AutoOperation = QStringLiteral("None");
    Refresh();
    Expect(minutes, &QWidget::isEnabled, false);
}

TEST_F(FirePumpPageTest, WeeklyTestIsEnabledWhileAutoTestingIsArranged) {
    const auto weeklyTest = {"Label68", "Label69", "Day1", "Dur1", "AuSO1", "MSA1"};
    Expect(weeklyTest, &QWidget::isEnabled, false);
    Toggle(QStringLiteral("AuTs1"));
    EXPECT_TRUE(project.AutoTestArranged);
    Expect(weeklyTest, &QWidget::isEnabled, true);
    Toggle(QStringLiteral("AuTs1"));
    EXPECT_FALSE(project.AutoTestArranged);
    Expect(weeklyTest, &QWidget::isEnabled, false);
}

TEST_F(FirePumpPageTest, PurposeOfOneCharacterIsAnItemIndex) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "automatic sprinkler system(s)"},
        {"1", "standpipe system(s)"},
        {" 2 ", "private hydrant(s)"},
        {"x", "automatic sprinkler system(s)"},
        {"9", ""},
        {"12", "12"},
        {"fire sprinklers and hose reels", "fire sprinklers and hose reels"},
    };
    auto* purpose = Find<QComboBox>("PmPr1");
    for (const auto& [stored, shown] : cases) {
        project.PumpPurpose = QString::fromLatin1(stored);
        const ProjectData before = project;
        Refresh();
        EXPECT_EQ(purpose->currentText(), shown) << stored;
        EXPECT_TRUE(project == before) << stored;
    }
}

TEST_F(FirePumpPageTest, ReferencePumpListShowsTheTestLessOne) {
    auto* reference = Find<QComboBox>("RefPump1");
    project.ReferencePumpTest = 3;
    Refresh();
    EXPECT_EQ(reference->currentText(), "Test 3");

    ProjectData expected = project;
    expected.ReferencePumpTest = 5;
    reference->setCurrentIndex(4);
    EXPECT_TRUE(project == expected);

    // A number no test has selects nothing and stays as read.
    project.ReferencePumpTest = 0;
    Refresh();
    EXPECT_EQ(reference->currentIndex(), -1);
    EXPECT_EQ(project.ReferencePumpTest, 0);
}

TEST_F(FirePumpPageTest, KeptSwitchesAreHiddenAndTestDateStoresNothing) {
    Expect({"RefPump1", "UseTestDate", "PumpTestInReport", "DriverInReport", "FirePumpInReport",
            "AlarmsInReport"},
           &QWidget::isHidden, true);
    auto* useTestDate = Find<QCheckBox>("UseTestDate");
    EXPECT_TRUE(useTestDate->isChecked());
    const ProjectData before = project;
    useTestDate->click();
    EXPECT_TRUE(project == before);
}

TEST_F(FirePumpPageTest, RefreshLeavesTheRecordAsItWas) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        project = test::RandomProject(seed).Make();
        if (seed % 3 == 0) {
            project.PumpPurpose = QString::number(seed % 7); // an item index
        }
        const ProjectData before = project;
        Refresh();
        Refresh();
        EXPECT_TRUE(project == before) << seed;
    }
}

} // namespace
} // namespace quenra
