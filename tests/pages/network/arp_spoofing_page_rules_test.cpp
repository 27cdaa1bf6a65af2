// The ARP Spoofing Prevention page's checks without a device: a gateway's
// fields in their order, the list's limit, and duplicates by value.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/network/arp_spoofing_page_rules.h"

namespace {

using namespace arp;

bool AnyMac(const std::string&) { return true; }

TEST(ArpGatewayChecks, FieldsInTheirOrderWithMessageCaptionFocusAndClearing) {
    struct Case {
        const char* ip;
        const char* mac;
        bool macValid;
        int check;
        const char* message;
        const char* caption;
        GatewayField field;
        bool clear;
        bool shown;
    };
    const Case cases[] = {
        {"10.0.0.1", "00907A000001", true, 0, "", "Warning", GatewayField::None, false, false},
        {"", "", true, 1, "The IP Address can not be blank!", "Warning", GatewayField::Ip, false, false},
        {"10.0.0", "00907A000001", true, 2, "Please input valid IP Address.", "Warning", GatewayField::Ip, true, false},
        {"10.0.0.1", "00907A00001", true, 3, "The length is 12 MAC Address.", "Error", GatewayField::Mac, true, false},
        {"10.0.0.1", "01907A000001", false, 4, "", "Warning", GatewayField::Mac, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ip) + " " + c.mac);
        bool asked = false;
        const GatewayRefusal r = CheckGatewayFields({c.ip, c.mac}, [&](const std::string&) {
            asked = true;
            return c.macValid;
        });
        EXPECT_EQ(r.check, c.check);
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.caption, c.caption);
        EXPECT_EQ(r.field, c.field);
        EXPECT_EQ(r.clear, c.clear);
        EXPECT_EQ(r.shown, c.shown);
        EXPECT_EQ(asked, c.check == 0 || c.check == 4) << "the MAC check only in its turn";
    }
}

TEST(ArpGatewayChecks, ANewGatewayNeedsRoomAndNoSameIpThenNoSameMac) {
    const std::vector<Gateway> listed = {{"10.0.0.1", "00907A000001"}, {"10.0.0.2", "00907A000002"}};
    struct Case {
        Gateway typed;
        int check;
        GatewayField field;
    };
    const Case cases[] = {
        {{"10.0.0.3", "00907A000003"}, 0, GatewayField::None},
        {{"10.000.0.002", "00907A000009"}, 6, GatewayField::Ip},   // the same address by value
        {{"10.0.0.3", "00907a000001"}, 7, GatewayField::Mac},      // the same MAC in either case
        {{"10.0.0.2", "00907A000001"}, 6, GatewayField::Ip},       // every IP before any MAC
    };
    for (const Case& c : cases) {
        const GatewayRefusal r = CheckNewGateway(c.typed, listed);
        EXPECT_EQ(r.check, c.check) << c.typed.ip << " " << c.typed.mac;
        EXPECT_EQ(r.field, c.field) << c.typed.ip << " " << c.typed.mac;
    }
    EXPECT_EQ(CheckNewGateway(cases[1].typed, listed).message, "The IP Address has already been added in the list!");
    EXPECT_EQ(CheckNewGateway(cases[2].typed, listed).message, "The MAC Address has already been added in the list!");

    const std::vector<Gateway> eight(kMaxGateways, Gateway{"10.9.9.9", "00907A000099"});
    const GatewayRefusal full = CheckNewGateway({"10.0.0.3", "00907A000003"}, eight);
    EXPECT_EQ(full.check, 5);
    EXPECT_EQ(full.message, "The Max number is 8,is full now!");
    EXPECT_EQ(full.field, GatewayField::None);
    EXPECT_EQ(CheckNewGateway({"10.0.0.3", "00907A000003"}, {eight.begin(), eight.end() - 1}).check, 0);
}

TEST(ArpGatewayChecks, ARewrittenGatewayIsComparedWithTheOthersOnly) {
    const std::vector<Gateway> others = {{"10.0.0.2", "00907A000002"}};
    EXPECT_EQ(CheckUniqueGateway({"10.0.0.1", "00907A000001"}, others).check, 0);
    EXPECT_EQ(CheckUniqueGateway({"10.0.0.2", "00907A000001"}, others).check, 6);
    EXPECT_EQ(CheckUniqueGateway({"10.0.0.1", "00907A000002"}, others).check, 7);
    EXPECT_EQ(CheckGatewayFields({"10.0.0.1", "00907A000001"}, AnyMac).check, 0);
}

}  // namespace
