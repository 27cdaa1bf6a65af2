// The write road every page takes, on its own: a synchronous write that gives
// back how it went, and a write of exactly some rows of a group, against the
// simulated access point (what reached the device is read from its PDU log).

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "library/common/messages.h"
#include "library/snmp/write_result.h"
#include "pages/common/async_write.h"
#include "pages/common/group_writes.h"
#include "pages/common/page_groups.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "shell/mib_tables.h"
#include "tests/pages/page_test_support.h"

namespace {

constexpr char kAddress[] = "E.2.1.1.1.1.2.1";
constexpr char kMask[] = "E.2.1.1.1.1.3.1";
constexpr char kGateway[] = "E.2.1.1.1.1.4.1";

// A form with the LAN address group bound to three edits.
class SharedWritesTest : public pagetest::PageTest {
protected:
    SharedWritesTest() : form(new ui::Form(nullptr)), groupsHolder(std::make_unique<PageGroups>(form)), groups(*groupsHolder) {
        for (ui::Edit*& edit : edits) edit = new ui::Edit(form);
        groups.Make(lan, {"LAN settings", VarsLanAddress, MVT_SV, 0, Seconds(2)});
        lan->BindEdits(LanAddressRow::Address, "%s", edits[0]);
        lan->BindEdits(LanAddressRow::Mask, "%s", edits[1]);
        lan->BindEdits(LanAddressRow::Gateway, "%s", edits[2]);
    }
    ~SharedWritesTest() override {
        groupsHolder.reset();  // as a page's groups go before its controls
        delete form;
    }

    void ReadAndType() {
        groups.BeginLoad();
        ASSERT_TRUE(groups.Read(*lan));
        edits[0]->SetText("10.1.2.3");
        edits[1]->SetText("255.0.0.0");
        edits[2]->SetText("10.1.2.254");
        Control("clearlog");
    }
    std::vector<int32_t> Access() const {
        std::vector<int32_t> access;
        for (int row = 0; row < lan->request.vars.Count(); ++row) access.push_back(lan->request.vars.Item(row)->access);
        return access;
    }

    ui::Form* form;
    std::unique_ptr<PageGroups> groupsHolder;
    PageGroups& groups;
    VkSNMPRequest2Edits* lan = nullptr;
    ui::Edit* edits[3] = {};
};

std::string Set(const char* oid, const std::string& value) { return pagetest::DeviceOid(oid) + "=ipaddress:" + value; }

TEST_F(SharedWritesTest, WriteNowTellsHowTheWriteWent) {
    struct Case {
        const char* name;
        const char* control;  // what the device does with the next SET
        bool ok;
        bool timeout;
    };
    const Case cases[] = {
        {"answered", nullptr, true, false},
        {"refused", "genErr", false, false},
        {"silent", "down", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Control("up");
        ReadAndType();
        if (c.control != nullptr && std::string(c.control) == "genErr") Control("error " + pagetest::DeviceOid(kMask) + " genErr");
        if (c.control != nullptr && std::string(c.control) == "down") Control("down");
        const VkWriteResult result = WriteNow(*lan);
        EXPECT_EQ(result.ok, c.ok);
        if (c.ok) {
            EXPECT_EQ(result.code, 0);
            EXPECT_EQ(result.text, "");
            EXPECT_EQ(Value(kAddress), "10.1.2.3");
        } else {
            EXPECT_NE(result.code, 0);
            EXPECT_FALSE(result.text.empty());
        }
        EXPECT_EQ(result.code == VK_ERR_TIMEOUT, c.timeout);
        EXPECT_FALSE(lan->async) << "the group's own mode comes back";
    }
}

TEST_F(SharedWritesTest, WriteNowOfAnAsynchronousGroupIsSynchronousAndKeepsItsMode) {
    ReadAndType();
    lan->async = true;
    bool completionRan = false;
    lan->OnSetDone = [&](VkSNMPRequest2Controls*, VkSNMPError*) { completionRan = true; };
    const VkWriteResult result = WriteNow(*lan);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(Value(kGateway), "10.1.2.254") << "the device has the value when WriteNow returns";
    EXPECT_TRUE(lan->async);
    EXPECT_FALSE(completionRan);
}

TEST_F(SharedWritesTest, RowWritesSendExactlyTheListedRowsAndLeaveAccessAsItWas) {
    ReadAndType();
    const std::vector<int32_t> before = Access();
    EXPECT_TRUE(WriteRowsNow(*lan, {LanAddressRow::Mask}).ok);
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{Set(kMask, "255.0.0.0")});
    EXPECT_EQ(Access(), before);

    Control("clearlog");
    GroupWrites writes(groups);
    EXPECT_TRUE(writes.Write(*lan, {LanAddressRow::Address, LanAddressRow::Gateway}));
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{Set(kAddress, "10.1.2.3") + " " + Set(kGateway, "10.1.2.254")});
    EXPECT_TRUE(writes.AllWritten());
    EXPECT_EQ(Access(), before);

    // A later whole write is not shaped by the earlier marks.
    Control("clearlog");
    EXPECT_TRUE(WriteNow(*lan).ok);
    ASSERT_EQ(Logged("SET").size(), 1u);
    EXPECT_EQ(Logged("SET")[0], Set(kAddress, "10.1.2.3") + " " + Set(kMask, "255.0.0.0") + " " + Set(kGateway, "10.1.2.254"));
}

TEST_F(SharedWritesTest, GroupWritesKeepsTheFirstFailureAndTheDeviceValues) {
    ReadAndType();
    const std::string readMask = lan->request.vars.Item(LanAddressRow::Mask)->value;
    Control("error " + pagetest::DeviceOid(kMask) + " genErr");
    GroupWrites writes(groups);
    EXPECT_FALSE(writes.Write(*lan, {LanAddressRow::Mask}));
    EXPECT_FALSE(writes.AllWritten());
    EXPECT_FALSE(writes.FirstFailure().empty());
    EXPECT_EQ(lan->request.vars.Item(LanAddressRow::Mask)->value, readMask)
        << "a failed write leaves the device's value in the group";
}

TEST_F(SharedWritesTest, AGroupNotReadIsNotWrittenAndIsNamed) {
    Control("down");
    groups.BeginLoad();
    EXPECT_FALSE(groups.Read(*lan));
    Control("up");
    Control("clearlog");
    GroupWrites writes(groups);
    EXPECT_FALSE(writes.Write(*lan, {LanAddressRow::Address}));
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(writes.Unread(), std::vector<std::string>{"LAN settings"});
    EXPECT_NE(writes.FailureText("Set Error!").find("LAN settings"), std::string::npos);
}

TEST_F(SharedWritesTest, AnAsynchronousRowWriteEndsInItsCompletionOnEveryOutcome) {
    struct Case {
        const char* name;
        bool refuse;
        bool ok;
    };
    for (const Case& c : {Case{"answered", false, true}, Case{"refused", true, false}}) {
        SCOPED_TRACE(c.name);
        ReadAndType();
        lan->async = true;
        if (c.refuse) Control("error " + pagetest::DeviceOid(kAddress) + " genErr");
        int completions = 0;
        int code = -999;
        lan->OnSetDone = [&](VkSNMPRequest2Controls*, VkSNMPError* result) {
            ++completions;
            code = result->code;
        };
        const std::vector<int32_t> before = Access();
        StartWriteRows(*lan, {LanAddressRow::Address}, false);
        EXPECT_EQ(Access(), before);
        EXPECT_TRUE(RunUntil([&] { return completions > 0; }));
        RunFor(100);  // nothing more comes
        EXPECT_EQ(completions, 1);
        EXPECT_EQ(code == 0, c.ok);
        EXPECT_EQ(Logged("SET"), std::vector<std::string>{Set(kAddress, "10.1.2.3")});
        lan->async = false;
    }
    // A write that cannot be sent at all ends there too, at once.
    lan->async = true;
    lan->request.enabled = true;
    lan->request.address = "not an address";
    int completions = 0;
    lan->OnSetDone = [&](VkSNMPRequest2Controls*, VkSNMPError* result) {
        ++completions;
        EXPECT_NE(result->code, 0);
    };
    StartWriteRows(*lan, {LanAddressRow::Address}, false);
    EXPECT_EQ(completions, 1);
}

}  // namespace
