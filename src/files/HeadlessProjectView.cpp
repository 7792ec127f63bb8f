#include "HeadlessProjectView.h"

#include "model/ProjectData.h"

namespace quenra {

void HeadlessProjectView::Refresh() {
    view_.Page = CurrentPageFor(project_.IsHydrantTest, tabIndex_);
    RefreshDerivedValues(project_, view_);
}

} // namespace quenra
