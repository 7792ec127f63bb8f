#pragma once

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>

namespace quenra {

struct ProjectData;

// When a test was made, for ordering: its date at the start of the day, or `now` when the
// date text cannot be read (so an undated test counts as the newest).
QDateTime TestMoment(const QString& dateText, const QDateTime& now,
                     const QLocale& locale = QLocale());

// The tests shown on the graph, newest test date first; tests of the same date keep their
// number order.
struct DisplayOrders {
    QList<int> Hydrant; // hydrant tests whose supply curve is displayed
    QList<int> Pump;    // pump tests whose net curve is displayed
};

DisplayOrders MakeDisplayOrders(const ProjectData& project, const QDateTime& now,
                                const QLocale& locale = QLocale());

// The tests the demand points are judged by; 0 for none.
struct EvaluatedTests {
    int SupplyTest = 0;
    int PumpTest = 0;

    friend bool operator==(const EvaluatedTests&, const EvaluatedTests&) = default;
};

// The supply test is the first of the hydrant display order, or test 1 when none is shown;
// the pump test is the one with its discharge curve displayed and the latest date (the lowest
// number among equal dates), or none. A requested test 1..5 replaces the one of the project's
// kind (supply test in a hydrant project, pump test in a fire pump project) and leaves the
// other one none; any other request lets the rules choose.
EvaluatedTests ChooseEvaluatedTests(const ProjectData& project, const DisplayOrders& orders,
                                    int requestedTest, const QDateTime& now,
                                    const QLocale& locale = QLocale());

} // namespace quenra
