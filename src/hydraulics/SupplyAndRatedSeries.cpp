// The supply, rated pump, combined and demand point series of the curve rebuild.
#include "CurveBuild.h"
#include "NumberText.h"
#include "RatedPumpCurve.h"
#include "SeriesNumbers.h"
#include "SupplyCurve.h"

namespace quenra {

namespace {

constexpr int kDemandPointLineWidth = -5;

SupplyCurve SupplyCurveOf(const ProjectData& project, int hydrantTest) {
    return SupplyCurve(ParseNumber(project.SupplyStaticPressure[hydrantTest]),
                       ParseNumber(project.SupplyResidualPressure[hydrantTest]),
                       ParseNumber(project.SupplyResidualFlow[hydrantTest]));
}

} // namespace

void BuildSupplyCurves(CurveBuild& build) {
    const ProjectData& project = build.Project;
    for (int h = 1; h <= kTestCount; ++h) {
        const SupplyCurve supply = SupplyCurveOf(project, h);
        const bool shown = project.IsHydrantTest && project.SupplyShowCurve[h];
        const int count = build.FillCurve(series::SupplyCurve(h), supply.Points());
        build.Styled(series::SupplyCurve(h), project.SupplyTestColor[h], PointSymbol::None, true)
            .PointCount = shown ? count : 0;

        const int points = series::SupplyPoints(h);
        build.Set.Curves.SetPoint(points, 0, 0.0, supply.StaticPressure());
        build.Set.Curves.SetPoint(points, 1, ParseNumber(project.SupplyResidualFlow[h]),
                                  ParseNumber(project.SupplyResidualPressure[h]));
        build
            .Styled(points, project.SupplyTestColor[h], PointSymbolFromIndex(project.SupplySymbol),
                    false)
            .PointCount = shown ? 2 : 0;

        if (h == build.Evaluated.SupplyTest) {
            for (int k = 1; k <= kTestCount; ++k)
                build.Set.Demand.SupplyAtDemand[k] =
                    ToStoredValue(supply.PressureAt(build.DemandFlow[k]));
        }
    }
}

void BuildRatedPumpCurves(CurveBuild& build) {
    const ProjectData& project = build.Project;
    const bool pumpProject = !project.IsHydrantTest;
    const double ratedFlow = ParseNumber(project.RatedFlow);
    const double churn = ParseNumber(project.ChurnPressure);
    const double rated = ParseNumber(project.RatedPressure);
    const double at150 = ParseNumber(project.PressureAt150);

    // Churn and 150 % first: with the NFPA 20 reference shown the rated point is left to it.
    CurveTable& table = build.Set.Curves;
    table.SetPoint(series::RatedPumpPoints, 0, 0.0, churn);
    table.SetPoint(series::RatedPumpPoints, 1, RatedPumpCurve::kOverloadFactor * ratedFlow, at150);
    table.SetPoint(series::RatedPumpPoints, 2, ratedFlow, rated);
    CurveSeries& points = build.Styled(series::RatedPumpPoints, project.PumpRatingCurveColor,
                                       PointSymbolFromIndex(project.RatedPumpSymbol), false);
    if (pumpProject && project.ShowPumpRatingCurve)
        points.PointCount = project.ShowNfpa20Curve ? 2 : 3;

    CurveSeries& ratedCurve =
        build.Styled(series::RatedPumpCurve, project.PumpRatingCurveColor, PointSymbol::None, true);
    CurveSeries& combined =
        build.Styled(series::CombinedCurve, project.CombinedCurveColor, PointSymbol::None, true);
    const std::optional<RatedPumpCurve> pump =
        RatedPumpCurve::Through(ratedFlow, churn, rated, at150);
    if (!pump)
        return;
    const int ratedCount = build.FillCurve(series::RatedPumpCurve, pump->Points());
    // The combined curve boosts the supply of hydrant test 1, whichever test is evaluated.
    const SupplyCurve supply = SupplyCurveOf(project, 1);
    const int combinedCount = build.FillCurve(
        series::CombinedCurve,
        pump->BoostedPoints([&supply](double flow) { return supply.PressureAt(flow); }));
    if (pumpProject && project.ShowPumpRatingCurve)
        ratedCurve.PointCount = ratedCount;
    if (pumpProject && project.ShowCombinedCurve)
        combined.PointCount = combinedCount;
}

void BuildDemandPoints(CurveBuild& build) {
    const ProjectData& project = build.Project;
    const bool hydrant = project.IsHydrantTest;
    for (int k = 1; k <= kTestCount; ++k) {
        const int index = series::DemandPoint(k);
        build.Set.Curves.SetPoint(index, 0, build.DemandFlow[k], build.DemandPressure[k]);
        CurveSeries& point =
            build.Styled(index, hydrant ? project.HydrantDemandColor[k] : project.DemandColor[k],
                         PointSymbolFromIndex(project.DemandSymbol), false);
        point.LineWidth = kDemandPointLineWidth;
        const bool enabled = hydrant ? project.HydrantDemandShow[k] : project.DemandShow[k];
        point.PointCount = enabled ? 1 : 0;
    }
}

} // namespace quenra
