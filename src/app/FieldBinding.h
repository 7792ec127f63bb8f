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

// A field that the record keeps in another form than its control shows (a verdict code shown as
// a list item, two flags shown as one choice): the pair reads the control's value from the
// record and stores the control's value into it.
template <class V> struct ValueMapping {
    std::function<V(const ProjectData&, int test)> Show;
    std::function<void(ProjectData&, int test, V)> Store;
    explicit operator bool() const { return Show && Store; }
};

// One row of the window's entry table: a control, by object name, and the record field it
// edits. Exactly one of the seven accessors is set; it decides the kind of entry:
// the text typed, the check state, the selected item index, a colour swatch, an item index
// or a check state through a mapping, or the cells of a grid.
struct FieldBinding {
    QString Control;
    FieldScope Scope = FieldScope::Project;
    AfterEdit Then = AfterEdit::Nothing;
    std::function<QString&(ProjectData&, int test)> Text;
    std::function<bool&(ProjectData&, int test)> Check;
    std::function<int&(ProjectData&, int test)> Index;
    std::function<Colour&(ProjectData&, int test)> Swatch;
    ValueMapping<int> MappedIndex;
    ValueMapping<bool> MappedCheck;
    // A cell of a grid by its column and row, or a page of a text box: the page shows it
    // itself and names the element of the field (the test, the comment page) that it stores.
    std::function<QString&(ProjectData&, int test, int column, int row)> Cell;
    // A text field that is never typed: this button beside it opens the calendar on the date
    // shown, and the day chosen is stored as the field's text.
    QString DateButton;
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
template <class Accessor>
FieldBinding MakeBinding(Accessor FieldBinding::*accessor, QString control, Accessor field,
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

// A list whose items stand for stored values: `toItem` gives the item of a stored value,
// `fromItem` the value an item stores.
template <class T>
ValueMapping<int> ItemsOf(PerTest<T> ProjectData::*member, std::function<int(T)> toItem,
                          std::function<T(int)> fromItem) {
    return {[member, toItem](const ProjectData& p, int test) { return toItem((p.*member)[test]); },
            [member, fromItem](ProjectData& p, int test, int item) {
                (p.*member)[test] = fromItem(item);
            }};
}

inline FieldBinding MappedIndexField(QString control, ValueMapping<int> mapping,
                                     FieldScope scope = FieldScope::Project,
                                     AfterEdit then = AfterEdit::Nothing) {
    return MakeBinding(&FieldBinding::MappedIndex, std::move(control), std::move(mapping), scope,
                       then);
}
inline FieldBinding MappedCheckField(QString control, ValueMapping<bool> mapping,
                                     FieldScope scope = FieldScope::Project,
                                     AfterEdit then = AfterEdit::Nothing) {
    return MakeBinding(&FieldBinding::MappedCheck, std::move(control), std::move(mapping), scope,
                       then);
}
inline FieldBinding CellField(QString grid,
                              std::function<QString&(ProjectData&, int, int, int)> cell) {
    return MakeBinding(&FieldBinding::Cell, std::move(grid), std::move(cell), FieldScope::PumpTest,
                       AfterEdit::Nothing);
}
// A date field and the "..." button that picks its date; a new date renames the test's tabs.
inline FieldBinding DateField(QString control, QString button,
                              std::function<QString&(ProjectData&, int)> field,
                              FieldScope scope = FieldScope::Project) {
    FieldBinding b = TextField(std::move(control), std::move(field), scope, AfterEdit::TabCaptions);
    b.DateButton = std::move(button);
    return b;
}

} // namespace quenra
