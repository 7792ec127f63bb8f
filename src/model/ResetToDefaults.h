#pragma once

namespace quenra {

struct ProjectData;

// Turns the record into a new, empty fire pump test. The file name is left as it is: the
// callers (New, Open, start-up) decide what the project is called.
void ResetToDefaults(ProjectData& project);

// A new fire hydrant test: the fire pump defaults with the hydrant test kind and the N^1.85
// flow scale.
void ResetToHydrantTestDefaults(ProjectData& project);

} // namespace quenra
