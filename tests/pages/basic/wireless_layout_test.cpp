// The Wireless page's layout without a device: the Security Mode and WPA
// Mode derived from the device's authentication, the groups and their places
// for every operating mode and security mode, the handlers' warnings, the WEP
// key entry rules and the small conversions. The page is constructed but not
// created (creating it would read the device); the tests fill the hidden
// value holders as the loads would and call the page's operations.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/basic/wireless_page.h"
#include "tests/pages/basic/wireless_test_texts.h"
#include "tests/pages/page_test_support.h"
#include "pages/basic/wireless_page_vars.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_option_lists.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

using namespace wirelesstest;




constexpr char kNone[] = "";  // no selection

constexpr char kEapText[] =
    "WPA-Enterprise and 802.1x in multi-ssid rules would set to Open System with Encryption disabled if mode is "
    "WDS with AP!";
constexpr char kMultiText[] = "Multi-SSID will be disabled when VAP-7720 is configured in 'WDS' or 'Wireless Client'.";
constexpr char kVlanText[] = "VLAN will be disabled when Authentication is not configured in 'WPA-Enterprise'.";

// A text the device's authentication list does not hold.
constexpr char kUnknownAuth[] = "wep(3)";

Texts OptionTexts(const VkOptionList& list) {
    Texts texts;
    for (const VkOptionItem& item : list.items()) texts.push_back(item.text);
    return texts;
}

// Selects the entry of that text; an empty text selects nothing.
class WirelessLayoutTest : public uitest::UiTest {
protected:
    WirelessLayoutTest() {
        // Never created: its creation step would read the device (showing
        // the form runs it).
        page.OnCreate = nullptr;
        // What the loads and the form give these lists.
        Fill(page.CB_APMode, OptionTexts(OptDot11ApMode2));
        Fill(page.CB_MultEnable, OptionTexts(OptDot11MssidState));
        Fill(page.CB_WMode1, OptionTexts(OptDot11WifiMode24));
        Fill(page.CB_dot11Authentication, OptionTexts(OptDot11Authentication));
        page.CB_dot11Authentication->AddItem(kUnknownAuth);
        Fill(page.CB_Clipher, OptionTexts(OptDot11CipherType));
        Fill(page.CB_VlanStatus, OptionTexts(OptDot11VlanStatus));
        Fill(page.CB_NetProtect, OptionTexts(OptDot11NetworkAccessProtection));
        Fill(page.CB_SsidBroadcast, OptionTexts(OptDot11SsidBroadcast));
        Fill(page.CB_AuSc, OptionTexts(OptDot11AutoChannelScan));
        Fill(page.CB_dot11Encryption, OptionTexts(OptDot11Encryption));
        Fill(page.CB_DefaultKey, OptionTexts(OptDot11KeyIndex));
        Fill(page.CB_TimeWeek, OptionTexts(OptDot11AutoRekeyStartWeek));
        for (ui::ComboBox* type : {page.CB_KeyType1, page.CB_KeyType2, page.CB_KeyType3, page.CB_KeyType4})
            Fill(type, OptionTexts(OptDot11KeyEntryMethod));
        Fill(page.CB_Chanal, {"1", "2", "3", "4", "5", "6"});
        Select(page.CB_MultEnable, "Disable");
        Select(page.CB_WMode1, "Mixed 802.11n,802.11g and 802.11b");
    }

    // The security mode as the user or ShowAuthentication left it; the
    // layout goes by its text alone.
    void SetSecurityMode(const std::string& text) {
        Fill(page.CB_SecurityMode, {text});
        page.CB_SecurityMode->SetItemIndex(0);
    }
    void SetMode(const std::string& mode) { Select(page.CB_APMode, mode); }
    void Set11nOnly(bool only) {
        Select(page.CB_WMode1, only ? "802.11n Only" : "Mixed 802.11n,802.11g and 802.11b");
    }
    void SetMultiSsid(bool on) { Select(page.CB_MultEnable, on ? "Enable" : "Disable"); }
    std::string Status() { return page.StatusBar->Message(); }

    TFM_Wirless page{nullptr};
};

// ---- ShowAuthentication: the lists offered --------------------------------

struct ListsCase {
    const char* mode;
    bool multiSsid;
    bool only11n;
    Texts security;
    Texts wpa;
    bool wpaEnabled;
};

class WirelessLayoutAuthenticationTest : public WirelessLayoutTest {};

TEST_F(WirelessLayoutAuthenticationTest, EachModeOffersItsLists) {
    const Texts apFull = {kOpen, kShared, kPersonal, kEnterprise, kDot1x};
    const Texts apMulti = {kOpen, kPersonal, kEnterprise, kDot1x};
    const Texts ap11n = {kOpen, kPersonal, kEnterprise};
    const Texts two = {kOpen, kPersonal};
    const Texts wpaThree = {kAuto, kWpa2, kWpa1};
    const ListsCase cases[] = {
        {kAP, false, false, apFull, wpaThree, true},    {kAP, true, false, apMulti, wpaThree, true},
        {kAP, false, true, ap11n, wpaThree, true},      {kAP, true, true, ap11n, wpaThree, true},
        {kWdsAp, false, false, two, {kAuto, kWpa2}, true}, {kWdsAp, true, true, two, {kAuto, kWpa2}, true},
        {kWds, false, false, two, {kWpa2}, false},      {kWds, true, true, two, {kWpa2}, false},
        {kClient, false, false, two, wpaThree, true},   {kClient, true, true, two, wpaThree, true},
    };
    for (const ListsCase& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " multi " + std::to_string(c.multiSsid) + " 11n " +
                     std::to_string(c.only11n));
        SetMode(c.mode);
        SetMultiSsid(c.multiSsid);
        Set11nOnly(c.only11n);
        page.CB_WPAMode->SetEnabled(!c.wpaEnabled);
        Select(page.CB_dot11Authentication, "opensystem");
        page.ShowAuthentication();
        EXPECT_EQ(Items(page.CB_SecurityMode), c.security);
        EXPECT_EQ(Items(page.CB_WPAMode), c.wpa);
        EXPECT_EQ(page.CB_WPAMode->Enabled(), c.wpaEnabled);
    }
}

TEST_F(WirelessLayoutAuthenticationTest, FiveGigahertzIgnoresTheTwoGigahertzMode) {
    page.CB_Band->SetItemIndex(1);
    SetMode(kAP);
    Set11nOnly(true);  // left from an earlier read; not the band in use
    Select(page.CB_dot11Authentication, "sharedkey");
    page.ShowAuthentication();
    EXPECT_EQ(Items(page.CB_SecurityMode), (Texts{kOpen, kShared, kPersonal, kEnterprise, kDot1x}));
    EXPECT_EQ(page.CB_SecurityMode->Text(), kShared);
    EXPECT_TRUE(page.AuthenticationShown);
}

TEST_F(WirelessLayoutAuthenticationTest, AnUnknownModeLeavesBothListsEmpty) {
    page.CB_APMode->SetItemIndex(-1);
    for (const char* auth : {"", "wpa2-psk"}) {
        SCOPED_TRACE(auth);
        Fill(page.CB_SecurityMode, {kOpen});
        Fill(page.CB_WPAMode, {kAuto});
        Select(page.CB_dot11Authentication, auth);
        page.ShowAuthentication();
        EXPECT_EQ(page.CB_SecurityMode->ItemCount(), 0);
        EXPECT_EQ(page.CB_WPAMode->ItemCount(), 0);
        // A read authentication the page has no list for is not shown.
        EXPECT_EQ(page.AuthenticationShown, std::string(auth).empty());
    }
}

// ---- ShowAuthentication: the selections ------------------------------------

struct SelectionCase {
    const char* mode;
    const char* auth;
    int multiSsid;  // 0, 1, or -1 for both
    int only11n;    // 0, 1, or -1 for both
    const char* security;
    const char* wpa;
    bool shown;
};

// Every operating mode, every authentication text (also none read yet and one
// the device list does not know), with and without multi-SSID and 802.11n
// only.
const SelectionCase kSelections[] = {
    // Access Point
    {kAP, "opensystem", -1, -1, kOpen, kAuto, true},
    {kAP, "sharedkey", 0, 0, kShared, kAuto, true},
    {kAP, "sharedkey", 1, -1, kOpen, kNone, false},
    {kAP, "sharedkey", 0, 1, kOpen, kAuto, false},
    {kAP, "wpa-psk", -1, -1, kPersonal, kWpa1, true},
    {kAP, "wpa-eap", -1, -1, kEnterprise, kWpa1, true},
    {kAP, "wpa2-psk", -1, -1, kPersonal, kWpa2, true},
    {kAP, "wpa2-eap", -1, -1, kEnterprise, kWpa2, true},
    {kAP, "wpa2-auto-psk", -1, -1, kPersonal, kAuto, true},
    {kAP, "wpa2-auto-eap", -1, -1, kEnterprise, kAuto, true},
    {kAP, "dot1x(10)", -1, 0, kDot1x, kNone, true},
    {kAP, "dot1x(10)", -1, 1, kOpen, kNone, false},
    {kAP, kUnknownAuth, -1, -1, kOpen, kNone, false},
    {kAP, "", -1, -1, kOpen, kNone, true},
    // WDS with AP
    {kWdsAp, "opensystem", -1, -1, kOpen, kAuto, true},
    {kWdsAp, "wpa2-psk", -1, -1, kPersonal, kWpa2, true},
    {kWdsAp, "wpa2-auto-psk", -1, -1, kPersonal, kAuto, true},
    {kWdsAp, "sharedkey", -1, -1, kOpen, kAuto, false},
    {kWdsAp, "wpa-psk", -1, -1, kOpen, kAuto, false},
    {kWdsAp, "wpa-eap", -1, -1, kOpen, kAuto, false},
    {kWdsAp, "wpa2-eap", -1, -1, kOpen, kAuto, false},
    {kWdsAp, "wpa2-auto-eap", -1, -1, kOpen, kAuto, false},
    {kWdsAp, "dot1x(10)", -1, -1, kOpen, kAuto, false},
    {kWdsAp, kUnknownAuth, -1, -1, kOpen, kAuto, false},
    {kWdsAp, "", -1, -1, kOpen, kAuto, true},
    // WDS: the one WPA Mode always
    {kWds, "opensystem", -1, -1, kOpen, kWpa2, true},
    {kWds, "wpa2-psk", -1, -1, kPersonal, kWpa2, true},
    {kWds, "sharedkey", -1, -1, kOpen, kWpa2, false},
    {kWds, "wpa-psk", -1, -1, kOpen, kWpa2, false},
    {kWds, "wpa-eap", -1, -1, kOpen, kWpa2, false},
    {kWds, "wpa2-eap", -1, -1, kOpen, kWpa2, false},
    {kWds, "wpa2-auto-psk", -1, -1, kOpen, kWpa2, false},
    {kWds, "wpa2-auto-eap", -1, -1, kOpen, kWpa2, false},
    {kWds, "dot1x(10)", -1, -1, kOpen, kWpa2, false},
    {kWds, kUnknownAuth, -1, -1, kOpen, kWpa2, false},
    {kWds, "", -1, -1, kOpen, kWpa2, true},
    // Wireless Client
    {kClient, "opensystem", -1, -1, kOpen, kAuto, true},
    {kClient, "wpa-psk", -1, -1, kPersonal, kWpa1, true},
    {kClient, "wpa2-psk", -1, -1, kPersonal, kWpa2, true},
    {kClient, "wpa2-auto-psk", -1, -1, kPersonal, kAuto, true},
    {kClient, "wpa2-eap", -1, -1, kOpen, kNone, false},
    {kClient, "sharedkey", -1, -1, kOpen, kAuto, false},
    {kClient, "wpa-eap", -1, -1, kOpen, kAuto, false},
    {kClient, "wpa2-auto-eap", -1, -1, kOpen, kAuto, false},
    {kClient, "dot1x(10)", -1, -1, kOpen, kAuto, false},
    {kClient, kUnknownAuth, -1, -1, kOpen, kAuto, false},
    {kClient, "", -1, -1, kOpen, kAuto, true},
};

TEST_F(WirelessLayoutAuthenticationTest, SelectsWhatExpressesTheDeviceValueOrSaysItCannot) {
    const char* const otherStatus = "Set OK!";
    for (const SelectionCase& c : kSelections) {
        for (int multi = 0; multi <= 1; ++multi) {
            if (c.multiSsid >= 0 && multi != c.multiSsid) continue;
            for (int only = 0; only <= 1; ++only) {
                if (c.only11n >= 0 && only != c.only11n) continue;
                SCOPED_TRACE(std::string(c.mode) + " / '" + c.auth + "' multi " + std::to_string(multi) + " 11n " +
                             std::to_string(only));
                SetMode(c.mode);
                SetMultiSsid(multi == 1);
                Set11nOnly(only == 1);
                Select(page.CB_dot11Authentication, c.auth);
                page.AuthenticationShown = !c.shown;
                page.StatusBar->ShowMessage(otherStatus);
                page.ShowAuthentication();
                EXPECT_EQ(page.CB_SecurityMode->Text(), c.security);
                EXPECT_EQ(page.CB_WPAMode->Text(), c.wpa);
                EXPECT_EQ(page.AuthenticationShown, c.shown);
                EXPECT_EQ(Status(), c.shown ? otherStatus : WirelessAuthenticationUnshownText);
            }
        }
    }
}

TEST_F(WirelessLayoutAuthenticationTest, AShownValueTakesBackTheUnshownMessage) {
    SetMode(kClient);
    Select(page.CB_dot11Authentication, "wpa2-eap");
    page.ShowAuthentication();
    ASSERT_EQ(Status(), WirelessAuthenticationUnshownText);
    SetMode(kAP);
    page.ShowAuthentication();
    EXPECT_TRUE(page.AuthenticationShown);
    EXPECT_EQ(page.CB_SecurityMode->Text(), kEnterprise);
    EXPECT_EQ(Status(), "");
}

// ---- ArrangePage: the vertical stacking -------------------------------------

constexpr int kHidden = -1;

struct StackCase {
    const char* mode;
    const char* security;
    // Tops relative to H1, kHidden for a hidden group.
    int wds, survey, keys, passphrase, clone;
    int passphraseHeight;  // 0 where the group is hidden
    int pageControl, buttons, outer;
};

const StackCase kStacks[] = {
    {kAP, kOpen, kHidden, kHidden, 5, kHidden, kHidden, 0, 135, 145, 225},
    {kAP, kShared, kHidden, kHidden, 5, kHidden, kHidden, 0, 135, 145, 225},
    {kAP, kPersonal, kHidden, kHidden, kHidden, 5, kHidden, 235, 270, 280, 360},
    {kAP, kEnterprise, kHidden, kHidden, kHidden, 5, kHidden, 200, 235, 245, 325},
    {kAP, kDot1x, kHidden, kHidden, kHidden, 5, kHidden, 180, 215, 225, 305},
    {kWdsAp, kOpen, 5, 153, 292, kHidden, kHidden, 0, 427, 437, 517},
    {kWdsAp, kPersonal, 5, 153, kHidden, 292, kHidden, 145, 472, 482, 562},
    {kWds, kOpen, 5, 153, 292, kHidden, kHidden, 0, 427, 437, 517},
    {kWds, kPersonal, 5, 153, kHidden, 292, kHidden, 145, 472, 482, 562},
    {kClient, kOpen, kHidden, 5, 149, kHidden, 279, 0, 448, 458, 538},
    {kClient, kPersonal, kHidden, 5, kHidden, 149, 324, 145, 493, 503, 583},
};

class WirelessLayoutStackTest : public WirelessLayoutTest {
protected:
    void ExpectTop(ui::GroupBox* group, int h1, int top) {
        SCOPED_TRACE(group->Name());
        if (top == kHidden) {
            EXPECT_FALSE(group->Visible());
            return;
        }
        EXPECT_TRUE(group->Visible());
        EXPECT_EQ(group->Top(), h1 + top);
    }
};

TEST_F(WirelessLayoutStackTest, GroupsStackBelowTheSettingsGroup) {
    for (int h1 : {157, 132}) {
        for (const StackCase& c : kStacks) {
            SCOPED_TRACE(std::string(c.mode) + " / " + c.security + " H1 " + std::to_string(h1));
            SettingsGroupHeight = h1;
            SetMode(c.mode);
            SetSecurityMode(c.security);
            // Everything where no layout leaves it.
            for (ui::GroupBox* group : {page.GroupBox3, page.GroupBox4, page.GroupBox5, page.GroupBox6, page.GroupBox7})
                group->SetBounds(600, 700, group->Width(), 10);
            page.ArrangePage();
            ExpectTop(page.GroupBox3, h1, c.wds);
            ExpectTop(page.GroupBox4, h1, c.survey);
            ExpectTop(page.GroupBox5, h1, c.keys);
            ExpectTop(page.GroupBox6, h1, c.passphrase);
            ExpectTop(page.GroupBox7, h1, c.clone);
            if (c.passphraseHeight != 0) {
                EXPECT_EQ(page.GroupBox6->Height(), c.passphraseHeight);
            }
            for (ui::GroupBox* group : {page.GroupBox3, page.GroupBox4}) {
                if (group->Visible()) {
                    EXPECT_EQ(group->Left(), page.GroupBox1->Left()) << group->Name();
                }
            }
            EXPECT_EQ(page.PC_Wirless->Height(), h1 + c.pageControl);
            for (ui::Button* button : {page.Bt_Apply, page.Bt_Refresh, page.Bt_Close})
                EXPECT_EQ(button->Top(), h1 + c.buttons) << button->Name();
            // The outer height includes a 34-pixel window frame.
            EXPECT_EQ(page.ClientHeight(), h1 + c.outer - 34);
            EXPECT_EQ(page.ClientWidth(), 431);
        }
    }
}

TEST_F(WirelessLayoutStackTest, TheButtonsEndJustAboveTheStatusBar) {
    for (const StackCase& c : kStacks) {
        SCOPED_TRACE(std::string(c.mode) + " / " + c.security);
        SetMode(c.mode);
        SetSecurityMode(c.security);
        page.ArrangePage();
        EXPECT_EQ(page.ClientHeight() - 19 - (page.Bt_Apply->Top() + page.Bt_Apply->Height()), 2);
    }
}

TEST_F(WirelessLayoutStackTest, MacCloneGroupLiesOnTheForm) {
    SetMode(kClient);
    SetSecurityMode(kOpen);
    page.ArrangePage();
    EXPECT_EQ(page.GroupBox7->Parent(), &page);
    EXPECT_EQ(page.GroupBox5->Parent(), page.TS_11a);
}

// ---- ArrangePage: what the operating mode sets ------------------------------

struct ModeEffectsCase {
    const char* mode;
    int auScBefore;
    int auSc;             // CB_AuSc position after
    bool auScEnabled;
    int ssidBroadcast;    // CB_SsidBroadcast position after
    bool ssidEnabled;
    bool channelEnabled;
    const char* wdsCaption;   // GroupBox3's caption, "" when hidden
    bool wdsSurveyShown;      // LV_WdsSiteServey rather than LV_ClientSiteServey
};

TEST_F(WirelessLayoutStackTest, OperatingModesSetScanVisibilityAndChannelLists) {
    const ModeEffectsCase cases[] = {
        {kAP, 0, 0, true, 0, true, true, "", false},
        {kAP, 1, 1, true, 0, true, false, "", false},  // automatic scan picks the channel
        {kWdsAp, 1, 0, false, 0, true, true, "WDS with AP", true},
        {kWds, 1, 0, false, 0, true, true, "WDS", true},
        {kClient, 0, 1, false, 1, false, false, "", false},
    };
    for (const ModeEffectsCase& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " scan " + std::to_string(c.auScBefore));
        SetMode(c.mode);
        SetSecurityMode(kOpen);
        page.CB_AuSc->SetItemIndex(c.auScBefore);
        page.CB_SsidBroadcast->SetItemIndex(0);
        for (ui::Control* control : {static_cast<ui::Control*>(page.CB_AuSc), static_cast<ui::Control*>(page.CB_Chanal),
                                     static_cast<ui::Control*>(page.CB_SsidBroadcast)})
            control->SetEnabled(false);
        page.LV_ClientSiteServey->SetVisible(!c.wdsSurveyShown);
        page.LV_WdsSiteServey->SetVisible(c.wdsSurveyShown);
        page.LV_WdsSiteServey->SetTop(99);
        page.LV_ClientSiteServey->SetTop(98);
        page.ArrangePage();
        EXPECT_EQ(page.CB_AuSc->ItemIndex(), c.auSc);
        EXPECT_EQ(page.CB_AuSc->Enabled(), c.auScEnabled);
        EXPECT_EQ(page.CB_SsidBroadcast->ItemIndex(), c.ssidBroadcast);
        EXPECT_EQ(page.CB_SsidBroadcast->Enabled(), c.ssidEnabled);
        EXPECT_EQ(page.CB_Chanal->Enabled(), c.channelEnabled);
        EXPECT_EQ(page.GroupBox3->Visible(), std::string(c.wdsCaption) != "");
        if (page.GroupBox3->Visible()) {
            EXPECT_EQ(page.GroupBox3->Caption(), c.wdsCaption);
        }
        if (std::string(c.mode) != kAP) {
            // The survey list of the mode, at the other's place.
            ui::ListView* shown = c.wdsSurveyShown ? page.LV_WdsSiteServey : page.LV_ClientSiteServey;
            ui::ListView* hidden = c.wdsSurveyShown ? page.LV_ClientSiteServey : page.LV_WdsSiteServey;
            EXPECT_TRUE(shown->Visible());
            EXPECT_FALSE(hidden->Visible());
            EXPECT_EQ(shown->Top(), hidden->Top());
        }
    }
}

TEST_F(WirelessLayoutStackTest, SurveyListsSwapPlaces) {
    SetSecurityMode(kOpen);
    SetMode(kWds);
    page.LV_ClientSiteServey->SetBounds(8, 45, 400, 88);
    page.ArrangePage();
    EXPECT_TRUE(page.LV_WdsSiteServey->Visible());
    EXPECT_FALSE(page.LV_ClientSiteServey->Visible());
    page.LV_WdsSiteServey->SetBounds(8, 50, 390, 80);
    SetMode(kClient);
    page.ArrangePage();
    EXPECT_TRUE(page.LV_ClientSiteServey->Visible());
    EXPECT_FALSE(page.LV_WdsSiteServey->Visible());
    EXPECT_EQ(page.LV_ClientSiteServey->Top(), 50);
    EXPECT_EQ(page.LV_ClientSiteServey->Width(), 390);
}

TEST_F(WirelessLayoutStackTest, TimeListsWithoutSelectionGetTheirFirstEntry) {
    SetMode(kAP);
    SetSecurityMode(kPersonal);
    page.CB_TimeWeek->SetItemIndex(-1);
    page.CB_TimeHour->SetItemIndex(5);
    page.CB_TimeSec->SetItemIndex(-1);
    page.ArrangePage();
    EXPECT_EQ(page.CB_TimeWeek->ItemIndex(), 0);
    EXPECT_EQ(page.CB_TimeHour->ItemIndex(), 5);
    EXPECT_EQ(page.CB_TimeSec->ItemIndex(), 0);
}

TEST_F(WirelessLayoutStackTest, ApplicationListOnlyOnFiveGigahertz) {
    SetMode(kAP);
    SetSecurityMode(kOpen);
    for (int band : {0, 1}) {
        SCOPED_TRACE(band);
        page.CB_Band->SetItemIndex(band);
        page.CB_Applicaiton->SetEnabled(band == 0);
        page.ArrangePage();
        EXPECT_EQ(page.CB_Applicaiton->Enabled(), band == 1);
    }
}

// ---- ArrangePage: the key layout --------------------------------------------

TEST_F(WirelessLayoutStackTest, EncryptionListFollowsSecurityModeAndRadioMode) {
    struct Case {
        const char* security;
        bool only11n;
        bool multiSsid;
        bool enabled;
        int position;  // -1: as before ("Disable")
    };
    const Case cases[] = {
        {kOpen, false, false, true, -1}, {kOpen, true, false, false, -1}, {kOpen, true, true, false, -1},
        {kOpen, false, true, true, -1},  {kShared, false, false, false, 1},
    };
    for (const char* mode : {kAP, kWdsAp, kWds, kClient}) {
        for (const Case& c : cases) {
            if (std::string(c.security) == kShared && std::string(mode) != kAP) continue;
            SCOPED_TRACE(std::string(mode) + " / " + c.security + " 11n " + std::to_string(c.only11n));
            SetMode(mode);
            SetSecurityMode(c.security);
            Set11nOnly(c.only11n);
            SetMultiSsid(c.multiSsid);
            page.CB_dot11Encryption->SetItemIndex(0);
            page.CB_dot11Encryption->SetEnabled(!c.enabled);
            page.ArrangePage();
            EXPECT_EQ(page.CB_dot11Encryption->Enabled(), c.enabled);
            EXPECT_EQ(page.CB_dot11Encryption->ItemIndex(), c.position < 0 ? 0 : c.position);
        }
    }
}

// ---- ArrangePage: inside the Passphrase / RADIUS group ----------------------

struct InsideCase {
    const char* mode;
    const char* security;
    const char* caption;
    bool wpaRows;
    const char* intervalCaption;
    bool interval;  // Ed_UpdateInterval rather than Ed_Update2
    bool rekeyRows;
    bool passphrase;
    int passphraseTop, confirmTop, passphraseLabelTop, confirmLabelTop;  // when shown
    int radiusTop;  // -1: GroupBox2 hidden
    bool netProtect;
};

TEST_F(WirelessLayoutStackTest, PassphraseGroupShowsTheRowsOfTheSecurityMode) {
    const InsideCase cases[] = {
        {kAP, kPersonal, "Passphrase Settings", true, "Group Key Update Interval", true, true, true, 180, 205, 184,
         208, -1, false},
        {kWdsAp, kPersonal, "Passphrase Settings", true, "Group Key Update Interval", true, false, true, 83, 117, 89,
         124, -1, false},
        {kWds, kPersonal, "Passphrase Settings", true, "Group Key Update Interval", true, false, true, 83, 117, 89,
         124, -1, false},
        {kClient, kPersonal, "Passphrase Settings", true, "Group Key Update Interval", true, false, true, 83, 117,
         89, 124, -1, false},
        {kAP, kEnterprise, "RADIUS Server Settings", true, "Group Key Update Interval", true, false, false, 0, 0, 0,
         0, 80, true},
        {kAP, kDot1x, "RADIUS Server Settings", false, "Key Update Interval", false, false, false, 0, 0, 0, 0, 60,
         false},
    };
    for (const InsideCase& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " / " + c.security);
        SetMode(c.mode);
        SetSecurityMode(c.security);
        // The opposite of every expectation first.
        page.La_NetProtect->SetVisible(!c.netProtect);
        page.CB_NetProtect->SetVisible(!c.netProtect);
        page.GroupBox2->SetVisible(c.radiusTop < 0);
        page.GroupBox2->SetHeight(185);
        page.Ed_AutoRekeyPassphrase->SetVisible(true);
        page.ArrangePage();
        EXPECT_EQ(page.GroupBox6->Caption(), c.caption);
        for (ui::Control* row : {static_cast<ui::Control*>(page.La_WPAMode), static_cast<ui::Control*>(page.CB_WPAMode),
                                 static_cast<ui::Control*>(page.La_CipherType),
                                 static_cast<ui::Control*>(page.CB_CipherType)})
            EXPECT_EQ(row->Visible(), c.wpaRows) << row->Name();
        EXPECT_EQ(page.Label19->Caption(), c.intervalCaption);
        EXPECT_EQ(page.Ed_UpdateInterval->Visible(), c.interval);
        EXPECT_EQ(page.Ed_Update2->Visible(), !c.interval);
        for (ui::Control* row :
             {static_cast<ui::Control*>(page.La_AutoRekey), static_cast<ui::Control*>(page.CB_AutoRekeyType),
              static_cast<ui::Control*>(page.La_ActivatedFrom), static_cast<ui::Control*>(page.CB_TimeWeek),
              static_cast<ui::Control*>(page.CB_TimeHour), static_cast<ui::Control*>(page.La_Colon1),
              static_cast<ui::Control*>(page.CB_TimeSec), static_cast<ui::Control*>(page.La_Colon2),
              static_cast<ui::Control*>(page.La_TimeInterval), static_cast<ui::Control*>(page.Ed_TimeInterval),
              static_cast<ui::Control*>(page.La_Hours)})
            EXPECT_EQ(row->Visible(), c.rekeyRows) << row->Name();
        for (ui::Control* row :
             {static_cast<ui::Control*>(page.La_Passphrase), static_cast<ui::Control*>(page.Ed_Passphrase),
              static_cast<ui::Control*>(page.Label_ConPassphrase), static_cast<ui::Control*>(page.Ed_ConfirmPass)})
            EXPECT_EQ(row->Visible(), c.passphrase) << row->Name();
        if (c.passphrase) {
            EXPECT_EQ(page.Ed_Passphrase->Top(), c.passphraseTop);
            EXPECT_EQ(page.Ed_ConfirmPass->Top(), c.confirmTop);
            EXPECT_EQ(page.La_Passphrase->Top(), c.passphraseLabelTop);
            EXPECT_EQ(page.Label_ConPassphrase->Top(), c.confirmLabelTop);
            // The re-key pass-phrase is the re-key handler's business.
            EXPECT_TRUE(page.Ed_AutoRekeyPassphrase->Visible());
        } else {
            EXPECT_FALSE(page.Ed_AutoRekeyPassphrase->Visible());
        }
        EXPECT_EQ(page.GroupBox2->Visible(), c.radiusTop >= 0);
        if (c.radiusTop >= 0) {
            EXPECT_EQ(page.GroupBox2->Top(), c.radiusTop);
            EXPECT_EQ(page.GroupBox2->Height(), 119);
            EXPECT_EQ(page.La_NetProtect->Visible(), c.netProtect);
            EXPECT_EQ(page.CB_NetProtect->Visible(), c.netProtect);
        } else {
            // Unchanged outside the RADIUS layouts.
            EXPECT_EQ(page.CB_NetProtect->Visible(), !c.netProtect);
        }
    }
}

TEST_F(WirelessLayoutStackTest, ClientIntervalIsLockedOthersLeftAlone) {
    for (const char* mode : {kAP, kWdsAp, kWds, kClient}) {
        SCOPED_TRACE(mode);
        SetMode(mode);
        SetSecurityMode(kPersonal);
        page.Ed_UpdateInterval->SetEnabled(true);
        page.ArrangePage();
        EXPECT_EQ(page.Ed_UpdateInterval->Enabled(), std::string(mode) != kClient);
    }
}

// ---- ArrangePage: the cipher list -------------------------------------------

struct CipherCase {
    const char* mode;
    const char* security;
    bool only11n;
    const char* stored;
    Texts items;
    const char* selected;
    bool enabled;
};

TEST_F(WirelessLayoutStackTest, CipherListOfTheModeSelectsTheStoredCipher) {
    const Texts three = {"Auto", "AES", "TKIP"};
    const CipherCase cases[] = {
        {kAP, kPersonal, false, "aes", three, "AES", true},
        {kAP, kPersonal, false, "tkip", three, "TKIP", true},
        {kAP, kPersonal, false, "wep", three, "Auto", true},
        {kAP, kPersonal, false, "", three, "Auto", true},
        {kAP, kPersonal, true, "tkip", {"AES"}, "AES", true},
        {kAP, kEnterprise, false, "tkip", three, "TKIP", true},
        {kAP, kEnterprise, true, "auto", {"AES"}, "AES", true},
        {kWdsAp, kPersonal, false, "aes", {"Auto", "AES"}, "AES", true},
        {kWdsAp, kPersonal, true, "tkip", {"Auto", "AES"}, "Auto", true},
        {kClient, kPersonal, false, "tkip", three, "TKIP", true},
        {kClient, kPersonal, true, "auto", {"AES"}, "AES", true},
        {kWds, kPersonal, false, "tkip", {"AES"}, "AES", false},
    };
    for (const CipherCase& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " / " + c.security + " 11n " + std::to_string(c.only11n) + " stored '" +
                     c.stored + "'");
        SetMode(c.mode);
        SetSecurityMode(c.security);
        Set11nOnly(c.only11n);
        Select(page.CB_Clipher, c.stored);
        Fill(page.CB_CipherType, {"stale"});
        page.CB_CipherType->SetEnabled(!c.enabled);
        page.ArrangePage();
        EXPECT_EQ(Items(page.CB_CipherType), c.items);
        EXPECT_EQ(page.CB_CipherType->Text(), c.selected);
        EXPECT_EQ(page.CB_CipherType->Enabled(), c.enabled);
    }
}

TEST_F(WirelessLayoutStackTest, WdsFixesTheWpaMode) {
    SetMode(kWds);
    SetSecurityMode(kPersonal);
    Fill(page.CB_WPAMode, {kAuto, kWpa2});
    page.CB_WPAMode->SetEnabled(true);
    page.ArrangePage();
    EXPECT_EQ(Items(page.CB_WPAMode), Texts{kWpa2});
    EXPECT_EQ(page.CB_WPAMode->Text(), kWpa2);
    EXPECT_FALSE(page.CB_WPAMode->Enabled());
}

// ---- the handlers' warnings -------------------------------------------------

class WirelessLayoutWarningTest : public WirelessLayoutTest {
protected:
    // The multi-SSID rules as the page's load binds them: the columns and
    // rows laid out by the binding layer itself.
    void AddRules(const Texts& authentications, const Texts& ssids = {}) {
        auto& request = page.WirelessMssidTableRequest;
        if (!request)
            page.Groups.Make(request, {"multi-SSID rules", VarsWirelessMssidTable, MVT_FMV, 2})
                .BindListView(page.LV_Multi2, false);
        for (size_t i = 0; i < authentications.size(); ++i) {
            VkSNMPVarList& vars = request->request.vars;
            for (int k = 0; k < vars.Count(); ++k) vars.Item(k)->value = "x";
            vars.Item(0)->value = "1";
            vars.Item(1)->value = std::to_string(i + 1);
            vars.Item(3)->value = i < ssids.size() ? ssids[i] : "ssid" + std::to_string(i);
            vars.Item(5)->value = authentications[i];
            request->AddListRow();
        }
    }
    void ChangeMode(const std::string& mode) {
        SetMode(mode);
        page.CB_APModeChange(page.CB_APMode);
    }
};

struct ModeWarningCase {
    const char* mode;
    Texts rules;  // the authentication cells of LV_Multi2
    bool eapCheck;
    bool multiSsid;
    bool vlanCase;  // WPA-Enterprise with VLAN and network access protection on
    Texts boxes;    // the texts, in order
};

TEST_F(WirelessLayoutWarningTest, ModeChangeWarns) {
    const ModeWarningCase cases[] = {
        {kWdsAp, {"Open System", "WPA2-EAP", "802.1X"}, true, false, false, {kEapText}},
        {kWdsAp, {"802.1X"}, true, false, false, {kEapText}},
        {kWdsAp, {"WPA-Auto-EAP"}, false, false, false, {}},  // after the first Save
        {kWdsAp, {"Open System", "WPA-PSK"}, true, false, false, {}},
        {kWds, {"WPA2-EAP"}, true, false, false, {}},
        {kWds, {}, true, true, false, {kMultiText}},
        {kClient, {}, true, true, false, {kMultiText}},
        {kWdsAp, {}, true, true, false, {}},
        {kAP, {}, true, true, true, {}},
        {kWds, {}, true, false, true, {kVlanText}},
        {kWdsAp, {"WPA-EAP"}, true, true, true, {kEapText, kVlanText}},
        {kClient, {}, true, true, true, {kMultiText, kVlanText}},
    };
    for (const ModeWarningCase& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " rules " + std::to_string(c.rules.size()) + " multi " +
                     std::to_string(c.multiSsid) + " vlan " + std::to_string(c.vlanCase));
        page.LV_Multi2->ClearItems();
        AddRules(c.rules);
        page.MultiSsidEapCheck = c.eapCheck;
        page.VlanWarningShown = 0;
        SetMultiSsid(c.multiSsid);
        SetSecurityMode(c.vlanCase ? kEnterprise : kOpen);
        Select(page.CB_VlanStatus, "Enable");
        Select(page.CB_NetProtect, c.vlanCase ? "Enable" : "Disable");
        for (const std::string& text : c.boxes) Dialogs().ExpectBox(kWarning, text, ui::Answer::Ok);
        ChangeMode(c.mode);
        EXPECT_EQ(Dialogs().PendingCount(), 0u);
        EXPECT_EQ(page.VlanWarningShown, c.vlanCase && std::string(c.mode) != kAP ? 1 : 0);
    }
}

TEST_F(WirelessLayoutWarningTest, EapWarningReadsTheAuthenticationColumnOnly) {
    // "EAP" in an SSID is not an authentication.
    AddRules({"WPA-PSK", "Open System"}, {"EAP-lab", "802.1X-room"});
    ChangeMode(kWdsAp);
    EXPECT_TRUE(Dialogs().Boxes().empty());
}

TEST_F(WirelessLayoutWarningTest, EapWarningFindsTheColumnByName) {
    // A column the load keeps out of sight goes to the front; the
    // authentication column is still found.
    page.Groups.Make(page.WirelessMssidTableRequest, {"multi-SSID rules", VarsWirelessMssidTable, MVT_FMV, 2});
    VkSNMPVarList& vars = page.WirelessMssidTableRequest->request.vars;
    vars.Item(11)->access |= VkSNMPAccess::hidden;
    page.WirelessMssidTableRequest->BindListView(page.LV_Multi2, false);
    for (int k = 0; k < vars.Count(); ++k) vars.Item(k)->value = "Open System";
    vars.Item(5)->value = "WPA2-EAP";
    page.WirelessMssidTableRequest->AddListRow();
    Dialogs().ExpectBox(kWarning, kEapText, ui::Answer::Ok);
    ChangeMode(kWdsAp);
}

TEST_F(WirelessLayoutWarningTest, EapWarningWithUnnamedColumnsUsesTheSixthCell) {
    for (int c = 0; c < 8; ++c) page.LV_Multi2->AddColumn("", 50);
    struct Case {
        int cell;
        bool warns;
    };
    for (const Case& c : {Case{5, true}, Case{4, false}, Case{6, false}}) {
        SCOPED_TRACE(c.cell);
        page.LV_Multi2->ClearItems();
        ui::ListItem* row = page.LV_Multi2->AddItem();
        row->SetCaption(c.cell == 0 ? "WPA-EAP" : "1");
        for (int cell = 1; cell < 8; ++cell) row->AddSubItem(cell == c.cell ? "WPA-EAP" : "Open System");
        if (c.warns) Dialogs().ExpectBox(kWarning, kEapText, ui::Answer::Ok);
        ChangeMode(kWdsAp);
        EXPECT_EQ(Dialogs().PendingCount(), 0u);
    }
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
}

TEST_F(WirelessLayoutWarningTest, VlanWarningComesOnceWhicheverHandlerGivesIt) {
    Select(page.CB_VlanStatus, "Enable");
    Select(page.CB_NetProtect, "Enable");
    SetMode(kAP);
    page.AtLoad.Set(page.CB_SecurityMode, kEnterprise);
    // Leaving WPA-Enterprise in Access Point mode.
    SetSecurityMode(kPersonal);
    Dialogs().ExpectBox(kWarning, kVlanText, ui::Answer::Ok);
    page.CB_SecurityModeChange(page.CB_SecurityMode);
    EXPECT_EQ(page.VlanWarningShown, 1);
    SetSecurityMode(kOpen);
    page.CB_SecurityModeChange(page.CB_SecurityMode);
    // And a mode change that would warn, too.
    SetSecurityMode(kEnterprise);
    ChangeMode(kWds);
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
}

TEST_F(WirelessLayoutWarningTest, SecurityChangeWarnsOnlyWhenLeavingEnterpriseInAccessPoint) {
    struct Case {
        const char* mode;
        const char* atLoad;
        const char* now;
        const char* vlan;
        const char* protect;
        bool warns;
    };
    const Case cases[] = {
        {kAP, kEnterprise, kPersonal, "Enable", "Enable", true},
        {kAP, kEnterprise, kEnterprise, "Enable", "Enable", false},
        {kAP, kPersonal, kOpen, "Enable", "Enable", false},
        {kAP, kEnterprise, kOpen, "Disable", "Enable", false},
        {kAP, kEnterprise, kOpen, "Enable", "Disable", false},
        {kWds, kEnterprise, kOpen, "Enable", "Enable", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + c.atLoad + " -> " + c.now + " " + c.vlan + "/" + c.protect);
        page.VlanWarningShown = 0;
        SetMode(c.mode);
        page.AtLoad.Set(page.CB_SecurityMode, c.atLoad);
        SetSecurityMode(c.now);
        Select(page.CB_VlanStatus, c.vlan);
        Select(page.CB_NetProtect, c.protect);
        if (c.warns) Dialogs().ExpectBox(kWarning, kVlanText, ui::Answer::Ok);
        page.CB_SecurityModeChange(page.CB_SecurityMode);
        EXPECT_EQ(Dialogs().PendingCount(), 0u);
        EXPECT_EQ(page.VlanWarningShown, c.warns ? 1 : 0);
    }
}

// ---- the handlers' other effects --------------------------------------------

TEST_F(WirelessLayoutWarningTest, ModeChangeGoesBackToTheDeviceValues) {
    page.AtLoad.Set(page.CB_SsidBroadcast, page.CB_SsidBroadcast->ItemText(0));
    page.LastChannelIndex = 3;
    page.AtLoad.Set(page.Ed_UpdateInterval, "3600");
    // So that the channel list chosen again agrees with the position kept.
    page.Ed_ChanListA->SetText("1 2 3 4 5 6");
    page.Ed_Channel->SetText("4");
    page.Ed_BaseChannel->SetText("4");
    Select(page.CB_dot11Authentication, "wpa2-psk");
    struct Case {
        const char* mode;
        bool restored;
        const char* wdsCaption;
    };
    for (const Case& c : {Case{kClient, false, "WDS"}, Case{kAP, true, "WDS"}, Case{kWdsAp, true, "WDS with AP"},
                          Case{kWds, true, "WDS"}}) {
        SCOPED_TRACE(c.mode);
        page.CB_SsidBroadcast->SetItemIndex(1);
        page.CB_Chanal->SetItemIndex(0);
        page.Ed_UpdateInterval->SetText("60");
        page.Ed_UpdateInterval->SetEnabled(false);
        ChangeMode(c.mode);
        EXPECT_EQ(page.GroupBox3->Caption(), c.wdsCaption);
        EXPECT_EQ(page.CB_SecurityMode->Text(), kPersonal);
        if (c.restored) {
            EXPECT_EQ(page.CB_SsidBroadcast->ItemIndex(), 0);
            EXPECT_EQ(page.CB_Chanal->ItemIndex(), 3);
            EXPECT_TRUE(page.Ed_UpdateInterval->Enabled());
            EXPECT_EQ(page.Ed_UpdateInterval->Text(), "3600");
        } else {
            EXPECT_EQ(page.CB_SsidBroadcast->ItemIndex(), 1);
            EXPECT_FALSE(page.Ed_UpdateInterval->Enabled());
            EXPECT_EQ(page.Ed_UpdateInterval->Text(), "60");
        }
    }
}

TEST_F(WirelessLayoutWarningTest, ModeChangeRestoresTheChannelPositionRead) {
    // A 5 GHz device for Japan without an application chosen: no channel
    // list is chosen again, so the position kept is what stays.
    page.CB_Band->SetItemIndex(1);
    page.ED_Country->SetText("JP");
    page.CB_Applicaiton->ClearItems();
    Fill(page.CB_Chanal, {"36", "40", "44", "48"});
    for (const char* mode : {kAP, kWdsAp, kWds}) {
        SCOPED_TRACE(mode);
        page.LastChannelIndex = 2;
        page.CB_Chanal->SetItemIndex(0);
        ChangeMode(mode);
        EXPECT_EQ(page.CB_Chanal->Text(), "44");
    }
}

// What a mode forces (a client's scan and width, WDS without scan) does not
// stay when the user goes on to another mode: the device's values come back
// for what that mode leaves free.
TEST_F(WirelessLayoutWarningTest, ReturningToAModeBringsBackTheDevicesScanAndWidth) {
    Select(page.CB_dot11Authentication, "opensystem");
    Fill(page.CB_ChannelWidth, {"20MHz", "Auto 20/40 MHz"});
    page.AtLoad.Set(page.CB_SsidBroadcast, page.CB_SsidBroadcast->ItemText(0));
    page.AtLoad.Set(page.CB_AuSc, "Enable");
    page.AtLoad.Set(page.CB_ChannelWidth, "20MHz");
    ChangeMode(kClient);
    ASSERT_EQ(page.CB_ChannelWidth->Text(), "Auto 20/40 MHz");
    ChangeMode(kWds);
    EXPECT_EQ(page.CB_AuSc->Text(), "Disable");
    EXPECT_EQ(page.CB_ChannelWidth->Text(), "20MHz");
    ChangeMode(kAP);
    EXPECT_EQ(page.CB_AuSc->Text(), "Enable");
    EXPECT_TRUE(page.CB_AuSc->Enabled());
    EXPECT_FALSE(page.CB_Chanal->Enabled());
    EXPECT_EQ(page.CB_ChannelWidth->Text(), "20MHz");
    // A device without automatic scan gets its channel list back.
    page.AtLoad.Set(page.CB_AuSc, "Disable");
    ChangeMode(kClient);
    ASSERT_EQ(page.CB_AuSc->Text(), "Enable");
    ChangeMode(kAP);
    EXPECT_EQ(page.CB_AuSc->Text(), "Disable");
    EXPECT_TRUE(page.CB_Chanal->Enabled());
}

TEST_F(WirelessLayoutWarningTest, SecurityChangeLocksEncryptionForSharedKeyAndPicksAWpaMode) {
    struct Case {
        const char* security;
        bool encryptionEnabled;
        int encryption;
    };
    SetMode(kAP);
    for (const Case& c : {Case{kShared, false, 1}, Case{kOpen, true, 0}, Case{kPersonal, true, 0}}) {
        SCOPED_TRACE(c.security);
        SetSecurityMode(c.security);
        Fill(page.CB_WPAMode, {kAuto, kWpa2, kWpa1});
        page.CB_dot11Encryption->SetItemIndex(0);
        page.CB_dot11Encryption->SetEnabled(!c.encryptionEnabled);
        page.CB_SecurityModeChange(page.CB_SecurityMode);
        EXPECT_EQ(page.CB_dot11Encryption->Enabled(), c.encryptionEnabled);
        EXPECT_EQ(page.CB_dot11Encryption->ItemIndex(), c.encryption);
        EXPECT_EQ(page.CB_WPAMode->Text(), kAuto);
    }
    // A WPA Mode already chosen stays.
    SetSecurityMode(kPersonal);
    Fill(page.CB_WPAMode, {kAuto, kWpa2, kWpa1});
    page.CB_WPAMode->SetItemIndex(2);
    page.CB_SecurityModeChange(page.CB_SecurityMode);
    EXPECT_EQ(page.CB_WPAMode->Text(), kWpa1);
}

TEST_F(WirelessLayoutTest, AutomaticScanLocksTheChannel) {
    for (int scan : {-1, 0, 1}) {
        SCOPED_TRACE(scan);
        page.CB_AuSc->SetItemIndex(scan);
        page.CB_Chanal->SetEnabled(scan == 1);
        page.CB_AuScClick(page.CB_AuSc);
        EXPECT_EQ(page.CB_Chanal->Enabled(), scan != 1);
    }
}

// ---- WEP key entry ----------------------------------------------------------

class WirelessLayoutKeyTest : public WirelessLayoutTest {
protected:
    ui::ComboBox* types[4] = {page.CB_KeyType1, page.CB_KeyType2, page.CB_KeyType3, page.CB_KeyType4};
    ui::ComboBox* sizes[4] = {page.CB_WepEncryp1, page.CB_WepEncryp2, page.CB_WepEncryp3, page.CB_WepEncryp4};
    ui::Edit* keys[4] = {page.Ed_Key1, page.Ed_Key2, page.Ed_Key3, page.Ed_Key4};
};

TEST_F(WirelessLayoutKeyTest, KeyLengthFollowsEntryMethodAndSize) {
    struct Case {
        const char* type;
        const char* size;
        int length;  // 32 (the form's) when kept
    };
    const Case cases[] = {
        {"ASCII", "64Bits", 5}, {"ASCII", "128Bits", 13}, {"HEX", "64Bits", 10},
        {"HEX", "128Bits", 26}, {"", "128Bits", 32},      {"HEX", "", 32},
    };
    for (int k = 0; k < 4; ++k) {
        for (const Case& c : cases) {
            SCOPED_TRACE("key " + std::to_string(k + 1) + " " + c.type + " " + c.size);
            for (ui::Edit* key : keys) key->SetMaxLength(32);
            for (int other = 0; other < 4; ++other) {
                types[other]->SetItemIndex(-1);
                sizes[other]->SetItemIndex(-1);
            }
            Select(types[k], c.type);
            Select(sizes[k], c.size);
            page.ApplyWepKeyLengths();
            for (int other = 0; other < 4; ++other)
                EXPECT_EQ(keys[other]->MaxLength(), other == k ? c.length : 32) << "key " << other + 1;
        }
    }
}

TEST_F(WirelessLayoutKeyTest, OnlyTheDefaultKeysRowIsShown) {
    for (int shown = -1; shown < 4; ++shown) {
        SCOPED_TRACE(shown);
        // Rows 1 and 3 shown beforehand.
        for (int k = 0; k < 4; ++k)
            for (ui::Control* control : {static_cast<ui::Control*>(types[k]), static_cast<ui::Control*>(sizes[k]),
                                         static_cast<ui::Control*>(keys[k])})
                control->SetVisible(k % 2 == 0);
        page.CB_DefaultKey->SetItemIndex(shown);
        page.ShowDefaultKeyRow();
        for (int k = 0; k < 4; ++k) {
            const bool expected = shown < 0 ? k % 2 == 0 : k == shown;
            EXPECT_EQ(types[k]->Visible(), expected) << k;
            EXPECT_EQ(sizes[k]->Visible(), expected) << k;
            EXPECT_EQ(keys[k]->Visible(), expected) << k;
        }
    }
}

TEST_F(WirelessLayoutKeyTest, DefaultKeyChangeCopiesTheKeyIntoTheConfirmation) {
    const char* const texts[4] = {"abcde", "0123456789", "abcdefghijklm", "0123456789abcdef0123456789"};
    const char* const typeOf[4] = {"ASCII", "HEX", "ASCII", "HEX"};
    const char* const sizeOf[4] = {"64Bits", "64Bits", "128Bits", "128Bits"};
    const int lengths[4] = {5, 10, 13, 26};
    for (int k = 0; k < 4; ++k) {
        keys[k]->SetText(texts[k]);
        Select(types[k], typeOf[k]);
        Select(sizes[k], sizeOf[k]);
    }
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        page.Ed_ConfirmKey->SetText("old");
        page.Ed_ConfirmKey->SetMaxLength(32);
        page.CB_DefaultKey->SetItemIndex(k);
        page.CB_DefaultKeyChange(page.CB_DefaultKey);
        EXPECT_EQ(page.Ed_ConfirmKey->Text(), texts[k]);
        EXPECT_EQ(page.Ed_ConfirmKey->MaxLength(), lengths[k]);
    }
}

TEST_F(WirelessLayoutKeyTest, TypeOrSizeChangeSetsOnlyTheConfirmationLimit) {
    struct Case {
        bool visible[4];
        int expected;  // the confirmation's limit; 32 when no key is visible
    };
    // Limits 5, 10, 13, 26 for keys 1 to 4.
    const char* const typeOf[4] = {"ASCII", "HEX", "ASCII", "HEX"};
    const char* const sizeOf[4] = {"64Bits", "64Bits", "128Bits", "128Bits"};
    for (int k = 0; k < 4; ++k) {
        Select(types[k], typeOf[k]);
        Select(sizes[k], sizeOf[k]);
    }
    const Case cases[] = {
        {{false, true, false, true}, 10},
        {{false, false, false, true}, 26},
        {{true, true, true, true}, 5},
        {{false, false, true, false}, 13},
        {{false, false, false, false}, 32},
    };
    using Handler = void (TFM_Wirless::*)(ui::Component*);
    for (Handler handler : {&TFM_Wirless::CB_KeyType1Change, &TFM_Wirless::CB_WepEncryp1Change}) {
        for (const Case& c : cases) {
            for (int k = 0; k < 4; ++k) keys[k]->SetVisible(c.visible[k]);
            page.Ed_ConfirmKey->SetMaxLength(32);
            page.Ed_ConfirmKey->SetText("typed");
            (page.*handler)(types[0]);
            EXPECT_EQ(page.Ed_ConfirmKey->MaxLength(), c.expected);
            EXPECT_EQ(page.Ed_ConfirmKey->Text(), "typed");
        }
    }
    EXPECT_EQ(page.Ed_Key4->MaxLength(), 26);
}

// ---- conversions ------------------------------------------------------------

TEST_F(WirelessLayoutTest, EditLimits) {
    struct Case {
        ui::Edit* edit;
        int limit;
    };
    std::vector<Case> cases = {
        {page.Ed_SSID, 32},           {page.Ed_UpdateInterval, 7},      {page.Ed_Update2, 7},
        {page.Ed_Passphrase, 63},     {page.Ed_ConfirmPass, 63},        {page.Edt_RadiusServer, 15},
        {page.Edt_BackRadiusServer, 15}, {page.Edt_AccountServer, 15},  {page.Edt_BackAccountServer, 15},
        {page.Edt_RadiusSecret, 64},  {page.Edt_BackRadiusSecret, 64},  {page.Edt_AccountSecret, 64},
        {page.Edt_BackAccountSecret, 64},
    };
    for (ui::Edit* address : page.Ed_ReMAddra) cases.push_back({address, 12});
    for (const Case& c : cases) c.edit->SetMaxLength(1);
    page.SetEditLimits();
    for (const Case& c : cases) EXPECT_EQ(c.edit->MaxLength(), c.limit) << c.edit->Name();
}

TEST_F(WirelessLayoutTest, StoredCipherFollowsTheVisibleChoice) {
    Fill(page.CB_CipherType, {"Auto", "AES", "TKIP", "WEP"});
    struct Case {
        const char* chosen;
        const char* before;
        const char* stored;
    };
    const Case cases[] = {
        {"Auto", "tkip", "auto"}, {"AES", "auto", "aes"},   {"TKIP", "aes", "tkip"},
        {"WEP", "aes", "aes"},    {"", "tkip", "tkip"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        Select(page.CB_CipherType, c.chosen);
        Select(page.CB_Clipher, c.before);
        page.StoreCipherType();
        EXPECT_EQ(page.CB_Clipher->Text(), c.stored);
    }
}

TEST_F(WirelessLayoutTest, StartTimeJoins) {
    struct Case {
        const char* hour;
        const char* minute;
        const char* joined;
    };
    for (const Case& c : {Case{"07", "30", "07:30"}, Case{"00", "00", "00:00"}, Case{"23", "59", "23:59"}}) {
        Select(page.CB_TimeHour, c.hour);
        Select(page.CB_TimeSec, c.minute);
        page.SyncRekeyStartTime(true);
        EXPECT_EQ(page.Ed_TimeStart->Text(), c.joined);
    }
}

TEST_F(WirelessLayoutTest, StartTimeSplits) {
    struct Case {
        const char* time;
        const char* hour;    // "" no selection
        const char* minute;
    };
    const Case cases[] = {
        {"23:05", "23", "05"}, {"07:30", "07", "30"}, {"7:30", "", "30"},  {"12:5", "12", ""},
        {"24:60", "", ""},     {"0730", "", ""},      {"", "", ""},        {"x11:45:00", "11", "45"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.time);
        Select(page.CB_TimeHour, "09");
        Select(page.CB_TimeSec, "09");
        page.Ed_TimeStart->SetText(c.time);
        page.SyncRekeyStartTime(false);
        EXPECT_EQ(page.CB_TimeHour->Text(), c.hour);
        EXPECT_EQ(page.CB_TimeSec->Text(), c.minute);
    }
}

TEST_F(WirelessLayoutTest, DuplicateWdsPartnersAreRefused) {
    struct Case {
        Texts addresses;
        int focus;  // -1: accepted
    };
    const std::string a = "00112233AABB";
    const std::string b = "00112233AABC";
    const Case cases[] = {
        {{a, b, "", "", "", "", "", ""}, -1},
        {{a, "00112233aabb", "", "", "", "", "", ""}, 1},
        {{"", "", "", "", "", "", "", ""}, -1},
        {{"000000000000", "", "000000000000", "", "", "", "", "000000000000"}, -1},
        {{"", a, b, a, "", b, "", ""}, 5},
        {{a, "", "", "", "", "", "", a}, 7},
        {{"", "", "", "", "", "", b, b}, 7},
    };
    for (ui::Edit* edit : page.Ed_ReMAddra) edit->SetVisible(true);
    page.GroupBox3->SetLeft(4);
    ShowActive(page);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focus);
        for (int i = 0; i < 8; ++i) page.Ed_ReMAddra[i]->SetText(c.addresses[i]);
        page.Bt_Close->SetFocus();
        if (c.focus >= 0) Dialogs().ExpectBox(kWarning, "Exist same MAC address.", ui::Answer::Ok);
        EXPECT_EQ(page.CheckDuplicateWdsMacs(), c.focus < 0);
        EXPECT_EQ(Dialogs().PendingCount(), 0u);
        ui::Control* const focused =
            c.focus >= 0 ? static_cast<ui::Control*>(page.Ed_ReMAddra[c.focus]) : page.Bt_Close;
        EXPECT_TRUE(focused->Focused()) << focused->Name();
    }
    page.Hide();
}

TEST_F(WirelessLayoutTest, ChannelListFillsTheComboAndSelectsTheCurrentChannel) {
    struct Case {
        const char* list;
        const char* current;
        Texts items;
        int selected;
        bool found;
    };
    const Case cases[] = {
        {"36 40 44", "40", {"36", "40", "44"}, 1, true},
        {"36 40 44", "48", {"36", "40", "44"}, 0, false},
        {"36 40 44  ", "44", {"36", "40", "44", ""}, 2, true},
        {"36  40", "40", {"36", "40"}, 1, true},
        {" 36 40", "36", {"36", "40"}, 0, true},
        {"1 6 6 11", "6", {"1", "6", "6", "11"}, 2, true},
        {"", "1", {}, -1, false},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13", "13", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"},
         12, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.list + "' current " + c.current);
        page.Ed_ChanListA->SetText(c.list);
        page.Ed_Channel->SetText(c.current);
        Fill(page.CB_Chanal, {"old"});
        EXPECT_EQ(page.FillChannelCombo(page.Ed_ChanListA, page.CB_Chanal, page.Ed_Channel), c.found);
        EXPECT_EQ(Items(page.CB_Chanal), c.items);
        EXPECT_EQ(page.CB_Chanal->ItemIndex(), c.selected);
    }
}

}  // namespace
