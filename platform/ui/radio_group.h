#pragma once
// A group box of radio buttons, one per item, laid out in Columns columns.
// ItemIndex -1 means no button is checked.
//
// OnClick runs whenever the index changes: by the user's click and by the
// program's SetItemIndex (also to -1). Setting the index it already has, or
// clicking the checked button, runs nothing.

#include <string>
#include <vector>

#include "platform/ui/control.h"

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace ui {

class RadioGroup : public Control {
public:
    explicit RadioGroup(Control* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    int Columns() const { return columns_; }
    void SetColumns(int columns);

    void ClearItems();
    void AddItem(const std::string& text);
    int ItemCount() const { return static_cast<int>(buttons_.size()); }
    // Raises os::ListIndexError outside 0..ItemCount()-1 (so also for the
    // text of ItemIndex() when nothing is checked).
    std::string ItemText(int index) const;

    int ItemIndex() const;
    void SetItemIndex(int index);

    NotifyEvent OnClick;

private:
    void Arrange();

    QButtonGroup* group_;
    QGridLayout* grid_;
    std::vector<QRadioButton*> buttons_;
    int columns_ = 1;
};

}  // namespace ui
