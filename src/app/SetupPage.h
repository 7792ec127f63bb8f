#pragma once

#include "DataPage.h"

#include <QList>

class QCheckBox;
class QFrame;
class QLineEdit;
class QWidget;

namespace quenra {

class RadioGroup;

// The Setup page ("SetupPanel"): how the graph and the report look. Every option is a field of
// the project, so it is saved with it; the entry table copies each edit into the record and
// nothing is redrawn until the graph or the report is next painted. Only the "Basic" or
// "Advanced" choice belongs to the window: it shows or hides the less used groups, whose values
// stay in force either way.
class SetupPage : public DataPage {
    Q_OBJECT
public:
    // The page reads the record's file name to show the title that follows it.
    explicit SetupPage(ProjectData& project, QWidget* parent = nullptr);

    QList<FieldBinding> Bindings() const override;
    void ApplyRules(const RefreshContext& context) override;

    // The graph's title ("GraphTitle"), which follows the file name while "Use File Name" is on.
    QLineEdit* GraphTitleField() const { return title_; }

protected:
    // A click on the words beside a colour swatch opens the colour dialog like the swatch.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildGraphOptions();
    QWidget* BuildPressureScale();
    QWidget* BuildFlowScale();
    QWidget* BuildTitle();
    QWidget* BuildMargins();
    QWidget* BuildReportOptions();
    QWidget* BuildSymbols();
    QWidget* BuildGraphColours();
    // Marks a group that only "Advanced" shows.
    QWidget* AdvancedOnly(QWidget* group);

    void RadioGroup2Click(int item);
    void UseFileNameClick(bool checked);

    ProjectData& project_;
    RadioGroup* options_ = nullptr;
    QFrame* graphOptions_ = nullptr;
    QList<QWidget*> advancedGroups_;
    QCheckBox* useFileName_ = nullptr;
    QLineEdit* title_ = nullptr;
};

} // namespace quenra
