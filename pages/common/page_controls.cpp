#include "pages/common/page_controls.h"

#include "library/common/option_list.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/color.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/panel.h"
#include "platform/ui/status_bar.h"

namespace {

constexpr int kEditHeight = 21;
constexpr int kButtonHeight = 25;
constexpr int kStatusBarHeight = 19;
constexpr int kCheckBoxHeight = 17;

}  // namespace

void SetupPageForm(ui::Form& form, const std::string& name, const std::string& caption, int clientWidth,
                   int clientHeight) {
    form.SetName(name);
    form.SetCaption(caption);
    form.SetBorderStyle(ui::BorderStyle::Single);
    form.SetBorderIcons(true, false);
    form.SetClientSize(clientWidth, clientHeight);
    form.SetPosition(ui::FormPosition::MainFormCenter);
}

ui::Label* NewLabel(ui::Control* parent, const std::string& name, const std::string& caption, int left, int top) {
    auto* label = new ui::Label(parent);
    label->SetName(name);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

ui::Edit* NewEdit(ui::Control* parent, const std::string& name, const std::string& text, int left, int top,
                  int width) {
    auto* edit = new ui::Edit(parent);
    edit->SetName(name);
    edit->SetBounds(left, top, width, kEditHeight);
    edit->SetText(text);
    return edit;
}

ui::ComboBox* NewComboBox(ui::Control* parent, const std::string& name, int left, int top, int width) {
    auto* combo = new ui::ComboBox(parent);
    combo->SetName(name);
    combo->SetBounds(left, top, width, kEditHeight);
    return combo;
}

ui::ComboBox* NewHiddenComboBox(ui::Control* parent, const std::string& name) {
    ui::ComboBox* combo = NewComboBox(parent, name, 0, 0, 80);
    combo->SetVisible(false);
    return combo;
}

ui::ComboBox* NewHiddenComboBox(ui::Control* parent, const std::string& name, const VkOptionList& options) {
    ui::ComboBox* combo = NewHiddenComboBox(parent, name);
    for (const VkOptionItem& item : options.items()) combo->AddItem(item.text);
    return combo;
}

ui::Edit* NewHiddenEdit(ui::Control* parent, const std::string& name) {
    ui::Edit* edit = NewEdit(parent, name, "", 0, 0, 80);
    edit->SetVisible(false);
    return edit;
}

ui::Button* NewButton(ui::Control* parent, const std::string& name, const std::string& caption, int left, int top,
                      int width) {
    auto* button = new ui::Button(parent);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(left, top, width, kButtonHeight);
    return button;
}

ui::CheckBox* NewCheckBox(ui::Control* parent, const std::string& name, const std::string& caption, int left,
                          int top, int width) {
    auto* check = new ui::CheckBox(parent);
    check->SetName(name);
    check->SetCaption(caption);
    check->SetBounds(left, top, width, kCheckBoxHeight);
    return check;
}

ui::GroupBox* NewGroupBox(ui::Control* parent, const std::string& name, const std::string& caption, int left,
                          int top, int width, int height) {
    auto* group = new ui::GroupBox(parent);
    group->SetName(name);
    group->SetCaption(caption);
    group->SetBounds(left, top, width, height);
    return group;
}

ui::ListView* NewListView(ui::Control* parent, const std::string& name, int left, int top, int width, int height) {
    auto* view = new ui::ListView(parent);
    view->SetName(name);
    view->SetBounds(left, top, width, height);
    view->SetGridLines(true);
    view->SetHideSelection(false);
    return view;
}

ui::Panel* NewPanel(ui::Control* parent, const std::string& name, int left, int top, int width, int height) {
    auto* panel = new ui::Panel(parent);
    panel->SetName(name);
    panel->SetBounds(left, top, width, height);
    return panel;
}

ui::StatusBar* NewStatusBar(ui::Control* parent, const std::string& name, int panelWidth) {
    auto* bar = new ui::StatusBar(parent);
    bar->SetName(name);
    bar->SetHeight(kStatusBarHeight);
    bar->SetAlign(ui::Align::Bottom);
    if (panelWidth > 0)
        bar->AddPanel(panelWidth);
    else
        bar->SetSimplePanel(true);
    return bar;
}

void MakeDisplayOnly(ui::Edit& edit) {
    edit.SetEnabled(false);
    edit.SetReadOnly(true);
    edit.SetBackgroundColor(ui::kColorButtonFace);
}

PlacedControl::PlacedControl(ui::Label*& member, const char* name, const char* caption, int left, int top)
    : make_([&member, name, caption, left, top](ui::Control* parent) {
          member = NewLabel(parent, name, caption, left, top);
      }) {}

PlacedControl::PlacedControl(ui::Edit*& member, const char* name, int left, int top, int width)
    : make_([&member, name, left, top, width](ui::Control* parent) {
          member = NewEdit(parent, name, "", left, top, width);
      }) {}

PlacedControl::PlacedControl(ui::ComboBox*& member, const char* name, int left, int top, int width)
    : make_([&member, name, left, top, width](ui::Control* parent) {
          member = NewComboBox(parent, name, left, top, width);
      }) {}

PlacedControl::PlacedControl(ui::Button*& member, const char* name, const char* caption, int left, int top,
                             int width)
    : make_([&member, name, caption, left, top, width](ui::Control* parent) {
          member = NewButton(parent, name, caption, left, top, width);
      }) {}

PlacedControl::PlacedControl(ui::CheckBox*& member, const char* name, const char* caption, int left, int top,
                             int width)
    : make_([&member, name, caption, left, top, width](ui::Control* parent) {
          member = NewCheckBox(parent, name, caption, left, top, width);
      }) {}

void PlaceControls(ui::Control* parent, std::initializer_list<PlacedControl> controls) {
    for (const PlacedControl& control : controls) control.Make(parent);
}
