#pragma once
// A form's menu bar and its entries. Entries nest: an entry created with
// another entry as parent goes into that entry's submenu. Each entry carries
// its name (found by name in tests), caption ("-" makes a separator), enabled
// and visible states (also changed at run time), a checked state, and may be a
// radio item: checking a radio item clears the others of its group among its
// siblings. Clicking an entry does not change its checked state by itself;
// OnClick decides.

#include <string>

#include "platform/ui/component.h"
#include "platform/ui/events.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace ui {

class Form;

class MainMenu : public Component {
public:
    // Becomes the form's menu, above its client area.
    explicit MainMenu(Form* form);
    ~MainMenu() override;

    QMenuBar* Bar() const { return bar_; }

private:
    void NameChanged() override;

    Form* form_;
    QMenuBar* bar_;
};

class MenuItem : public Component {
public:
    // `parent` is the menu or the entry whose submenu gets this entry.
    explicit MenuItem(MainMenu* parent);
    explicit MenuItem(MenuItem* parent);
    ~MenuItem() override;

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool RadioItem() const { return radio_; }
    void SetRadioItem(bool radio);
    int GroupIndex() const { return group_; }
    void SetGroupIndex(int group) { group_ = group; }

    // Clicks the entry as the user would (when it is enabled).
    void Click();

    QAction* Action() const { return action_; }

    NotifyEvent OnClick;

private:
    MenuItem(Component* owner, QWidget* container);
    QMenu* Submenu();
    void ShowChecked();
    void NameChanged() override;

    QAction* action_;
    QMenu* submenu_ = nullptr;
    std::string caption_;
    bool checked_ = false;
    bool radio_ = false;
    int group_ = 0;
};

}  // namespace ui
