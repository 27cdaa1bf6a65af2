// The Performance page's rules without a device: the two legacy-security
// predicates, the data-rate and multicast lists, the range checks and the
// rows a Save writes in each AP mode.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/wireless/performance_page_rules.h"
#include "pages/wireless/performance_page_vars.h"

namespace {

using Texts = std::vector<std::string>;

// Authentication positions: 0 opensystem, 1 sharedkey, 4 wpa2-psk, 8 dot1x(10);
// cipher 1 aes, 2 tkip.
TEST(PerformanceRules, TheTwoLegacyPredicatesDifferOnlyWhereTheirInputsDo) {
    struct Case {
        int auth, enc, cipher;
        const char *authText, *encText, *cipherText;
        bool byPosition, byText;
    } const cases[] = {
        {0, 0, 1, "opensystem", "Disable", "aes", false, false},
        {0, 1, 1, "opensystem", "Enable", "aes", true, true},
        {1, 1, 0, "sharedkey", "Enable", "auto", true, true},
        {-1, 1, 0, "", "Enable", "auto", true, false},  // no authentication shown
        {4, 0, 1, "wpa2-psk", "Disable", "aes", false, false},
        {4, 0, 2, "wpa2-psk", "Disable", "tkip", true, true},
        {0, 0, 2, "opensystem", "Disable", "tkip", true, false},  // tkip stored under open system
        {8, 0, 0, "dot1x(10)", "Disable", "auto", true, true},
        {4, 1, 1, "wpa2-psk", "Enable", "aes", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.authText) + " " + c.encText + " " + c.cipherText);
        EXPECT_EQ(LegacyByPosition(c.auth, c.enc, c.cipher), c.byPosition);
        EXPECT_EQ(LegacyByText(c.authText, c.encText, c.cipherText), c.byText);
    }
}

TEST(PerformanceRules, DataRateListsByBandModeAndSecurity) {
    const Texts legacy24 = {"Best(up to 54)", "54", "48", "36", "24", "18", "12", "9", "6", "11", "5.5", "2", "1"};
    Texts n24 = legacy24;
    n24[0] = "Best(up to 300)";
    const Texts legacy5 = {"Best(up to 54)", "54", "48", "36", "24", "18", "12", "9", "6"};
    Texts n5 = legacy5;
    n5[0] = "Best(up to 300)";
    EXPECT_EQ(DataRateItems(kBand24, true, false), n24);
    EXPECT_EQ(DataRateItems(kBand24, true, true), legacy24);
    EXPECT_EQ(DataRateItems(kBand24, false, false), legacy24);
    EXPECT_EQ(DataRateItems(kBand5, true, false), n5);
    EXPECT_EQ(DataRateItems(kBand5, true, true), legacy5);
    EXPECT_EQ(DataRateItems(kBand5, false, false), legacy5);
    EXPECT_EQ(DataRateItems(-1, false, false), legacy5) << "no band takes the 5 GHz lists";
}

TEST(PerformanceRules, TheStoredDataRateSelectsByValue) {
    const Texts items = DataRateItems(kBand24, false, false);
    struct Case {
        const char* stored;
        int index;
    } const cases[] = {{"Auto", 0},  {"Best(up to 300)", 0}, {"Best(up to 54)", 0}, {"54", 1},   {"5.5", 10},
                       {"5.50", 10}, {"011", 9},             {" 1 ", 12},           {"7", -1},   {"fast", -1},
                       {"", -1}};
    for (const Case& c : cases) EXPECT_EQ(DataRateIndex(items, c.stored), c.index) << '"' << c.stored << '"';
}

TEST(PerformanceRules, MulticastListsFollowSecurityAndMode) {
    const std::string g = "1 2  5.5 11 6 9 12 18 24 36 48 54 6.5 13 65";
    const Texts legacy = {"1", "2", "5.5", "11", "6", "9", "12", "18", "24", "36", "48", "54", "Disable"};
    EXPECT_EQ(MulticastRateItems(g, true, true, false), legacy) << "legacy security";
    EXPECT_EQ(MulticastRateItems(g, false, false, false), legacy) << "no 802.11n";
    EXPECT_EQ(MulticastRateItems(g, true, true, true), legacy) << "legacy security wins over 802.11n Only";
    EXPECT_EQ(MulticastRateItems(g, false, true, true), (Texts{"6.5", "13", "65"})) << "802.11n Only";
    const Texts all = {"1", "2", "5.5", "11", "6", "9", "12", "18", "24", "36", "48", "54", "6.5", "13", "65"};
    EXPECT_EQ(MulticastRateItems(g, false, true, false), all) << "a mixed 802.11n mode";
    EXPECT_EQ(MulticastRateItems("6 9 54 6.5", false, true, true), (Texts{"6.5"})) << "5 GHz list";
    EXPECT_TRUE(MulticastRateItems("   ", true, true, false).empty());
}

struct RangeCase {
    int apMode, band;
    const char *beacon, *dtim, *limit, *ack;
    PerformanceField field;
};

TEST(PerformanceRules, RangeChecksAtTheirEdges) {
    const PerformanceField ok = PerformanceField::None;
    const RangeCase cases[] = {
        {0, 0, "100", "1", "20", "64", ok},
        {0, 0, "24", "1", "20", "64", PerformanceField::Beacon},
        {0, 0, "25", "1", "20", "64", ok},
        {0, 0, "500", "1", "20", "64", ok},
        {0, 0, "501", "1", "20", "64", PerformanceField::Beacon},
        {0, 0, "", "1", "20", "64", PerformanceField::Beacon},
        {0, 0, "abc", "1", "20", "64", PerformanceField::Beacon},
        {0, 0, "100", "0", "20", "64", PerformanceField::Dtim},
        {0, 0, "100", "15", "20", "64", ok},
        {0, 0, "100", "16", "20", "64", PerformanceField::Dtim},
        {0, 0, "100", "", "20", "64", PerformanceField::Dtim},
        {0, 0, "100", "1", "64", "64", ok},
        {0, 0, "100", "1", "0", "64", ok},
        {0, 0, "100", "1", "65", "64", PerformanceField::UserLimit},
        {0, 0, "100", "1", "", "64", PerformanceField::UserLimit},
        {0, 0, "100", "1", "20", "63", PerformanceField::AckTimeout},
        {0, 0, "100", "1", "20", "200", ok},
        {0, 0, "100", "1", "20", "201", PerformanceField::AckTimeout},
        {0, 0, "100", "1", "20", "", PerformanceField::AckTimeout},
        {0, 1, "100", "1", "20", "49", PerformanceField::AckTimeout},
        {0, 1, "100", "1", "20", "50", ok},
        {0, 1, "100", "1", "20", "201", PerformanceField::AckTimeout},
        {0, 1, "100", "1", "20", "", PerformanceField::AckTimeout},
        // Wireless Client: beacon, DTIM and user limit are not checked.
        {3, 0, "", "", "99", "64", ok},
        {3, 0, "", "", "", "63", PerformanceField::AckTimeout},
        // The first failure in the controls' order wins.
        {0, 0, "1", "0", "99", "1", PerformanceField::Beacon},
        {1, 0, "100", "1", "65", "64", PerformanceField::UserLimit},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(std::string("mode ") + std::to_string(c.apMode) + " band " + std::to_string(c.band) + ": " +
                     c.beacon + "/" + c.dtim + "/" + c.limit + "/" + c.ack);
        PerformanceInput in{c.apMode, c.band, c.beacon, c.dtim, c.limit, c.ack};
        const PerformanceRefusal refusal = CheckPerformanceInput(in);
        EXPECT_EQ(static_cast<int>(refusal.field), static_cast<int>(c.field));
    }
    EXPECT_STREQ(CheckPerformanceInput({0, 0, "1", "1", "1", "64"}).message, "Please input a number between 25 and 500.");
    EXPECT_STREQ(CheckPerformanceInput({0, 0, "25", "0", "1", "64"}).message, "Please input a number between 1 and 15.");
    EXPECT_STREQ(CheckPerformanceInput({0, 0, "25", "1", "65", "64"}).message,
                 "The range of 'User Limit' is from 0 to 64.");
    EXPECT_STREQ(CheckPerformanceInput({0, 0, "25", "1", "1", "1"}).message, "The Ack TimeOut value range is 64~200.");
    EXPECT_STREQ(CheckPerformanceInput({0, 1, "25", "1", "1", "1"}).message, "The Ack TimeOut value range is 50~200.");
}

// A rate shown is written when the user changed it or when it is the stored
// rate; a fallback entry for a stored rate not offered is not.
TEST(PerformanceRules, ARateIsWrittenWhenStoredAsShownOrChangedByTheUser) {
    struct Case {
        const char* stored;
        const char* shown;
        bool changed;
        bool written;
    } const cases[] = {
        {"5.5", "5.5", false, true},  {"5.5", "12", true, true},       // offered
        {"5.50", "5.5", false, true}, {" 11", "11", false, true},       // the same value
        {"6.5", "Disable", false, false}, {"6.5", "Disable", true, true},  // not offered: the fallback
        {"Auto", "Best(up to 54)", false, false}, {"Auto", "Best(up to 54)", true, true},
        {"Auto", "Auto", false, true}, {"54", "Auto", false, false},  // "Auto" forced by the mode
        {"11", "", false, true},                                        // no entry chosen: the stored rate stays
        {"", "Disable", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.stored + "' shown '" + c.shown + "'" + (c.changed ? " changed" : ""));
        EXPECT_EQ(RateChoiceWritten(c.stored, c.shown, c.changed), c.written);
    }
}

TEST(PerformanceRules, RowsWrittenPerApModeNeverFragmentOrRts) {
    using namespace PerformanceRadioRow;
    using Rows = std::vector<int>;
    struct Case {
        const char* name;
        PerformancePlanInput in;
        Rows wifiMode, radio, multicast;
    } const cases[] = {
        {"access point, limit off", {kApAccessPoint, kBand24, false, true, true},
         {0},
         {BeaconInterval, Dtim, TransmitPower, Wmm, ShortGi, IgmpSnooping, RadioWave, DataRate, LoadBalance,
          LinkIntegrate, AckTimeout, MulticastRateG},
         {PerformanceMulticastRow::RateG}},
        {"access point, limit on", {kApAccessPoint, kBand24, true, true, true},
         {0},
         {BeaconInterval, Dtim, TransmitPower, Wmm, ShortGi, IgmpSnooping, RadioWave, DataRate, LoadBalance,
          UserLimit, LinkIntegrate, AckTimeout, MulticastRateG},
         {PerformanceMulticastRow::RateG}},
        {"WDS with AP at 5 GHz", {kApWdsWithAp, kBand5, true, true, true},
         {0},
         {BeaconInterval, Dtim, TransmitPower, Wmm, ShortGi, IgmpSnooping, RadioWave, DataRate, LinkIntegrate,
          AckTimeout, MulticastRateA},
         {PerformanceMulticastRow::RateA, PerformanceMulticastRow::RateG}},
        {"WDS", {kApWds, kBand24, true, true, true},
         {0},
         {BeaconInterval, Dtim, TransmitPower, Wmm, ShortGi, IgmpSnooping, RadioWave, DataRate, LinkIntegrate,
          AckTimeout, MulticastRateG},
         {PerformanceMulticastRow::RateG}},
        {"wireless client", {kApWirelessClient, kBand24, true, true, true},
         {},
         {TransmitPower, Wmm, ShortGi, RadioWave, LinkIntegrate, AckTimeout, MulticastRateG},
         {PerformanceMulticastRow::RateG}},
        {"a mode and Short GI the page chose", {kApAccessPoint, kBand24, false, false, false},
         {},
         {BeaconInterval, Dtim, TransmitPower, Wmm, IgmpSnooping, RadioWave, DataRate, LoadBalance, LinkIntegrate,
          AckTimeout, MulticastRateG},
         {PerformanceMulticastRow::RateG}},        {"rates the page chose at 5 GHz", {kApAccessPoint, kBand5, false, true, true, false, false},
         {0},
         {BeaconInterval, Dtim, TransmitPower, Wmm, ShortGi, IgmpSnooping, RadioWave, LoadBalance, LinkIntegrate,
          AckTimeout},
         {}},
        {"a client's multicast rate the page chose", {kApWirelessClient, kBand24, false, true, true, true, false},
         {},
         {TransmitPower, Wmm, ShortGi, RadioWave, LinkIntegrate, AckTimeout},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PerformanceWrites plan = PlanPerformanceWrites(c.in);
        EXPECT_EQ(plan.wifiMode, c.wifiMode);
        EXPECT_EQ(plan.radio, c.radio);
        EXPECT_EQ(plan.multicast, c.multicast);
        for (int row : plan.radio) {
            EXPECT_NE(row, FragmentLength);
            EXPECT_NE(row, RtsLength);
            EXPECT_NE(row, DataRateList24);
            EXPECT_NE(row, MulticastListG);
        }
    }
    EXPECT_EQ(RadioOffRows(), Rows{RadioWave});
}

}  // namespace
