#pragma once

#include <string>

namespace quenra {

struct ProjectData;
struct PreparedGraph;

// The curves of a prepared graph as the one-line JSON object of `--curves`: the evaluated
// tests, the bad-data flags of the five pump tests, every series with points to draw (in
// number order, exactly its drawn points), each supply test's available flow at 20 psi with
// its class, and the results and verdict at the five demand points. Numbers are written with
// 9 significant digits, so every single precision value reads back exactly, and with "."
// whatever the locale.
std::string CurvesJson(const ProjectData& project, const PreparedGraph& graph);

} // namespace quenra
