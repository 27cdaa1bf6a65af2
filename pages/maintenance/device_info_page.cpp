#include "pages/maintenance/device_info_page.h"

#include <string>

#include "pages/common/page_controls.h"
#include "pages/maintenance/device_info_page_rules.h"
#include "pages/maintenance/device_info_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"

TFM_DevInfo* FM_DevInfo = nullptr;

namespace {

constexpr int32_t kTimeout = Seconds(100);
constexpr int kLabelLeft = 12;
constexpr int kEditLeft = 150;
constexpr int kEditWidth = 220;
constexpr int kBoxLeft = 8;
constexpr int kBoxWidth = 384;

}  // namespace

TFM_DevInfo::TFM_DevInfo(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_DevInfo", "Status \\ Device Information", 400, 476);
    BuildControls();
    BuildHiddenControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_DevInfo::BuildControls() {
    GB_Device = NewGroupBox(this, "GB_Device", "Device Information", kBoxLeft, 6, kBoxWidth, 116);
    PlaceControls(GB_Device, {
        {La_Firmware, "La_Firmware", "Firmware Version:", kLabelLeft, 20},
        {Ed_Firmware, "Ed_Firmware", kEditLeft, 16, kEditWidth},
        {La_Mac, "La_Mac", "MAC Address:", kLabelLeft, 44},
        {Ed_Mac, "Ed_Mac", kEditLeft, 40, kEditWidth},
        {La_Wlan1Mac, "La_Wlan1Mac", "WLAN1 MAC Address: ", kLabelLeft, 70},
        {La_Primary, "La_Primary", "Primary:", kEditLeft, 70},
        {LAB_Primary, "LAB_Primary", "", 210, 70},
        {La_Ssid17, "La_Ssid17", "SSID 1~7:", kEditLeft, 92},
        {Lab_Seccondary1, "Lab_Seccondary1", "", 210, 92},
        {La_Tilde, "La_Tilde", "~ ", 292, 92},
        {Lab_Seccondary2, "Lab_Seccondary2", "", 304, 92},
    });
    GB_Ethernet = NewGroupBox(this, "GB_Ethernet", "Ethernet", kBoxLeft, 128, kBoxWidth, 96);
    PlaceControls(GB_Ethernet, {
        {La_IPaddr, "La_IPaddr", "IP Address: ", kLabelLeft, 20},
        {Ed_IPaddr, "Ed_IPaddr", kEditLeft, 16, kEditWidth},
        {La_SubMask, "La_SubMask", "Subnet Mask:", kLabelLeft, 44},
        {Ed_SubMask, "Ed_SubMask", kEditLeft, 40, kEditWidth},
        {La_Gate, "La_Gate", "Gateway: ", kLabelLeft, 68},
        {Ed_Gate, "Ed_Gate", kEditLeft, 64, kEditWidth},
    });
    GB_Wireless = NewGroupBox(this, "GB_Wireless", "Wireless (2.4GHz)", kBoxLeft, 230, kBoxWidth, 120);
    PlaceControls(GB_Wireless, {
        {La_SSID, "La_SSID", "SSID", kLabelLeft, 20},
        {Ed_SSID, "Ed_SSID", kEditLeft, 16, kEditWidth},
        {La_Channel, "La_Channel", "Channel ", kLabelLeft, 44},
        {Ed_Channel, "Ed_Channel", kEditLeft, 40, kEditWidth},
        {La_DRate, "La_DRate", "Data Rate", kLabelLeft, 68},
        {Ed_DRate, "Ed_DRate", kEditLeft, 64, kEditWidth},
        {La_Sec, "La_Sec", "Security Level:", kLabelLeft, 92},
        {Ed_Sec, "Ed_Sec", kEditLeft, 88, kEditWidth},
    });
    GB_ApArray = NewGroupBox(this, "GB_ApArray", "Ap Array", kBoxLeft, 356, kBoxWidth, 96);
    PlaceControls(GB_ApArray, {
        {La_Array, "La_Array", "Ap Array", kLabelLeft, 20},
        {Ed_Array, "Ed_Array", kEditLeft, 16, kEditWidth},
        {La_Role, "La_Role", "Role", kLabelLeft, 44},
        {Ed_Role, "Ed_Role", kEditLeft, 40, kEditWidth},
        {La_Location, "La_Location", "Location", kLabelLeft, 68},
        {Ed_Location, "Ed_Location", kEditLeft, 64, kEditWidth},
    });
    for (ui::Edit* shown : {Ed_Firmware, Ed_Mac, Ed_IPaddr, Ed_SubMask, Ed_Gate, Ed_SSID, Ed_Channel, Ed_DRate,
                            Ed_Sec, Ed_Array, Ed_Role, Ed_Location})
        MakeDisplayOnly(*shown);
    StatusBar = NewStatusBar(this, "StatusBar", 0);
}

void TFM_DevInfo::BuildHiddenControls() {
    CB_Authentication = NewHiddenComboBox(this, "CB_Authentication");
    CB_Encryption = NewHiddenComboBox(this, "CB_Encryption");
    CB_CipherType = NewHiddenComboBox(this, "CB_CipherType");
    CB_WepKeyEntryMethod = NewHiddenComboBox(this, "CB_WepKeyEntryMethod");
    CB_Band = NewHiddenComboBox(this, "CB_Band");
    Cbox_Role = NewHiddenComboBox(this, "Cbox_Role");
    ED_Key = NewEdit(this, "ED_Key", "", 0, 0, 80);
    ED_Key->SetVisible(false);
}

void TFM_DevInfo::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        ReadGroups();
        StatusBar->SetSimpleText(Groups.LoadText());
    } catch (const os::Exception& error) {
        StatusBar->SetSimpleText(error.Message());
    }
}

// Every group exists before the first read, so that a fault while reading
// leaves no group unmade.
void TFM_DevInfo::MakeGroups() {
    Groups.Make(InterfaceRequest, {"interface", VarsDevInfoInterface, MVT_SV, 0, kTimeout});
    ui::Edit* const edits[] = {Ed_IPaddr, Ed_SubMask, Ed_Gate, Ed_Mac};
    for (int row = DevInfoInterfaceRow::IpAddress; row <= DevInfoInterfaceRow::Mac; ++row)
        InterfaceRequest->BindEdits(row, "%s", edits[row]);
    InterfaceRequest->BindLabel(DevInfoInterfaceRow::PrimaryMac, LAB_Primary);
    InterfaceRequest->BindLabel(DevInfoInterfaceRow::SsidMacStart, Lab_Seccondary1);
    InterfaceRequest->BindLabel(DevInfoInterfaceRow::SsidMacEnd, Lab_Seccondary2);

    Groups.Make(FirmwareRequest, {"firmware version", VarsFirmwareVersion, SVT_SV, 0, 0});
    FirmwareRequest->BindEdits(SingleRow::Value, "%s", Ed_Firmware);

    Groups.Make(RadioRequest, {"radio", VarsDevInfoRadioTable, MVT_UMV, 1, kTimeout});
    RadioRequest->BindEdits(DevInfoRadioRow::Ssid, "%s", Ed_SSID);
    RadioRequest->BindEdits(DevInfoRadioRow::Channel, "%s", Ed_Channel);
    RadioRequest->BindEdits(DevInfoRadioRow::DataRate, "%s", Ed_DRate);

    Groups.Make(SecurityRequest, {"security", VarsDevInfoSecurity, MVT_SV, 0, kTimeout});
    SecurityRequest->BindComboBox(DevInfoSecurityRow::Authentication, CB_Authentication);
    SecurityRequest->BindComboBox(DevInfoSecurityRow::Encryption, CB_Encryption);
    SecurityRequest->BindComboBox(DevInfoSecurityRow::CipherType, CB_CipherType);

    Groups.Make(KeyRequest, {"key", VarsDevInfoMssidKey, MVT_SV, 0, kTimeout});
    KeyRequest->BindComboBox(DevInfoKeyRow::KeyType, CB_WepKeyEntryMethod);
    KeyRequest->BindEdits(DevInfoKeyRow::Key, "%s", ED_Key);

    Groups.Make(BandRequest, {"band", VarsDot11Band, MVT_SV, 0, kTimeout});
    BandRequest->BindComboBox(SingleRow::Value, CB_Band);

    Groups.Make(ApArrayRequest, {"AP array", VarsDevInfoApArray, SVT_SV, 0, kTimeout});
    ApArrayRequest->BindEdits(DevInfoApArrayRow::Name, "%s", Ed_Array);
    ApArrayRequest->BindComboBox(DevInfoApArrayRow::Role, Cbox_Role);
    ApArrayRequest->BindEdits(DevInfoApArrayRow::Location, "%s", Ed_Location);
}

// Reads in the page's order; each derived text follows the read it comes
// from, from whatever the controls hold (only the firmware cut needs a read
// that succeeded).
void TFM_DevInfo::ReadGroups() {
    Groups.BeginLoad();
    Groups.Read(*InterfaceRequest);
    Ed_Gate->SetText(GatewayText(Ed_Gate->Text()));
    if (Groups.Read(*FirmwareRequest)) Ed_Firmware->SetText(FirmwareText(Ed_Firmware->Text()));
    Groups.Read(*RadioRequest);
    Groups.Read(*SecurityRequest);
    Groups.Read(*KeyRequest);
    Ed_Sec->SetText(BuildSecuritySummary());
    Groups.Read(*BandRequest);
    GB_Wireless->SetCaption(WirelessCaption(CB_Band->ItemIndex()));
    Groups.Read(*ApArrayRequest);
    Ed_Role->SetText(Cbox_Role->Text());
}

std::string TFM_DevInfo::BuildSecuritySummary() const {
    SecurityShown shown;
    shown.authentication = CB_Authentication->Text();
    shown.encryption = CB_Encryption->ItemIndex();
    shown.cipher = CB_CipherType->Text();
    shown.keyType = CB_WepKeyEntryMethod->ItemIndex();
    shown.keyLength = ED_Key->Text().size();
    return ::BuildSecuritySummary(shown);
}
