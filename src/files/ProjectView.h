#pragma once

#include <QString>

namespace quenra {

// What opening a project asks of whatever shows it: the main window, or the headless view of
// the batch command line. Both run the same open sequence.
class ProjectView {
public:
    virtual ~ProjectView() = default;

    // A project is about to be read from path: new caption, error prompts cleared, the data
    // check held off until EndLoading.
    virtual void BeginLoading(const QString& path) = 0;
    virtual void EndLoading() = 0;

    // Selects main tab `index` (as numbered in the tab list of the record's test kind) and
    // the first comment page; nothing else happens until Refresh.
    virtual void SelectMainTab(int index) = 0;

    // The screen refresh: shows the record and stores the derived values it keeps.
    virtual void Refresh() = 0;

    // The record was just made a new fire pump test named "untitled" (client information is
    // brought into it next): the view forgets what it showed of the last project.
    virtual void NewProjectStarted() {}
};

} // namespace quenra
