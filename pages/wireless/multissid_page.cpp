#include "pages/wireless/multissid_page.h"

#include "library/common/messages.h"
#include "library/common/text.h"
#include "pages/common/completion_status.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "pages/wireless/multissid_page_rules.h"
#include "pages/wireless/multissid_page_texts.h"
#include "pages/wireless/multissid_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/panel.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"

TFM_MultiSSIDNewForm* FM_MultiSSIDNewForm = nullptr;
bool WarnApModeOnEnable = false;

namespace {

constexpr int kClientWidth = 471;
constexpr int kWindowFrame = 34;  // the form's outer height above its client height
constexpr int kInitialFormHeight = 516;

// Cells of a walked SSID row: cell k is table row k (the caption row 0).
constexpr int kStateCell = MssidRow::IndividualState;
constexpr int kSsidCell = MssidRow::Ssid;
constexpr int kAuthenticationCell = MssidRow::Authentication;
constexpr int kEncryptionCell = MssidRow::Encryption;
constexpr int kRekeyCell = MssidRow::RekeyControl;

constexpr char kPrimaryCaption[] = "Primary SSID";
constexpr char kEnabled[] = "Enabled";
constexpr char kDisabled[] = "Disabled";

// Every SSID has its row; only the enabled ones are in use. Every SSID has
// its RADIUS row.
bool SsidNotEnabled(const ui::ListItem& row) { return CellText(row, kStateCell) != kEnabled; }
bool NeverFree(const ui::ListItem&) { return false; }

}  // namespace

TFM_MultiSSIDNewForm::TFM_MultiSSIDNewForm(ui::Component* owner)
    : ui::Form(owner), Ssids(SsidNotEnabled, MssidRow::Index), RadiusServers(NeverFree, MultiSsidRadiusRow::MssidIndex) {
    SetupPageForm(*this, "FM_MultiSSIDNewForm", "Advanced \\ Multi-SSID", kClientWidth,
                  kInitialFormHeight - kWindowFrame);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
}

void TFM_MultiSSIDNewForm::BuildControls() {
    Panel1 = NewPanel(this, "Panel1", 0, 0, kClientWidth, 426);
    GroupBox1 = NewGroupBox(Panel1, "GroupBox1", "Multi-SSID Settings", 8, 6, 455, 126);
    ui::Label* unused = nullptr;
    PlaceControls(GroupBox1, {
        {IfEnabMuSSID, "IfEnabMuSSID", "Enable Multi-SSID ", 12, 18, 140},
        {Chk_MultiPri, "Chk_MultiPri", "Enable Priority", 170, 18, 120},
        {unused, "Label_Priority", "Priority", 300, 20},
        {Cbox_Priority, "Cbox_Priority", 350, 16, 60},
        {unused, "Label_Band", "Band:", 12, 46},
        {CB_Band, "CB_Band", 60, 42, 90},
        {unused, "Label_Index", "Index:", 170, 46},
        {CB_Index, "CB_Index", 230, 42, 110},
        {unused, "Label_SSID", "SSID:", 12, 72},
        {Ed_SSID, "Ed_SSID", 60, 68, 150},
        {unused, "Label_Visibility", "SSID Visibility:", 230, 72},
        {CB_SsidBroadcast, "CB_SsidBroadcast", 330, 68, 100},
        {unused, "Label_Security", "Security:", 12, 98},
        {CB_SSIDSecurityMode, "CB_SSIDSecurityMode", 70, 94, 140},
        {unused, "Label_WMM", "WMM(Wi-Fi Multimedia):", 230, 98},
        {CB_WMM, "CB_WMM", 370, 94, 70},
    });
    CB_Band->SetEnabled(false);
    for (const char* item : {"Primary SSID", "SSID 1", "SSID 2", "SSID 3", "SSID 4", "SSID 5", "SSID 6", "SSID 7"})
        CB_Index->AddItem(item);
    CB_Index->SetItemIndex(0);
    BuildSecurityControls();

    GroupBox4 = NewGroupBox(Panel1, "GroupBox4", "Mulit-SSID", 8, 263, 455, 155);
    PlaceControls(GroupBox4, {
        {AddButton, "AddButton", "Add", 12, 20, 75},
        {DelButton, "DelButton", "Delete", 12, 52, 75},
    });
    LV_MultiSSID_User = NewListView(GroupBox4, "LV_MultiSSID_User", 96, 16, 350, 130);
    // The designed widths (100, 150, 60, 120) do not fit the list's 350
    // pixels: the columns share them so that all four are in view.
    LV_MultiSSID_User->AddColumn("Index", 80);
    LV_MultiSSID_User->AddColumn("SSID", 98);
    LV_MultiSSID_User->AddColumn("Band", 48);
    LV_MultiSSID_User->AddColumn("Encryption", 118);
    LV_MultiSSID_User->SetGridLines(true);
    LV_MultiSSID_User->SetHideSelection(false);
    PlaceControls(this, {
        {ApplyBtn, "ApplyBtn", "Save", 290, 436, 75},
        {CancelBtn, "CancelBtn", "Cancel", 380, 436, 75},
    });
    StatusBar = NewStatusBar(this, "StatusBar", 0);

    PlaceControls(this, {
        {Lb_Ifindex, "Lb_Ifindex", "", 0, 0},
        {Lb_Ssidindex, "Lb_Ssidindex", "", 0, 0},
        {CB_IdvState, "CB_IdvState", 0, 0, 10},
        {CB_dot11Authentication, "CB_dot11Authentication", 0, 0, 10},
        {CB_Clipher, "CB_Clipher", 0, 0, 10},
        {CB_ApMode, "CB_ApMode", 0, 0, 10},
        {Ed_TimeStart, "Ed_TimeStart", 0, 0, 10},
    });
    MulSSIDListView = NewListView(this, "MulSSIDListView", 0, 0, 10, 10);
    LV_RadiusServer = NewListView(this, "LV_RadiusServer", 0, 0, 10, 10);
    BT_Test = NewButton(this, "BT_Test", "Test", 0, 0, 75);
    Ssids.Use(MulSSIDListView);
    RadiusServers.Use(LV_RadiusServer);
    DelButton->SetEnabled(false);  // until a listed SSID is chosen
    ShowControls({Lb_Ifindex, Lb_Ssidindex, CB_IdvState, CB_dot11Authentication, CB_Clipher, CB_ApMode, Ed_TimeStart,
                  MulSSIDListView, LV_RadiusServer, BT_Test},
                 false);

    CB_Index->OnChange = [this](ui::Component* sender) { CB_IndexChange(sender); };
    CB_Band->OnChange = [this](ui::Component* sender) { CB_SecurityModeChange(sender); };
    Cbox_Priority->OnChange = [this](ui::Component* sender) { CB_SecurityModeChange(sender); };
    LV_MultiSSID_User->OnSelectItem = [this](ui::Component* sender, ui::ListItem*, bool) {
        if (!SelectingRow) LV_MultiSSID_UserClick(sender);
    };
    IfEnabMuSSID->OnClick = [this](ui::Component* sender) { IfEnabMuSSIDClick(sender); };
    Chk_MultiPri->OnClick = [this](ui::Component* sender) { Chk_MultiPriClick(sender); };
    ApplyBtn->OnClick = [this](ui::Component* sender) { ApplyBtnClick(sender); };
    DelButton->OnClick = [this](ui::Component* sender) { DelButtonClick(sender); };
    AddButton->OnClick = [this](ui::Component* sender) { AddButtonClick(sender); };
    CancelBtn->OnClick = [this](ui::Component* sender) { CancelBtnClick(sender); };
    BT_Test->OnClick = [this](ui::Component* sender) { BT_TestClick(sender); };
}

void TFM_MultiSSIDNewForm::MakeGroups() {
    Groups.Make(ApModeRequest, {"AP mode", VarsDot11ApMode, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, CB_ApMode);
    ApModeRequest->SetStatusBar(StatusBar);
    Groups.Make(BandRequest, {"band", VarsDot11Band2, MVT_SV, 0, Seconds(100)}).BindComboBox(SingleRow::Value, CB_Band);
    VkSNMPRequest2Edits& state = Groups.Make(MssidStateRequest, {"Multi-SSID", VarsMultiSsidState, MVT_SV, 0, Seconds(100)});
    state.BindCheckBox(MultiSsidStateRow::State, IfEnabMuSSID);
    state.BindCheckBox(MultiSsidStateRow::PriorityState, Chk_MultiPri);
    state.SetStatusBar(StatusBar);
}

// The SSID table: every row gets a column of the hidden list; a selected
// row fills the controls.
void TFM_MultiSSIDNewForm::StartTableWalk() {
    if (MssidTableRequest == nullptr) {
        VkSNMPRequest2Edits& table =
            Groups.Make(MssidTableRequest, {"SSID table", VarsMssidTable, MVT_UMV, 2, Seconds(500), true});
        table.BindListView(MulSSIDListView, true);
        table.BindLabel(MssidRow::IfIndex, Lb_Ifindex);
        table.BindLabel(MssidRow::Index, Lb_Ssidindex);
        table.BindComboBox(MssidRow::IndividualState, CB_IdvState);
        table.BindEdits(MssidRow::Ssid, "%s", Ed_SSID);
        table.BindComboBox(MssidRow::Suppress, CB_SsidBroadcast);
        table.BindComboBox(MssidRow::Authentication, CB_dot11Authentication);
        table.BindComboBox(MssidRow::Encryption, CB_MssidEncryption);
        table.BindComboBox(MssidRow::WepKeyIndex, CB_DefaultKey);
        table.BindEdits(MssidRow::WepKey, "%s", Ed_Key);
        table.BindComboBox(MssidRow::CipherType, CB_Clipher);
        table.BindEdits(MssidRow::PassPhrase, "%s", Ed_Passphrase);
        table.BindComboBox(MssidRow::KeyType, CB_KeyType);
        table.BindComboBox(MssidRow::Wmm, CB_WMM);
        table.BindEdits(MssidRow::GroupKeyInterval, "%u", Ed_UpdateInterval);
        table.BindComboBox(MssidRow::Priority, Cbox_Priority);
        table.BindComboBox(MssidRow::RekeyControl, CB_AutoRekeyType);
        table.BindComboBox(MssidRow::RekeyStartWeek, CB_TimeWeek);
        table.BindEdits(MssidRow::RekeyStartTime, "%s", Ed_TimeStart);
        table.BindEdits(MssidRow::RekeyInterval, "%u", Ed_TimeInterval);
        table.BindEdits(MssidRow::RekeyPassPhrase, "%s", Ed_AutoRekeyPassphrase);
        table.SetStatusBar(StatusBar);
        table.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnMssidTableGetDone(result); };
        table.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnMssidTableSetDone(result); };
    }
    // A walk started while one runs restarts it: the list is filled once.
    Groups.StartRead(*MssidTableRequest);
}

void TFM_MultiSSIDNewForm::FormCreate(ui::Component*) {
    Groups.BeginLoad();
    try {
        MakeGroups();
        Groups.Read(*ApModeRequest);
        Groups.Read(*BandRequest);
        if (Groups.Read(*MssidStateRequest)) WarnApModeOnEnable = true;
        NewKeyNoticePending = false;
        Ed_TimeInterval->SetMaxLength(3);
        StartTableWalk();
        EnableMssidControls(CB_Index->ItemIndex() != 0);
        VkSNMPRequest2Edits& radius =
            Groups.Make(RadiusRequest, {"RADIUS servers", VarsMultiSsidRadius, MVT_UMV, 2, Seconds(100)});
        radius.BindListView(LV_RadiusServer, true);
        radius.BindEdits(MultiSsidRadiusRow::Server, "%s", Edt_RadiusServer);
        radius.BindEdits(MultiSsidRadiusRow::Port, "%s", Edt_RadiusPort);
        radius.BindEdits(MultiSsidRadiusRow::Secret, "%s", Edt_RadiusSecret);
        radius.BindEdits(MultiSsidRadiusRow::KeyUpdateInterval, "%u", Ed_KeyUpdate);
        Groups.Read(radius);
        if (!Groups.Unread().empty()) StatusBar->ShowMessage(Groups.LoadText());
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
    CB_Index->SetEnabled(IfEnabMuSSID->Checked());
    EnableMssidControls(false);
}

void TFM_MultiSSIDNewForm::FormClose(ui::Component*, ui::CloseAction&) {
    // Answers still on their way reach nothing of the page.
    Groups.Remove(MssidTableRequest);
    MssidTableRequest = nullptr;
}

// ---- the lists ------------------------------------------------------------------

void TFM_MultiSSIDNewForm::OnMssidTableGetDone(VkSNMPError* result) {
    ApplyBtn->SetEnabled(true);  // also after a failed walk: Save does not wait for one that succeeds
    if (result->code != VK_OK) {
        ShowCompletion(*MssidTableRequest, *result, "");
        return;
    }
    if (CB_ApMode->ItemIndex() < 0 && ApModeRequest != nullptr) Groups.Read(*ApModeRequest);
    StatusBar->ShowMessage(Groups.EndText(kGetOkText));
    const std::string primary = MssidEntryIndex(0);
    for (int i = 0; i < MulSSIDListView->ItemCount(); ++i) {
        const ui::ListItem& row = *MulSSIDListView->Item(i);
        if (Ssids.IndexOf(row) == primary) continue;
        if (CellText(row, kAuthenticationCell).find("-psk") == std::string::npos) continue;
        if (CellText(row, kRekeyCell) == "Manual" || CellText(row, kStateCell) != kEnabled) continue;
        if (!NewKeyNoticePending) break;
        NewKeyNoticePending = false;
        ui::MessageBox(kNewKeyText, "Warning");
        break;
    }
    CB_Index->SetItemIndex(0);
    CB_IndexChange(CB_Index);
    FillMssidUserList();
    if (const ui::ListItem* row = Ssids.RowOfIndex(primary)) {
        PrimaryAuthentication = CellText(*row, kAuthenticationCell);
        PrimaryRekeyControl = CellText(*row, kRekeyCell);
    }
}

void TFM_MultiSSIDNewForm::OnMssidTableSetDone(VkSNMPError* result) {
    if (result->code != VK_OK) {
        ShowCompletion(*MssidTableRequest, *result, "");
        return;
    }
    NewKeyNoticePending = true;
    StartTableWalk();
    if (RadiusRequest != nullptr) Groups.Read(*RadiusRequest);
}

void TFM_MultiSSIDNewForm::FillMssidUserList() {
    const bool selecting = SelectingRow;
    SelectingRow = true;  // emptying the list is no click on it
    std::string encryption;
    const std::string band = CB_Band->Text();
    Ssids.Show(*LV_MultiSSID_User, [&](const ui::ListItem& walked, ui::ListItem& row) {
        const int position = MssidEntryPosition(Ssids.IndexOf(walked));
        const std::string state = CellText(walked, kEncryptionCell);
        if (state == kEnabled || state == kDisabled)
            encryption = MssidEncryptionText(state == kEnabled, CellText(walked, kAuthenticationCell));
        row.SetCaption(position == 0 ? kPrimaryCaption : "Multi-SSID" + std::to_string(position));
        row.AddSubItem(CellText(walked, kSsidCell));
        row.AddSubItem(band);
        row.AddSubItem(encryption);
    });
    SelectingRow = selecting;
    DelButton->SetEnabled(false);  // the new list has no chosen row
}

void TFM_MultiSSIDNewForm::MoveIndexTo(int position) {
    CB_Index->SetItemIndex(position);
    if (TargetSsidRow() == nullptr) CB_IndexChange(CB_Index);
}

ui::ListItem* TFM_MultiSSIDNewForm::TargetSsidRow() const {
    return Ssids.SelectedIf(MssidEntryIndex(CB_Index->ItemIndex()));
}

ui::ListItem* TFM_MultiSSIDNewForm::TargetRadiusRow() const {
    return RadiusServers.SelectedIf(MssidEntryIndex(CB_Index->ItemIndex()));
}

// ---- the selected SSID ------------------------------------------------------------

void TFM_MultiSSIDNewForm::CB_IndexChange(ui::Component*) {
    const int p = CB_Index->ItemIndex();
    ui::ListItem* row = Ssids.RowOfIndex(MssidEntryIndex(p));
    if (row == nullptr) {
        // The walk has not delivered this SSID (yet): nothing is selected.
        EnableMssidControls(false);
        AddButton->SetEnabled(false);
        return;
    }
    MulSSIDListView->SetSelected(row);
    ShowMssidSecurity();
    ShowMssidKeySize();
    Ed_ConfirmKey->SetText(Ed_Key->Text());
    Ed_ConfirmPass->SetText(Ed_Passphrase->Text());
    SetMssidKeyMaxLength();
    SetMssidEditLimits();
    EnableMssidControls(p != 0);
    MssidRekeyStartTime(false);
    IfEnabMuSSIDClick(IfEnabMuSSID);
    if (ui::ListItem* radius = RadiusServers.RowOfIndex(MssidEntryIndex(p))) LV_RadiusServer->SetSelected(radius);
    ArrangeMssidSecurityPanels(p == 0);
    if (p == 0) EnableControls({CB_MssidEncryption, Ed_SSID, CB_SSIDSecurityMode, Cbox_MultiRadser}, false);
    Cbox_MultiRadserChange(Cbox_MultiRadser);
    ShownSecurity = SecurityChoices();
    const int authentication = CB_dot11Authentication->ItemIndex();
    const int writeMode = ApMode() >= MssidApMode::Wds ? MssidApMode::AccessPoint : ApMode();
    SecurityShowable = p == 0 || MssidSecurityShowable(ApMode(), writeMode, authentication);
    if (!SecurityShowable) StatusBar->ShowMessage(kSecurityNotShownText);
}

void TFM_MultiSSIDNewForm::LV_MultiSSID_UserClick(ui::Component*) {
    SelectingRow = true;
    const std::string index = Ssids.ChosenIndex(*LV_MultiSSID_User);
    if (!index.empty()) {
        const int position = MssidEntryPosition(index);
        CB_Index->SetItemIndex(position);
        DelButton->SetEnabled(position > 0);  // the primary SSID is never deleted
        CB_IndexChange(CB_Index);
    } else {
        DelButton->SetEnabled(false);
    }
    SelectingRow = false;
    Cbox_MultiRadserChange(Cbox_MultiRadser);
}

void TFM_MultiSSIDNewForm::EnableMssidControls(bool enable) {
    EnableControls({Ed_SSID, CB_SsidBroadcast, CB_SSIDSecurityMode, CB_WMM, Cbox_MultiRadser, CB_MssidEncryption,
                    CB_KeyType, CB_WepEncryp, CB_DefaultKey, Ed_Key, Ed_ConfirmKey, CB_WPAMode, CB_CipherType,
                    Ed_UpdateInterval, Ed_Passphrase, Ed_ConfirmPass, Ed_KeyUpdate},
                   enable);
    if (enable) {
        CB_Index->SetEnabled(true);
        if (!MssidWpaModeChoosable(ApMode())) CB_WPAMode->SetEnabled(false);
        CB_AutoRekeyTypeChange(CB_AutoRekeyType);
        Cbox_MultiRadserChange(Cbox_MultiRadser);
        return;
    }
    EnableControls({CB_AutoRekeyType, CB_TimeWeek, CB_TimeHour, CB_TimeSec, Ed_TimeInterval, Ed_AutoRekeyPassphrase,
                    Edt_RadiusServer, Edt_RadiusPort, Edt_RadiusSecret},
                   false);
}

void TFM_MultiSSIDNewForm::IfEnabMuSSIDClick(ui::Component*) {
    if (IfEnabMuSSID->Checked()) {
        Chk_MultiPri->SetEnabled(true);
        Chk_MultiPriClick(Chk_MultiPri);
        EnableControls({CB_Index, AddButton}, true);
        if (!SelectingRow) FillMssidUserList();
        if (WarnApModeOnEnable && ApMode() >= MssidApMode::Wds) ui::MessageBox(kApModeWarningText, "Warning");
        WarnApModeOnEnable = false;
        GroupBox4->SetEnabled(true);
    } else {
        Chk_MultiPri->SetChecked(false);
        Chk_MultiPri->SetEnabled(false);
        EnableControls({Cbox_Priority, Ed_SSID, CB_SsidBroadcast, CB_WMM, CB_SSIDSecurityMode, CB_Index, AddButton},
                       false);
        WarnApModeOnEnable = true;
        MoveIndexTo(0);
        EnableControls({CB_WepEncryp, CB_KeyType, CB_DefaultKey, Ed_Key, Ed_ConfirmKey, GroupBox4}, false);
    }
    ArrangeMssidSecurityPanels(CB_Index->ItemIndex() == 0);
}

void TFM_MultiSSIDNewForm::Chk_MultiPriClick(ui::Component*) { Cbox_Priority->SetEnabled(Chk_MultiPri->Checked()); }

// ---- Save, Delete, Cancel -----------------------------------------------------------

bool TFM_MultiSSIDNewForm::SwitchToAccessPoint() {
    if (!IfEnabMuSSID->Checked() || ApMode() < MssidApMode::Wds) return true;
    CB_ApMode->SetItemIndex(MssidApMode::AccessPoint);
    GroupWrites writes(Groups);
    return writes.Write(*ApModeRequest, {SingleRow::Value});
}

void TFM_MultiSSIDNewForm::ApplyBtnClick(ui::Component*) {
    ApplyBtn->SetEnabled(false);
    bool saved = MssidStateRequest != nullptr && ApModeRequest != nullptr;
    std::string text = kSaveFailText;
    if (saved) {
        GroupWrites writes(Groups);
        if (IfEnabMuSSID->Checked() && ApMode() >= MssidApMode::Wds) {
            CB_ApMode->SetItemIndex(MssidApMode::AccessPoint);
            writes.Write(*ApModeRequest, {SingleRow::Value});
        }
        writes.Write(*MssidStateRequest, {MultiSsidStateRow::State, MultiSsidStateRow::PriorityState});
        text = writes.AllWritten() ? kSaveOkText : writes.FailureText(kSaveFailText);
    }
    StatusBar->ShowMessage(text);
    NewKeyNoticePending = false;
    if (MssidTableRequest == nullptr) {
        ApplyBtn->SetEnabled(true);
        return;
    }
    StartTableWalk();
    if (!MssidTableRequest->busy) ApplyBtn->SetEnabled(true);  // nothing was sent: no walk will end
}

void TFM_MultiSSIDNewForm::DelButtonClick(ui::Component*) {
    const std::string index = Ssids.ChosenIndex(*LV_MultiSSID_User);
    if (index.empty() || index == MssidEntryIndex(0) || MssidTableRequest == nullptr) return;
    if (ui::MessageBox(kDeleteQuestionText, "Warning", ui::Buttons::OkCancel) != ui::Answer::Ok) return;
    // The state goes to the chosen SSID's own row, nowhere else.
    if (Ssids.SelectedIf(index) == nullptr) return;
    CB_IdvState->SetItemIndex(0);
    StatusBar->ShowMessage(kDeletingText);
    WriteTable({MssidRow::IndividualState}, 1, false);
}

void TFM_MultiSSIDNewForm::CancelBtnClick(ui::Component*) { Close(); }

// ---- small helpers -------------------------------------------------------------------

int TFM_MultiSSIDNewForm::ApMode() const { return CB_ApMode->ItemIndex(); }

int TFM_MultiSSIDNewForm::FormHeight() const { return ClientHeight() + kWindowFrame; }

