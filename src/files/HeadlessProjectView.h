#pragma once

#include "ProjectView.h"
#include "hydraulics/RecordRefresh.h"

namespace quenra {

struct ProjectData;

// The window's view state without a window: which tab is selected and what the "Calculate
// Flow" box shows. Its refresh stores exactly the derived values the window's refresh stores,
// so a project saved by the batch command line is the file the window would save.
class HeadlessProjectView : public ProjectView {
public:
    explicit HeadlessProjectView(ProjectData& project) : project_(project) {}

    void BeginLoading(const QString&) override { loading_ = true; }
    void EndLoading() override { loading_ = false; }
    void SelectMainTab(int index) override { tabIndex_ = index; }
    void Refresh() override;

    bool Loading() const { return loading_; }
    int MainTab() const { return tabIndex_; }
    const RefreshView& View() const { return view_; }

private:
    ProjectData& project_;
    RefreshView view_;
    int tabIndex_ = 0;
    bool loading_ = false;
};

} // namespace quenra
