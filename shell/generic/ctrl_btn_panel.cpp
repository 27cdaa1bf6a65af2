#include "shell/generic/ctrl_btn_panel.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/ui/bitmap_button.h"
#include "platform/ui/static_text.h"

namespace {

constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 25;
constexpr int kGap = 5;

// The glyph file of each button, in column order.
struct Glyph {
    ui::BitmapButton* TCtrlBtnPanel::*button;
    const char* file;
};
constexpr Glyph kGlyphs[] = {
    {&TCtrlBtnPanel::RefreshButton, "Get.bmp"},        {&TCtrlBtnPanel::EditButton, "Set.bmp"},
    {&TCtrlBtnPanel::SetCheckedButton, "SetCheck.bmp"}, {&TCtrlBtnPanel::AddButton, "Add.bmp"},
    {&TCtrlBtnPanel::DeleteButton, "Delete.bmp"},       {&TCtrlBtnPanel::CheckAllButton, "SelectAll.bmp"},
    {&TCtrlBtnPanel::ClearChecksButton, "SelectNone.bmp"}, {&TCtrlBtnPanel::CloseButton, "Close.bmp"},
};

}  // namespace

TCtrlBtnPanel::TCtrlBtnPanel(ui::Control* owner) : ui::Panel(owner) {
    SetName("Buttons");
    CountText = new ui::StaticText(this);
    CountText->SetName("CountText");
    CountText->SetAutoSize(false);
    CountText->SetTextAlignment(ui::TextAlign::Center);
    CountText->SetCaption("0");
    CountText->SetHeight(17);
    SamplesLabel = new ui::Label(this);
    SamplesLabel->SetName("SamplesLabel");
    SamplesLabel->SetAutoSize(false);
    SamplesLabel->SetTextAlignment(ui::TextAlign::Center);
    SamplesLabel->SetCaption("Samples");
    SamplesLabel->SetHeight(13);
    RefreshButton = NewCommand("RefreshButton", "Refresh");
    EditButton = NewCommand("EditButton", "Edit");
    SetCheckedButton = NewCommand("SetCheckedButton", "Set Checked");
    AddButton = NewCommand("AddButton", "Add");
    DeleteButton = NewCommand("DeleteButton", "Delete");
    CheckAllButton = NewCommand("CheckAllButton", "Check All");
    ClearChecksButton = NewCommand("ClearChecksButton", "Clear Checks");
    CloseButton = NewCommand("CloseButton", "Close");
    Controls = {CountText,    SamplesLabel,   RefreshButton,  EditButton,        SetCheckedButton,
                AddButton,    DeleteButton,   CheckAllButton, ClearChecksButton, CloseButton};
    LoadGlyphs();
    AddButton->SetVisible(false);
    DeleteButton->SetVisible(false);
    ArrangeButtons();
    SetWidth(2 * LeftMargin + kButtonWidth);
    SetAlign(ui::Align::Right);
}

ui::BitmapButton* TCtrlBtnPanel::NewCommand(const char* name, const char* caption) {
    auto* button = new ui::BitmapButton(this);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetHeight(kButtonHeight);
    return button;
}

// The current folder is looked at once; the first glyph that cannot be
// loaded ends the loading quietly. A button's caption gives way to its glyph
// only once the glyph is loaded: the button whose file failed and the
// remaining ones keep their captions.
void TCtrlBtnPanel::LoadGlyphs() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) return;
    for (const Glyph& glyph : kGlyphs) {
        std::filesystem::path file = folder / glyph.file;
        if (!std::filesystem::exists(file, error)) continue;
        ui::BitmapButton* button = this->*glyph.button;
        if (!button->LoadGlyph(file.string())) return;
        button->SetCaption("");
    }
}

void TCtrlBtnPanel::ArrangeButtons() {
    int y = TopMargin;
    for (ui::Control* control : Controls) {
        control->SetBounds(LeftMargin, y, kButtonWidth, control->Height());
        if (control->Visible()) y = control->Top() + control->Height() + kGap;
    }
}

int TCtrlBtnPanel::ColumnHeight() const {
    int bottom = 0;
    for (const ui::Control* control : Controls) {
        if (control->Visible()) bottom = control->Top() + control->Height();
    }
    return bottom + TopMargin;
}
