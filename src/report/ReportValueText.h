#pragma once

#include "model/ProjectData.h"

#include <QString>
#include <QStringList>

namespace quenra {

// Small readings of the record that several report sections share.

// A per-test value of test 1..5; any other number has no test and reads as the default.
template <class T> T TestValue(const PerTest<T>& values, int test) {
    return test >= 1 && test <= kTestCount ? values[static_cast<std::size_t>(test)] : T{};
}

// The value rounded to `decimals`, or "N/A" when it is 0.
QString RoundedOrNotAvailable(int decimals, double value);

// "25" for an annual test (the kind contains "annual" in any case), else "20".
QString NfpaStandard(const ProjectData& project, int test);

} // namespace quenra
