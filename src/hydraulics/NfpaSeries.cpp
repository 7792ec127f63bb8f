// The NFPA 20 and NFPA 25 reference series of the curve rebuild.
#include "CurveBuild.h"
#include "NumberText.h"
#include "RatedPumpCurve.h"
#include "SeriesNumbers.h"

namespace quenra {

namespace {

// NFPA 20: churn between 120 % and 140 % of rated pressure, at least 65 % of rated pressure
// at 150 % of rated flow.
constexpr double kNfpa20LowestChurn = 1.2;
constexpr double kNfpa20HighestChurn = 1.4;
constexpr double kNfpa20LeastAt150 = 0.65;
// NFPA 25: the pump must keep 95 % of its rated curve.
constexpr double kNfpa25Share = 0.95;

void BuildNfpa20(CurveBuild& build, double ratedFlow, double rated) {
    const ProjectData& project = build.Project;
    CurveTable& table = build.Set.Curves;
    const double lowestChurn = kNfpa20LowestChurn * rated;
    const double highestChurn = kNfpa20HighestChurn * rated;

    table.SetPoint(series::Nfpa20Bar, 0, 0.0, lowestChurn);
    table.SetPoint(series::Nfpa20Bar, 1, 0.0, highestChurn);
    CurveSeries& bar =
        build.Styled(series::Nfpa20Bar, project.Nfpa20CurveColor, PointSymbol::None, true);
    bar.LineWidth = -build.LineWidth;
    bar.PointCount = 2;

    table.SetPoint(series::Nfpa20Points, 0, 0.0, lowestChurn);
    table.SetPoint(series::Nfpa20Points, 1, 0.0, highestChurn);
    table.SetPoint(series::Nfpa20Points, 2, ratedFlow, rated);
    table.SetPoint(series::Nfpa20Points, 3, RatedPumpCurve::kOverloadFactor * ratedFlow,
                   kNfpa20LeastAt150 * rated);
    build
        .Styled(series::Nfpa20Points, project.Nfpa20CurveColor,
                PointSymbolFromIndex(project.NfpaSymbol), false)
        .PointCount = 4;
}

void BuildNfpa25(CurveBuild& build, double ratedFlow, double churn, double rated, double at150) {
    const ProjectData& project = build.Project;
    CurveTable& table = build.Set.Curves;
    const double reducedChurn = kNfpa25Share * churn;
    const double reducedRated = kNfpa25Share * rated;
    const double reducedAt150 = kNfpa25Share * at150;

    table.SetPoint(series::Nfpa25Points, 0, 0.0, reducedChurn);
    table.SetPoint(series::Nfpa25Points, 1, ratedFlow, reducedRated);
    table.SetPoint(series::Nfpa25Points, 2, RatedPumpCurve::kOverloadFactor * ratedFlow,
                   reducedAt150);
    build
        .Styled(series::Nfpa25Points, project.Nfpa25CurveColor,
                PointSymbolFromIndex(project.NfpaSymbol), false)
        .PointCount = 3;

    CurveSeries& curve =
        build.Styled(series::Nfpa25Curve, project.Nfpa25CurveColor, PointSymbol::None, true);
    const std::optional<RatedPumpCurve> reduced =
        RatedPumpCurve::Through(ratedFlow, reducedChurn, reducedRated, reducedAt150);
    if (reduced)
        curve.PointCount = build.FillCurve(series::Nfpa25Curve, reduced->Points());
}

} // namespace

void BuildNfpaReferences(CurveBuild& build) {
    const ProjectData& project = build.Project;
    if (project.IsHydrantTest)
        return;
    const double ratedFlow = ParseNumber(project.RatedFlow);
    const double rated = ParseNumber(project.RatedPressure);
    if (project.ShowNfpa20Curve)
        BuildNfpa20(build, ratedFlow, rated);
    if (project.ShowNfpa25Curve)
        BuildNfpa25(build, ratedFlow, ParseNumber(project.ChurnPressure), rated,
                    ParseNumber(project.PressureAt150));
}

} // namespace quenra
