// The fire hydrant test page on its own: an entry table bound to a record, a scripted prompter,
// and a refresh that does what the window's refresh does for this page.
#include "app/HydrantPage.h"
#include "app/ColourSwatch.h"
#include "app/FieldBinder.h"
#include "app/UnitCaptions.h"
#include "hydraulics/NozzleFlow.h"
#include "hydraulics/NumberText.h"
#include "hydraulics/RecordRefresh.h"
#include "model/ResetToDefaults.h"
#include "support/PageHarness.h"
#include "support/RandomProject.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "support/ComboItems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace quenra {
namespace {

using test::ItemsOf;

class HydrantPageTest : public ::testing::Test, public test::PageHarness<HydrantPage> {
protected:
    HydrantPageTest()
        : PageHarness([this](FieldScope scope) {
              return scope == FieldScope::SupplyTest ? panel.SupplyTestTabs()->currentIndex() + 1
                                                     : 1;
          }) {
        ResetToHydrantTestDefaults(project);
        Start([this] { Refresh(); }, {680, 640});
    }

    QTabBar* Tabs() { return Find<QTabBar>("TabControl2"); }

    // What the window's refresh does for this page: store the derived values of the supply test
    // shown, write the bound controls, rewrite the unit captions and apply the page's rules.
    void Refresh() {
        RefreshView view;
        view.Page = MainPage::FireHydrant;
        view.SupplyTest = Tabs()->currentIndex() + 1;
        view.CalculateFlowBox = Find<QCheckBox>("CalcResFlow")->isChecked();
        const RefreshResult result = RefreshDerivedValues(project, view);
        binder.WriteControls();
        const UnitWords units = UnitWordsFor(project.UnitSystem);
        ApplyUnitCaptions(&panel, units);
        panel.ApplyRules(
            {project, units, view.SupplyTest, 1, result.LargeOutlet, view.CalculateFlowBox});
    }

    void ShowSupplyTest(int test) {
        Tabs()->setCurrentIndex(test - 1);
        Refresh();
    }
};

TEST_F(HydrantPageTest, BuildsTheNamedControlsWithTheirTextsAndChoices) {
    for (const FieldBinding& binding : panel.Bindings()) {
        EXPECT_NE(binder.Find(binding.Control), nullptr) << binding.Control.toStdString();
    }
    const std::pair<const char*, QStringList> choices[] = {
        {"SupplyType", {"Public Main", "Tank", "Other", "Not Specified"}},
        {"TankDescription",
         {"Tank", "Other", "Gravity", "Embankment", "Pressure", "Ground Level Suction"}},
        {"OtherDescription",
         {"Other", "Pond", "River", "Lake", "Ocean or Sea", "Stream", "Man Made Well", "Cistern",
          "Swimming Pool", "Decorative Pool"}},
        {"OrfSize", OrificeSizeItems()},
        {"DisCoef", DischargeCoefficientItems()},
        {"ComboBox1", {"1", "2", "3", "4"}},
        {"ComboBox12", {"Dead End", "Circulating", "Other"}},
    };
    for (const auto& [name, items] : choices) {
        EXPECT_EQ(ItemsOf(Find<QComboBox>(name)), items) << name;
        EXPECT_TRUE(Find<QComboBox>(name)->isEditable()) << name;
    }
    EXPECT_EQ(ItemsOf(Find<QComboBox>("LiftOrHead")), QStringList({"Lift (ft)", "Head (ft)"}));
    for (int i = 0; i < kTestCount; ++i) {
        EXPECT_EQ(Tabs()->tabText(i), QStringLiteral("Supply Test %1").arg(i + 1));
    }
    const std::pair<const char*, const char*> captions[] = {
        {"Label5", "Static Pressure (psi)"}, {"Label6", "Residual Pressure (psi)"},
        {"Label7", "Residual Flow (gpm)"},   {"Label8", "Orifice Size (in)"},
        {"Label9", "Discharge Coefficient"}, {"Label10", "Pitot Reading (psi)"},
        {"Label12", "Capacity (gal)"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Find<QLabel>(name)->text(), QString::fromLatin1(caption));
    }
    EXPECT_EQ(Find<QCheckBox>("CalcResFlow")->text(), QStringLiteral("Calculate Flow"));
    EXPECT_EQ(Find<QCheckBox>("DsSp")->text(), QStringLiteral("Display Curve"));
    EXPECT_EQ(Find<QPushButton>("Button7")->text(), QStringLiteral("..."));
    EXPECT_TRUE(Find<QLineEdit>("TestDate")->isReadOnly());
    EXPECT_EQ(Find<QCheckBox>("SupplyInReport")->text(), QStringLiteral("Report"));
    EXPECT_FALSE(Shows("SupplyInReport"));
}

TEST_F(HydrantPageTest, SupplyTestControlsFollowTheSelectedTab) {
    ShowSupplyTest(3);
    Retype("StPrs", QStringLiteral("62"));
    Retype("Edit60", QStringLiteral("Elm St. #4"));
    Retype("ComboBox12", QStringLiteral("Looped"));
    ClickBox("DsSp");
    Find<QLineEdit>("TestDate")->setText(QStringLiteral("5/14/2024")); // as the date picker does
    EXPECT_EQ(project.SupplyStaticPressure[3], QStringLiteral("62"));
    EXPECT_EQ(project.StaticHydrantLocation[3], QStringLiteral("Elm St. #4"));
    EXPECT_EQ(project.MainType[3], QStringLiteral("Looped"));
    EXPECT_TRUE(project.SupplyShowCurve[3]);
    EXPECT_EQ(project.SupplyTestDate[3], QStringLiteral("5/14/2024"));
    for (int other : {1, 2, 4, 5}) {
        EXPECT_TRUE(project.SupplyStaticPressure[other].isEmpty()) << other;
        EXPECT_TRUE(project.MainType[other].isEmpty()) << other;
        EXPECT_EQ(project.SupplyShowCurve[other], other == 1) << other;
    }
    // None of these needs a refresh; the date renames its tab.
    EXPECT_FALSE(edits.contains(AfterEdit::Refresh));
    EXPECT_EQ(edits.last(), AfterEdit::TabCaptions);

    project.MainType[1] = QStringLiteral("Circulating");
    project.MainType[3] = QStringLiteral("Dead End");
    ShowSupplyTest(1);
    EXPECT_EQ(Shown("ComboBox12"), QStringLiteral("Circulating"));
    EXPECT_TRUE(Shown("StPrs").isEmpty());
    EXPECT_EQ(Find<ColourSwatch>("Shape34")->Colour(), MakeColour(255, 0, 0));

    // Switching the tab alone is the window's business: the page neither stores nor reloads.
    const ProjectData before = project;
    Tabs()->setCurrentIndex(2);
    EXPECT_EQ(project, before);
    EXPECT_EQ(Shown("ComboBox12"), QStringLiteral("Circulating"));
    Refresh();
    EXPECT_EQ(Shown("ComboBox12"), QStringLiteral("Dead End"));
    EXPECT_EQ(Shown("StPrs"), QStringLiteral("62"));
    EXPECT_EQ(Find<ColourSwatch>("Shape34")->Colour(), MakeColour(128, 128, 0));
}

TEST_F(HydrantPageTest, SupplyTypeTextIsAnItemIndexOrShownAsTyped) {
    struct Case {
        const char* Stored;
        const char* Shown;
        int Index;               // the item selected in the list
        const char* Description; // the description box shown, if the other data are
    };
    const Case cases[] = {
        {"2", "Other", 2, "OtherDescription"},
        {"Other", "Other", 2, "OtherDescription"},
        {"12", "12", -1, nullptr},
        {"0", "Public Main", 0, nullptr},
        {" 1 ", "Tank", 1, "TankDescription"},
        {"tank", "tank", -1, "TankDescription"},
        {"x", "Public Main", 0, nullptr},
        {"3", "Not Specified", 3, nullptr},
        {"7", "7", -1, nullptr},
        {"Reservoir", "Reservoir", -1, nullptr},
    };
    auto* supplyType = Find<QComboBox>("SupplyType");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stored);
        project.SupplyTypeText = QString::fromLatin1(c.Stored);
        Refresh();
        EXPECT_EQ(supplyType->currentText(), QString::fromLatin1(c.Shown));
        EXPECT_EQ(supplyType->currentIndex(), c.Index);
        EXPECT_EQ(project.SupplyTypeText, QString::fromLatin1(c.Stored));
        EXPECT_EQ(Shows("OtherDataPanel"), c.Description != nullptr);
        if (c.Description) {
            EXPECT_TRUE(Shows(c.Description));
            EXPECT_NE(Shows("TankDescription"), Shows("OtherDescription"));
        }
    }
}

TEST_F(HydrantPageTest, ChangingTheSupplyTypeShowsItsOtherDataAtOnce) {
    EXPECT_FALSE(Shows("OtherDataPanel"));

    Retype("SupplyType", QStringLiteral("Tank"));
    EXPECT_EQ(project.SupplyTypeText, QStringLiteral("Tank"));
    EXPECT_TRUE(Shows("OtherDataPanel"));
    EXPECT_TRUE(Shows("TankDescription"));
    EXPECT_FALSE(Shows("OtherDescription"));

    auto* supplyType = Find<QComboBox>("SupplyType");
    supplyType->setCurrentIndex(2);
    EXPECT_EQ(project.SupplyTypeText, QStringLiteral("Other"));
    EXPECT_TRUE(Shows("OtherDescription"));
    EXPECT_FALSE(Shows("TankDescription"));

    supplyType->setCurrentIndex(0);
    EXPECT_EQ(project.SupplyTypeText, QStringLiteral("Public Main"));
    EXPECT_FALSE(Shows("OtherDataPanel"));

    // Only the supply type itself is stored; the other data keep their values until edited.
    EXPECT_EQ(project.TankKind, QStringLiteral("Tank"));
    EXPECT_EQ(project.OtherSourceKind, QStringLiteral("Other"));
    EXPECT_FALSE(edits.contains(AfterEdit::Refresh));

    supplyType->setCurrentIndex(1);
    Retype("Cap", QStringLiteral("300,000"));
    Retype("TankDescription", QStringLiteral("Elevated"));
    Find<QComboBox>("LiftOrHead")->setCurrentIndex(1);
    EXPECT_EQ(project.TankCapacity, QStringLiteral("300,000"));
    EXPECT_EQ(project.TankKind, QStringLiteral("Elevated"));
    EXPECT_EQ(project.LiftHeadKind, 1);
}

TEST_F(HydrantPageTest, UnitWordsFollowTheUnitSystemWhileValuesStay) {
    project.SupplyStaticPressure[1] = QStringLiteral("60");
    project.SupplyResidualFlow[1] = QStringLiteral("950");
    project.LiftHeadKind = 1;
    project.UnitSystem = 4; // "Metric: l/s - bar"
    Refresh();
    EXPECT_EQ(Find<QLabel>("Label5")->text(), QStringLiteral("Static Pressure (bar)"));
    EXPECT_EQ(Find<QLabel>("Label7")->text(), QStringLiteral("Residual Flow (l/s)"));
    EXPECT_EQ(Find<QLabel>("Label160")->text(), QStringLiteral("Size of Water Main (mm)"));
    EXPECT_EQ(Shown("StPrs"), QStringLiteral("60"));
    EXPECT_EQ(Shown("RdFlow"), QStringLiteral("950"));
    auto* liftOrHead = Find<QComboBox>("LiftOrHead");
    EXPECT_EQ(ItemsOf(liftOrHead), QStringList({"Lift (m)", "Head (m)"}));
    EXPECT_EQ(liftOrHead->currentIndex(), 1);

    // An index from a file that names no item selects nothing and is kept.
    project.LiftHeadKind = 7;
    project.UnitSystem = 0;
    Refresh();
    EXPECT_EQ(ItemsOf(liftOrHead), QStringList({"Lift (ft)", "Head (ft)"}));
    EXPECT_EQ(liftOrHead->currentIndex(), -1);
    EXPECT_EQ(project.LiftHeadKind, 7);
    EXPECT_EQ(project.SupplyStaticPressure[1], QStringLiteral("60"));
}

TEST_F(HydrantPageTest, CalculatedFlowEnablesThePitotInputs) {
    const auto expectPitotInputs = [this](bool enabled) {
        for (const char* name :
             {"Label8", "Label9", "Label10", "OrfSize", "DisCoef", "PitotRead"}) {
            EXPECT_EQ(Enabled(name), enabled) << name;
        }
        EXPECT_EQ(Enabled("RdFlow"), !enabled);
    };
    ShowSupplyTest(2);
    expectPitotInputs(false);
    ClickBox("CalcResFlow");
    EXPECT_TRUE(project.SupplyCalcFlow[2]);
    EXPECT_FALSE(project.SupplyCalcFlow[1]);
    expectPitotInputs(true);

    // A 4 inch outlet sets its own coefficient from the pitot reading.
    Retype("OrfSize", QStringLiteral("4.0"));
    EXPECT_EQ(project.SupplyOrificeSize[2], QStringLiteral("4.0"));
    EXPECT_FALSE(Enabled("DisCoef"));
    EXPECT_TRUE(Enabled("OrfSize"));
    Retype("PitotRead", QStringLiteral("5"));
    EXPECT_EQ(project.SupplyDischargeCoef[2], QStringLiteral("0.86"));
    EXPECT_EQ(Shown("DisCoef"), QStringLiteral("0.86"));
    const QString flow = FormatRounded(
        0, PitotFlow(QStringLiteral("0.86"), QStringLiteral("4.0"), QStringLiteral("5"), 0));
    EXPECT_EQ(project.SupplyResidualFlow[2], flow);
    EXPECT_EQ(Shown("RdFlow"), flow);

    Retype("OrfSize", QStringLiteral("2.5"));
    EXPECT_TRUE(Enabled("DisCoef"));
    Retype("DisCoef", QStringLiteral("0.90"));
    EXPECT_EQ(project.SupplyDischargeCoef[2], QStringLiteral("0.90"));

    ClickBox("CalcResFlow");
    EXPECT_FALSE(project.SupplyCalcFlow[2]);
    expectPitotInputs(false);
}

TEST_F(HydrantPageTest, CurveColourSwatchPicksTheColourOfTheTestShown) {
    ShowSupplyTest(2);
    auto* swatch = Find<ColourSwatch>("Shape34");
    const Colour green = MakeColour(0, 128, 0);
    EXPECT_EQ(swatch->Colour(), green);

    prompter.Colours.push_back(MakeColour(10, 20, 30));
    QTest::mouseClick(swatch, Qt::LeftButton);
    EXPECT_EQ(prompter.ColourRequests, QList<quint32>({green}));
    EXPECT_EQ(project.SupplyTestColor[2], MakeColour(10, 20, 30));
    EXPECT_EQ(swatch->Colour(), MakeColour(10, 20, 30));
    EXPECT_EQ(project.SupplyTestColor[1], MakeColour(255, 0, 0));

    // Cancel: the prompter has no colour left to give.
    QTest::mouseClick(swatch, Qt::RightButton);
    EXPECT_EQ(prompter.ColourRequests.size(), 2);
    EXPECT_EQ(prompter.ColourRequests.last(), MakeColour(10, 20, 30));
    EXPECT_EQ(project.SupplyTestColor[2], MakeColour(10, 20, 30));
    EXPECT_EQ(swatch->Colour(), MakeColour(10, 20, 30));

    // The words beside the swatch open the dialog too.
    const QList<QLabel*> labels = panel.findChildren<QLabel*>();
    const auto caption = std::find_if(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->text() == QStringLiteral("Click To Change Color");
    });
    ASSERT_NE(caption, labels.end());
    prompter.Colours.push_back(MakeColour(40, 50, 60));
    QTest::mouseClick(*caption, Qt::LeftButton);
    EXPECT_EQ(project.SupplyTestColor[2], MakeColour(40, 50, 60));
    EXPECT_EQ(swatch->Colour(), MakeColour(40, 50, 60));
}

TEST_F(HydrantPageTest, RefreshLeavesTheRecordAsItWas) {
    // Random records hold odd supply types, lift-or-head indexes outside the list and texts
    // that match no item; writing them into the page must never come back into the record.
    for (unsigned seed = 1; seed <= 6; ++seed) {
        project = test::RandomProject(seed).Make();
        if (seed == 2) {
            project.SupplyTypeText = QStringLiteral("2");
        } else if (seed == 3) {
            project.SupplyTypeText = QStringLiteral("Tank");
            project.LiftHeadKind = 1;
        }
        const ProjectData before = project;
        for (int test = 1; test <= kTestCount; ++test) {
            Tabs()->setCurrentIndex(test - 1);
            for (int units : {0, 4}) {
                for (bool calc : {false, true}) {
                    SCOPED_TRACE(testing::Message() << "seed " << seed << " test " << test
                                                    << " units " << units << " calc " << calc);
                    const UnitWords words = UnitWordsFor(units);
                    binder.WriteControls();
                    ApplyUnitCaptions(&panel, words);
                    panel.ApplyRules({project, words, test, 1, !calc, calc});
                    ASSERT_EQ(project, before);
                    EXPECT_EQ(Shown("StPrs"), project.SupplyStaticPressure[test]);
                    EXPECT_EQ(Shown("ComboBox12"), project.MainType[test]);
                }
            }
        }
    }
    EXPECT_TRUE(edits.isEmpty());
}

} // namespace
} // namespace quenra
