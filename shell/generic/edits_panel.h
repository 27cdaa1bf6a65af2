#pragma once
// The row editor of a generic view: one row per variable of a request's
// list, each a check box (whether the variable is written), a label with the
// variable's name and an edit or, for a writable variable with an option
// list, a combo box, bound to the variable. Rows are laid out side by side
// (layout 1) or one under another (layout 2) in a scroll box.
//
// Index columns of a walked table and read-only variables are shown disabled
// (their check boxes hidden); the other rows are enabled with their check box
// set to CheckState.

#include <string>
#include <vector>

#include "platform/ui/color.h"
#include "platform/ui/panel.h"

namespace ui {
class CheckBox;
class Label;
class ScrollBox;
}  // namespace ui
class TCtrlBtnPanel;
class VkSNMPRequest2Edits;

// One generated row.
struct UISnmpVar {
    // 1 read-only text, 2 writable text, 3 writable choice, 4 read-only choice.
    int kind = 0;
    std::string format;  // the edit's binding format, "%s"
    ui::Control* control = nullptr;  // edit (kinds 1, 2, 4) or combo box (kind 3)
    ui::CheckBox* check = nullptr;
    ui::Label* label = nullptr;
    const void* bits = nullptr;  // a bit-list descriptor; never set
};

class TEditsPanel : public ui::Panel {
public:
    TEditsPanel(ui::Control* parent, VkSNMPRequest2Edits* request);

    void BuildRows(VkSNMPRequest2Edits* request);
    // Shows and hides the buttons of an editor's column.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
    // Both return three times the number of rows (the row controls).
    int SetCheckState(bool state);
    int SetDisabledColors(ui::Color fontColor, ui::Color backgroundColor);
    void SetEditWidth(int width, int layout);
    void LayoutRows(int layout, bool resize);
    void EnableRow(int i);
    void DisableRow(int i);
    // A row the user cannot change that is written all the same: drawn
    // disabled, its check box shown, ticked and disabled.
    void LockRow(int i);
    void HideRow(int i);
    void ShowRow(int i);
    void ClearRow(int i);
    void ClearAllRows();
    // The text of the row's edit or combo box, as the user sees it; "" for
    // no row.
    std::string RowText(int i) const;
    bool IsRowEmpty(int i) const;
    bool IsReadOnlyRow(int i) const;
    bool IsIndexRow(int i) const;
    bool HasNoEditableRow() const;
    int EnabledCheckCount() const;
    int CheckedCount() const;
    // The rows whose check box is ticked, shown or not: the rows a write sends.
    std::vector<int> TickedRows() const;
    void OnRowCheckClick(ui::Component* sender);

    int RowCount() const { return static_cast<int>(Rows.size()) - 1; }

    // One per variable, then an end row of kind 0.
    std::vector<UISnmpVar> Rows;
    int EditWidth = 121;
    ui::Color DisabledFontColor = ui::kColorBlack;
    ui::Color DisabledColor = ui::kColorButtonFace;
    VkSNMPRequest2Edits* Request;
    bool CheckState = false;
    ui::ScrollBox* Box;

private:
    bool IsRow(int i) const { return i >= 0 && i < RowCount(); }
    bool IsHidden(int i) const;
    int WidestLabel() const;
    void PlaceSideBySide();
    void PlaceOneUnderAnother();
    void CenterBesideControl(const UISnmpVar& row);
    void FitToRows();
};
