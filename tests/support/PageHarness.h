#pragma once

// A page of the main window on its own, wired the way the window wires it: the page is built
// for a record and a scripted prompter, its entry table is bound to the record, an edit that
// asks for a refresh gets one, and the tests find its controls by object name and drive them as
// the inspector does.
#include "app/DataPage.h"
#include "app/FieldBinder.h"
#include "model/ProjectData.h"
#include "support/ScriptedPrompter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QSize>
#include <QTest>

#include <functional>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace quenra::test {

template <class Page> class PageHarness {
public:
    explicit PageHarness(FieldBinder::IndexOfScope indexOf = [](FieldScope) { return 1; })
        : panel(MakePage(project, prompter)), binder(project, std::move(indexOf), prompter) {}
    virtual ~PageHarness() = default;
    PageHarness(const PageHarness&) = delete;
    PageHarness& operator=(const PageHarness&) = delete;

    // Binds the entry table and shows the page at `size`; `refresh` is what the window's
    // refresh does for this page. Call once the record holds what the test starts from.
    void Start(std::function<void()> refresh, QSize size) {
        refresh_ = std::move(refresh);
        binder.Bind(&panel, panel.Bindings());
        QObject::connect(&binder, &FieldBinder::Edited, &panel, [this](AfterEdit then) {
            edits.append(then);
            if (then == AfterEdit::Refresh) {
                refresh_();
            }
        });
        QObject::connect(&panel, &DataPage::RefreshRequested, &panel, [this] {
            ++refreshRequests;
            refresh_();
        });
        QObject::connect(&panel, &DataPage::TabCaptionsChanged, &panel,
                         [this] { ++tabCaptionChanges; });
        panel.resize(size);
        panel.show();
        refresh_();
    }

    template <class T = QWidget> T* Find(const QString& name) {
        T* control = panel.template findChild<T*>(name);
        if (!control) {
            throw std::runtime_error("no control named " + name.toStdString());
        }
        return control;
    }
    template <class T = QWidget> T* Find(const char* name) {
        return Find<T>(QString::fromLatin1(name));
    }

    // What a line or a choice list shows.
    QString Shown(const char* name) {
        QWidget* control = Find(name);
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            return combo->currentText();
        }
        return qobject_cast<QLineEdit*>(control)->text();
    }
    bool Shows(const char* name) { return Find(name)->isVisibleTo(&panel); }
    bool Enabled(const char* name) { return Find(name)->isEnabled(); }

    // Types into a line or the edit line of a choice list, replacing what it held; an empty
    // text erases it.
    void Retype(const char* name, const QString& text) {
        QWidget* target = Find(name);
        if (auto* combo = qobject_cast<QComboBox*>(target)) {
            target = combo->lineEdit();
        }
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) {
            QTest::keyClick(target, Qt::Key_Delete);
        }
        QTest::keyClicks(target, text);
    }
    // Clicks a check box or a radio button on its box, where the inspector clicks.
    void ClickBox(const char* name) {
        QWidget* box = Find(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    // The words beside a control: the label whose buddy it is.
    QLabel* CaptionOf(const char* name) {
        const QWidget* control = Find(name);
        for (QLabel* label : panel.template findChildren<QLabel*>()) {
            if (label->buddy() == control) {
                return label;
            }
        }
        throw std::runtime_error(std::string("no caption for ") + name);
    }

    ProjectData project;
    ScriptedPrompter prompter;
    Page panel;
    FieldBinder binder;
    QList<AfterEdit> edits;    // what followed each edit, in order
    int refreshRequests = 0;   // refreshes the page asked for itself
    int tabCaptionChanges = 0; // times the page asked for the tabs to be renamed

private:
    // The pages take the record, the record and the prompter, or nothing.
    static Page MakePage(ProjectData& project, Prompter& prompter) {
        if constexpr (std::is_constructible_v<Page, ProjectData&, Prompter&>) {
            return Page(project, prompter);
        } else if constexpr (std::is_constructible_v<Page, ProjectData&>) {
            return Page(project);
        } else {
            return Page();
        }
    }

    std::function<void()> refresh_;
};

} // namespace quenra::test
