// The VLAN page's rules without a device: which controls the mode, status,
// auto-assignment and editing leave usable, the warning of the first change,
// the checks of a VLAN entry in their order, the PVIDs' check order and how a
// walked row is listed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/network/vlan_page_rules.h"

namespace {

using namespace vlan;
using Texts = std::vector<std::string>;

struct EnableCase {
    VlanEnableInput in;
    VlanEnableState out;
};

void ExpectSameState(const VlanEnableState& got, const VlanEnableState& want) {
    EXPECT_EQ(got.saveAndAutoAssign, want.saveAndAutoAssign);
    EXPECT_EQ(got.pvidEdits, want.pvidEdits);
    EXPECT_EQ(got.vidEdit, want.vidEdit);
    EXPECT_EQ(got.nameEdit, want.nameEdit);
    EXPECT_EQ(got.emptyEdits, want.emptyEdits);
    EXPECT_EQ(got.portRadios, want.portRadios);
    EXPECT_EQ(got.mssidUntagNot, want.mssidUntagNot);
    EXPECT_EQ(got.mssidTag, want.mssidTag);
    EXPECT_EQ(got.wdsRadios, want.wdsRadios);
}

TEST(VlanRules, TheModeStatusAndAutoAssignmentDecideWhatCanBeEdited) {
    //                      in: dynamic, on, auto, editing
    //                      out: save, pvid, vid, name, empty, port, mssid untag/not, mssid tag, wds
    const VlanEnableState off{};
    const EnableCase cases[] = {
        {{true, true, false, false}, off},
        {{true, false, false, false}, off},
        {{true, true, false, true}, off},
        {{false, false, false, false}, off},
        {{false, false, true, true}, off},
        {{false, true, false, false}, {true, true, true, true, true, true, true, false, true}},
        {{false, true, true, false}, {true, false, true, true, true, true, true, false, true}},
        {{false, true, false, true}, {true, true, false, true, false, true, true, false, true}},
    };
    for (const EnableCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "dynamic " << c.in.dynamicMode << " on " << c.in.vlanOn << " auto "
                                          << c.in.autoAssignOn << " editing " << c.in.editing);
        ExpectSameState(VlanEnableRules(c.in), c.out);
    }
}

TEST(VlanRules, AnSsidPortCanBeUntaggedOrLeftOutButNeverTagged) {
    const VlanEnableState on = VlanEnableRules({false, true, false, false});
    for (Membership column : kColumns) {
        EXPECT_TRUE(ColumnEnabled(on, PortGroup::Port, column));
        EXPECT_TRUE(ColumnEnabled(on, PortGroup::Wds, column));
        EXPECT_EQ(ColumnEnabled(on, PortGroup::Mssid, column), column != Tag);
    }
    EXPECT_EQ(GroupOfPort(1), PortGroup::Port);
    EXPECT_EQ(GroupOfPort(2), PortGroup::Mssid);
    EXPECT_EQ(GroupOfPort(9), PortGroup::Mssid);
    EXPECT_EQ(GroupOfPort(10), PortGroup::Wds);
    EXPECT_STREQ(kPortLabels[9], "S-7");
    EXPECT_STREQ(kPortLabels[17], "W-8");
}

struct WarningCase {
    const char* apMode;
    bool vlanOn;
    int limit;
    const char* warning;
};

TEST(VlanRules, TheFirstChangeWarnsAboutTheApModeAndTheManagementLimit) {
    const char* both = "If you enable VLAN, AP Mode will be set to 'Access Point' \nand Limit Administrator Status "
                       "will be disable!";
    const char* apOnly = "If you enable VLAN, AP Mode will be set to 'Access Point'!";
    const char* limitOnly = "If you enable VLAN, Limit Administrator Status will be disable!";
    const WarningCase cases[] = {
        {"Wireless Client", true, 1, both},  {"WDS", true, 3, both},          {"WDS", true, 2, both},
        {"Wireless Client", true, 0, apOnly}, {"WDS", true, 0, apOnly},       {"Access Point", true, 1, limitOnly},
        {"Access Point", true, 3, limitOnly}, {"Access Point", true, 2, ""},  {"Access Point", true, 0, ""},
        {"WDS with AP", true, 1, ""},        {"Wireless Client", false, 1, ""}, {"Access Point", false, 3, ""},
        {"", true, 1, ""},  // the AP mode not read yet
    };
    for (const WarningCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.apMode << " on " << c.vlanOn << " limit " << c.limit);
        EXPECT_EQ(FirstChangeWarning(c.apMode, c.vlanOn, c.limit), c.warning);
    }
}

struct EntryCase {
    VlanEntryInput in;
    int check;
    VlanField focus;
};

TEST(VlanRules, AnEntryIsCheckedInOrderAndTheFirstFailureRefusesIt) {
    const std::string ascii32(32, 'v');
    const EntryCase cases[] = {
        {{false, 18, true, "30", "cams", {}}, 1, VlanField::None},
        {{false, 3, false, "30", "cams", {}}, 1, VlanField::None},  // no free row though fewer VLANs
        {{true, 18, false, "30", "cams", {}}, 0, VlanField::None},  // an edited VLAN can still be saved
        {{false, 2, true, "", "cams", {}}, 2, VlanField::Vid},
        {{false, 2, true, "0", "cams", {}}, 2, VlanField::Vid},
        {{false, 2, true, "4095", "cams", {}}, 2, VlanField::Vid},
        {{false, 2, true, "1a", "cams", {}}, 2, VlanField::Vid},
        {{false, 2, true, "-5", "cams", {}}, 2, VlanField::Vid},
        {{false, 2, true, "1", "cams", {}}, 0, VlanField::None},
        {{false, 2, true, "4094", "cams", {}}, 0, VlanField::None},
        {{false, 2, true, "010", "cams", {"1", "10"}}, 3, VlanField::None},
        {{false, 2, true, "10", "cams", {"1", "20"}}, 0, VlanField::None},
        {{false, 2, true, "10", "", {}}, 4, VlanField::Name},
        {{false, 2, true, "10", " cams", {}}, 5, VlanField::Name},
        {{false, 2, true, "10", "caf\xe9", {}}, 6, VlanField::Name},
        {{false, 2, true, "10", ascii32, {}}, 0, VlanField::None},
        {{false, 18, true, "0", "", {}}, 1, VlanField::None},  // the limit before the VID
        {{false, 2, true, "0", "", {}}, 2, VlanField::Vid},   // the VID before the name
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "vid '" << c.in.vid << "' name '" << c.in.name << "' listed "
                                          << c.in.listedVlans);
        const VlanRefusal refusal = CheckVlanEntry(c.in);
        EXPECT_EQ(refusal.check, c.check);
        EXPECT_EQ(refusal.focus, c.focus);
    }
}

TEST(VlanRules, EachCheckHasItsMessageAndCaption) {
    const std::pair<VlanEntryInput, Texts> cases[] = {
        {{false, 18, true, "1", "a", {}}, {"Maximum number of VLAN List is 18!", "Warning"}},
        {{false, 0, true, "0", "a", {}}, {"The VID value range is 1~4094.", "Warning"}},
        {{false, 1, true, "1", "a", {"1"}}, {"There is an existent entry with the same VID.\nPlease change the VID.",
                                             "Warning"}},
        {{false, 0, true, "1", "", {}}, {"The Name field can not be blank.", "Warning"}},
        {{false, 0, true, "1", " a", {}}, {"The first character can't be blank.", "Error"}},
        {{false, 0, true, "1", "\x80", {}},
         {"There are some invalid characters in the VLAN Name faild.please check it", "Error"}},
    };
    for (const auto& [in, texts] : cases) {
        const VlanRefusal refusal = CheckVlanEntry(in);
        EXPECT_EQ(refusal.message, texts[0]);
        EXPECT_EQ(refusal.caption, texts[1]);
    }
}

TEST(VlanRules, PvidsAreCheckedInTheirOwnOrder) {
    const Texts good(kPortCount, "1");
    EXPECT_EQ(FirstBadPvid(good), -1);
    Texts edge(kPortCount, "4094");
    edge[0] = "1";
    EXPECT_EQ(FirstBadPvid(edge), -1);
    for (const char* bad : {"0", "-1", "4095", "", "ab", "1 "}) {
        Texts pvids = good;
        pvids[4] = bad;  // S-2
        EXPECT_EQ(FirstBadPvid(pvids), 4) << "'" << bad << "'";
    }
    Texts mgmtAndS4 = good;
    mgmtAndS4[0] = "0";
    mgmtAndS4[6] = "0";
    EXPECT_EQ(FirstBadPvid(mgmtAndS4), 0);
    Texts s4AndW1 = good;
    s4AndW1[6] = "0";
    s4AndW1[10] = "0";
    EXPECT_EQ(FirstBadPvid(s4AndW1), 10) << "W-1 is checked before S-4";
    Texts s3AndW4 = good;
    s3AndW4[5] = "x";
    s3AndW4[13] = "x";
    EXPECT_EQ(FirstBadPvid(s3AndW4), 5) << "S-3 before the WDS ports";
}

TEST(VlanRules, AWalkedRowIsListedWithItsUntaggedAndTaggedPorts) {
    Texts memberships(kPortCount, "none");
    memberships[0] = "untag";
    memberships[1] = "untag";
    memberships[10] = "tag";
    PortLabels labels = MembershipLabels(memberships);
    EXPECT_EQ(labels.untagged, "Mgmt,LAN");
    EXPECT_EQ(labels.tagged, "W-1");
    labels = MembershipLabels(Texts(kPortCount, "none"));
    EXPECT_EQ(labels.untagged, "");
    EXPECT_EQ(labels.tagged, "");

    EXPECT_TRUE(IsListedVlan("20", "guest"));
    EXPECT_FALSE(IsListedVlan("0", "guest"));
    EXPECT_FALSE(IsListedVlan("20", ""));
    EXPECT_TRUE(IsFreeVlanRow("0", ""));
    EXPECT_FALSE(IsFreeVlanRow("20", "")) << "neither a VLAN nor free";
    EXPECT_FALSE(IsFreeVlanRow("0", "guest"));
}

TEST(VlanRules, VidsAndNamesAreComparedByWhatTheyMean) {
    EXPECT_TRUE(VlanIdExists("010", {"10"}));
    EXPECT_TRUE(VlanIdExists("7", {"1", "0007"}));
    EXPECT_FALSE(VlanIdExists("100", {"10", "1000"}));
    EXPECT_EQ(IdValue("0042"), 42);
    EXPECT_TRUE(VlanNameIsAscii("Guest Net~1"));
    EXPECT_FALSE(VlanNameIsAscii("G\xc3\xa4ste"));
}

}  // namespace
