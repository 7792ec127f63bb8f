#include "MainWindowFixture.h"
#include "app/AvailableFlowSettings.h"
#include "app/GraphPaintBox.h"
#include "app/ReportView.h"
#include "files/ProjectFileWriter.h"
#include "graph/ColourConversion.h"
#include "hydraulics/AvailableFlow.h"
#include "hydraulics/QStringPrinter.h"
#include "hydraulics/RecordRefresh.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSettings>

#include <gtest/gtest.h>

namespace quenra {
namespace {

constexpr int kHydrantGraphTab = 2;  // of a hydrant test's tab list
constexpr int kHydrantReportTab = 3; // of a hydrant test's tab list
constexpr int kPumpSetupTab = 9;     // of a fire pump test's tab list

// The window with the user's settings kept in a folder of the test's own, starting from none.
class AvailableFlowWindowTest : public test::MainWindowTest {
protected:
    static void SetUpTestSuite() {
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    }
    void SetUp() override { ClearSettings(); }
    void TearDown() override { ClearSettings(); }
    static void ClearSettings() {
        QSettings(QStringLiteral("Quenra"), QStringLiteral("Quenra"))
            .remove(QStringLiteral("AvailableFlow"));
    }

    void OpenFixtureOnTab(int tab) {
        const QString path = Path(QStringLiteral("AvailableFlowHydrant.qrx"));
        QFile::copy(QStringLiteral(QUENRA_TEST_DATA_DIR "/AvailableFlowHydrant.qrx"), path);
        Start(path);
        Tabs()->setCurrentIndex(tab);
    }
    QString Shown() { return Find<QLabel>("AvailableFlow")->text(); }
};

TEST_F(AvailableFlowWindowTest, SetupOptionGoesToTheUsersSettingsNotToTheProject) {
    Start();
    const QByteArray file = SerializeProject(Project());
    Tabs()->setCurrentIndex(kPumpSetupTab);
    auto* show = Find<QCheckBox>("ShowAvailableFlow");
    EXPECT_EQ(show->text(), QStringLiteral("Show available flow (NFPA 291)"));
    EXPECT_FALSE(show->isChecked());
    EXPECT_EQ(Find<QLineEdit>("RatingPressure")->text(), QStringLiteral("20"));
    EXPECT_FALSE(ReadAvailableFlowOption().Show);

    QTest::mouseClick(show, Qt::LeftButton);
    Type("RatingPressure", QStringLiteral("30"));
    const AvailableFlowOption option = ReadAvailableFlowOption();
    EXPECT_TRUE(option.Show);
    EXPECT_EQ(option.RatingPressurePsi, 30.0);
    EXPECT_EQ(SerializeProject(Project()), file);

    // Nothing readable as a pressure keeps the rating at 20 psi.
    Type("RatingPressure", QStringLiteral("none"));
    EXPECT_EQ(ReadAvailableFlowOption().RatingPressurePsi, 20.0);
    QTest::mouseClick(show, Qt::LeftButton);
    EXPECT_FALSE(ReadAvailableFlowOption().Show);
}

TEST_F(AvailableFlowWindowTest, HydrantPageShowsValueAndClassAsYouType) {
    StoreShowAvailableFlow(true);
    Start();
    Trigger("NewSupplyReport1");
    Type("StPrs", QStringLiteral("72"));
    Type("RsPrs", QStringLiteral("55"));
    Type("RdFlow", QStringLiteral("1836"));
    EXPECT_TRUE(Visible("AvailableFlow"));
    EXPECT_EQ(Shown(), QStringLiteral("Available: 3 358 gpm @ 20 psi (Class AA)\n"
                                      "pressure drop under 25 %: estimate"));
    Type("RsPrs", QStringLiteral("50"));
    EXPECT_EQ(Shown(), QStringLiteral("Available: 2 921 gpm @ 20 psi (Class AA)"));
    Type("RdFlow", QString());
    EXPECT_EQ(Shown(), QStringLiteral("Available: not computable\nno residual flow"));

    // The same numbers in bar: 100 * ((72 - 1.379) / 22)^0.5399568 l/s.
    Type("RdFlow", QStringLiteral("100"));
    Find<QComboBox>("Units1")->setCurrentIndex(4); // "Metric: l/s - bar"
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("Available: 187.7 l/s @ 1.379 bar (Class AA)")))
        << Shown().toStdString();
}

TEST_F(AvailableFlowWindowTest, HydrantPageShowsNothingWhileOff) {
    Start();
    Trigger("NewSupplyReport1");
    Type("StPrs", QStringLiteral("72"));
    EXPECT_FALSE(Visible("AvailableFlow"));
}

TEST_F(AvailableFlowWindowTest, GraphLegendFollowsTheSetting) {
    OpenFixtureOnTab(kHydrantGraphTab);
    ASSERT_EQ(window_->CurrentPage(), MainPage::Graph);
    GraphPaintBox* box = window_->GraphBox();
    const QRgb aa = ToQColor(NfpaClassColour(NfpaClass::AA)).rgb();
    const auto classPixels = [&] {
        box->grab();
        const QImage& page = box->LastPage();
        int count = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = page.width() / 2; x < page.width(); ++x)
                count += page.pixel(x, y) == aa;
        return count;
    };
    EXPECT_EQ(classPixels(), 0);
    StoreShowAvailableFlow(true);
    EXPECT_GT(classPixels(), 0);
}

TEST_F(AvailableFlowWindowTest, ReportIsComposedAgainWhenTheSettingChanges) {
    OpenFixtureOnTab(kHydrantReportTab);
    ASSERT_EQ(window_->CurrentPage(), MainPage::Report);
    ReportView* report = window_->Report();
    report->PaintBox()->grab();
    const int runs = report->ComposedRuns();
    report->PaintBox()->grab();
    EXPECT_EQ(report->ComposedRuns(), runs);
    StoreShowAvailableFlow(true);
    report->PaintBox()->grab();
    EXPECT_EQ(report->ComposedRuns(), runs + 1);
    StoreRatingPressureText(QStringLiteral("25"));
    report->PaintBox()->grab();
    EXPECT_EQ(report->ComposedRuns(), runs + 2);
}

} // namespace
} // namespace quenra
