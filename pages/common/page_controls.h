#pragma once
// Building blocks every page form is made of: controls created at their
// designed place with their name and caption, in the sizes the pages are
// laid out for (edits and combo boxes 21 pixels high, buttons 25, labels as
// high as their text), and the page window's frame itself.

#include <string>

namespace ui {
class Button;
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
ui::Button* NewButton(ui::Control* parent, const std::string& name, const std::string& caption, int left, int top,
                      int width);
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
