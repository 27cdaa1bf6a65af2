// The Wireless page's rules without a form: the device's authentication as
// Security Mode and WPA Mode and back, the lists each operating mode offers,
// and the writes a Save plans for each mode and security mode.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/basic/wireless_page_rules.h"
#include "pages/basic/wireless_page_texts.h"
#include "pages/basic/wireless_page_vars.h"
#include "shell/mib_tables.h"

namespace {

using M = WirelessMode;

const char* const kAuthentications[] = {"opensystem", "sharedkey",     "wpa-psk",       "wpa-eap",  "wpa2-psk",
                                        "wpa2-eap",   "wpa2-auto-psk", "wpa2-auto-eap", "dot1x(10)"};

TEST(WirelessRules, EveryAuthenticationAModeShowsMapsBackToItself) {
    for (M mode : {M::AccessPoint, M::WdsWithAp, M::Wds, M::WirelessClient}) {
        int shown = 0;
        for (const char* authentication : kAuthentications) {
            const SecurityView* view = SecurityViewOf(mode, authentication);
            if (view == nullptr) continue;
            ++shown;
            SCOPED_TRACE(std::string(authentication) + " in mode " + std::to_string(static_cast<int>(mode)));
            const std::string wpa = view->wpa != nullptr ? view->wpa : "";
            ASSERT_NE(AuthenticationOf(mode, view->security, wpa), nullptr);
            EXPECT_STREQ(AuthenticationOf(mode, view->security, wpa), authentication);
        }
        EXPECT_GT(shown, 1);
    }
}

// Each row: the mode, the Security Mode and WPA Mode chosen, the
// authentication written (null: none, the device's stays).
struct ChoiceCase {
    M mode;
    const char* security;
    const char* wpa;
    const char* authentication;
};

TEST(WirelessRules, AChoiceTheModeDoesNotOfferGivesNoAuthentication) {
    const ChoiceCase cases[] = {
        {M::AccessPoint, kOpenSystem, kWpaOnly, "opensystem"},   // the WPA Mode does not count for Open System
        {M::WirelessClient, kOpenSystem, kWpa2Only, "opensystem"},
        {M::AccessPoint, kDot1x, "", "dot1x(10)"},
        {M::AccessPoint, kWpaEnterprise, kWpaAuto, "wpa2-auto-eap"},
        {M::WdsWithAp, kWpaPersonal, kWpaOnly, nullptr},         // WPA alone only with WPA2 in WDS with AP
        {M::WdsWithAp, kSharedKey, kWpaAuto, nullptr},
        {M::Wds, kWpaPersonal, kWpaAuto, nullptr},
        {M::Wds, kWpaPersonal, kWpa2Only, "wpa2-psk"},
        {M::WirelessClient, kWpaEnterprise, kWpa2Only, nullptr},
        {M::WirelessClient, kWpaPersonal, kWpaOnly, "wpa-psk"},
        {M::Unknown, kOpenSystem, kWpaAuto, nullptr},
        {M::AccessPoint, "Something", kWpaAuto, nullptr},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(std::string(c.security) + " / " + c.wpa);
        const char* authentication = AuthenticationOf(c.mode, c.security, c.wpa);
        if (c.authentication == nullptr)
            EXPECT_EQ(authentication, nullptr) << authentication;
        else
            EXPECT_STREQ(authentication, c.authentication);
    }
}

TEST(WirelessRules, TheListsFollowTheModeMultiSsidAnd11nOnly) {
    using List = std::vector<std::string>;
    EXPECT_EQ(SecurityModesOf(M::AccessPoint, false, false),
              (List{kOpenSystem, kSharedKey, kWpaPersonal, kWpaEnterprise, kDot1x}));
    EXPECT_EQ(SecurityModesOf(M::AccessPoint, true, false), (List{kOpenSystem, kWpaPersonal, kWpaEnterprise, kDot1x}));
    EXPECT_EQ(SecurityModesOf(M::AccessPoint, true, true), (List{kOpenSystem, kWpaPersonal, kWpaEnterprise}));
    for (M mode : {M::WdsWithAp, M::Wds, M::WirelessClient})
        EXPECT_EQ(SecurityModesOf(mode, false, false), (List{kOpenSystem, kWpaPersonal}));
    EXPECT_EQ(WpaModesOf(M::WdsWithAp), (List{kWpaAuto, kWpa2Only}));
    EXPECT_EQ(WpaModesOf(M::Wds), (List{kWpa2Only}));
    EXPECT_EQ(WpaModesOf(M::WirelessClient), (List{kWpaAuto, kWpa2Only, kWpaOnly}));
    EXPECT_EQ(SecurityViewOf(M::WdsWithAp, "wpa2-eap"), nullptr);
    EXPECT_STREQ(FallbackWpaMode(M::WirelessClient, "wpa-psk", false), kWpaAuto);
    EXPECT_EQ(FallbackWpaMode(M::WirelessClient, "wpa2-eap", false), nullptr);
    EXPECT_EQ(FallbackWpaMode(M::AccessPoint, "sharedkey", true), nullptr);
}

TEST(WirelessRules, TheSecurityBlockFollowsTheSecurityModeAndEncryption) {
    EXPECT_EQ(SecurityBlockOf(kOpenSystem, false), SecurityBlock::Open);
    EXPECT_EQ(SecurityBlockOf(kOpenSystem, true), SecurityBlock::Wep);
    EXPECT_EQ(SecurityBlockOf(kSharedKey, false), SecurityBlock::Wep);
    EXPECT_EQ(SecurityBlockOf(kWpaPersonal, true), SecurityBlock::WpaPersonal);
    EXPECT_EQ(SecurityBlockOf(kWpaEnterprise, false), SecurityBlock::WpaEnterprise);
    EXPECT_EQ(SecurityBlockOf(kDot1x, false), SecurityBlock::Dot1x);
    EXPECT_EQ(SecurityBlockOf("", false), SecurityBlock::None);
}

// ---- the write plan ---------------------------------------------------------

using G = WirelessGroup;
using Plan = std::vector<GroupWrite>;
using Rows = std::vector<int>;

namespace B = WirelessBasicRow;
namespace W = WirelessWpaPskRow;
namespace R = WirelessRadiusRow;
namespace S = WirelessSecurityRow;

const Rows kApBasic = {B::Ssid, B::SsidBroadcast, B::Channel, B::AutoChannelScan, B::ApMode, B::ChannelWidth};
const Rows kWdsBasic = {B::Ssid, B::SsidBroadcast, B::Channel, B::ApMode, B::ChannelWidth};
const Rows kClientBasic = {B::Ssid, B::ApMode, B::ChannelWidth};
GroupWrite ValueOf(G group) { return {group, {SingleRow::Value}}; }

WirelessSaveInput Input(M mode, SecurityBlock security) {
    WirelessSaveInput in;
    in.mode = mode;
    in.security = security;
    in.channelPicked = true;
    return in;
}

struct PlanCase {
    const char* name;
    WirelessSaveInput input;
    Plan plan;
};

std::vector<PlanCase> PlanCases() {
    std::vector<PlanCase> cases;
    cases.push_back({"access point, security kept", Input(M::AccessPoint, SecurityBlock::None),
                     {{G::Basic, kApBasic}}});
    {
        // A channel the user did not pick is not written.
        WirelessSaveInput in = Input(M::AccessPoint, SecurityBlock::None);
        in.channelPicked = false;
        cases.push_back({"access point, no channel picked", in,
                         {{G::Basic, {B::Ssid, B::SsidBroadcast, B::AutoChannelScan, B::ApMode, B::ChannelWidth}}}});
        in.mode = M::Wds;
        cases.push_back({"WDS, no channel picked", in,
                         {{G::Basic, {B::Ssid, B::SsidBroadcast, B::ApMode, B::ChannelWidth}},
                          ValueOf(G::RemoteApDeleteAll),
                          {G::RemoteApList, {}},
                          ValueOf(G::ApArrayStatus)}});
    }
    {
        WirelessSaveInput in = Input(M::AccessPoint, SecurityBlock::Open);
        in.writeApplication = true;
        in.bandChanged = true;
        cases.push_back({"Japan, band changed, open", in,
                         {ValueOf(G::Application),
                          {G::Basic, {B::Ssid, B::SsidBroadcast, B::Channel, B::AutoChannelScan, B::ApMode, B::Band,
                                       B::ChannelWidth}},
                          {G::Security, {S::Authentication, S::Encryption}}}});
    }
    {
        WirelessSaveInput in = Input(M::AccessPoint, SecurityBlock::Wep);
        in.wepKey = 2;
        cases.push_back({"WEP, key 3 typed", in,
                         {{G::Basic, kApBasic},
                          {G::WepKey3, {WepKeyRow::EntryMethod, WepKeyRow::Key}},
                          {G::Security, {S::Authentication, S::KeyIndex, S::Encryption}}}});
        in.wepKeyUnchanged = true;
        cases.push_back({"WEP, key 3 kept", in,
                         {{G::Basic, kApBasic},
                          {G::WepKey3, {WepKeyRow::EntryMethod}},
                          {G::Security, {S::Authentication, S::KeyIndex, S::Encryption}}}});
        in.wepKey = -1;
        cases.push_back({"WEP, no key selected", in, {{G::Security, {S::Authentication, S::KeyIndex, S::Encryption}}}});
    }
    {
        WirelessSaveInput in = Input(M::AccessPoint, SecurityBlock::WpaPersonal);
        cases.push_back({"WPA-Personal, pass phrase typed", in,
                         {{G::Basic, kApBasic},
                          {G::WpaPsk, {W::PassPhrase, W::CipherType, W::GroupKeyInterval, W::RekeyControl}},
                          {G::Security, {S::Authentication}}}});
        in.periodicRekey = true;
        in.passPhraseUnchanged = true;
        cases.push_back({"WPA-Personal, periodic re-key", in,
                         {{G::Basic, kApBasic},
                          {G::WpaPsk, {W::CipherType, W::GroupKeyInterval, W::RekeyControl, W::RekeyStartWeek,
                                       W::RekeyStartTime, W::RekeyInterval}},
                          {G::Security, {S::Authentication}}}});
    }
    {
        WirelessSaveInput in = Input(M::AccessPoint, SecurityBlock::WpaEnterprise);
        in.radiusSecretUnchanged = true;
        cases.push_back({"WPA-Enterprise, secret kept", in,
                         {{G::Basic, kApBasic},
                          {G::Radius, {R::NetworkProtection, R::Server, R::Port, R::KeyUpdateInterval}},
                          {G::WpaPsk, {W::CipherType, W::GroupKeyInterval}},
                          {G::Security, {S::Authentication}}}});
        in.security = SecurityBlock::Dot1x;
        in.radiusSecretUnchanged = false;
        cases.push_back({"802.1X, secret typed", in,
                         {{G::Basic, kApBasic},
                          {G::Radius, {R::NetworkProtection, R::Server, R::Port, R::Secret, R::KeyUpdateInterval}},
                          {G::WpaPsk, {W::GroupKeyInterval}},
                          {G::Security, {S::Authentication}}}});
    }
    {
        WirelessSaveInput in = Input(M::Wds, SecurityBlock::Open);
        in.multiSsidOn = true;
        in.partnerRows = {0, 3};
        cases.push_back({"WDS with multi-SSID on and two partners", in,
                         {ValueOf(G::MultiSsidState),
                          {G::Basic, kWdsBasic},
                          {G::Security, {S::Authentication, S::Encryption}},
                          ValueOf(G::RemoteApDeleteAll),
                          {G::RemoteApList, {0, 3}},
                          ValueOf(G::ApArrayStatus)}});
        in.mode = M::WdsWithAp;
        cases.push_back({"WDS with AP keeps multi-SSID", in,
                         {{G::Basic, kWdsBasic},
                          {G::Security, {S::Authentication, S::Encryption}},
                          ValueOf(G::RemoteApDeleteAll),
                          {G::RemoteApList, {0, 3}},
                          ValueOf(G::ApArrayStatus)}});
    }
    {
        WirelessSaveInput in = Input(M::WirelessClient, SecurityBlock::WpaPersonal);
        in.cloning = true;
        in.cloneAddressEmpty = true;
        cases.push_back({"client cloning without an address, WPA-Personal", in,
                         {ValueOf(G::MacCloneStatus),
                          {G::MacClone, {MacCloneRow::Source, MacCloneRow::Address}},
                          ValueOf(G::MacCloneStatus),
                          {G::MacClone, {MacCloneRow::Source}},
                          {G::Basic, kClientBasic},
                          {G::WpaPsk, {W::PassPhrase, W::CipherType, W::RekeyControl}},
                          {G::Security, {S::Authentication}},
                          ValueOf(G::WifiMode),
                          ValueOf(G::ApArrayStatus)}});
        in.cloning = false;
        in.security = SecurityBlock::Open;
        cases.push_back({"client not cloning, open", in,
                         {ValueOf(G::MacCloneStatus),
                          {G::Basic, kClientBasic},
                          {G::Security, {S::Authentication, S::Encryption}},
                          ValueOf(G::WifiMode),
                          ValueOf(G::ApArrayStatus)}});
    }
    return cases;
}

TEST(WirelessRules, EachModeAndSecurityPlansItsWritesInOrder) {
    for (const PlanCase& c : PlanCases()) {
        SCOPED_TRACE(c.name);
        const Plan plan = PlanWirelessWrites(c.input);
        ASSERT_EQ(plan.size(), c.plan.size());
        for (size_t i = 0; i < plan.size(); ++i) {
            EXPECT_EQ(static_cast<int>(plan[i].group), static_cast<int>(c.plan[i].group)) << "write " << i;
            EXPECT_EQ(plan[i].rows, c.plan[i].rows) << "write " << i;
        }
    }
}

}  // namespace
