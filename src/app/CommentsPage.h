#pragma once

#include "DataPage.h"

class QPlainTextEdit;
class QTabBar;

namespace quenra {

// "Comments": one page of free text per test, chosen on the tabs above the text box. A fire
// pump project keeps its pages per pump test, a hydrant project per supply test.
class CommentsPage : public DataPage {
    Q_OBJECT
public:
    explicit CommentsPage(ProjectData& project, QWidget* parent = nullptr);

    QList<FieldBinding> Bindings() const override;
    void ApplyRules(const RefreshContext&) override {}

    // Shows the comment page of the selected tab.
    void LoadCommentsMemo();
    // The selected comment page, 1..5.
    int SelectedPage() const;
    QTabBar* Tabs() const { return tabs_; }

signals:
    // The inspector chose another comment tab.
    void PageChosen();

private:
    const QString& SelectedComment() const;
    void StoreMemo();

    const ProjectData& project_;
    QTabBar* tabs_;
    QPlainTextEdit* memo_;
};

} // namespace quenra
