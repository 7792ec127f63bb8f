#include "DisplayOrder.h"

#include "DateText.h"
#include "model/ProjectData.h"

#include <algorithm>

namespace quenra {

namespace {

// The tests whose flag is set, newest first; a stable sort keeps equal dates in number order.
QList<int> NewestFirst(const PerTest<bool>& shown, const PerTest<QString>& dates,
                       const QDateTime& now, const QLocale& locale) {
    QList<int> tests;
    QList<QDateTime> moments(kTestCount + 1);
    for (int t = 1; t <= kTestCount; ++t) {
        moments[t] = TestMoment(dates[t], now, locale);
        if (shown[t])
            tests.append(t);
    }
    std::stable_sort(tests.begin(), tests.end(),
                     [&](int a, int b) { return moments[a] > moments[b]; });
    return tests;
}

} // namespace

QDateTime TestMoment(const QString& dateText, const QDateTime& now, const QLocale& locale) {
    const std::optional<QDate> date = ReadDate(dateText, locale);
    return date ? date->startOfDay() : now;
}

DisplayOrders MakeDisplayOrders(const ProjectData& project, const QDateTime& now,
                                const QLocale& locale) {
    return {NewestFirst(project.SupplyShowCurve, project.SupplyTestDate, now, locale),
            NewestFirst(project.PumpTestInGraph, project.PumpTestDate, now, locale)};
}

EvaluatedTests ChooseEvaluatedTests(const ProjectData& project, const DisplayOrders& orders,
                                    int requestedTest, const QDateTime& now,
                                    const QLocale& locale) {
    if (requestedTest >= 1 && requestedTest <= kTestCount) {
        return project.IsHydrantTest ? EvaluatedTests{requestedTest, 0}
                                     : EvaluatedTests{0, requestedTest};
    }
    EvaluatedTests chosen;
    chosen.SupplyTest = orders.Hydrant.isEmpty() ? 1 : orders.Hydrant.first();
    const QList<int> discharge =
        NewestFirst(project.PumpTestCombined, project.PumpTestDate, now, locale);
    chosen.PumpTest = discharge.isEmpty() ? 0 : discharge.first();
    return chosen;
}

} // namespace quenra
