#pragma once
// Building blocks every page form is made of: controls created at their
// designed place with their name and caption, in the sizes the pages are
// laid out for (edits and combo boxes 21 pixels high, buttons 25, labels as
// high as their text), and the page window's frame itself.

#include <functional>
#include <initializer_list>
#include <string>

class VkOptionList;

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Control;
class Edit;
class Form;
class GroupBox;
class Label;
class ListView;
class Panel;
class StatusBar;
}  // namespace ui

// A fixed-size page window: single border, system menu and minimise box,
// the client size given, centred on the main window.
void SetupPageForm(ui::Form& form, const std::string& name, const std::string& caption, int clientWidth,
                   int clientHeight);

ui::Label* NewLabel(ui::Control* parent, const std::string& name, const std::string& caption, int left, int top);
ui::Edit* NewEdit(ui::Control* parent, const std::string& name, const std::string& text, int left, int top,
                  int width);
// A drop-down list (the user can only pick an entry).
ui::ComboBox* NewComboBox(ui::Control* parent, const std::string& name, int left, int top, int width);
// Controls a page keeps out of sight: a combo whose entries (the option
// list's texts, in order) choose a command or setting by position, an edit
// that carries a value between the page and its requests.
ui::ComboBox* NewHiddenComboBox(ui::Control* parent, const std::string& name);
ui::ComboBox* NewHiddenComboBox(ui::Control* parent, const std::string& name, const VkOptionList& options);
ui::Edit* NewHiddenEdit(ui::Control* parent, const std::string& name);
ui::Button* NewButton(ui::Control* parent, const std::string& name, const std::string& caption, int left, int top,
                      int width);
ui::CheckBox* NewCheckBox(ui::Control* parent, const std::string& name, const std::string& caption, int left,
                          int top, int width);
ui::GroupBox* NewGroupBox(ui::Control* parent, const std::string& name, const std::string& caption, int left,
                          int top, int width, int height);
// A report list with grid lines that keeps its selection shown.
ui::ListView* NewListView(ui::Control* parent, const std::string& name, int left, int top, int width, int height);
ui::Panel* NewPanel(ui::Control* parent, const std::string& name, int left, int top, int width, int height);

// A status bar along the bottom: with panelWidth > 0 one panel of that width
// (texts go to panel 0), otherwise one simple text.
ui::StatusBar* NewStatusBar(ui::Control* parent, const std::string& name, int panelWidth);

// A read-only edit showing a device value the user cannot change: disabled,
// in the button-face colour.
void MakeDisplayOnly(ui::Edit& edit);

// One row of a page's layout table: a control made at its place with its
// name (and caption), put into the page's member. A page that places many
// controls lists them in one table instead of one call each:
//
//   PlaceControls(this, {
//       {La_SD, "La_SD", "System Description:", 16, 13},  // a label
//       {Ed_SD, "Ed_SD", 124, 10, 208},                    // an edit
//       {Btn_Re, "Btn_Re", "Refresh", 43, 202, 75},        // a button
//   });
class PlacedControl {
public:
    PlacedControl(ui::Label*& member, const char* name, const char* caption, int left, int top);
    PlacedControl(ui::Edit*& member, const char* name, int left, int top, int width);
    PlacedControl(ui::ComboBox*& member, const char* name, int left, int top, int width);
    PlacedControl(ui::Button*& member, const char* name, const char* caption, int left, int top, int width);
    PlacedControl(ui::CheckBox*& member, const char* name, const char* caption, int left, int top, int width);

    void Make(ui::Control* parent) const { make_(parent); }

private:
    std::function<void(ui::Control*)> make_;
};

// Makes the controls in table order (which is also their tab order).
void PlaceControls(ui::Control* parent, std::initializer_list<PlacedControl> controls);
