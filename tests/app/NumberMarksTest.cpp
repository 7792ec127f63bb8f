// Number boxes say, as the inspector types, when their text will be read as 0 because it is no
// number; nothing typed is refused or changed.
#include "MainWindowFixture.h"
#include "app/StringGrid.h"
#include "support/NumberTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace quenra {
namespace {

const QString kMarkTip = QStringLiteral("Not a number: read as 0");

class NumberMarksTest : public test::MainWindowTest,
                        public ::testing::WithParamInterface<test::NumberTextCase> {
protected:
    bool Marked(QWidget* box) { return box->toolTip() == kMarkTip; }
    QString Typed() const { return GetParam().Text; }
    bool ShouldMark() const { return !GetParam().IsNumber; }
};

TEST_P(NumberMarksTest, LineBoxesOnEveryPage) {
    Start();
    // The rated flow (fire pump page), a demand pressure (first page), a margin (Setup).
    for (const auto& [tab, name] :
         {std::pair{0, "RtdFlw"}, std::pair{0, "Edit2"}, std::pair{9, "Edit16"}}) {
        Tabs()->setCurrentIndex(tab);
        auto* box = Find<QLineEdit>(name);
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("1"));
        EXPECT_FALSE(Marked(box)) << name;
        box->clear();
        QTest::keyClicks(box, Typed());
        EXPECT_EQ(box->text(), Typed()) << "nothing typed is changed";
        EXPECT_EQ(Marked(box), ShouldMark()) << name;
    }
    EXPECT_EQ(Project().RatedFlow, Typed());
}

TEST_P(NumberMarksTest, ChoiceBoxesAndWhatARefreshWrites) {
    Start();
    Trigger("NewSupplyReport1");
    auto* orifice = Find<QComboBox>("OrfSize");
    Find<QCheckBox>("CalcResFlow")->click();
    orifice->lineEdit()->clear();
    QTest::keyClicks(orifice->lineEdit(), Typed());
    EXPECT_EQ(Marked(orifice), ShouldMark());

    // A value read from a file is marked as it is shown.
    Project().SupplyStaticPressure[1] = Typed();
    window_->RefreshScreen();
    EXPECT_EQ(Marked(Find<QLineEdit>("StPrs")), ShouldMark());
}

TEST_P(NumberMarksTest, CellsOfTheReadingsTable) {
    Start();
    Tabs()->setCurrentIndex(2); // pump test 1
    auto* grid = Find<StringGrid>("PT");
    grid->SetCurrentCell(10, 2); // a discharge pressure
    QTest::keyClick(grid, Qt::Key_F2);
    QLineEdit* editor = grid->CellEditor();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, Typed());
    EXPECT_EQ(Marked(editor), ShouldMark()) << "while typing";
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(Project().PumpReadings[1][2][10], Typed());
    const QModelIndex cell = grid->model()->index(1, 9);
    EXPECT_EQ(cell.data(Qt::ToolTipRole).toString() == kMarkTip, ShouldMark()) << "once typed";
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberMarksTest, ::testing::ValuesIn(test::NumberTextCases()));

} // namespace
} // namespace quenra
