#pragma once
// Tabbed pages. Each TabSheet is a page holding controls; the page control
// shows one at a time. OnChange runs when the user switches pages, not when
// the program sets the active page.

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

class TabSheet;

class PageControl : public Control {
public:
    explicit PageControl(Control* parent);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Raises os::ListIndexError outside 0..PageCount()-1.
    TabSheet* Page(int index) const;

    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    NotifyEvent OnChange;

private:
    friend class TabSheet;
    void Added(TabSheet* page);
    void Removed(TabSheet* page);

    std::vector<TabSheet*> pages_;
    bool settingPage_ = false;
};

class TabSheet : public Control {
public:
    explicit TabSheet(PageControl* pages);
    ~TabSheet() override;

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    // A page without a visible tab cannot be chosen by the user.
    bool TabVisible() const;
    void SetTabVisible(bool visible);

private:
    PageControl* pages_;
    std::string caption_;
};

}  // namespace ui
