#include "pages/basic/lan_page.h"

#include "library/common/text.h"
#include "library/snmp/request_to_edits.h"
#include "pages/basic/lan_page_vars.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "pages/common/same_value.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"
#include "shell/mib_tables.h"

TFM_LanCfg* FM_LanCfg = nullptr;

const char* const LanSetOkText = "Set OK!";
const char* const LanSetErrorText = "Set Error!";
const char* const LanNotReadText = "The LAN settings could not be read: Save writes nothing.";
const char* const LanModeUnknownText = "The address mode could not be read: Save writes nothing.";

namespace {

constexpr int kStaticItem = 0;
constexpr int kDhcpItem = 1;
constexpr int kTimeout = Seconds(10);
constexpr int kAddressLength = 15;

// The number before the first "." (an empty part reads as 0).
int FirstOctet(const std::string& text) {
    int value = 0;
    TryStrToInt(text.substr(0, text.find('.')), value);
    return value;
}

}  // namespace

TFM_LanCfg::TFM_LanCfg(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_LanCfg", "Home \\ LAN", 271, 212);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
}

void TFM_LanCfg::BuildControls() {
    Panel1 = NewPanel(this, "Panel1", 0, 0, 271, 153);
    GetIPFrom = NewLabel(Panel1, "GetIPFrom", "Get IP From", 24, 29);
    CB_IPFrom = NewComboBox(Panel1, "CB_IPFrom", 116, 24, 121);
    CB_IPFrom->OnChange = [this](ui::Component* sender) { CB_IPFromChange(sender); };
    LA_IPAddress = NewLabel(Panel1, "LA_IPAddress", "IP Address", 24, 59);
    ED_IpAddr = NewEdit(Panel1, "ED_IpAddr", "   .   .   .   ", 116, 53, 121);
    LA_SubnetMask = NewLabel(Panel1, "LA_SubnetMask", "Subnet Mask", 24, 88);
    ED_SubMask = NewEdit(Panel1, "ED_SubMask", "255.255.255.0", 116, 83, 121);
    LA_DefGW = NewLabel(Panel1, "LA_DefGW", "Default Gateway", 24, 118);
    ED_DefGw = NewEdit(Panel1, "ED_DefGw", "   .   .   .   ", 116, 112, 121);
    BT_LanCfgOk = NewButton(this, "BT_LanCfgOk", "Save", 22, 163, 75);
    BT_LanCfgOk->OnClick = [this](ui::Component* sender) { BT_LanCfgOkClick(sender); };
    BT_LanCfgCancel = NewButton(this, "BT_LanCfgCancel", "Cancel", 170, 163, 75);
    BT_LanCfgCancel->OnClick = [this](ui::Component* sender) { BT_LanCfgCancelClick(sender); };
    StatusBar = NewStatusBar(this, "StatusBar", 50);
    for (const VkOptionItem& item : OptHGetIPFrom.items()) CB_IPFrom->AddItem(item.text);
}

void TFM_LanCfg::FormCreate(ui::Component*) {
    try {
        ReadDevice();
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
    for (ui::Edit* edit : {ED_DefGw, ED_IpAddr, ED_SubMask}) edit->SetMaxLength(kAddressLength);
    ClearNoGateway();
}

// The mode, then the addresses, in one load: a device that does not answer
// the first read is not asked the second. Address fields the load could not
// fill are left empty rather than showing what the form was built with.
void TFM_LanCfg::ReadDevice() {
    Groups.Make(GetIpFromRequest, {"address mode", VarsLanGetIpFrom, MVT_SV, 0, kTimeout});
    GetIpFromRequest->BindComboBox(SingleRow::Value, CB_IPFrom);
    Groups.Make(AddressRequest, {"LAN settings", VarsLanAddress, MVT_SV, 0, kTimeout});
    AddressRequest->BindEdits(LanAddressRow::Address, "%s", ED_IpAddr);
    AddressRequest->BindEdits(LanAddressRow::Mask, "%s", ED_SubMask);
    AddressRequest->BindEdits(LanAddressRow::Gateway, "%s", ED_DefGw);
    AddressRequest->SetStatusMemo(StatusBar, 0);

    Groups.BeginLoad();
    Groups.Read(*GetIpFromRequest);
    if (Groups.Read(*AddressRequest)) {
        DeviceIpFrom = CB_IPFrom->ItemIndex();
        ShowAddressFields();
    } else {
        for (ui::Edit* edit : {ED_IpAddr, ED_SubMask, ED_DefGw}) edit->SetText("");
    }
    if (Groups.Silent())
        StatusBar->ShowMessage(Groups.FailureText(DeviceSilentText));
    else if (!Groups.WasRead(*AddressRequest))
        StatusBar->ShowMessage(Groups.FailureText(LanNotReadText));
    else if (!Groups.WasRead(*GetIpFromRequest) || DeviceIpFrom < 0)
        StatusBar->ShowMessage(LanModeUnknownText);
}

void TFM_LanCfg::FormClose(ui::Component*, ui::CloseAction&) {
    Groups.Remove(AddressRequest);
    AddressRequest = nullptr;
}

void TFM_LanCfg::BT_LanCfgCancelClick(ui::Component*) { Close(); }

void TFM_LanCfg::CB_IPFromChange(ui::Component*) { ShowAddressFields(); }

void TFM_LanCfg::ShowAddressFields() {
    const bool shown = CB_IPFrom->ItemIndex() != kDhcpItem;
    ui::Control* const fields[] = {LA_IPAddress, ED_IpAddr, LA_SubnetMask, ED_SubMask, LA_DefGW, ED_DefGw};
    for (ui::Control* control : fields)
        control->SetVisible(shown);
}

void TFM_LanCfg::BT_LanCfgOkClick(ui::Component*) {
    const int selected = CB_IPFrom->ItemIndex();
    if (selected == kStaticItem) {
        if (!ValidStaticFields()) return;
        if (DeviceSettingsKnown()) SaveStatic();
    } else if (selected == kDhcpItem) {
        if (DeviceSettingsKnown()) SaveDhcp();
    }
    ClearNoGateway();
}

// Values the device was never read for are not written back over it.
bool TFM_LanCfg::DeviceSettingsKnown() {
    if (AddressRequest == nullptr || !Groups.WasRead(*AddressRequest)) {
        StatusBar->ShowMessage(LanNotReadText);
        return false;
    }
    if (!Groups.WasRead(*GetIpFromRequest) || (DeviceIpFrom != kStaticItem && DeviceIpFrom != kDhcpItem)) {
        StatusBar->ShowMessage(LanModeUnknownText);
        return false;
    }
    return true;
}

bool TFM_LanCfg::ValidStaticFields() {
    const std::string address = ED_IpAddr->Text();
    const std::string mask = ED_SubMask->Text();
    if (!TMainForm::IsValidLanAddress(address))
        return RefuseAndClear("Please input valid IP Address.", "Warning", ED_IpAddr);
    if (!TMainForm::IsValidSubnetMask(mask))
        return RefuseAndClear("Please input valid Subnet Mask.", "Warning", ED_SubMask);
    if (FirstOctet(address) >= FirstOctet(mask) || !TMainForm::IsValidHostInSubnet(address, mask))
        return RefuseAndClear("Please input valid IP Address.", "Warning", ED_IpAddr);
    if (ED_DefGw->Text().empty())
        ED_DefGw->SetText(kNoAddress);
    else if (!TMainForm::IsValidLanAddress(ED_DefGw->Text()))
        return RefuseAndClear("Invalid gateway address !", "Warning", ED_DefGw);
    return true;
}

// The mode first when the device is on DHCP, then the addresses; both are
// tried whatever the first result.
void TFM_LanCfg::SaveStatic() {
    GroupWrites writes(Groups);
    if (DeviceIpFrom == kDhcpItem) writes.Write(*GetIpFromRequest, {SingleRow::Value});
    writes.Write(*AddressRequest, {LanAddressRow::Address, LanAddressRow::Mask, LanAddressRow::Gateway});
    ShowWriteResult(writes);
}

void TFM_LanCfg::SaveDhcp() {
    if (DeviceIpFrom == kDhcpItem) return;
    GroupWrites writes(Groups);
    writes.Write(*GetIpFromRequest, {SingleRow::Value});
    ShowWriteResult(writes);
}

void TFM_LanCfg::ShowWriteResult(const GroupWrites& writes) {
    if (writes.AllWritten()) DeviceIpFrom = CB_IPFrom->ItemIndex();
    StatusBar->ShowMessage(writes.AllWritten() ? LanSetOkText : LanSetErrorText);
}

void TFM_LanCfg::ClearNoGateway() {
    if (ED_DefGw->Text() == kNoAddress) ED_DefGw->SetText("");
}

