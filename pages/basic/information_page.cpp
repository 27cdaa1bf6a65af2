#include "pages/basic/information_page.h"

#include "library/snmp/request_to_edits.h"
#include "pages/basic/information_page_vars.h"
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

constexpr int kTimeout = 3000;  // hundredths of a second per try
constexpr int kContactLength = 255;
constexpr int kNameLength = 32;
constexpr int kLocationLength = 32;
constexpr int kLabelLeft = 16;
constexpr int kEditLeft = 124;

bool BeginsWithBlank(const std::string& text) { return !text.empty() && text[0] == ' '; }

}  // namespace

TFM_Information::TFM_Information(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_Information", "Home \\ Information", 362, 251);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_Information::BuildControls() {
    struct Row {
        const char* label;
        const char* caption;
        int labelTop;
        const char* edit;
        int editTop;
        ui::Label** labelMember;
        ui::Edit** editMember;
    } const rows[] = {
        {"La_SD", "System Description:", 13, "Ed_SD", 10, &La_SD, &Ed_SD},
        {"La_SO", "System Object ID:", 44, "Ed_SO", 41, &La_SO, &Ed_SO},
        {"La_SU", "System Uptime:", 76, "Ed_SU", 72, &La_SU, &Ed_SU},
        {"La_SC", "System Contact:", 107, "Ed_SC", 104, &La_SC, &Ed_SC},
        {"La_SN", "System Name:", 139, "Ed_SN", 134, &La_SN, &Ed_SN},
        {"La_SL", "System Location:", 170, "Ed_SL", 166, &La_SL, &Ed_SL},
    };
    for (const Row& row : rows) {
        *row.labelMember = NewLabel(this, row.label, row.caption, kLabelLeft, row.labelTop);
        *row.editMember = NewEdit(this, row.edit, "", kEditLeft, row.editTop, 208);
    }
    for (ui::Edit* shown : {Ed_SD, Ed_SO, Ed_SU}) {
        shown->SetWidth(206);
        MakeDisplayOnly(*shown);
    }
    Btn_Re = NewButton(this, "Btn_Re", "Refresh", 43, 202, 75);
    Btn_Re->OnClick = [this](ui::Component* sender) { Btn_ReClick(sender); };
    Btn_Sa = NewButton(this, "Btn_Sa", "Save", 248, 202, 75);
    Btn_Sa->OnClick = [this](ui::Component* sender) { Btn_SaClick(sender); };
    StatusBar = NewStatusBar(this, "StatusBar", 0);
}

void TFM_Information::FormCreate(ui::Component*) {
    SystemRequest = std::make_unique<VkSNMPRequest2Edits>(this);
    SystemRequest->request.timeout = kTimeout;
    SystemRequest->request.vars = VkSNMPVarList(VarsMib2System, SVT_SV, 0);
    ui::Edit* const edits[] = {Ed_SD, Ed_SO, Ed_SU, Ed_SC, Ed_SN, Ed_SL};
    for (int row = 0; row < 6; ++row) SystemRequest->BindEdits(row, "%s", edits[row]);
    SystemRequest->SetStatusBar(StatusBar);
    SystemRequest->OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnGetDone(result); };
    SystemRequest->OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnSetDone(result); };
    SystemRequest->Get();
    Ed_SC->SetMaxLength(kContactLength);
    Ed_SN->SetMaxLength(kNameLength);
    Ed_SL->SetMaxLength(kLocationLength);
}

void TFM_Information::Btn_ReClick(ui::Component*) { SystemRequest->Get(); }

void TFM_Information::Btn_SaClick(ui::Component*) {
    if (!DeviceValuesRead) {
        StatusBar->SetSimpleText(InformationNotReadText);
        return;
    }
    if (ValidInput()) SystemRequest->Set(true, true);
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
    if (result->code != 0) {
        SystemRequest->ShowStatus(result->text);
        return;
    }
    DeviceValuesRead = true;
    StatusBar->SetSimpleText(InformationGetOkText);
}

void TFM_Information::OnSetDone(VkSNMPError* result) {
    if (result->code != 0)
        SystemRequest->ShowStatus(result->text);
    else
        StatusBar->SetSimpleText(InformationSaveOkText);
}
