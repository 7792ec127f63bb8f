#pragma once

#include "model/ProjectData.h"

#include <QString>

#include <functional>

namespace quenra {

// Which element of a per-test array a control edits.
enum class FieldScope {
    Project,    // one field of the project (demand points choose their set themselves)
    SupplyTest, // the supply test whose tab is shown
    PumpTest,   // the pump test whose page is shown
};

// What follows an edit of the control.
enum class AfterEdit {
    Nothing,
    Refresh,     // something shown depends on the value
    TabCaptions, // a test date: the tabs are renamed
};

// One row of the window's entry table: a control, by object name, and the record field it
// edits. Exactly one of the four accessors is set; it decides the kind of entry:
// the text typed, the check state, the selected item index or a colour swatch.
struct FieldBinding {
    QString Control;
    FieldScope Scope = FieldScope::Project;
    AfterEdit Then = AfterEdit::Nothing;
    std::function<QString&(ProjectData&, int test)> Text;
    std::function<bool&(ProjectData&, int test)> Check;
    std::function<int&(ProjectData&, int test)> Index;
    std::function<Colour&(ProjectData&, int test)> Swatch;
};

// Shorthands for the rows of the tables. The field is named by a pointer to a member of the
// record, or to a per-test array of it.
template <class T> auto FieldOf(T ProjectData::*member) {
    return [member](ProjectData& p, int) -> T& { return p.*member; };
}
template <class T> auto ElementOf(PerTest<T> ProjectData::*member) {
    return [member](ProjectData& p, int test) -> T& { return (p.*member)[test]; };
}
template <class T> auto ElementOf(PerTest<T> ProjectData::*member, int fixedTest) {
    return [member, fixedTest](ProjectData& p, int) -> T& { return (p.*member)[fixedTest]; };
}
// A demand point of the set the test kind uses: the fire pump set or the hydrant set.
template <class T>
auto DemandElementOf(PerTest<T> ProjectData::*pumpSet, PerTest<T> ProjectData::*hydrantSet,
                     int point) {
    return [=](ProjectData& p, int) -> T& {
        return (p.*(p.IsHydrantTest ? hydrantSet : pumpSet))[point];
    };
}

// A row of the table; exactly one accessor member is set.
template <class T>
FieldBinding MakeBinding(std::function<T&(ProjectData&, int)> FieldBinding::*accessor,
                         QString control, std::function<T&(ProjectData&, int)> field,
                         FieldScope scope, AfterEdit then) {
    FieldBinding b;
    b.Control = std::move(control);
    b.Scope = scope;
    b.Then = then;
    b.*accessor = std::move(field);
    return b;
}

inline FieldBinding TextField(QString control, std::function<QString&(ProjectData&, int)> field,
                              FieldScope scope = FieldScope::Project,
                              AfterEdit then = AfterEdit::Nothing) {
    return MakeBinding(&FieldBinding::Text, std::move(control), std::move(field), scope, then);
}
inline FieldBinding CheckField(QString control, std::function<bool&(ProjectData&, int)> field,
                               FieldScope scope = FieldScope::Project,
                               AfterEdit then = AfterEdit::Nothing) {
    return MakeBinding(&FieldBinding::Check, std::move(control), std::move(field), scope, then);
}
inline FieldBinding IndexField(QString control, std::function<int&(ProjectData&, int)> field,
                               FieldScope scope = FieldScope::Project,
                               AfterEdit then = AfterEdit::Nothing) {
    return MakeBinding(&FieldBinding::Index, std::move(control), std::move(field), scope, then);
}
inline FieldBinding SwatchField(QString control, std::function<Colour&(ProjectData&, int)> field,
                                FieldScope scope = FieldScope::Project) {
    return MakeBinding(&FieldBinding::Swatch, std::move(control), std::move(field), scope,
                       AfterEdit::Nothing);
}

} // namespace quenra
