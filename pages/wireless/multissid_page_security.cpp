// The Multi-SSID page's security controls: the three panels ("Key
// Settings", "Passphrase Settings", RADIUS) placed by the security mode, the
// visible choices filled from the stored authentication, WEP key sizes and
// the periodic key change.

#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/wireless/multissid_page.h"
#include "pages/wireless/multissid_page_rules.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/button.h"

namespace {

constexpr int kPanelTop = 135;
constexpr int kPanelLeft = 8;
constexpr int kPanelWidth = 455;
constexpr int kWindowFrame = 34;
constexpr int kEditHeight = 21;

void Fill(ui::ComboBox* combo, const std::vector<std::string>& items) {
    combo->ClearItems();
    for (const std::string& item : items) combo->AddItem(item);
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

void TFM_MultiSSIDNewForm::BuildSecurityControls() {
    ui::Label* unused = nullptr;
    GroupBox2 = NewGroupBox(Panel1, "GroupBox2", "Key Settings", kPanelLeft, kPanelTop, kPanelWidth, 125);
    PlaceControls(GroupBox2, {
        {unused, "Label_Encryption", "Encryption:", 12, 22},
        {CB_MssidEncryption, "CB_MssidEncryption", 110, 18, 100},
        {unused, "Label_KeyType", "Key Type : ", 230, 22},
        {CB_KeyType, "CB_KeyType", 340, 18, 100},
        {unused, "Label_KeySize", "Key Size :  ", 12, 48},
        {CB_WepEncryp, "CB_WepEncryp", 110, 44, 100},
        {unused, "Label_KeyIndex", "Key Index(1~4) : ", 230, 48},
        {CB_DefaultKey, "CB_DefaultKey", 340, 44, 100},
        {unused, "Label_Key", "Network Key :", 12, 74},
        {Ed_Key, "Ed_Key", 110, 70, 200},
        {unused, "Label_ConfirmKey", "Confirm Key", 12, 100},
        {Ed_ConfirmKey, "Ed_ConfirmKey", 110, 96, 200},
    });
    CB_WepEncryp->AddItem("64Bits");
    CB_WepEncryp->AddItem("128Bits");

    GroupBox3 = NewGroupBox(Panel1, "GroupBox3", "Passphrase Settings", kPanelLeft, kPanelTop, kPanelWidth, 224);
    PlaceControls(GroupBox3, {
        {unused, "Label_WPAMode", "WPA Mode ", 12, 22},
        {CB_WPAMode, "CB_WPAMode", 170, 18, 150},
        {unused, "Label_CipherType", "Cipher Type ", 12, 48},
        {CB_CipherType, "CB_CipherType", 170, 44, 100},
        {Label19, "Label19", "Group Key Update Interval", 12, 74},
        {Ed_UpdateInterval, "Ed_UpdateInterval", 170, 70, 80},
        {Ed_KeyUpdate, "Ed_KeyUpdate", 170, 70, 80},
        {unused, "Label_Seconds", "Seconds ", 256, 74},
        {Label_AutoRekey, "Label_AutoRekey", "AutoRekeyControl", 12, 104},
        {CB_AutoRekeyType, "CB_AutoRekeyType", 170, 100, 150},
        {Label_ActivatedFrom, "Label_ActivatedFrom", "Activated From ", 12, 134},
        {CB_TimeWeek, "CB_TimeWeek", 170, 130, 55},
        {CB_TimeHour, "CB_TimeHour", 230, 130, 45},
        {Label_Colon1, "Label_Colon1", ":", 278, 134},
        {CB_TimeSec, "CB_TimeSec", 285, 130, 45},
        {Label_TimeInterval, "Label_TimeInterval", "Time Interval ", 340, 104},
        {Ed_TimeInterval, "Ed_TimeInterval", 340, 130, 35},
        {Label_Hours, "Label_Hours", "(1~168)hour(s)", 340, 158},
        {Label_Passphrase, "Label_Passphrase", "Passphrase :  ", 12, 166},
        {Ed_Passphrase, "Ed_Passphrase", 170, 162, 160},
        {Ed_AutoRekeyPassphrase, "Ed_AutoRekeyPassphrase", 170, 162, 160},
        {Label_ConPassphrase, "Label_ConPassphrase", "Confirm PassPhrase", 12, 194},
        {Ed_ConfirmPass, "Ed_ConfirmPass", 170, 188, 160},
    });
    Ed_AutoRekeyPassphrase->SetReadOnly(true);
    for (int h = 0; h < 24; ++h) CB_TimeHour->AddItem(TwoDigits(h));
    for (int m = 0; m < 60; ++m) CB_TimeSec->AddItem(TwoDigits(m));

    GroupBox7 = NewGroupBox(GroupBox3, "GroupBox7", "Primary RADIUS Server Setting", 8, 95, 439, 79);
    PlaceControls(GroupBox7, {
        {unused, "Label_RadiusServer", "RADIUS Server", 8, 22},
        {Edt_RadiusServer, "Edt_RadiusServer", 110, 18, 120},
        {unused, "Label_RadiusPort", "RADIUS Port", 250, 22},
        {Edt_RadiusPort, "Edt_RadiusPort", 330, 18, 60},
        {unused, "Label_RadiusSecret", "RADIUS Secret", 8, 50},
        {Edt_RadiusSecret, "Edt_RadiusSecret", 110, 46, 160},
        {Cbox_MultiRadser, "Cbox_MultiRadser", 0, 0, 10},
    });
    Cbox_MultiRadser->AddItem("Primary");
    Cbox_MultiRadser->SetItemIndex(0);
    Cbox_MultiRadser->SetVisible(false);
    BuildHiddenRadiusControls();

    for (ui::Edit* secret : {Ed_Key, Ed_ConfirmKey, Ed_Passphrase, Ed_ConfirmPass, Edt_RadiusSecret}) {
        secret->SetPasswordChar('*');
        // A click empties a secret edit: a masked value is replaced by typing it anew.
        secret->OnClick = [secret](ui::Component*) { secret->SetText(""); };
    }
    CB_SSIDSecurityMode->OnChange = [this](ui::Component* sender) { CB_SSIDSecurityModeChange(sender); };
    CB_MssidEncryption->OnChange = [this](ui::Component* sender) { CB_MssidEncryptionChange(sender); };
    CB_KeyType->OnChange = [this](ui::Component* sender) { CB_KeyTypeChange(sender); };
    CB_WepEncryp->OnChange = [this](ui::Component* sender) { CB_KeyTypeChange(sender); };
    CB_DefaultKey->OnChange = [this](ui::Component* sender) { CB_DefaultKeyChange(sender); };
    CB_AutoRekeyType->OnChange = [this](ui::Component* sender) { CB_AutoRekeyTypeChange(sender); };
}

void TFM_MultiSSIDNewForm::BuildHiddenRadiusControls() {
    ui::Label* unused = nullptr;
    PlaceControls(GroupBox7, {
        {Edt_BackupServer, "Edt_BackupServer", 110, 90, 120},
        {Edt_BackupPort, "Edt_BackupPort", 330, 90, 60},
        {Edt_BackupSecret, "Edt_BackupSecret", 110, 118, 160},
        {unused, "Label_AccountMode", "Accounting", 8, 150},
        {CB_AccountMode, "CB_AccountMode", 110, 146, 90},
        {Edt_AccountServer, "Edt_AccountServer", 110, 174, 120},
        {Edt_AccountPort, "Edt_AccountPort", 330, 174, 60},
        {Edt_AccountSecret, "Edt_AccountSecret", 110, 202, 160},
    });
    for (const char* item : {"Disable", "Enable"}) CB_AccountMode->AddItem(item);
    CB_AccountMode->SetItemIndex(0);
    ShowControls({Edt_BackupServer, Edt_BackupPort, Edt_BackupSecret, unused, CB_AccountMode, Edt_AccountServer,
                  Edt_AccountPort, Edt_AccountSecret},
                 false);
    CB_AccountMode->OnChange = [this](ui::Component* sender) { CB_AccountModeChange(sender); };
}

int TFM_MultiSSIDNewForm::SecurityMode() const { return CB_SSIDSecurityMode->ItemIndex(); }

std::vector<int> TFM_MultiSSIDNewForm::SecurityChoices() const {
    return {SecurityMode(), CB_WPAMode->ItemIndex(), CB_MssidEncryption->ItemIndex(), CB_CipherType->ItemIndex()};
}

void TFM_MultiSSIDNewForm::ShowMssidSecurity() {
    const int mode = ApMode();
    if (mode < 0) return;
    Fill(CB_SSIDSecurityMode, MssidSecurityModes(mode));
    Fill(CB_WPAMode, MssidWpaModes(mode));
    CB_WPAMode->SetEnabled(MssidWpaModeChoosable(mode));
    const MssidSecurityView view = MssidSecurityOf(mode, CB_dot11Authentication->ItemIndex());
    CB_SSIDSecurityMode->SetItemIndex(view.security);
    CB_WPAMode->SetItemIndex(view.wpa);
}

void TFM_MultiSSIDNewForm::ArrangeMssidSecurityPanels(bool primary) {
    ShowControls({GroupBox1, GroupBox4}, true);
    if (CB_Index->ItemIndex() != 0) {
        CB_MssidEncryption->SetEnabled(true);
    } else {
        EnableControls({CB_MssidEncryption, Ed_SSID, CB_SSIDSecurityMode, Ed_KeyUpdate, Cbox_MultiRadser}, false);
        Cbox_MultiRadserChange(Cbox_MultiRadser);
    }
    const int s = SecurityMode();
    const int m = ApMode();
    int base = 436;  // the buttons' top
    int listTop = 263;
    int formHeight = 516;
    const std::vector<ui::Control*> rekey = {Label_AutoRekey, Label_ActivatedFrom, Label_TimeInterval, Label_Hours,
                                             Label_Colon1, CB_AutoRekeyType, CB_TimeWeek, CB_TimeHour, CB_TimeSec,
                                             Ed_TimeInterval};
    auto showRekey = [&](bool visible) {
        for (ui::Control* control : rekey) control->SetVisible(visible);
    };
    if (s <= MssidSecurity::OpenSystem) {
        GroupBox2->SetVisible(true);
        GroupBox3->SetVisible(false);
    } else {
        GroupBox2->SetVisible(false);
        GroupBox3->SetVisible(true);
        const bool enterprise = s >= MssidSecurity::WpaEnterprise;
        GroupBox3->SetCaption(enterprise ? "RADIUS Server Settings" : "PassPhrase Settings");
        GroupBox7->SetVisible(enterprise);
        ShowControls({Label_Passphrase, Ed_Passphrase, Label_ConPassphrase, Ed_ConfirmPass}, !enterprise);
        const bool dot1x = s == MssidSecurity::Dot1x;
        ShowControls({CB_WPAMode, CB_CipherType, Ed_UpdateInterval}, !dot1x);
        Ed_KeyUpdate->SetVisible(dot1x);
        Label19->SetCaption(dot1x ? "Key Update Interval" : "Group Key Update Interval");
        if (enterprise) {
            showRekey(false);
            Ed_AutoRekeyPassphrase->SetVisible(false);
            GroupBox3->SetHeight(221 - 2 * kEditHeight);
            GroupBox7->SetTop(CB_AutoRekeyType->Top() - 5);
            listTop = 356 - kEditHeight;
            base = 534 - kEditHeight;
            formHeight = 614 - kEditHeight;
        } else {
            const bool accessPoint = m == MssidApMode::AccessPoint;
            showRekey(accessPoint);
            GroupBox3->SetHeight(accessPoint ? 224 : 131);
            Label_Passphrase->SetTop(accessPoint ? 166 : Label_AutoRekey->Top());
            Ed_Passphrase->SetTop(accessPoint ? 162 : CB_AutoRekeyType->Top());
            Ed_AutoRekeyPassphrase->SetTop(Ed_Passphrase->Top());
            Label_ConPassphrase->SetTop(accessPoint ? 194 : Label_ActivatedFrom->Top());
            Ed_ConfirmPass->SetTop(accessPoint ? 188 : CB_TimeWeek->Top());
            base = accessPoint ? 534 : 444;
            listTop = base - 173;
            formHeight = base + 80;
        }
        if (!dot1x) {
            Fill(CB_CipherType, MssidCipherItems(m));
            CB_CipherType->SetEnabled(CB_Index->ItemIndex() != 0);
            CB_CipherType->SetItemIndex(MssidCipherItemOf(MssidCipherItems(m), CB_Clipher->Text()));
        }
        if (!enterprise) CB_AutoRekeyTypeChange(CB_AutoRekeyType);
    }
    GroupBox4->SetTop(listTop);
    Panel1->SetHeight(base - 10);
    ApplyBtn->SetTop(base);
    CancelBtn->SetTop(base);
    SetClientSize(ClientWidth(), formHeight - kWindowFrame);
    if (GroupBox2->Visible() && !primary) CB_MssidEncryptionChange(CB_MssidEncryption);
}

void TFM_MultiSSIDNewForm::CB_SSIDSecurityModeChange(ui::Component*) {
    Cbox_MultiRadserChange(Cbox_MultiRadser);
    ArrangeMssidSecurityPanels(CB_Index->ItemIndex() == 0);
}

void TFM_MultiSSIDNewForm::CB_MssidEncryptionChange(ui::Component*) {
    EnableControls({CB_WepEncryp, CB_KeyType, CB_DefaultKey, Ed_Key, Ed_ConfirmKey},
                   CB_MssidEncryption->ItemIndex() != 0);
}

void TFM_MultiSSIDNewForm::CB_KeyTypeChange(ui::Component*) { SetMssidKeyMaxLength(); }

void TFM_MultiSSIDNewForm::CB_DefaultKeyChange(ui::Component*) {
    SetMssidKeyMaxLength();
    Ed_Key->SetText("");
    Ed_ConfirmKey->SetText("");
}

void TFM_MultiSSIDNewForm::ShowMssidKeySize() {
    const int size = MssidKeySizeOf(CB_KeyType->ItemIndex(), Ed_Key->Text().size());
    if (size >= 0) CB_WepEncryp->SetItemIndex(size);
}

void TFM_MultiSSIDNewForm::SetMssidKeyMaxLength() {
    const int length = MssidKeyMaxLength(CB_KeyType->ItemIndex(), CB_WepEncryp->ItemIndex());
    if (length < 0) return;
    Ed_Key->SetMaxLength(length);
    Ed_ConfirmKey->SetMaxLength(length);
}

void TFM_MultiSSIDNewForm::SetMssidEditLimits() {
    Ed_SSID->SetMaxLength(32);
    Ed_UpdateInterval->SetMaxLength(7);
    Ed_KeyUpdate->SetMaxLength(7);
    Ed_Passphrase->SetMaxLength(63);
    Ed_ConfirmPass->SetMaxLength(63);
    Edt_RadiusServer->SetMaxLength(15);
    Edt_RadiusPort->SetMaxLength(5);
    Edt_RadiusSecret->SetMaxLength(64);
}

void TFM_MultiSSIDNewForm::CB_AutoRekeyTypeChange(ui::Component*) {
    const bool periodic = CB_AutoRekeyType->ItemIndex() == 1 && CB_AutoRekeyType->Visible();
    ShowControls({Ed_Passphrase, Ed_ConfirmPass, Label_ConPassphrase}, !periodic);
    Ed_AutoRekeyPassphrase->SetVisible(periodic);
    const bool editable = MssidRekeyScheduleEditable(PrimaryAuthentication, PrimaryRekeyControl);
    const bool schedule = CB_AutoRekeyType->ItemIndex() > 0 && CB_AutoRekeyType->Enabled() && editable;
    EnableControls({CB_TimeWeek, CB_TimeHour, CB_TimeSec, Ed_TimeInterval}, schedule);
    Ed_AutoRekeyPassphrase->SetEnabled(false);
}

void TFM_MultiSSIDNewForm::MssidRekeyStartTime(bool toDevice) {
    if (toDevice) {
        Ed_TimeStart->SetText(JoinRekeyStartTime(CB_TimeHour->Text(), CB_TimeSec->Text()));
        return;
    }
    const MssidRekeyTime time = SplitRekeyStartTime(Ed_TimeStart->Text());
    CB_TimeHour->SetItemIndex(IndexOfText(CB_TimeHour, time.hour));
    CB_TimeSec->SetItemIndex(IndexOfText(CB_TimeSec, time.minute));
}

void TFM_MultiSSIDNewForm::Cbox_MultiRadserChange(ui::Component*) {
    const bool ssid = CB_Index->ItemIndex() != 0;
    EnableControls({Edt_RadiusServer, Edt_RadiusPort, Edt_RadiusSecret, Edt_BackupServer, Edt_BackupPort,
                    Edt_BackupSecret, CB_AccountMode, Edt_AccountServer, Edt_AccountPort, Edt_AccountSecret},
                   ssid);
    if (ssid) CB_AccountModeChange(CB_AccountMode);
}

void TFM_MultiSSIDNewForm::CB_AccountModeChange(ui::Component*) {
    EnableControls({Edt_AccountServer, Edt_AccountPort, Edt_AccountSecret}, CB_AccountMode->ItemIndex() != 0);
}

void TFM_MultiSSIDNewForm::CB_SecurityModeChange(ui::Component*) {
    ArrangeMssidSecurityPanels(CB_Index->ItemIndex() == 0);
}
