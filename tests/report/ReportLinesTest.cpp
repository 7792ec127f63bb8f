#include "ReportProjects.h"

#include "graph/ArialFont.h"
#include "report/ReportColours.h"
#include "report/ReportFontSizes.h"
#include "report/ReportPage.h"
#include "report/ReportPainter.h"
#include "report/ReportSections.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quenra {
namespace {

const QSize kPage(1900, 700);

// The section drawn from the page's top left corner onto a white page.
template <class DrawSection> QImage DrawOnPage(const ProjectData& project, DrawSection draw) {
    QImage page(kPage, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    const ReportStyle style{ReportColoursOf(project),
                            MakeReportFontSizes(kReportScale, project.LargerFont), false};
    ReportPainter pen(&painter, style, kReportScale, 0, 0);
    draw(pen);
    return page;
}

// A demand point with a purpose of some length, its verdict, in either report font size.
struct DemandCase {
    bool LargerFont;
    const char* Purpose;
    DemandPointVerdict Verdict;
};

DemandPointVerdict Cushion(double psi) {
    return DemandPointVerdict::Cushioned(psi, QStringLiteral("psi"));
}

void PrintTo(const DemandCase& c, std::ostream* os) {
    *os << (c.LargerFont ? "large font, " : "normal font, ") << c.Purpose;
}

class DemandLineOnTheReport : public testing::TestWithParam<DemandCase> {
protected:
    DemandLineOnTheReport() {
        project.LargerFont = GetParam().LargerFont;
        project.DemandShow[2] = true;
        project.DemandPressure[2] = QStringLiteral("85");
        project.DemandFlow[2] = QStringLiteral("750");
        project.DemandPurpose[2] = QString::fromUtf8(GetParam().Purpose);
        project.CombinedMeetsDemand[1] = 0;
        verdicts[2] = GetParam().Verdict;
    }

    // The line as the inspector should read it: whole when it fits its box, else with the
    // purpose cut one character at a time until the line with "…" after the purpose fits.
    QString ExpectedLine(const ReportLayout& R) const {
        const QFontMetrics metrics(ArialFont(PointsToCharacterHeight(
            MakeReportFontSizes(kReportScale, project.LargerFont).LabelValue)));
        const int limit =
            static_cast<int>(std::nearbyint(R[ControlId::Edit11].Width * kReportScale));
        const QString whole = R[ControlId::Edit11].Text;
        if (metrics.horizontalAdvance(whole) < limit)
            return whole;
        const QString purpose = project.DemandPurpose[2];
        const qsizetype at = whole.indexOf(QStringLiteral(" is for ") + purpose) + 8;
        const QString lead = whole.left(at);
        const QString result = whole.mid(at + purpose.size());
        for (qsizetype kept = purpose.size() - 1; kept >= 0; --kept) {
            QString shortened = purpose.left(kept);
            while (shortened.endsWith(QLatin1Char(' ')))
                shortened.chop(1);
            const QString line = lead + shortened + QString(QChar(0x2026)) + result;
            if (metrics.horizontalAdvance(line) < limit)
                return line;
        }
        return lead + QString(QChar(0x2026)) + result;
    }

    ProjectData project = test::ElectricPumpProject();
    PerTest<DemandPointVerdict> verdicts{};
};

TEST_P(DemandLineOnTheReport, ShowsItsVerdictWhole) {
    const ReportLayout R = test::FilledLayout(project, 1, 1, verdicts);
    ASSERT_EQ(R.DemandLineCount, 1);
    const QString expected = ExpectedLine(R);
    EXPECT_TRUE(expected.endsWith(verdicts[2].Text()));

    // The page drawn from the filled layout looks as if its box held the expected line.
    ReportLayout reference = R;
    reference[ControlId::Edit11].Text = expected;
    const QImage drawn =
        DrawOnPage(project, [&](ReportPainter& pen) { DrawCombinedCurvesSection(pen, R); });
    const QImage wanted =
        DrawOnPage(project, [&](ReportPainter& pen) { DrawCombinedCurvesSection(pen, reference); });
    EXPECT_TRUE(drawn == wanted) << "expected the line \"" << expected.toStdString() << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Purposes, DemandLineOnTheReport,
    testing::Values(
        DemandCase{false, "Sprinklers", Cushion(7.5)},
        DemandCase{false,
                   "Automatic sprinkler system of the finished goods warehouse, high piled rack "
                   "storage of rolled paper, east bays",
                   Cushion(-12.5)},
        DemandCase{true, "Automatic sprinkler system of the finished goods warehouse",
                   Cushion(-12.5)},
        DemandCase{true, "Sprinklers", Cushion(7.5)},
        DemandCase{true,
                   "Hosestreams_for_the_yard_hydrants_and_the_standpipes_of_building_four_and_five",
                   DemandPointVerdict::OutOfPumpRange()},
        DemandCase{false,
                   "Entrepôt de stockage – système d’extinction automatique à eau "
                   "pour les rayonnages hauts",
                   Cushion(0.4)}));

// The churn row of the readings table: its note stands centred over the merged pitot cells,
// whole, in either report font size.
class ChurnNote : public testing::TestWithParam<bool> {};

TEST_P(ChurnNote, IsCentredOverItsCellsWhole) {
    ProjectData project = test::ElectricPumpProject();
    project.LargerFont = GetParam();
    const ReportLayout R = test::FilledLayout(project, 1);
    const QImage page =
        DrawOnPage(project, [&](ReportPainter& pen) { DrawTestDataSection(pen, R); });

    const ReportGrid& grid = R.SG1;
    const int shownColumns = 20; // with the volts and amps
    const double column = grid.Width * kReportScale / shownColumns;
    const double row = grid.Height * kReportScale / grid.RowCount;
    const double left = grid.Left * kReportScale;
    const double top = grid.Top * kReportScale;
    // The note stands in the third row over the six pitot cells; its own cell is the third.
    const int firstPitot = 13; // shown columns from 0
    const int fromX = static_cast<int>(left + firstPitot * column) + 4;
    const int toX = static_cast<int>(left + (firstPitot + 6) * column) - 4;
    const int fromY = static_cast<int>(top + 2 * row) + 4;
    const int toY = static_cast<int>(top + 3 * row) - 4;
    int inkLeft = toX, inkRight = fromX;
    for (int y = fromY; y <= toY; ++y) {
        for (int x = fromX; x <= toX; ++x) {
            if (page.pixel(x, y) != qRgb(255, 255, 255)) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
        }
    }
    ASSERT_LT(inkLeft, inkRight);

    const QFontMetrics metrics(ArialFont(
        PointsToCharacterHeight(MakeReportFontSizes(kReportScale, project.LargerFont).GridValue)));
    const int width = metrics.horizontalAdvance(QStringLiteral("This is the CHURN test"));
    EXPECT_GE(inkRight - inkLeft + 1, width - 6);
    const double centre = left + (firstPitot + 3) * column;
    EXPECT_NEAR((inkLeft + inkRight) / 2.0, centre, 4);
}

INSTANTIATE_TEST_SUITE_P(NormalAndLargeFont, ChurnNote, testing::Bool());

} // namespace
} // namespace quenra
