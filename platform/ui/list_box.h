#pragma once
// A list of text lines to pick from. OnClick runs when the user selects an
// entry (mouse or keyboard), not when the program sets ItemIndex.

#include <string>

#include "platform/ui/control.h"

namespace ui {

class ListBox : public Control {
public:
    explicit ListBox(Control* parent);

    void ClearItems();
    void AddItem(const std::string& text);
    int ItemCount() const;
    // Raises os::ListIndexError outside 0..ItemCount()-1.
    std::string ItemText(int index) const;

    int ItemIndex() const;
    void SetItemIndex(int index);

    // Replaces the items with the lines of a file (line ends LF or CR LF);
    // false when the file cannot be read, leaving the items as they were.
    bool LoadFromFile(const std::string& path);

    NotifyEvent OnClick;

private:
    bool settingIndex_ = false;
};

}  // namespace ui
