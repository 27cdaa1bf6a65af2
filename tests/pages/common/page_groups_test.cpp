// How every page loads: its groups read in order, a silent device stopping
// the load at the first read it does not answer, and what the status line
// says of it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "pages/common/page_groups.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "shell/mib_tables.h"
#include "tests/pages/page_test_support.h"

namespace {

class PageGroupsTest : public pagetest::PageTest {
protected:
    PageGroupsTest() : form(new ui::Form(nullptr)), groupsHolder(std::make_unique<PageGroups>(form)), groups(*groupsHolder) {
        MakeGroups();
    }
    // Groups talk to the simulator running when they are made.
    void MakeGroups() {
        groups.Make(first, {"LAN settings", VarsLanAddress, MVT_SV, 0, Seconds(2)});
        groups.Make(second, {"band", VarsDot11Band, MVT_SV, 0, Seconds(2)});
        groups.Make(third, {"AP mode", VarsDot11ApMode, MVT_SV, 0, Seconds(2)});
        first->BindEdits(LanAddressRow::Address, "%s", new ui::Edit(form));
    }
    ~PageGroupsTest() override {
        groupsHolder.reset();  // as a page's groups go before its controls
        delete form;
    }

    // Reads the three groups as a load does; how many GETs reached the device.
    size_t Load() {
        Control("clearlog");
        groups.BeginLoad();
        for (VkSNMPRequest2Edits* group : {first, second, third}) groups.Read(*group);
        return Logged("GET").size();
    }

    ui::Form* form;
    std::unique_ptr<PageGroups> groupsHolder;
    PageGroups& groups;
    VkSNMPRequest2Edits* first = nullptr;
    VkSNMPRequest2Edits* second = nullptr;
    VkSNMPRequest2Edits* third = nullptr;
};

TEST_F(PageGroupsTest, ALoadReadsEveryGroupAndSaysNothing) {
    EXPECT_EQ(Load(), 3u);
    EXPECT_EQ(groups.LoadText(), "");
    for (VkSNMPRequest2Edits* group : {first, second, third}) EXPECT_TRUE(groups.WasRead(*group));
}

TEST_F(PageGroupsTest, ASilentDeviceStopsTheLoadAtTheFirstUnansweredRead) {
    Control("down");
    Load();
    EXPECT_TRUE(groups.Silent());
    EXPECT_EQ(groups.LoadText(), DeviceSilentText);
    EXPECT_EQ(groups.Unread(), (std::vector<std::string>{"LAN settings", "band", "AP mode"}));
    for (VkSNMPRequest2Edits* group : {first, second, third}) EXPECT_FALSE(groups.WasRead(*group));
    Control("up");
    Control("clearlog");
    groups.BeginLoad();
    EXPECT_TRUE(groups.Read(*first));
    EXPECT_EQ(Logged("GET").size(), 1u) << "a new load asks again";
}

TEST_F(PageGroupsTest, ARefusedReadIsNamedAndTheLoadGoesOn) {
    RestartSimWithout("dot11Band");
    MakeGroups();
    EXPECT_EQ(Load(), 3u) << "a device that answers is asked for every group";
    EXPECT_FALSE(groups.Silent());
    EXPECT_EQ(groups.Unread(), std::vector<std::string>{"band"});
    EXPECT_EQ(groups.LoadText(), std::string(NotReadPrefix) + "band");
    EXPECT_TRUE(groups.WasRead(*third));
}

TEST_F(PageGroupsTest, ReadFailedAgainReadsOnlyWhatAnEarlierLoadMissed) {
    Control("down");
    Load();
    Control("up");
    Control("clearlog");
    groups.BeginLoad();
    groups.Read(*first);
    groups.ReadFailedAgain();
    EXPECT_EQ(Logged("GET").size(), 3u) << "the two groups the silent load missed, and the one read anew";
    for (VkSNMPRequest2Edits* group : {first, second, third}) EXPECT_TRUE(groups.WasRead(*group));
    EXPECT_EQ(groups.LoadText(), "");
}

TEST_F(PageGroupsTest, ARemovedGroupIsGoneAtOnceAndItsLateAnswerReachesNothing) {
    ASSERT_TRUE(Started());
    VkSNMPRequest2Edits* walk = nullptr;
    auto* shown = new ui::Edit(form);
    groups.Make(walk, {"LAN settings", VarsLanAddress, MVT_SV, 0, Seconds(2), true});
    walk->BindEdits(LanAddressRow::Address, "%s", shown);
    bool answered = false;
    walk->OnGetDone = [&](VkSNMPRequest2Controls*, VkSNMPError*) { answered = true; };
    Control("delay 300");
    groups.BeginLoad();
    ASSERT_TRUE(groups.StartRead(*walk));
    // Removing it runs no message loop (nothing queued runs inside) and
    // leaves it sending nothing more.
    bool inRemove = false;
    bool ranInRemove = false;
    Later(0, [&] { ranInRemove = inRemove; });
    inRemove = true;
    groups.Remove(walk);
    inRemove = false;
    EXPECT_FALSE(ranInRemove) << "the removal waited for the answer";
    Control("delay 0");
    RunUntil([] { return false; }, 300);  // the answer arrives to nothing
    EXPECT_FALSE(answered);
    EXPECT_EQ(shown->Text(), "");
    // The next removal deletes what is no longer awaited; a group made in its
    // place reads as usual.
    VkSNMPRequest2Edits* again = nullptr;
    groups.Make(again, {"LAN settings", VarsLanAddress, MVT_SV, 0, Seconds(2)});
    groups.BeginLoad();
    EXPECT_TRUE(groups.Read(*again));
}

TEST_F(PageGroupsTest, AnAnsweredReadWithoutItsObjectCountsAsUnread) {
    ASSERT_TRUE(Started());
    RestartSimWithout("dot11ApMode");
    VkSNMPRequest2Edits* mode = nullptr;
    groups.Make(mode, {"AP mode", VarsDot11ApMode, MVT_SV, 0, Seconds(2), true});
    bool done = false;
    mode->OnGetDone = [&](VkSNMPRequest2Controls*, VkSNMPError*) { done = true; };
    groups.BeginLoad();
    ASSERT_TRUE(groups.StartRead(*mode));
    ASSERT_TRUE(RunUntil([&] { return done; }));
    EXPECT_FALSE(groups.WasRead(*mode));
    EXPECT_EQ(groups.LoadText(), std::string(NotReadPrefix) + "AP mode");
}

TEST_F(PageGroupsTest, AGroupOfASharedTableUsesOnlyItsRows) {
    ASSERT_TRUE(Started());
    VkSNMPRequest2Edits* basic = nullptr;
    groups.Make(basic, {"AP mode", VarsWirelessBasic, MVT_SV, 0, Seconds(2)});
    UseOnlyRows(*basic, {WirelessBasicRow::ApMode});
    for (int row = 0; row < WirelessBasicRow::Count; ++row)
        EXPECT_EQ(basic->request.vars.Item(row)->access,
                  row == WirelessBasicRow::ApMode ? VkSNMPAccess::readwrite : VkSNMPAccess::invalid)
            << row;
    Control("clearlog");
    groups.BeginLoad();
    EXPECT_TRUE(groups.Read(*basic));
    ASSERT_EQ(Logged("GET").size(), 1u);
    EXPECT_EQ(Logged("GET")[0].find(' '), std::string::npos) << "one object asked: " << Logged("GET")[0];
}

}  // namespace
