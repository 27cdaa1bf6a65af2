// The Wireless page's form: its controls at their places, the hidden value
// holders, the handlers' connections, show and close.

#include "pages/basic/wireless_page.h"

#include "pages/common/page_controls.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/status_bar.h"

TFM_Wirless* FM_Wirless = nullptr;
int SettingsGroupHeight = 157;
bool MultiSsidEnabled = false;

const char* const WirelessAuthenticationUnshownText =
    "The device's security mode is not one this page can show.";

namespace {

// Two columns of label and control inside a group; rows 25 pixels apart.
constexpr int kLeftLabel = 8;
constexpr int kLeftControl = 106;
constexpr int kRightLabel = 212;
constexpr int kRightControl = 306;
constexpr int kColumnWidth = 100;
constexpr int kLabelDrop = 4;  // a label's top below its control's
constexpr int kMaskChar = '*';

struct Row {
    ui::Label* label;
    ui::Control* control;
};

ui::Label* RowLabel(ui::Control* group, const char* name, const char* caption, int left, int top) {
    return NewLabel(group, name, caption, left, top + kLabelDrop);
}

ui::Edit* NewSecretEdit(ui::Control* parent, const char* name, int left, int top, int width) {
    ui::Edit* edit = NewEdit(parent, name, "", left, top, width);
    edit->SetPasswordChar(kMaskChar);
    return edit;
}

void AddTwoDigitItems(ui::ComboBox* combo, int count) {
    for (int i = 0; i < count; ++i) combo->AddItem((i < 10 ? "0" : "") + std::to_string(i));
}

}  // namespace

TFM_Wirless::TFM_Wirless(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_Wirless", "Home \\ Wireless", 431, 746);
    SetPosition(ui::FormPosition::ScreenCenter);
    BuildForm();
    ConnectHandlers();
    SettingsGroupHeight = 157;
    CB_Band->SetItemIndex(0);
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnShow = [this](ui::Component* sender) { FormShow(sender); };
}

void TFM_Wirless::BuildForm() {
    PC_Wirless = new ui::PageControl(this);
    PC_Wirless->SetName("PC_Wirless");
    PC_Wirless->SetBounds(0, 0, 873, 700);
    TS_11a = new ui::TabSheet(PC_Wirless);
    TS_11a->SetName("TS_11a");
    TS_11a->SetCaption("IEEE 802.11");
    BuildSettingsGroup();
    BuildKeyGroup();
    BuildPassphraseGroup();
    BuildRadiusGroup();
    BuildWdsGroup();
    BuildSurveyGroup();
    BuildMacCloneGroup();
    BuildHiddenHolders();
    Bt_Apply = NewButton(this, "Bt_Apply", "Save", 60, 708, 75);
    Bt_Refresh = NewButton(this, "Bt_Refresh", "Refresh", 178, 708, 75);
    Bt_Close = NewButton(this, "Bt_Close", "Close", 296, 708, 75);
    StatusBar = NewStatusBar(this, "StatusBar", 50);
}

void TFM_Wirless::BuildSettingsGroup() {
    GroupBox1 = NewGroupBox(TS_11a, "GroupBox1", "Wireless Network Settings", 4, 4, 416, 157);
    ui::GroupBox* g = GroupBox1;
    Label51 = RowLabel(g, "Label51", "Application ", kLeftLabel, 16);
    CB_Applicaiton = NewComboBox(g, "CB_Applicaiton", kLeftControl, 16, 306);
    La_Band = RowLabel(g, "La_Band", "Wireless Band", kLeftLabel, 41);
    CB_Band = NewComboBox(g, "CB_Band", kLeftControl, 41, kColumnWidth);
    CB_Band->AddItem("2.4GHz");
    CB_Band->AddItem("5GHz");
    CB_Band->SetEnabled(false);
    La_APMode = RowLabel(g, "La_APMode", "Mode ", kRightLabel, 41);
    CB_APMode = NewComboBox(g, "CB_APMode", kRightControl, 41, kColumnWidth);
    La_SSID = RowLabel(g, "La_SSID", "SSID ", kLeftLabel, 66);
    Ed_SSID = NewEdit(g, "Ed_SSID", "", kLeftControl, 66, kColumnWidth);
    Ed_SSID->SetMaxLength(32);
    La_SsidBroadcast = RowLabel(g, "La_SsidBroadcast", "SSID Visibility", kRightLabel, 66);
    CB_SsidBroadcast = NewComboBox(g, "CB_SsidBroadcast", kRightControl, 66, kColumnWidth);
    La_AuSc = RowLabel(g, "La_AuSc", "Auto Channel Scan", kLeftLabel, 91);
    CB_AuSc = NewComboBox(g, "CB_AuSc", kLeftControl, 91, kColumnWidth);
    La_Chanal = RowLabel(g, "La_Chanal", "Wireless Channel  ", kRightLabel, 91);
    CB_Chanal = NewComboBox(g, "CB_Chanal", kRightControl, 91, kColumnWidth);
    La_SecurityMode = RowLabel(g, "La_SecurityMode", "Authentication ", kLeftLabel, 116);
    CB_SecurityMode = NewComboBox(g, "CB_SecurityMode", kLeftControl, 116, kColumnWidth);
    La_ChannelWidth = RowLabel(g, "La_ChannelWidth", "Channel Width", kRightLabel, 116);
    CB_ChannelWidth = NewComboBox(g, "CB_ChannelWidth", kRightControl, 116, kColumnWidth);

    CB_dot11Authentication = NewHiddenComboBox(g, "CB_dot11Authentication");
    Ed_Channel = NewHiddenEdit(g, "Ed_Channel");
    Ed_ChanListA = NewHiddenEdit(g, "Ed_ChanListA");
    CB_MultEnable = NewHiddenComboBox(g, "CB_MultEnable");
    CB_VlanStatus = NewHiddenComboBox(g, "CB_VlanStatus");
    Ed_APModeChange = NewHiddenEdit(g, "Ed_APModeChange");
    ED_Country = NewHiddenEdit(g, "ED_Country");
    CB_App = NewHiddenComboBox(g, "CB_App");
    ED_IndoorWdsChannelList = NewHiddenEdit(g, "ED_IndoorWdsChannelList");
    ED_IndoorChannelList = NewHiddenEdit(g, "ED_IndoorChannelList");
    ED_OutdoorChannelList = NewHiddenEdit(g, "ED_OutdoorChannelList");
}

void TFM_Wirless::BuildKeyGroup() {
    GroupBox5 = NewGroupBox(TS_11a, "GroupBox5", "Key settings", 4, 164, 416, 100);
    ui::GroupBox* g = GroupBox5;
    La_Encryption = RowLabel(g, "La_Encryption", "Encryption   ", kLeftLabel, 16);
    CB_dot11Encryption = NewComboBox(g, "CB_dot11Encryption", kLeftControl, 16, kColumnWidth);
    La_KeyIndex = RowLabel(g, "La_KeyIndex", "Key Index", kRightLabel, 16);
    CB_DefaultKey = NewComboBox(g, "CB_DefaultKey", kRightControl, 16, kColumnWidth);
    La_KeySize = RowLabel(g, "La_KeySize", "Key Size ", kLeftLabel, 41);
    La_KeyType = RowLabel(g, "La_KeyType", "Key Type", kRightLabel, 41);
    La_NetworkKey = RowLabel(g, "La_NetworkKey", "Network Key", kLeftLabel, 66);
    La_ConfirmKey = RowLabel(g, "La_ConfirmKey", "Confirm Key", kRightLabel, 66);
    ui::ComboBox** sizes[] = {&CB_WepEncryp1, &CB_WepEncryp2, &CB_WepEncryp3, &CB_WepEncryp4};
    ui::ComboBox** types[] = {&CB_KeyType1, &CB_KeyType2, &CB_KeyType3, &CB_KeyType4};
    ui::Edit** keys[] = {&Ed_Key1, &Ed_Key2, &Ed_Key3, &Ed_Key4};
    for (int k = 0; k < 4; ++k) {
        const std::string number = std::to_string(k + 1);
        *sizes[k] = NewComboBox(g, "CB_WepEncryp" + number, kLeftControl, 41, kColumnWidth);
        (*sizes[k])->AddItem("64Bits");
        (*sizes[k])->AddItem("128Bits");
        *types[k] = NewComboBox(g, "CB_KeyType" + number, kRightControl, 41, kColumnWidth);
        *keys[k] = NewEdit(g, "Ed_Key" + number, "", kLeftControl, 66, kColumnWidth);
        (*keys[k])->SetPasswordChar(kMaskChar);
        (*keys[k])->SetMaxLength(32);
    }
    Ed_ConfirmKey = NewSecretEdit(g, "Ed_ConfirmKey", kRightControl, 66, kColumnWidth);
    Ed_ConfirmKey->SetMaxLength(32);
}

void TFM_Wirless::BuildPassphraseGroup() {
    GroupBox6 = NewGroupBox(TS_11a, "GroupBox6", "Passphrase Settings", 5, 268, 415, 294);
    ui::GroupBox* g = GroupBox6;
    constexpr int kValue = 170;
    La_WPAMode = RowLabel(g, "La_WPAMode", "WPA Mode ", kLeftLabel, 20);
    CB_WPAMode = NewComboBox(g, "CB_WPAMode", kLeftControl, 20, kColumnWidth + 20);
    La_CipherType = RowLabel(g, "La_CipherType", "Cipher Type ", kRightLabel + 20, 20);
    CB_CipherType = NewComboBox(g, "CB_CipherType", kRightControl + 20, 20, 80);
    Label19 = NewLabel(g, "Label19", "Group Key Update Interval  ", kLeftLabel, 55);
    Ed_UpdateInterval = NewEdit(g, "Ed_UpdateInterval", "", kValue, 51, 80);
    Ed_Update2 = NewEdit(g, "Ed_Update2", "", kValue, 51, 80);
    Ed_Update2->SetVisible(false);
    La_Seconds = NewLabel(g, "La_Seconds", "Seconds", kValue + 86, 55);
    La_AutoRekey = RowLabel(g, "La_AutoRekey", "AutoRekeyControl", kLeftLabel, 83);
    CB_AutoRekeyType = NewComboBox(g, "CB_AutoRekeyType", kValue, 83, 160);
    La_ActivatedFrom = RowLabel(g, "La_ActivatedFrom", "Activated From ", kLeftLabel, 117);
    CB_TimeWeek = NewComboBox(g, "CB_TimeWeek", kValue, 117, 60);
    CB_TimeHour = NewComboBox(g, "CB_TimeHour", kValue + 66, 117, 46);
    AddTwoDigitItems(CB_TimeHour, 24);
    La_Colon1 = RowLabel(g, "La_Colon1", ":", kValue + 115, 117);
    CB_TimeSec = NewComboBox(g, "CB_TimeSec", kValue + 122, 117, 46);
    AddTwoDigitItems(CB_TimeSec, 60);
    La_Colon2 = RowLabel(g, "La_Colon2", ":", kValue + 171, 117);
    La_TimeInterval = RowLabel(g, "La_TimeInterval", "Time Interval ", kLeftLabel, 149);
    Ed_TimeInterval = NewEdit(g, "Ed_TimeInterval", "", kValue, 149, 50);
    La_Hours = RowLabel(g, "La_Hours", "(1~168)hour(s)", kValue + 56, 149);
    La_Passphrase = NewLabel(g, "La_Passphrase", "PassPhrase", kLeftLabel, 184);
    Ed_Passphrase = NewSecretEdit(g, "Ed_Passphrase", kValue, 180, 200);
    Ed_AutoRekeyPassphrase = NewEdit(g, "Ed_AutoRekeyPassphrase", "", kValue, 180, 200);
    Ed_AutoRekeyPassphrase->SetReadOnly(true);
    Ed_AutoRekeyPassphrase->SetEnabled(false);
    Ed_AutoRekeyPassphrase->SetMaxLength(63);
    Label_ConPassphrase = NewLabel(g, "Label_ConPassphrase", "Confirm PassPhrase", kLeftLabel, 208);
    Ed_ConfirmPass = NewSecretEdit(g, "Ed_ConfirmPass", kValue, 205, 200);
    Ed_ConfirmPass->SetMaxLength(63);
    CB_Clipher = NewHiddenComboBox(g, "CB_Clipher");
    Ed_TimeStart = NewHiddenEdit(g, "Ed_TimeStart");
}

void TFM_Wirless::BuildRadiusGroup() {
    GroupBox2 = NewGroupBox(GroupBox6, "GroupBox2", "", 0, 40, 415, 185);
    ui::GroupBox* g = GroupBox2;
    constexpr int kEdit = 100;
    La_NetProtect = RowLabel(g, "La_NetProtect", "Network Access Protection", kLeftLabel, 16);
    CB_NetProtect = NewComboBox(g, "CB_NetProtect", 170, 16, kColumnWidth);
    La_NetProtect->SetVisible(false);
    CB_NetProtect->SetVisible(false);
    La_PrimaryRadius = NewLabel(g, "La_PrimaryRadius", "Primary RADIUS Server Setting", kLeftLabel, 53);
    La_RadiusServer = NewLabel(g, "La_RadiusServer", "RADIUS Server", kLeftLabel, 73);
    Edt_RadiusServer = NewEdit(g, "Edt_RadiusServer", "", kEdit, 68, 110);
    La_RadiusPort = NewLabel(g, "La_RadiusPort", "RADIUS Port", kRightLabel + 10, 70);
    Edt_RadiusPort = NewEdit(g, "Edt_RadiusPort", "", kRightControl + 10, 68, 60);
    La_RadiusSecret = NewLabel(g, "La_RadiusSecret", "RADIUS Secret", kLeftLabel, 96);
    Edt_RadiusSecret = NewSecretEdit(g, "Edt_RadiusSecret", kEdit, 94, 150);
    // Below the height the group is ever shown with.
    La_BackRadius = NewLabel(g, "La_BackRadius", "Backup RADIUS Server Setting(Optional)", kLeftLabel, 125);
    Edt_BackRadiusServer = NewEdit(g, "Edt_BackRadiusServer", "", kEdit, 142, 110);
    Edt_BackRadiusPort = NewEdit(g, "Edt_BackRadiusPort", "", kRightControl + 10, 142, 60);
    Edt_BackRadiusSecret = NewSecretEdit(g, "Edt_BackRadiusSecret", kEdit, 166, 150);
    La_RadiusMode = NewLabel(g, "La_RadiusMode", "RADIUS Server Mode", kLeftLabel, 194);
    Cbox_RadiusSer = NewComboBox(g, "Cbox_RadiusSer", kEdit, 190, kColumnWidth);
    Cbox_RadiusSer->SetVisible(false);
    La_Accounting = NewLabel(g, "La_Accounting", "Primary Accounting Server Setting", kLeftLabel, 220);
    CB_AccountMode = NewComboBox(g, "CB_AccountMode", kEdit, 236, kColumnWidth);
    Edt_AccountServer = NewEdit(g, "Edt_AccountServer", "", kEdit, 260, 110);
    Edt_AccountPort = NewEdit(g, "Edt_AccountPort", "", kRightControl + 10, 260, 60);
    Edt_AccountSecret = NewSecretEdit(g, "Edt_AccountSecret", kEdit, 284, 150);
    La_BackAccounting =
        NewLabel(g, "La_BackAccounting", "Backup Accounting Server Setting (Optional)", kLeftLabel, 310);
    Edt_BackAccountServer = NewEdit(g, "Edt_BackAccountServer", "", kEdit, 326, 110);
    Edt_BackAccountPort = NewEdit(g, "Edt_BackAccountPort", "", kRightControl + 10, 326, 60);
    Edt_BackAccountSecret = NewSecretEdit(g, "Edt_BackAccountSecret", kEdit, 350, 150);
    ui::Control* const unseen[] = {La_BackRadius, Edt_BackRadiusServer, Edt_BackRadiusPort, Edt_BackRadiusSecret};
    for (ui::Control* control : unseen)
        control->SetVisible(false);
}

void TFM_Wirless::BuildWdsGroup() {
    GroupBox3 = NewGroupBox(TS_11a, "GroupBox3", "WDS", 429, 274, 417, 90);
    La_RemoteAp = NewLabel(GroupBox3, "La_RemoteAp", "Remote AP MAC Address", kLeftLabel, 16);
    for (int i = 0; i < 8; ++i) {
        const bool right = i % 2 == 1;
        const int top = 35 + (i / 2) * 25;
        La_WdsNumber[i] = NewLabel(GroupBox3, "La_WdsNumber" + std::to_string(i + 1), std::to_string(i + 1),
                                   right ? 215 : 10, top + kLabelDrop);
        Ed_ReMAddra[i] = NewEdit(GroupBox3, "Ed_ReMAddra" + std::to_string(i), "", right ? 230 : 25, top, 150);
        if (i >= 4) {
            La_WdsNumber[i]->SetVisible(false);
            Ed_ReMAddra[i]->SetVisible(false);
        }
    }
}

void TFM_Wirless::BuildSurveyGroup() {
    GroupBox4 = NewGroupBox(TS_11a, "GroupBox4", "Site Survey", 427, 3, 417, 139);
    SiteScan = NewButton(GroupBox4, "SiteScan", "Scan", kLeftLabel, 16, 75);
    LV_ClientSiteServey = NewListView(GroupBox4, "LV_ClientSiteServey", kLeftLabel, 45, 400, 88);
    LV_WdsSiteServey = NewListView(GroupBox4, "LV_WdsSiteServey", kLeftLabel, 45, 400, 88);
    CB_SiteScan = NewHiddenComboBox(GroupBox4, "CB_SiteScan");
    CB_WdsSiteScan = NewHiddenComboBox(GroupBox4, "CB_WdsSiteScan");
}

void TFM_Wirless::BuildMacCloneGroup() {
    GroupBox7 = NewGroupBox(this, "GroupBox7", "Wireless Mac Clone", 10, 545, 415, 164);
    ui::GroupBox* g = GroupBox7;
    La_CloneStatus = RowLabel(g, "La_CloneStatus", "Enable", kLeftLabel, 18);
    Cbox_Status = NewComboBox(g, "Cbox_Status", 90, 18, 90);
    La_MacSource = RowLabel(g, "La_MacSource", "Mac Source", 200, 18);
    Cbox_MacSource = NewComboBox(g, "Cbox_MacSource", 280, 18, 90);
    La_CloneMac = RowLabel(g, "La_CloneMac", "MAC Address", kLeftLabel, 45);
    Ed_CloneMac = NewEdit(g, "Ed_CloneMac", "", 90, 45, 120);
    Ed_CloneMac->SetMaxLength(12);
    Bt_CloneScan = NewButton(g, "Bt_CloneScan", "Scan", 220, 43, 75);
    LV_MacClone = NewListView(g, "LV_MacClone", kLeftLabel, 72, 398, 84);
    Cbox_CloneScan = NewHiddenComboBox(g, "Cbox_CloneScan");
}

void TFM_Wirless::BuildHiddenHolders() {
    CB_WMode1 = NewHiddenComboBox(TS_11a, "CB_WMode1");
    CB_WMode2 = NewHiddenComboBox(TS_11a, "CB_WMode2");
    Ed_BaseChannel = NewHiddenEdit(TS_11a, "Ed_BaseChannel");
    LV_Multi2 = NewListView(TS_11a, "LV_Multi2", 440, 0, 100, 50);
    LV_Multi2->SetVisible(false);
    Lv_RemoteMac = NewListView(this, "Lv_RemoteMac", 440, 0, 100, 50);
    Lv_RemoteMac->SetVisible(false);
    CB_RemoveMac = NewHiddenComboBox(this, "CB_RemoveMac");
    CB_LimitVidStatus = NewHiddenComboBox(this, "CB_LimitVidStatus");
    CB_APArryStatus = NewHiddenComboBox(this, "CB_APArryStatus");
}

void TFM_Wirless::ConnectHandlers() {
    auto on = [this](void (TFM_Wirless::*handler)(ui::Component*)) {
        return [this, handler](ui::Component* sender) { (this->*handler)(sender); };
    };
    CB_APMode->OnChange = on(&TFM_Wirless::CB_APModeChange);
    CB_SecurityMode->OnChange = on(&TFM_Wirless::CB_SecurityModeChange);
    for (ui::ComboBox* type : {CB_KeyType1, CB_KeyType2, CB_KeyType3, CB_KeyType4})
        type->OnChange = on(&TFM_Wirless::CB_KeyType1Change);
    for (ui::ComboBox* size : {CB_WepEncryp1, CB_WepEncryp2, CB_WepEncryp3, CB_WepEncryp4})
        size->OnChange = on(&TFM_Wirless::CB_WepEncryp1Change);
    CB_DefaultKey->OnChange = on(&TFM_Wirless::CB_DefaultKeyChange);
    CB_AuSc->OnChange = on(&TFM_Wirless::CB_AuScClick);
    CB_CipherType->OnChange = on(&TFM_Wirless::CB_CipherTypeChange);
    CB_dot11Encryption->OnChange = on(&TFM_Wirless::CB_dot11EncryptionChange);
    CB_APArryStatus->OnChange = on(&TFM_Wirless::CB_dot11EncryptionChange);
    CB_AccountMode->OnChange = on(&TFM_Wirless::CB_AccountModeChange);
    CB_NetProtect->OnChange = on(&TFM_Wirless::CB_NetProtectChange);
    Cbox_RadiusSer->OnChange = on(&TFM_Wirless::Cbox_RadiusSerChange);
    CB_Band->OnChange = on(&TFM_Wirless::CB_BandChange);
    CB_Chanal->OnChange = on(&TFM_Wirless::CB_ChanalChange);
    CB_Applicaiton->OnChange = on(&TFM_Wirless::CB_ApplicaitonChange);
    CB_AutoRekeyType->OnChange = on(&TFM_Wirless::CB_AutoRekeyTypeChange);
    Cbox_Status->OnChange = on(&TFM_Wirless::Cbox_StatusChange);
    Cbox_MacSource->OnChange = on(&TFM_Wirless::Cbox_MacSourceChange);
    LV_MacClone->OnClick = on(&TFM_Wirless::LV_MacCloneClick);
    Ed_Key1->OnClick = on(&TFM_Wirless::WsKey1Click);
    Ed_Key2->OnClick = on(&TFM_Wirless::WsKey2Click);
    Ed_Key3->OnClick = on(&TFM_Wirless::WsKeyClick);
    Ed_Key4->OnClick = on(&TFM_Wirless::WsKey4Click);
    Ed_ConfirmKey->OnClick = on(&TFM_Wirless::WsKeyConClick);
    Ed_Passphrase->OnClick = on(&TFM_Wirless::WsPass2Click);
    Ed_ConfirmPass->OnClick = on(&TFM_Wirless::WsConfimPassClick);
    Edt_RadiusSecret->OnClick = on(&TFM_Wirless::WsRadiusClick);
    Bt_Refresh->OnClick = on(&TFM_Wirless::Bt_RefreshClick);
    Bt_Close->OnClick = on(&TFM_Wirless::Bt_CloseClick);
    Bt_Apply->OnClick = on(&TFM_Wirless::Bt_ApplyClick);
    SiteScan->OnClick = on(&TFM_Wirless::SiteScanClick);
    LV_ClientSiteServey->OnClick = on(&TFM_Wirless::LV_ClientSiteServeyClick);
    LV_WdsSiteServey->OnClick = on(&TFM_Wirless::LV_WdsSiteServeyClick);
    LV_Multi2->OnClick = on(&TFM_Wirless::LV_WdsSiteServeyClick);
    Bt_CloneScan->OnClick = on(&TFM_Wirless::Bt_CloneScanClick);
}

void TFM_Wirless::FormShow(ui::Component*) {
    if (!GroupBox5->Visible()) return;
    CB_DefaultKeyChange(this);
    CB_dot11EncryptionChange(this);
}

void TFM_Wirless::Bt_CloseClick(ui::Component*) { Close(); }
