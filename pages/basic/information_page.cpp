#include "pages/basic/information_page.h"

#include "library/snmp/request_to_edits.h"
#include "pages/basic/information_page_vars.h"
#include "pages/common/async_write.h"
#include "pages/common/completion_status.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"

TFM_Information* FM_Information = nullptr;

const char* const InformationGetOkText = "Get OK!";
const char* const InformationSaveOkText = "Save OK!";
const char* const InformationNotReadText = "The device's values have not been read yet: Save writes nothing.";

namespace {

constexpr int kTimeout = Seconds(30);
constexpr int kContactLength = 255;
constexpr int kNameLength = 32;
constexpr int kLocationLength = 32;
constexpr int kLabelLeft = 16;
constexpr int kEditLeft = 124;
constexpr int kEditWidth = 208;
constexpr int kShownWidth = 206;  // the three values the user cannot change

bool BeginsWithBlank(const std::string& text) { return !text.empty() && text[0] == ' '; }

}  // namespace

TFM_Information::TFM_Information(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_Information", "Home \\ Information", 362, 251);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_Information::BuildControls() {
    PlaceControls(this, {
        {La_SD, "La_SD", "System Description:", kLabelLeft, 13},
        {Ed_SD, "Ed_SD", kEditLeft, 10, kShownWidth},
        {La_SO, "La_SO", "System Object ID:", kLabelLeft, 44},
        {Ed_SO, "Ed_SO", kEditLeft, 41, kShownWidth},
        {La_SU, "La_SU", "System Uptime:", kLabelLeft, 76},
        {Ed_SU, "Ed_SU", kEditLeft, 72, kShownWidth},
        {La_SC, "La_SC", "System Contact:", kLabelLeft, 107},
        {Ed_SC, "Ed_SC", kEditLeft, 104, kEditWidth},
        {La_SN, "La_SN", "System Name:", kLabelLeft, 139},
        {Ed_SN, "Ed_SN", kEditLeft, 134, kEditWidth},
        {La_SL, "La_SL", "System Location:", kLabelLeft, 170},
        {Ed_SL, "Ed_SL", kEditLeft, 166, kEditWidth},
        {Btn_Re, "Btn_Re", "Refresh", 43, 202, 75},
        {Btn_Sa, "Btn_Sa", "Save", 248, 202, 75},
    });
    for (ui::Edit* shown : {Ed_SD, Ed_SO, Ed_SU}) MakeDisplayOnly(*shown);
    Btn_Re->OnClick = [this](ui::Component* sender) { Btn_ReClick(sender); };
    Btn_Sa->OnClick = [this](ui::Component* sender) { Btn_SaClick(sender); };
    StatusBar = NewStatusBar(this, "StatusBar", 0);
}

void TFM_Information::FormCreate(ui::Component*) {
    Groups.Make(SystemRequest, {"system group", VarsMib2System, SVT_SV, 0, kTimeout, true});
    ui::Edit* const edits[] = {Ed_SD, Ed_SO, Ed_SU, Ed_SC, Ed_SN, Ed_SL};
    for (int row = 0; row < Mib2SystemRow::Count; ++row) SystemRequest->BindEdits(row, "%s", edits[row]);
    SystemRequest->SetStatusBar(StatusBar);
    SystemRequest->OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnGetDone(result); };
    SystemRequest->OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnSetDone(result); };
    ReadSystem();
    Ed_SC->SetMaxLength(kContactLength);
    Ed_SN->SetMaxLength(kNameLength);
    Ed_SL->SetMaxLength(kLocationLength);
}

void TFM_Information::Btn_ReClick(ui::Component*) { ReadSystem(); }

// The read's end shows in OnGetDone; a read that could not be sent says so.
void TFM_Information::ReadSystem() {
    Groups.BeginLoad();
    if (!Groups.StartRead(*SystemRequest)) StatusBar->SetSimpleText(Groups.LoadText());
}

void TFM_Information::Btn_SaClick(ui::Component*) {
    if (!Groups.WasRead(*SystemRequest)) {
        StatusBar->SetSimpleText(InformationNotReadText);
        return;
    }
    if (ValidInput()) StartWrite(*SystemRequest, true);
}

bool TFM_Information::ValidInput() {
    const std::string contact = Ed_SC->Text();
    const std::string name = Ed_SN->Text();
    const std::string location = Ed_SL->Text();
    if (name.empty()) return Refuse("The System Name field can not be blank!", "Warning", Ed_SN);
    if (contact.size() > kContactLength) return Refuse("The Max Lengh of the SystemContact is 255.", "Error", nullptr);
    if (name.size() > kNameLength) return Refuse("The Max Lengh of the SystemName is 32.", "Error", nullptr);
    if (location.size() > kLocationLength)
        return Refuse("The Max Lengh of the SystemLocation is 32.", "Error", nullptr);
    if (BeginsWithBlank(name)) return Refuse("The first character of System Name can not be blank!", "Warning", Ed_SN);
    if (BeginsWithBlank(location))
        return Refuse("The first character of Location can not be blank!", "Warning", Ed_SL);
    if (!TMainForm::IsAsciiText(location)) return Refuse("Please input valid Location!", "Warning", Ed_SL);
    if (!TMainForm::IsAsciiText(name)) return Refuse("Please input valid System Name!", "Warning", Ed_SN);
    if (!TMainForm::IsAsciiText(contact)) return Refuse("Please input valid System Contact!", "Warning", Ed_SC);
    return true;
}

void TFM_Information::OnGetDone(VkSNMPError* result) {
    ShowCompletion(*SystemRequest, *result, Groups.EndText(InformationGetOkText));
}

void TFM_Information::OnSetDone(VkSNMPError* result) { ShowCompletion(*SystemRequest, *result, InformationSaveOkText); }
