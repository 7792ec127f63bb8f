// The entry table's mapped rows and date fields on a few bare controls: a field the record keeps
// in another form than its control shows must read and store through its mapping, in the test
// the row is scoped to, and a picked date must be stored like a typed one.
#include "app/FieldBinder.h"
#include "app/DataPage.h"
#include "model/ResetToDefaults.h"
#include "model/StoredChoices.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace quenra {
namespace {

using P = ProjectData;

constexpr int kShownTest = 3;

class FieldBinderTest : public ::testing::Test {
protected:
    FieldBinderTest() {
        ResetToDefaults(project);
        date->setObjectName(QStringLiteral("Date"));
        pick->setObjectName(QStringLiteral("Pick"));
        verdict->setObjectName(QStringLiteral("Verdict"));
        verdict->addItems({QStringLiteral("N/A"), QStringLiteral("Yes"), QStringLiteral("No")});
        flag->setObjectName(QStringLiteral("Flag"));
        binder.Bind(&root,
                    {DateField(QStringLiteral("Date"), QStringLiteral("Pick"),
                               ElementOf(&P::PumpTestDate), FieldScope::PumpTest),
                     MappedIndexField(
                         QStringLiteral("Verdict"),
                         ItemsOf<int>(&P::CombinedMeetsDemand, VerdictListIndex, VerdictCodeAt),
                         FieldScope::PumpTest),
                     // Checking the flag hides both kinds of readings; unchecking shows them.
                     MappedCheckField(QStringLiteral("Flag"),
                                      {[](const P& p, int) { return p.HideAllReadings; },
                                       [](P& p, int, bool checked) {
                                           p.HideAllReadings = checked;
                                           p.HideVoltsAmps = checked;
                                       }})});
        QObject::connect(&binder, &FieldBinder::Edited, &root,
                         [this](AfterEdit then) { edits.append(then); });
    }

    ProjectData project;
    test::ScriptedPrompter prompter;
    FieldBinder binder{project, [](FieldScope) { return kShownTest; }, prompter};
    QWidget root;
    QLineEdit* date = new QLineEdit(&root);
    QPushButton* pick = new QPushButton(&root);
    QComboBox* verdict = new QComboBox(&root);
    QCheckBox* flag = new QCheckBox(&root);
    QList<AfterEdit> edits;
};

// A stored verdict code and the item of the list that stands for it; -1: no item.
struct VerdictCase {
    int Stored;
    int Item;
};

class MappedListTest : public FieldBinderTest, public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(MappedListTest, ShowsTheItemOfTheStoredCodeAndStoresTheCodeOfTheItemChosen) {
    const VerdictCase c = GetParam();
    const int otherTest = project.CombinedMeetsDemand[1];
    project.CombinedMeetsDemand[kShownTest] = c.Stored;
    binder.WriteControls();
    EXPECT_EQ(verdict->currentIndex(), c.Item);
    EXPECT_EQ(project.CombinedMeetsDemand[kShownTest], c.Stored); // showing stores nothing
    EXPECT_TRUE(edits.isEmpty());

    for (int item = 0; item < verdict->count(); ++item) {
        verdict->setCurrentIndex(item);
        if (item != c.Item) {
            EXPECT_EQ(project.CombinedMeetsDemand[kShownTest], VerdictCodeAt(item)) << item;
        }
    }
    // The other tests keep their own verdicts.
    EXPECT_EQ(project.CombinedMeetsDemand[1], otherTest);
}

INSTANTIATE_TEST_SUITE_P(Codes, MappedListTest,
                         ::testing::Values(VerdictCase{2, 0}, VerdictCase{1, 1}, VerdictCase{0, 2},
                                           VerdictCase{7, -1}, VerdictCase{-1, -1}));

TEST_F(FieldBinderTest, MappedCheckShowsAndStoresBothFlags) {
    project.HideAllReadings = true;
    binder.WriteControls();
    EXPECT_TRUE(flag->isChecked());
    EXPECT_TRUE(edits.isEmpty());

    flag->click();
    EXPECT_FALSE(project.HideAllReadings);
    EXPECT_FALSE(project.HideVoltsAmps);
    flag->click();
    EXPECT_TRUE(project.HideAllReadings);
    EXPECT_TRUE(project.HideVoltsAmps);
    EXPECT_EQ(edits.size(), 2);
}

TEST_F(FieldBinderTest, PickedDateIsStoredLikeATypedOneAndCancelChangesNothing) {
    project.PumpTestDate[kShownTest] = QStringLiteral("3/1/2023");
    const QString otherTest = project.PumpTestDate[1];
    binder.WriteControls();

    prompter.Dates.push_back(QDate(2024, 5, 14));
    pick->click();
    EXPECT_EQ(prompter.DateRequests, QList<QDate>{QDate(2023, 3, 1)});
    EXPECT_EQ(date->text(), QStringLiteral("5/14/2024"));
    EXPECT_EQ(project.PumpTestDate[kShownTest], QStringLiteral("5/14/2024"));
    EXPECT_EQ(project.PumpTestDate[1], otherTest);
    EXPECT_EQ(edits, QList<AfterEdit>{AfterEdit::TabCaptions});

    pick->click(); // cancelled
    EXPECT_EQ(project.PumpTestDate[kShownTest], QStringLiteral("5/14/2024"));
    EXPECT_EQ(edits, QList<AfterEdit>{AfterEdit::TabCaptions});
}

// A page with one grid, bound the way the pump test page binds its grids.
class GridPage : public DataPage {
public:
    GridPage() { (new QWidget(this))->setObjectName(QStringLiteral("Grid")); }
    QList<FieldBinding> Bindings() const override {
        return {CellField(QStringLiteral("Grid"), [](P& p, int t, int column, int row) -> QString& {
            return p.PumpReadings[t][row][column];
        })};
    }
    void ApplyRules(const RefreshContext&) override {}
};

TEST_F(FieldBinderTest, AGridCellIsStoredInTheTestThePageNamesAndNeverWrittenBack) {
    GridPage page;
    binder.Bind(&page, page.Bindings());
    binder.Bind(&page, {}); // binding the page again does not store twice
    ProjectData expected = project;
    expected.PumpReadings[4][3][2] = QStringLiteral("<512>");

    // The cell belongs to the test the page names, not to the one the window shows by now.
    emit page.CellEntered(QStringLiteral("Grid"), 4, 2, 3, QStringLiteral("<512>"));
    EXPECT_TRUE(project == expected);
    binder.WriteControls();
    EXPECT_TRUE(project == expected);
    EXPECT_TRUE(edits.isEmpty()); // the page follows a cell entry itself
}

} // namespace
} // namespace quenra
