#pragma once
// VkSNMPRequest2Edits: a control-bound request (request_to_controls.h) whose
// variables are bound by item number to window controls: labels and static
// texts, check boxes, combo boxes and radio groups (filled from option
// lists), edits (each with its input constraint, edit_constraint.h) and at
// most one list view for a table.
//
//   VkSNMPRequest2Edits lan(page);
//   lan.async = false;
//   lan.request.vars = VkSNMPVarList(VarsLan, SVT_SV, 0);
//   lan.BindEdits(0, "%s", addressEdit);
//   lan.BindComboBox(1, dhcpCombo);
//   lan.Get();                 // shows the device's values
//   lan.Set(false, true);      // collects the controls and writes
//
// Values move between variables and controls through their octet form
// (value_octets.h), so a part of a value, single bits and one value over
// several edits (multi_edit_layout.h) bind alike.
//
// A Get shows every answer row in the controls, or adds it to the list view.
// With a list view, a list of kind MVT_FMV and enableOnSelect, the controls
// stay disabled after a read until a row is selected (by the user or the
// program); selecting copies the row into the variables and the controls.
// The list view's columns are the hidden-column variables (zero width), then
// the shown ones; rows and the selected row use that same order, and the
// columns are rebuilt when the set of hidden and shown variables changes.
//
// After a read every constrained edit takes the shown value as its last
// accepted text, so a rejected entry brings back the device's value.
//
// Values the controls cannot show are not understood: a value no entry of
// a combo box's or radio group's list has, a check box's value that is
// neither its first entry (unchecked) nor its second (checked), or that is
// not a truth value, a value of another type than the variable's, a cell the
// walked row lacks. Such a variable is left out of a write (the device keeps
// its value) until the user picks an entry of its combo box or radio group,
// or, for its other controls, while they still show what they showed for it;
// a selection the program makes by itself does not count as a pick. A cell the walk did not return
// is never written from the selected row. NotUnderstood names them.
//
// Change tracking: a bound combo box's change event and a check box's or
// radio group's click event run this object's OnControlChange, which calls
// the page's own handler (saved at binding time) and sets modified.
//
// Errors (os::Exception with the request layer's text and the code): -517 a
// check box on a variable that is not a truth value, -518 / -519 octets too
// short / a part or bit beyond the value, -520 a combo box or radio group
// without option list, -521 a control of another class, -522 too few
// controls.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "library/snmp/control_binding.h"
#include "library/snmp/edit_constraint.h"
#include "library/snmp/request_to_controls.h"

namespace ui {
class CheckBox;
class ComboBox;
class Component;
class Control;
class Edit;
class ListItem;
class ListView;
}  // namespace ui

using VkSNMPHook = std::function<void()>;
using VkListSelectEvent = std::function<void(ui::Component* sender, ui::ListItem* item, bool selected)>;

class VkSNMPRequest2Edits : public VkSNMPRequest2Controls {
public:
    // Constraints are owned by the page window; remembering accepted texts is on.
    explicit VkSNMPRequest2Edits(ui::Control* owner);
    // Gives every hooked control and the list view their own events back.
    ~VkSNMPRequest2Edits() override;

    void BeforeGet() override;
    void BeforeSet() override;
    void AddRow() override;
    void CollectValues() override;
    void AfterGet() override;
    void AfterSet() override;
    // slot 8: the bound list view's selection event.
    virtual void OnListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected);

    // Binding operations; item must be an index of the request's list.
    void BindListView(ui::ListView* view, bool enableOnSelect);
    void BindLabel(int item, ui::Control* control);
    void BindCheckBox(int item, ui::Control* control);
    void BindComboBox(int item, ui::ComboBox* comboBox);
    // One edit per conversion of the format ("%s", "%u{x100}", "%u%u%u%u").
    void BindEdits(int item, const std::string& format, ui::Edit* first,
                   const std::vector<ui::Edit*>& further = {});
    // Check boxes bound to the bits of the list ("0,9").
    void BindParts(int item, const std::string& partList, const std::vector<ui::Control*>& controls);
    void Unbind(int item);
    void SetConstraintOwner(ui::Control* owner);

    void AddBinding(int item, int partOffset, int partSyntax, const VkOptionList* options,
                    ui::Control* control, ui::Control* second);
    void AddBindingList(int item, int partOffset, int partSyntax, const VkOptionList* options,
                        const std::string& format, const std::vector<ui::Control*>& controls);
    void AddPartsBinding(int item, int partOffset, int partSyntax, const VkOptionList* options,
                         const std::string& partList, const std::vector<ui::Control*>& controls);

    // Show in / collect from the controls of one variable's bindings (-1: all).
    void ValuesToControls(int item);
    void ControlsToValues(int item);
    void EnableControls(bool enabled);

    void PrepareColumns();
    void AddListRow();
    void SelectedRowToValues();
    // The cell of variable `item` in a row of the bound list view; "" when
    // the variable has no column or the row no such cell.
    std::string ListCell(const ui::ListItem& row, int item) const;
    // Whether the walk returned every cell of a row of the bound list view
    // (a row it did not add counts as whole).
    bool RowWhole(const ui::ListItem& row) const;

    // The variables the controls show without understanding them (see above),
    // as the last showing left them.
    std::vector<int> NotUnderstood() const;
    // Counts the selection of a bound combo box or radio group as the user's
    // pick: for a page that puts what the user picked in a control of its
    // own into the bound one.
    void NotePicked(ui::Component* control);

    void HookControl(VkControlBinding& binding, int k);
    void UnhookControl(VkControlBinding& binding, int k);
    void OnControlChange(ui::Component* sender);

    VkSNMPHook OnBeforeGet;
    VkSNMPHook OnBeforeSet;
    VkSNMPHook OnAfterGet;
    VkSNMPHook OnAfterSet;
    VkListSelectEvent savedOnSelectItem;
    ui::ListView* listView = nullptr;
    std::vector<std::unique_ptr<VkControlBinding>> bindings;
    VkEditConstraint constraints;
    bool modified = false;
    bool enableOnSelect = true;

private:
    // The items of a row the walk read with a mark: a cell it lacked, a
    // value of another type.
    struct RowMarks {
        std::vector<int> missing;
        std::vector<int> mistyped;
    };
    // A control's state when it showed a value it did not understand.
    struct ShownState {
        ui::Control* control;
        std::string state;
    };

    bool IsWholeValue(const VkControlBinding& binding) const;
    const VkOptionList* ListOf(const VkControlBinding& binding) const;
    void AppendBinding(std::unique_ptr<VkControlBinding> binding);
    bool IsHookedElsewhere(const ui::Control* control) const;
    // Shows the binding's value; false when its control cannot show it.
    bool ShowBinding(VkControlBinding& binding);
    RowMarks MarksOfLastAnswer() const;
    bool IsMarked(int item) const;
    void NoteNotUnderstood(const VkControlBinding& binding);
    // Whether a collected variable stays out of the write (and is left out).
    bool LeftOutOfWrite(int item);
    std::string CollectPart(VkControlBinding& binding, const VkOptionList* list);
    void CollectVariable(int item);

    // The variables of the list view's columns, in column order; rows and
    // the selected row follow it.
    std::vector<int> columnItems_;
    bool columnsKnown_ = false;
    // The marks of every list row, and those of the values shown now (the
    // last read's, or the selected row's).
    std::map<const ui::ListItem*, RowMarks> rowMarks_;
    RowMarks shownMarks_;
    std::map<int, std::vector<ShownState>> notUnderstood_;
    // The variables whose combo box or radio group the user picked in since
    // they were shown.
    std::vector<int> picked_;
};
