#include "LegendContent.h"

#include "LegendTexts.h"
#include "NumberText.h"
#include "RatedPumpCurve.h"
#include "UnitSystem.h"

namespace quenra {

namespace txt = legend_texts;

namespace {

// Computed pressures in the legend carry one decimal.
constexpr int kLegendDecimals = 1;

QString Pressure(double value) {
    return FormatRounded(kLegendDecimals, value);
}

LegendLine Line(const QString& text) {
    return {text, -1, std::nullopt};
}

// "Safety Cushion: +12.3 psi"; a negative cushion is drawn as a warning.
LegendLine CushionLine(const DemandPointVerdict& verdict) {
    return {verdict.Text(), verdict.WarningFrom(), std::nullopt};
}

class LegendBuilder {
public:
    LegendBuilder(const ProjectData& project, const CurveSet& curves,
                  const EvaluatedTests& evaluated, bool useTestDate)
        : project_(project), curves_(curves), evaluated_(evaluated), useTestDate_(useTestDate),
          words_(UnitWordsFor(project.UnitSystem)) {}

    void AddHydrantTests(const QList<int>& order);
    void AddPumpRating();
    void AddNfpaReferences();
    void AddPumpTests();
    void AddDemandPoints();

    LegendContent Take() { return std::move(content_); }

private:
    QString PressureUnit(const QString& number) const {
        return number + QLatin1Char(' ') + words_.PressureWord;
    }
    QString FlowUnit(const QString& number) const {
        return number + QLatin1Char(' ') + words_.FlowWord;
    }
    void Add(LegendEntryKind kind, int number, QList<LegendLine> lines, Colour colour,
             PointSymbol symbol) {
        content_.Entries.append({kind, number, std::move(lines), colour, symbol});
    }
    QList<LegendLine> DemandResultLines(int k);

    const ProjectData& project_;
    const CurveSet& curves_;
    const EvaluatedTests& evaluated_;
    bool useTestDate_;
    UnitWords words_;
    LegendContent content_;
};

void LegendBuilder::AddHydrantTests(const QList<int>& order) {
    for (int n : order) {
        const QString& staticText = project_.SupplyStaticPressure[n];
        const QString& residualText = project_.SupplyResidualPressure[n];
        const QString& flowText = project_.SupplyResidualFlow[n];
        const bool good = ParseNumber(staticText) > 0.0 && ParseNumber(flowText) > 0.0 &&
                          ParseNumber(residualText) > 0.0;
        QList<LegendLine> lines{
            Line(txt::kHydrantFlowTest + QString::number(n) + (good ? QString() : txt::kBadData))};
        // A hydrant test is known by its date; without one the values move up.
        const QString name = TrimBlanks(project_.SupplyTestDate[n]);
        if (!name.isEmpty())
            lines << Line(name);
        lines << Line(txt::kStatic + PressureUnit(staticText))
              << Line(txt::kResidual + PressureUnit(residualText) + txt::kAt + FlowUnit(flowText));
        Add(LegendEntryKind::HydrantTest, n, lines, project_.SupplyTestColor[n],
            PointSymbolFromIndex(project_.SupplySymbol));
    }
}

void LegendBuilder::AddPumpRating() {
    const double churn = ParseNumber(project_.ChurnPressure);
    const double rated = ParseNumber(project_.RatedPressure);
    const double at150 = ParseNumber(project_.PressureAt150);
    const bool good = churn > rated && rated > at150;
    const double flowAt150 = RatedPumpCurve::kOverloadFactor * ParseNumber(project_.RatedFlow);
    QList<LegendLine> lines{
        Line(txt::kPumpRating + (good ? QString() : txt::kBadData)),
        Line(txt::kChurn + PressureUnit(project_.ChurnPressure) + txt::kRpm + project_.RatedSpeed),
        Line(txt::kRating100 + PressureUnit(project_.RatedPressure) + txt::kAt +
             FlowUnit(project_.RatedFlow)),
        Line(txt::kRating150 + PressureUnit(project_.PressureAt150) + txt::kAt +
             FlowUnit(FormatRounded(0, flowAt150)))};
    Add(LegendEntryKind::PumpRating, 0, lines, project_.PumpRatingCurveColor,
        PointSymbolFromIndex(project_.RatedPumpSymbol));
}

void LegendBuilder::AddNfpaReferences() {
    if (project_.ShowNfpa20Curve)
        Add(LegendEntryKind::Nfpa20, 0, {Line(txt::kNfpa20Curve)}, project_.Nfpa20CurveColor,
            PointSymbolFromIndex(project_.NfpaSymbol));
    if (project_.ShowNfpa25Curve)
        Add(LegendEntryKind::Nfpa25, 0, {Line(txt::kNfpa25Curve)}, project_.Nfpa25CurveColor,
            PointSymbolFromIndex(project_.NfpaSymbol));
}

void LegendBuilder::AddPumpTests() {
    for (int t = 1; t <= kTestCount; ++t) {
        const QString date = TrimBlanks(project_.PumpTestDate[t]);
        const QString title =
            (useTestDate_ && !date.isEmpty() ? date : txt::kPumpTest + QString::number(t)) +
            (curves_.BadData[t] ? txt::kBadData : QString());
        if (project_.PumpTestInGraph[t])
            Add(LegendEntryKind::PumpTestNet, t, {Line(title), Line(txt::kNetCurve)},
                project_.PumpTestColor[t], PointSymbolFromIndex(project_.PumpTestSymbol));
        if (project_.PumpTestCombined[t])
            Add(LegendEntryKind::PumpTestDischarge, t, {Line(title), Line(txt::kDischargeCurve)},
                project_.PumpTestCombinedColor[t], PointSymbolFromIndex(project_.SupplySymbol));
    }
}

// The lines below "Demand:" and the verdict they give, by what the evaluated test knows.
QList<LegendLine> LegendBuilder::DemandResultLines(int k) {
    const DemandResults& demand = curves_.Demand;
    DemandPointVerdict& verdict = content_.DemandVerdict[k];
    verdict = DemandPointVerdict();
    if (project_.IsHydrantTest) {
        if (evaluated_.SupplyTest == 0)
            return {};
        const double supply = demand.SupplyAtDemand[k];
        verdict = DemandPointVerdict::Cushioned(
            supply - ParseNumber(project_.HydrantDemandPressure[k]), words_.PressureWord);
        return {Line(txt::kSupplyWithColon + PressureUnit(Pressure(supply))), CushionLine(verdict)};
    }
    if (evaluated_.PumpTest == 0)
        return {};
    if (!(demand.PumpAtDemand[k] > kOutOfPumpRangeLimit)) {
        verdict = DemandPointVerdict::OutOfPumpRange();
        return {Line(txt::kSupplyOutOfRange + Pressure(demand.SupplyAtDemand[k])),
                Line(txt::kOutOfPumpRange)};
    }
    const double pump = demand.PumpAtDemand[k];
    const double boosted = demand.BoostedAtDemand[k];
    verdict = DemandPointVerdict::Cushioned(demand.CushionAtDemand[k], words_.PressureWord);
    const LegendLine cushion = CushionLine(verdict);
    return {Line(txt::kSupplyWithColon + PressureUnit(Pressure(boosted - pump)) + txt::kPump +
                 PressureUnit(Pressure(pump))),
            Line(txt::kBoosted + PressureUnit(Pressure(boosted))), cushion};
}

void LegendBuilder::AddDemandPoints() {
    const bool hydrant = project_.IsHydrantTest;
    for (int k = 1; k <= kTestCount; ++k) {
        if (!(hydrant ? project_.HydrantDemandShow[k] : project_.DemandShow[k]))
            continue;
        const QString& name =
            hydrant ? project_.HydrantDemandPurpose[k] : project_.DemandPurpose[k];
        const QString& pressure =
            hydrant ? project_.HydrantDemandPressure[k] : project_.DemandPressure[k];
        const QString& flow = hydrant ? project_.HydrantDemandFlow[k] : project_.DemandFlow[k];
        QList<LegendLine> lines{
            Line(name), Line(txt::kDemand + PressureUnit(pressure) + txt::kAt + FlowUnit(flow))};
        lines << DemandResultLines(k);
        Add(LegendEntryKind::DemandPoint, k, lines,
            hydrant ? project_.HydrantDemandColor[k] : project_.DemandColor[k],
            PointSymbolFromIndex(project_.DemandSymbol));
    }
}

} // namespace

LegendContent BuildLegendContent(const ProjectData& project, const CurveSet& curves,
                                 const DisplayOrders& orders, const EvaluatedTests& evaluated,
                                 bool useTestDate) {
    LegendBuilder builder(project, curves, evaluated, useTestDate);
    if (project.IsHydrantTest) {
        builder.AddHydrantTests(orders.Hydrant);
    } else {
        if (project.ShowPumpRatingCurve)
            builder.AddPumpRating();
        builder.AddNfpaReferences();
        builder.AddPumpTests();
    }
    builder.AddDemandPoints();
    return builder.Take();
}

QString DemandPointVerdict::Text() const {
    switch (Result) {
    case Kind::SafetyCushion: {
        const QString sign = Cushion > 0.0 ? QStringLiteral("+") : QString();
        return txt::kSafetyCushion + sign + Pressure(Cushion) + QLatin1Char(' ') + PressureWord;
    }
    case Kind::OutOfRange:
        return txt::kOutOfRangeVerdict;
    case Kind::None:
        break;
    }
    return QString();
}

qsizetype DemandPointVerdict::WarningFrom() const {
    return Result == Kind::SafetyCushion && Cushion < 0.0 ? txt::kSafetyCushion.size() : -1;
}

DemandPointVerdict DemandPointVerdict::Cushioned(double cushion, const QString& pressureWord) {
    return {Kind::SafetyCushion, cushion, pressureWord};
}

DemandPointVerdict DemandPointVerdict::OutOfPumpRange() {
    return {Kind::OutOfRange, 0.0, QString()};
}

} // namespace quenra
