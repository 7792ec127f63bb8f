// The Setup page on its own: an entry table bound to a record, a scripted colour dialog, and a
// refresh that does what the window's refresh does for this page.
#include "app/SetupPage.h"
#include "app/ColourSwatch.h"
#include "app/FieldBinder.h"
#include "app/RadioGroup.h"
#include "files/ProjectFileReader.h"
#include "files/ProjectFileWriter.h"
#include "hydraulics/RecordRefresh.h"
#include "model/ResetToDefaults.h"
#include "support/PageHarness.h"
#include "support/ProjectDiff.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace quenra {
namespace {

using P = ProjectData;

// The groups that only "Advanced" shows, and what "Basic" shows.
const char* const kAdvancedGroups[] = {"MarginsPanel", "CapSize",   "ReportOptions",
                                       "Panel3",       "FontSize2", "LineThickness",
                                       "Panel10",      "XAxisScale"};
const char* const kBasicControls[] = {"DfltPrs", "MinPrs",      "MaxPrs",     "DfltFlow", "MinFlow",
                                      "MaxFlow", "UseFileName", "GraphTitle", "PmRdGr"};

// Every option of the page is a field of the project as a whole: no test index applies.
int NoTestIndex(FieldScope) {
    return 0;
}

// One page with its own record and entry table, as the window holds them.
class PageUnderTest : public test::PageHarness<SetupPage> {
public:
    explicit PageUnderTest(const ProjectData& start) : PageHarness(NoTestIndex) {
        project = start;
        Start([this] { Refresh(); }, {1000, 640});
    }

    SetupPage& Page() { return panel; }
    const FieldBinder& Binder() const { return binder; }

    // What the window's refresh does for this page: the title from the file name, the bound
    // controls, the page's rules.
    void Refresh() {
        RefreshView view;
        view.Page = MainPage::Setup;
        RefreshDerivedValues(project, view);
        binder.WriteControls();
        const UnitWords units = UnitWordsFor(project.UnitSystem);
        panel.ApplyRules({project, units});
    }

    QString Text(const char* name) { return Find<QLineEdit>(name)->text(); }
    int Item(const char* name) { return Find<RadioGroup>(name)->ItemIndex(); }
    bool Checked(const char* name) { return Find<QCheckBox>(name)->isChecked(); }
    Colour SwatchColour(const char* name) { return Find<ColourSwatch>(name)->Colour(); }

    void ChooseItem(const char* group, int item) {
        auto* button = Find<QRadioButton>(QStringLiteral("%1_%2").arg(group).arg(item));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void PickColour(const char* swatch, std::optional<Colour> answer) {
        prompter.Colours.push_back(answer);
        QTest::mouseClick(Find(swatch), Qt::LeftButton);
    }
};

class SetupPageTest : public ::testing::Test {
protected:
    static ProjectData NewProject() {
        ProjectData start;
        ResetToDefaults(start);
        start.ProjectFileName = QStringLiteral("untitled");
        return start;
    }

    void ShowAdvanced() { shown->ChooseItem("RadioGroup2", 1); }

    // The edit reached its own field and no other.
    void ExpectRecord(const ProjectData& expected, const char* control) {
        EXPECT_TRUE(project == expected)
            << control << ": " << test::FirstDifference(project, expected);
    }

    std::unique_ptr<PageUnderTest> shown = std::make_unique<PageUnderTest>(NewProject());
    ProjectData& project = shown->project;
};

TEST_F(SetupPageTest, OffersTheNamedOptionsWithTheirExactCaptionsAndChoices) {
    EXPECT_EQ(shown->Page().objectName(), QStringLiteral("SetupPanel"));
    for (const FieldBinding& binding : shown->Page().Bindings()) {
        EXPECT_NE(shown->Binder().Find(binding.Control), nullptr) << binding.Control.toStdString();
    }
    const QStringList symbols = {"None",          "Circle",      "Square",
                                 "Triangle Down", "Triangle Up", "Plus"};
    const QStringList sizes = {"Small", "Medium", "Large"};
    const std::tuple<const char*, const char*, QStringList> groups[] = {
        {"RadioGroup2", "Options", {"Basic", "Advanced"}},
        {"PmRdGr",
         "",
         {"Display All Readings", "Don't Display Volts/Amps", "Don't Display Readings"}},
        {"CapSize",
         "Graph PDF and Screen Capture Size",
         {"Actual Size", "1000 x 775", "2000 x 1550", "3000 x 2300", "775 x 1000", "1550 x 2000",
          "2300 x 3000"}},
        {"Supply", "Supply or Combined Curve", symbols},
        {"RtdPmps", "Rated Pumps", symbols},
        {"PmpTsts", "Pump Tests", symbols},
        {"DmdPts", "Demand Points", symbols},
        {"NFSyms", "NFPA 20 - 25", symbols},
        {"DmPtSize", "Symbol Size", sizes},
        {"FontSize2", "Font Size", sizes},
        {"LineThickness", "Line Thickness", sizes},
        {"XAxisScale", "Flow Scale Type", {"Normal", "Modified (power 1.85)"}}};
    for (const auto& [name, title, items] : groups) {
        EXPECT_EQ(shown->Find<RadioGroup>(name)->title(), QString::fromLatin1(title)) << name;
        QStringList texts;
        for (int i = 0; i < shown->Find<RadioGroup>(name)->Count(); ++i) {
            texts << shown->Find<QRadioButton>(QStringLiteral("%1_%2").arg(name).arg(i))->text();
        }
        EXPECT_EQ(texts, items) << name;
    }
    const std::pair<const char*, const char*> checks[] = {
        {"DfltPrs", "Use Default Pressure"},
        {"DfltFlow", "Use Default Flow"},
        {"UseFileName", "Use File Name"},
        {"LargerReportFont", "Large Report Font"}};
    for (const auto& [name, caption] : checks) {
        EXPECT_EQ(shown->Find<QCheckBox>(name)->text(), QString::fromLatin1(caption)) << name;
    }
    // The report background's caption keeps its leading space.
    const std::pair<const char*, const char*> captions[] = {{"MinPrs", "Min Pressure"},
                                                            {"MaxPrs", "Max Pressure"},
                                                            {"MinFlow", "Min Flow"},
                                                            {"MaxFlow", "Max Flow"},
                                                            {"GraphTitle", "Title"},
                                                            {"Edit16", "Left %"},
                                                            {"Edit23", "Right %"},
                                                            {"Edit33", "Top %"},
                                                            {"Edit28", "Bottom %"},
                                                            {"Shape30", " Background Color"},
                                                            {"Shape31", "Title Background Color"},
                                                            {"Shape32", "Form Text Color"},
                                                            {"Shape33", "User Entry Text Color"},
                                                            {"Shape29", "Outside Background Color"},
                                                            {"Shape28", "Graph Background Color"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(shown->CaptionOf(name)->text(), QString::fromLatin1(caption)) << name;
    }
    // The pressure scale type is kept, hidden and unbound.
    auto* pressureScale = shown->Find<QComboBox>("YAxisScale");
    EXPECT_TRUE(pressureScale->isHidden());
    EXPECT_EQ(pressureScale->currentIndex(), 0);
    EXPECT_EQ(pressureScale->itemText(2), QStringLiteral("Log (power 1.85)"));
    EXPECT_EQ(shown->Binder().Find(QStringLiteral("YAxisScale")), nullptr);
}

TEST_F(SetupPageTest, EveryEntryStoresItsOwnFieldAsEntered) {
    ShowAdvanced();
    shown->ClickBox("UseFileName"); // a derived title cannot be typed
    const std::tuple<const char*, QString P::*, QString> texts[] = {
        {"MinPrs", &P::MinPressure, "20"},
        {"MaxPrs", &P::MaxPressure, "abc"},
        {"MinFlow", &P::MinFlowText, "-5"},
        {"MaxFlow", &P::MaxFlowText, "2 500"},
        {"Edit16", &P::MarginLeft, "4.5"},
        {"Edit23", &P::MarginRight, "6"},
        {"Edit33", &P::MarginTop, ""},
        {"Edit28", &P::MarginBottom, "9%"},
        {"GraphTitle", &P::GraphTitleText, "North Plant, Pump 2"}};
    for (const auto& [name, field, text] : texts) {
        ProjectData expected = project;
        expected.*field = text;
        shown->Retype(name, text);
        ExpectRecord(expected, name);
    }
    const std::tuple<const char*, int P::*, int> choices[] = {
        {"CapSize", &P::CaptureSizeIndex, 6},
        {"Supply", &P::SupplySymbol, 0},
        {"RtdPmps", &P::RatedPumpSymbol, 2},
        {"PmpTsts", &P::PumpTestSymbol, 3},
        {"DmdPts", &P::DemandSymbol, 4},
        {"NFSyms", &P::NfpaSymbol, 5},
        {"DmPtSize", &P::SymbolSizeIndex, 2},
        {"FontSize2", &P::FontSizeIndex, 0},
        {"LineThickness", &P::LineThicknessIndex, 1},
        {"XAxisScale", &P::FlowScaleIndex, 1}};
    for (const auto& [name, field, item] : choices) {
        ProjectData expected = project;
        expected.*field = item;
        shown->ChooseItem(name, item);
        ExpectRecord(expected, name);
    }
    const std::pair<const char*, bool P::*> switches[] = {{"DfltPrs", &P::DefaultPressureRange},
                                                          {"DfltFlow", &P::DefaultFlowRange},
                                                          {"LargerReportFont", &P::LargerFont}};
    for (const auto& [name, field] : switches) {
        ProjectData expected = project;
        expected.*field = !(project.*field);
        shown->ClickBox(name);
        ExpectRecord(expected, name);
    }
}

TEST_F(SetupPageTest, ColourDialogStoresAndPaintsOnOkAndChangesNothingOnCancel) {
    ShowAdvanced();
    const std::pair<const char*, Colour P::*> swatches[] = {
        {"Shape30", &P::ReportBackgroundColor},  {"Shape31", &P::TitleBackgroundColor},
        {"Shape32", &P::FormTextColor},          {"Shape33", &P::UserEntryTextColor},
        {"Shape29", &P::OutsideBackgroundColor}, {"Shape28", &P::GraphBackgroundColor}};
    int shade = 10;
    for (const auto& [name, field] : swatches) {
        const Colour before = project.*field;
        const ProjectData unchanged = project;
        shown->PickColour(name, std::nullopt);
        EXPECT_EQ(shown->prompter.ColourRequests.last(), before) << name; // opened on it
        ExpectRecord(unchanged, name);
        EXPECT_EQ(shown->SwatchColour(name), before) << name;

        ProjectData expected = project;
        expected.*field = MakeColour(shade, shade + 1, shade + 2);
        shade += 10;
        shown->PickColour(name, expected.*field);
        ExpectRecord(expected, name);
        EXPECT_EQ(shown->SwatchColour(name), expected.*field) << name;
    }

    // The words beside a swatch open the dialog too.
    shown->prompter.Colours.push_back(MakeColour(1, 2, 3));
    QTest::mouseClick(shown->CaptionOf("Shape28"), Qt::LeftButton);
    EXPECT_EQ(project.GraphBackgroundColor, MakeColour(1, 2, 3));
    EXPECT_EQ(shown->SwatchColour("Shape28"), MakeColour(1, 2, 3));
}

TEST_F(SetupPageTest, ReadingsChoiceSetsBothFlags) {
    const std::tuple<int, bool, bool> cases[] = {
        {2, true, true}, {1, false, true}, {0, false, false}};
    for (const auto& [item, hideAll, hideVoltsAmps] : cases) {
        shown->ChooseItem("PmRdGr", item);
        EXPECT_EQ(project.HideAllReadings, hideAll) << item;
        EXPECT_EQ(project.HideVoltsAmps, hideVoltsAmps) << item;
    }
}

TEST_F(SetupPageTest, RefreshChoosesTheReadingsItemFromTheFlags) {
    // Hiding all readings wins, even in a file whose flags disagree.
    const std::tuple<bool, bool, int> cases[] = {
        {true, true, 2}, {true, false, 2}, {false, true, 1}, {false, false, 0}};
    for (const auto& [hideAll, hideVoltsAmps, item] : cases) {
        project.HideAllReadings = hideAll;
        project.HideVoltsAmps = hideVoltsAmps;
        const ProjectData before = project;
        shown->Refresh();
        EXPECT_EQ(shown->Item("PmRdGr"), item) << hideAll << hideVoltsAmps;
        ExpectRecord(before, "PmRdGr"); // showing the flags does not rewrite them
    }
}

TEST_F(SetupPageTest, UseFileNameTitlesTheGraphAfterTheProjectFile) {
    EXPECT_EQ(shown->Text("GraphTitle"), QStringLiteral("Quenra"));
    EXPECT_FALSE(shown->Enabled("GraphTitle"));

    project.ProjectFileName = QStringLiteral("/surveys/2024/Plant 7.qrx");
    shown->ClickBox("UseFileName");
    shown->Retype("GraphTitle", QStringLiteral("Typed Title"));
    shown->ClickBox("UseFileName");
    EXPECT_TRUE(project.TitleFromFileName);
    EXPECT_EQ(shown->Text("GraphTitle"), QStringLiteral("Plant 7"));
    EXPECT_EQ(project.GraphTitleText, QStringLiteral("Plant 7"));
    EXPECT_FALSE(shown->Enabled("GraphTitle"));

    project.ProjectFileName = QStringLiteral("untitled");
    shown->ClickBox("UseFileName");
    shown->ClickBox("UseFileName");
    EXPECT_EQ(shown->Text("GraphTitle"), QStringLiteral("Quenra"));
    EXPECT_EQ(project.GraphTitleText, QStringLiteral("Quenra"));
}

TEST_F(SetupPageTest, UncheckingUseFileNameEnablesTheTitleAndKeepsIt) {
    project.ProjectFileName = QStringLiteral("C:/Inspections/Plant 7.qrx");
    shown->Refresh();
    shown->ClickBox("UseFileName");
    EXPECT_FALSE(project.TitleFromFileName);
    EXPECT_TRUE(shown->Enabled("GraphTitle"));
    EXPECT_EQ(shown->Text("GraphTitle"), QStringLiteral("Plant 7"));
    EXPECT_EQ(project.GraphTitleText, QStringLiteral("Plant 7"));

    // A typed title stays when the project is saved under another name.
    shown->Retype("GraphTitle", QStringLiteral("Pump House"));
    project.ProjectFileName = QStringLiteral("C:/Inspections/Plant 8.qrx");
    shown->Refresh();
    EXPECT_FALSE(shown->Checked("UseFileName"));
    EXPECT_TRUE(shown->Enabled("GraphTitle"));
    EXPECT_EQ(shown->Text("GraphTitle"), QStringLiteral("Pump House"));
    EXPECT_EQ(project.GraphTitleText, QStringLiteral("Pump House"));
}

TEST_F(SetupPageTest, BasicHidesTheAdvancedGroupsAndTheirValuesStayInForce) {
    const auto expectShown = [this](bool advanced) {
        for (const char* name : kAdvancedGroups) {
            EXPECT_EQ(shown->Find(name)->isHidden(), !advanced) << name;
        }
        for (const char* name : kBasicControls) {
            EXPECT_TRUE(shown->Find(name)->isVisible()) << name;
        }
    };
    expectShown(false);
    const int basicHeight = shown->Find("GraphOptions")->height();

    const ProjectData beforeSwitch = project;
    ShowAdvanced();
    expectShown(true);
    ExpectRecord(beforeSwitch, "RadioGroup2"); // the choice belongs to the window
    QApplication::processEvents();             // the layout grows the panel
    EXPECT_GT(shown->Find("GraphOptions")->height(), basicHeight + 150);

    shown->Retype("Edit16", QStringLiteral("11"));
    shown->ChooseItem("Supply", 3);
    shown->ClickBox("LargerReportFont");
    shown->PickColour("Shape28", MakeColour(9, 9, 9));
    const ProjectData chosen = project;

    shown->ChooseItem("RadioGroup2", 0);
    expectShown(false);
    shown->Refresh();
    ExpectRecord(chosen, "RadioGroup2");
    EXPECT_EQ(shown->Text("Edit16"), QStringLiteral("11"));
    EXPECT_EQ(shown->Item("Supply"), 3);
    EXPECT_TRUE(shown->Checked("LargerReportFont"));
    EXPECT_EQ(shown->SwatchColour("Shape28"), MakeColour(9, 9, 9));
    EXPECT_EQ(shown->Item("RadioGroup2"), 0);
}

TEST_F(SetupPageTest, OptionsSurviveSavingAndReopening) {
    ShowAdvanced();
    shown->ClickBox("DfltPrs");
    shown->ClickBox("DfltFlow");
    shown->ClickBox("UseFileName");
    shown->ClickBox("LargerReportFont");
    shown->ChooseItem("PmRdGr", 2); // "Don't Display Readings"
    const std::pair<const char*, QString> texts[] = {
        {"MinPrs", "40"},    {"MaxPrs", "160"}, {"MinFlow", "250"},
        {"MaxFlow", "2500"}, {"Edit16", "3"},   {"Edit23", "4"},
        {"Edit33", "6"},     {"Edit28", "8"},   {"GraphTitle", "Warehouse B, Annual"}};
    const std::pair<const char*, int> items[] = {
        {"CapSize", 5}, {"Supply", 1},   {"RtdPmps", 2},   {"PmpTsts", 0},       {"DmdPts", 5},
        {"NFSyms", 4},  {"DmPtSize", 0}, {"FontSize2", 1}, {"LineThickness", 0}, {"XAxisScale", 1}};
    const std::pair<const char*, Colour> colours[] = {
        {"Shape30", MakeColour(250, 250, 210)}, {"Shape31", MakeColour(200, 220, 255)},
        {"Shape32", MakeColour(40, 40, 40)},    {"Shape33", MakeColour(128, 0, 0)},
        {"Shape29", MakeColour(230, 230, 250)}, {"Shape28", MakeColour(255, 250, 240)}};
    for (const auto& [name, text] : texts) {
        shown->Retype(name, text);
    }
    for (const auto& [name, item] : items) {
        shown->ChooseItem(name, item);
    }
    for (const auto& [name, colour] : colours) {
        shown->PickColour(name, colour);
    }

    // Opening the file in a window that shows a new project.
    ProjectData reopened;
    ResetToDefaults(reopened);
    reopened.ProjectFileName = QStringLiteral("/surveys/Plant 7 copy.qrx");
    PageUnderTest again(reopened);
    ASSERT_FALSE(again.Enabled("GraphTitle"));
    test::ScriptedPrompter reader;
    ASSERT_EQ(ReadProjectBytes(again.project, SerializeProject(project), reader),
              ReadOutcome::Complete);
    again.Refresh();

    EXPECT_FALSE(again.Checked("DfltPrs"));
    EXPECT_FALSE(again.Checked("DfltFlow"));
    EXPECT_FALSE(again.Checked("UseFileName"));
    EXPECT_TRUE(again.Enabled("GraphTitle"));
    EXPECT_TRUE(again.Checked("LargerReportFont"));
    EXPECT_EQ(again.Item("PmRdGr"), 2);
    for (const auto& [name, text] : texts) {
        EXPECT_EQ(again.Text(name), text) << name;
    }
    for (const auto& [name, item] : items) {
        EXPECT_EQ(again.Item(name), item) << name;
    }
    for (const auto& [name, colour] : colours) {
        EXPECT_EQ(again.SwatchColour(name), colour) << name;
    }
    EXPECT_EQ(again.Item("RadioGroup2"), 0); // a new window opens in "Basic"
}

} // namespace
} // namespace quenra
