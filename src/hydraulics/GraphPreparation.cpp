#include "GraphPreparation.h"

#include "AvailableFlowLegend.h"
#include "CurveRebuild.h"

namespace quenra {

PreparedGraph PrepareGraph(const ProjectData& project, const CheckResult& check,
                           const GraphRequest& request) {
    PreparedGraph graph;
    graph.Orders = MakeDisplayOrders(project, request.Now, request.Locale);
    graph.Evaluated = ChooseEvaluatedTests(project, graph.Orders, request.RequestedTest,
                                           request.Now, request.Locale);
    graph.Check = check;
    graph.Curves = RebuildCurves(project, graph.Evaluated, graph.Check.FlaggedPumpTests);
    graph.Legend = BuildLegendContent(project, graph.Curves, graph.Orders, graph.Evaluated,
                                      request.UseTestDate);
    if (request.AvailableFlow.Show)
        AddAvailableFlowLines(graph.Legend, project, request.AvailableFlow.RatingPressurePsi);
    return graph;
}

} // namespace quenra
