#include "shell/about_form.h"

#include "library/common/path.h"
#include "platform/os/executable_path.h"
#include "platform/ui/button.h"
#include "platform/ui/image.h"
#include "platform/ui/keys.h"
#include "platform/ui/label.h"
#include "shell/shell_texts.h"

const char* const AboutPictureFileName = "vap7720_about.png";

namespace {

// The box's texts are in the form face, the title a point larger and bold.
constexpr int kTitlePoints = 9;
constexpr int kKeyF3 = ui::kKeyF1 + 2;

// The font comes before the caption, so that the label takes the caption's size.
ui::Label* NewLabel(ui::Form* form, const char* name, int left, int top, const std::string& caption,
                    bool title = false) {
    auto* label = new ui::Label(form);
    label->SetName(name);
    if (title) {
        label->SetFontSize(kTitlePoints);
        label->SetFontBold(true);
    }
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(ui::Component* owner) : ui::Form(owner) {
    SetName("AboutForm");
    SetCaption("Help\\About");
    SetBorderStyle(ui::BorderStyle::Single);
    SetBorderIcons(true, false);
    SetClientSize(350, 98);
    SetPosition(ui::FormPosition::OwnerFormCenter);

    BT_Ok = new ui::Button(this);
    BT_Ok->SetName("BT_Ok");
    BT_Ok->SetCaption("OK");
    BT_Ok->SetBounds(288, 57, 51, 25);
    BT_Ok->OnClick = [this](ui::Component* sender) { BT_OkClick(sender); };
    BT_Ok->OnKeyDown = [this](ui::Component* sender, int& key, unsigned shift) {
        BT_OkKeyDown(sender, key, shift);
    };

    Label1 = NewLabel(this, "Label1", 41, 12, std::string(ModelName) + ModelSuffix + " Management Module",
                      true);
    Label2 = NewLabel(this, "Label2", 12, 37, "Release Version:");
    La_FwVer = NewLabel(this, "La_FwVer", 101, 37, "v1.00");
    Label4 = NewLabel(this, "Label4", 134, 37, "R03(2011/12/021)");
    Label4->SetFontColor(ui::kColorRed);
    Label4->SetVisible(false);

    Image1 = new ui::Image(this);
    Image1->SetName("Image1");
    Image1->SetBounds(4, -1, 32, 32);
    Image1->LoadFromFile(JoinPath(os::ExecutableFolder(), AboutPictureFileName));

    OnShow = [this](ui::Component*) { BT_Ok->SetFocus(); };
}

void TAboutForm::BT_OkClick(ui::Component*) { Close(); }

void TAboutForm::BT_OkKeyDown(ui::Component*, int& key, unsigned shift) {
    const unsigned shiftAlt = ui::kShift | ui::kAlt;
    if (key == kKeyF3 && (shift & shiftAlt) == shiftAlt) Label4->SetVisible(true);
}
