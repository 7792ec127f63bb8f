#pragma once

#include "files/ProjectFileWriter.h"
#include "files/Windows1252.h"
#include "model/ProjectData.h"

#include <string>

namespace quenra::test {

// The first line at which the saved files of two projects differ, for readable failures.
inline std::string FirstDifference(const ProjectData& a, const ProjectData& b) {
    const QStringList left = SplitFileLines(DecodeWindows1252(SerializeProject(a)));
    const QStringList right = SplitFileLines(DecodeWindows1252(SerializeProject(b)));
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        if (left.value(i) != right.value(i)) {
            return "line " + std::to_string(i + 1) + ": \"" + left.value(i).toStdString() +
                   "\" vs \"" + right.value(i).toStdString() + "\"";
        }
    }
    return a == b ? "no difference" : "differs only in fields that are not saved";
}

} // namespace quenra::test
