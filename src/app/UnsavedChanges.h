#pragma once

#include "model/ProjectData.h"

namespace quenra {

// Remembers the record as it stood after the last open, new project or save, so that the window
// can tell whether replacing the record would throw away work. The values that a refresh derives
// (computed flows, the readings tables) are derived alike on both sides before they are
// compared, so that looking at a page is not a change; every other difference counts, also one
// the program made itself, such as a flow raised by the data check: the file does not hold it.
class UnsavedChanges {
public:
    void Remember(const ProjectData& project);
    // Nothing remembered yet (a record brought in from client information at start) counts as
    // changed.
    bool Changed(const ProjectData& project) const;
    // Back to nothing remembered: whatever the record holds now counts as changed.
    void Forget() { known_ = false; }

private:
    ProjectData remembered_;
    bool known_ = false;
};

} // namespace quenra
