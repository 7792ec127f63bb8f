#include "SummaryCommand.h"

#include "BatchOpening.h"
#include "SummaryTexts.h"

#include "hydraulics/AvailableFlow.h"
#include "hydraulics/DataCheck.h"
#include "hydraulics/NumberText.h"
#include "hydraulics/UnitSystem.h"
#include "model/ProjectData.h"

namespace quenra {

namespace {

namespace txt = summary_texts;

const QChar kTab = QLatin1Char('\t');

// Tabs and line breaks typed into a date would split the line.
QString Cell(const QString& text) {
    QString cell = TrimBlanks(text);
    cell.replace(kTab, QLatin1Char(' '));
    cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
    cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return cell;
}

bool HoldsData(const ProjectData& p, int t) {
    for (const QString* text : {&p.SupplyTestDate[t], &p.SupplyStaticPressure[t],
                                &p.SupplyResidualPressure[t], &p.SupplyResidualFlow[t]})
        if (!TrimBlanks(*text).isEmpty())
            return true;
    return false;
}

QString Header(const ProjectData& p) {
    const UnitWords words = UnitWordsFor(p.UnitSystem);
    const double rating = PsiInPressureUnit(kDefaultRatingPressurePsi, p.UnitSystem);
    return QStringList{txt::kTest,
                       txt::kDate,
                       txt::kStatic + words.PressureLabel,
                       txt::kResidual + words.PressureLabel,
                       txt::kFlow + words.FlowLabel,
                       txt::kAvailableAt + RatingPressureNumber(rating, p.UnitSystem) +
                           QLatin1Char(' ') + words.PressureWord + QLatin1Char(' ') +
                           words.FlowLabel,
                       txt::kClass,
                       txt::kNote}
        .join(kTab);
}

QString TestLine(const ProjectData& p, int t) {
    const AvailableFlow available = AvailableFlowOf(p, t);
    QString flow;
    QString nfpaClass;
    if (available.Computable) {
        // The figure the legend shows, without its thousands blank.
        flow = AvailableFlowNumber(available.Flow, p.UnitSystem).remove(QLatin1Char(' '));
        nfpaClass = NfpaClassName(available.Class);
    }
    return QStringList{QString::number(t),
                       Cell(p.SupplyTestDate[t]),
                       FormatGeneral(ParseNumber(p.SupplyStaticPressure[t])),
                       FormatGeneral(ParseNumber(p.SupplyResidualPressure[t])),
                       FormatGeneral(ParseNumber(p.SupplyResidualFlow[t])),
                       flow,
                       nfpaClass,
                       AvailableFlowNote(available)}
        .join(kTab);
}

} // namespace

QStringList SupplySummaryLines(ProjectData& project) {
    // The tests the inspector filled in, before the check writes 10 into blank flows.
    PerTest<bool> listed{};
    for (int t = 1; t <= kTestCount; ++t)
        listed[t] = HoldsData(project, t);
    // The numbers as the graph reads them: the silent check raises a shown test's residual
    // flow of 10 or less to 10 before its curve is drawn.
    CheckData(project);
    QStringList lines{Header(project)};
    for (int t = 1; t <= kTestCount; ++t)
        if (listed[t])
            lines << TestLine(project, t);
    return lines;
}

int PrintSupplySummary(const QString& path, Prompter& prompter, std::FILE* out) {
    ProjectData project;
    if (!OpenForBatch(project, path, prompter))
        return 1;
    for (const QString& line : SupplySummaryLines(project))
        std::fprintf(out, "%s\n", line.toUtf8().constData());
    std::fflush(out);
    return 0;
}

} // namespace quenra
