#pragma once
// A combo box. In the drop-down-list style (the default) the user can only
// pick an entry; ItemIndex -1 shows nothing.
//
// OnChange runs only when the user picks an entry, never when the program sets
// ItemIndex or the items, so that showing a value does not look like an edit.

#include <string>

#include "platform/ui/control.h"

namespace ui {

enum class ComboStyle { DropDownList, DropDown };

class ComboBox : public Control {
public:
    explicit ComboBox(Control* parent);

    ComboStyle Style() const { return style_; }
    void SetStyle(ComboStyle style);

    // How many entries the open list shows before it scrolls.
    int DropDownCount() const;
    void SetDropDownCount(int count);

    void ClearItems();
    void AddItem(const std::string& text);
    int ItemCount() const;
    // Raises os::ListIndexError outside 0..ItemCount()-1.
    std::string ItemText(int index) const;

    int ItemIndex() const;
    // -1 or an index outside the items selects nothing.
    void SetItemIndex(int index);

    // The shown text: the selected entry's (or what the user typed in the
    // drop-down style).
    std::string Text() const;
    // In the drop-down style, shows the text in the edit part (selecting the
    // entry that has it, if any); in the list style, selects that entry or
    // none.
    void SetText(const std::string& text);

    NotifyEvent OnChange;

private:
    void Picked();

    ComboStyle style_ = ComboStyle::DropDownList;
};

}  // namespace ui
