// The Performance page's layout rules on a page that read nothing: the
// hidden value holders are set as a load would set them, then
// ArrangePerformanceControls runs over AP mode x band x security.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "library/common/option_list.h"
#include "pages/wireless/performance_page.h"
#include "pages/wireless/performance_page_vars.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "shell/mib_option_lists.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::Texts;

Texts TextsOf(const VkOptionList& list) {
    Texts texts;
    for (const VkOptionItem& item : list.items()) texts.push_back(item.text);
    return texts;
}

// Security in force: authentication, encryption, cipher texts.
struct Security {
    const char* name;
    const char *authentication, *encryption, *cipher;
    bool legacyByPosition, legacyByText;
};
const Security kOpen = {"open", "opensystem", "Disable", "aes", false, false};
const Security kWep = {"WEP", "opensystem", "Enable", "auto", true, true};
const Security kWpa2Aes = {"WPA2 AES", "wpa2-psk", "Disable", "aes", false, false};
const Security kWpa2Tkip = {"WPA2 TKIP", "wpa2-psk", "Disable", "tkip", true, true};

class PerformanceArrangeTest : public uitest::UiTest {
protected:
    PerformanceArrangeTest() : page_(new TFM_Performace(nullptr)) {}
    ~PerformanceArrangeTest() override { delete page_; }

    // The holders as a load leaves them; mode: the device's wireless mode text.
    TFM_Performace& Loaded(int apMode, int band, const Security& security, const std::string& mode) {
        TFM_Performace& p = *page_;
        p.OpenedBand = band;
        pagetest::Fill(p.CB_ApMode, TextsOf(OptDot11ApMode));
        p.CB_ApMode->SetItemIndex(apMode);
        p.CB_Wireless->SetItemIndex(band);
        pagetest::Fill(p.CB_dot11Authentication, TextsOf(OptDot11Authentication));
        pagetest::Select(p.CB_dot11Authentication, security.authentication);
        pagetest::Fill(p.CB_dot11Encryption, TextsOf(OptDot11Encryption));
        pagetest::Select(p.CB_dot11Encryption, security.encryption);
        pagetest::Fill(p.CB_Clipher, TextsOf(OptDot11CipherType));
        pagetest::Select(p.CB_Clipher, security.cipher);
        pagetest::Fill(p.CB_ChanWidth, TextsOf(OptDot11ChannelWidth));
        p.CB_ChanWidth->SetItemIndex(1);
        ui::ComboBox* modeCombo = band == 0 ? p.CB_WMode1 : p.CB_WMode2;
        pagetest::Fill(modeCombo, TextsOf(band == 0 ? OptDot11WifiMode24 : OptDot11WifiMode5));
        pagetest::Select(modeCombo, mode);
        for (ui::ComboBox* combo : {p.CB_Grouping, p.CB_ShortGI, p.CB_IGMPSnooping})
            pagetest::Fill(combo, {"Disable", "Enable"});
        p.CB_Grouping->SetItemIndex(1);
        p.CB_ShortGI->SetItemIndex(1);
        p.Ed_BeInta->SetText("100");
        p.Ed_DTIMa->SetText("1");
        p.Ed_TRate->SetText("11");
        p.Ed_RateGBandList->SetText("1 2 5.5 11 6 9 12 18 24 36 48 54 6.5 13");
        p.Ed_RateABandList->SetText("6 9 12 18 24 36 48 54 6.5 13");
        p.Ed_RateGBand->SetText("Disable");
        p.Ed_RateABand->SetText("Disable");
        return p;
    }

    TFM_Performace* page_;
};

// Which controls the AP mode leaves enabled (with an 802.11n mode shown).
TEST_F(PerformanceArrangeTest, EachApModeEnablesItsControls) {
    struct Case {
        int apMode;
        bool mode, dataRate, beacon, igmp, rateBand, grouping, userLimit, shortGi;
    } const cases[] = {
        {0, true, false, true, true, true, true, true, true},
        {1, true, false, true, true, true, false, false, true},
        {2, true, false, true, false, false, false, false, true},
        {3, false, false, false, false, false, false, false, false},
    };
    for (int band : {0, 1}) {
        for (const Case& c : cases) {
            SCOPED_TRACE("AP mode " + std::to_string(c.apMode) + " band " + std::to_string(band));
            TFM_Performace& p = Loaded(c.apMode, band, kOpen, band == 0 ? "Mixed 802.11n,802.11g and 802.11b"
                                                                         : "Mixed 802.11n and 802.11a");
            p.ArrangePerformanceControls();
            EXPECT_EQ(p.ModeCombo()->Enabled(), c.mode);
            EXPECT_EQ(p.CB_DRate->Enabled(), c.dataRate);
            EXPECT_EQ(p.Ed_BeInta->Enabled(), c.beacon);
            EXPECT_EQ(p.Ed_DTIMa->Enabled(), c.beacon);
            EXPECT_EQ(p.CB_IGMPSnooping->Enabled(), c.igmp);
            EXPECT_EQ(p.CB_RateBand->Enabled(), c.rateBand);
            EXPECT_EQ(p.CB_Grouping->Enabled(), c.grouping);
            EXPECT_EQ(p.Ed_ULimit->Enabled(), c.userLimit);
            EXPECT_EQ(p.CB_ShortGI->Enabled(), c.shortGi);
            EXPECT_EQ(p.CB_Grouping->ItemIndex(), c.apMode == 0 ? 1 : 0) << "the limit is off outside AP mode";
            EXPECT_EQ(p.Ed_BeInta->Text(), c.apMode == 3 ? "" : "100");
        }
    }
}

TEST_F(PerformanceArrangeTest, AWirelessClientsShortGiFollowsTheChannelWidth) {
    for (int width : {0, 1}) {
        TFM_Performace& p = Loaded(3, 0, kOpen, "Mixed 802.11g and 802.11b");
        p.CB_ChanWidth->SetItemIndex(width);
        p.ArrangePerformanceControls();
        EXPECT_EQ(p.CB_ShortGI->ItemIndex(), width);
        EXPECT_FALSE(p.CB_ShortGI->Enabled());
        EXPECT_FALSE(p.CB_DRate->Enabled()) << "a client's data rate is not written, so not offered";
        EXPECT_EQ(p.CB_WMode1->ItemIndex(), 0);
    }
}

// The mode list, data-rate list and multicast list by band, security and mode.
TEST_F(PerformanceArrangeTest, SecurityAndModeDecideTheLists) {
    struct Case {
        int band;
        const Security* security;
        const char* mode;
        bool nOnlyOffered;
        const char* firstRate;
        int rateCount;
        bool rateEnabled;
        Texts multicast;
    } const cases[] = {
        {0, &kOpen, "Mixed 802.11n,802.11g and 802.11b", true, "Best(up to 300)", 13, false,
         {"1", "2", "5.5", "11", "6", "9", "12", "18", "24", "36", "48", "54", "6.5", "13"}},
        {0, &kWep, "Mixed 802.11n,802.11g and 802.11b", false, "Best(up to 54)", 13, false,
         {"1", "2", "5.5", "11", "6", "9", "12", "18", "24", "36", "48", "54", "Disable"}},
        {0, &kWpa2Aes, "802.11n Only", true, "Best(up to 300)", 13, false, {"6.5", "13"}},
        {0, &kWpa2Tkip, "802.11n Only", false, "Best(up to 54)", 13, false,
         {"1", "2", "5.5", "11", "6", "9", "12", "18", "24", "36", "48", "54", "Disable"}},
        {0, &kOpen, "Mixed 802.11g and 802.11b", true, "Best(up to 54)", 13, true,
         {"1", "2", "5.5", "11", "6", "9", "12", "18", "24", "36", "48", "54", "Disable"}},
        {1, &kOpen, "Mixed 802.11n and 802.11a", true, "Best(up to 300)", 9, false,
         {"6", "9", "12", "18", "24", "36", "48", "54", "6.5", "13"}},
        {1, &kWpa2Aes, "802.11n Only", true, "Best(up to 300)", 9, false, {"6.5", "13"}},
        {1, &kWep, "802.11a Only", false, "Best(up to 54)", 9, true,
         {"6", "9", "12", "18", "24", "36", "48", "54", "Disable"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.security->name) + " " + c.mode);
        TFM_Performace& p = Loaded(0, c.band, *c.security, c.mode);
        EXPECT_EQ(p.IsLegacyByPosition(), c.security->legacyByPosition);
        EXPECT_EQ(p.IsLegacyByText(), c.security->legacyByText);
        p.ArrangePerformanceControls();
        const Texts modes = pagetest::Items(p.ModeCombo());
        EXPECT_EQ(std::find(modes.begin(), modes.end(), "802.11n Only") != modes.end(), c.nOnlyOffered);
        ASSERT_EQ(p.CB_DRate->ItemCount(), c.rateCount);
        EXPECT_EQ(p.CB_DRate->ItemText(0), c.firstRate);
        EXPECT_EQ(p.CB_DRate->Enabled(), c.rateEnabled);
        EXPECT_EQ(pagetest::Items(p.CB_RateBand), c.multicast);
        if (!c.nOnlyOffered && std::string(c.mode) == "802.11n Only") {
            EXPECT_EQ(p.ModeCombo()->ItemIndex(), 0) << "the removed mode falls back to the first";
        } else {
            EXPECT_EQ(p.ModeCombo()->Text(), c.mode);
        }
    }
}

TEST_F(PerformanceArrangeTest, AFixedRateModeSelectsTheStoredRate) {
    TFM_Performace& p = Loaded(0, 0, kOpen, "Mixed 802.11g and 802.11b");
    p.ArrangePerformanceControls();
    EXPECT_EQ(p.CB_DRate->Text(), "11");
    EXPECT_EQ(p.CB_ShortGI->ItemIndex(), 0) << "no Short GI without 802.11n";
    EXPECT_FALSE(p.CB_ShortGI->Enabled());
    EXPECT_EQ(p.CB_RateBand->Text(), "Disable");
}

TEST_F(PerformanceArrangeTest, IgmpSnoopingAndAMulticastRateExcludeEachOther) {
    TFM_Performace& p = Loaded(0, 0, kOpen, "Mixed 802.11g and 802.11b");
    p.ArrangePerformanceControls();
    pagetest::Pick(p.CB_RateBand, "5.5");
    EXPECT_EQ(p.CB_IGMPSnooping->Text(), "Disable");
    pagetest::Pick(p.CB_IGMPSnooping, "Enable");
    EXPECT_EQ(p.CB_RateBand->Text(), "Disable");
    pagetest::Pick(p.CB_RateBand, "Disable");
    EXPECT_EQ(p.CB_IGMPSnooping->Text(), "Enable") << "\"Disable\" leaves IGMP snooping alone";
}

}  // namespace
