// Where the generic views say how an exchange went: every read, write and
// delete puts one line per exchange into the view's message panel, "Get: "
// or "Set: " with the library's success or failure text, whether the device
// answers, refuses or stays silent.

#include "library/common/messages.h"
#include "shell/mib_root.h"
#include "tests/shell/generic_view_test_support.h"

namespace {

using generictest::GenericViewsTest;
using generictest::RowCheck;
using generictest::RowEdit;
using generictest::StaticColumn;
using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;
using Lines = std::vector<std::string>;

// An object the simulated device does not have.
constexpr VkSNMPVarEntry kMissingObject[] = {
    {VAP_MIB_OID(".99.1"), "missingObject", integer, readwrite},
    {},
};

constexpr int kGenErr = -105;  // the library's code of an SNMP genErr answer

enum class Action { Read, Write, Delete };
enum class Device { Answers, Refuses, Silent };

const std::string kOk = MessageText(VK_OK);

class GenericOutcomesTest : public GenericViewsTest {
protected:
    // The device as the case wants it once the view is loaded.
    void Prepare(Action action, Device device) {
        if (device == Device::Silent) {
            ShortenTimeouts();
            Control("down");
        }
        if (device != Device::Refuses) return;
        if (action == Action::Write) Control("error " + pagetest::DeviceOid("E.2.1.1.1.1.3.1") + " genErr");
        if (action == Action::Delete) Control("error " + pagetest::DeviceOid(StaticColumn(2, 2)) + " genErr");
    }

    // Runs the action on a loaded view and returns the panel's new lines.
    // A refused read is an SNMPv1 read of an object the device lacks (a
    // request takes the way of talking when it is made).
    Lines Run(Action action, Device device) {
        if (action == Action::Read && device == Device::Refuses) UseAccess(pagetest::kV1);
        TConfigForm window(nullptr);
        TSNMPPanel* view = MakeView(window, action, device);
        RunFor(20);
        EXPECT_TRUE(RunUntil([&] { return !view->Request->busy; }));
        view->MsgPanel->Memo->Clear();
        Prepare(action, device);
        if (action == Action::Read) view->Buttons->RefreshButton->Click();
        if (action == Action::Write) Write(static_cast<TSNMPEditorPanel*>(view));
        if (action == Action::Delete) Delete(static_cast<TSNMPListViewPanel*>(view));
        EXPECT_TRUE(RunUntil([&] { return !view->Request->busy; }));
        Lines lines = PanelLines(view);
        Control("up");
        UseAccess(pagetest::kV2c);
        return lines;
    }

private:
    static TSNMPPanel* MakeView(TConfigForm& window, Action action, Device device) {
        if (action == Action::Delete) {
            return window.SetListViewRequest(generictest::NewRequest(&window, VarsDhcpStaticTable, MVT_UMV, 1),
                                             DhcpStaticRow::Status, "Enable", DhcpStaticRow::Status, "Disable");
        }
        const VkSNMPVarEntry* table =
            action == Action::Read && device == Device::Refuses ? kMissingObject : VarsLanAddress;
        return window.SetEditorRequest(generictest::NewRequest(&window, table, MVT_SV, 0));
    }
    void Write(TSNMPEditorPanel* view) {
        RowCheck(*view->EditsPanel, 1)->SetChecked(true);
        RowEdit(*view->EditsPanel, 1)->SetText("255.255.0.0");
        view->Buttons->SetCheckedButton->Click();
    }
    void Delete(TSNMPListViewPanel* view) {
        SelectRow(view, 1);
        Dialogs().ExpectBox("Delete", "Are you sure to delete ?", ui::Answer::Yes);
        view->Buttons->DeleteButton->Click();
    }
};

TEST_F(GenericOutcomesTest, EveryExchangePutsItsOutcomeIntoTheMessagePanel) {
    const std::string timeout = MessageText(VK_ERR_TIMEOUT);
    struct Case {
        const char* what;
        Action action;
        Device device;
        Lines starts;  // how each new line begins
    };
    const Case cases[] = {
        {"read answered", Action::Read, Device::Answers, {"Get: " + kOk}},
        {"read refused", Action::Read, Device::Refuses, {"Get: " + MessageText(VK_ERR_NO_SUCH_NAME)}},
        {"read silent", Action::Read, Device::Silent, {"Get: " + timeout}},
        {"write answered", Action::Write, Device::Answers, {"Set: " + kOk}},
        {"write refused", Action::Write, Device::Refuses, {"Set: " + MessageText(kGenErr)}},
        {"write silent", Action::Write, Device::Silent, {"Set: " + timeout}},
        // A delete reads the list again after its write.
        {"delete answered", Action::Delete, Device::Answers, {"Set: " + kOk, "Get: " + kOk}},
        {"delete refused", Action::Delete, Device::Refuses, {"Set: " + MessageText(kGenErr), "Get: " + kOk}},
        {"delete silent", Action::Delete, Device::Silent, {"Set: " + timeout, "Get: " + timeout}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Lines lines = Run(c.action, c.device);
        ASSERT_EQ(lines.size(), c.starts.size()) << ::testing::PrintToString(lines);
        for (size_t k = 0; k < lines.size(); ++k) EXPECT_EQ(lines[k].rfind(c.starts[k], 0), 0u) << lines[k];
    }
}

TEST_F(GenericOutcomesTest, TheWindowsOwnFirstReadSaysHowItWent) {
    TSNMPListViewPanel* view = StaticTable();
    Load(view);
    Lines lines = PanelLines(view);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().rfind("Get: " + kOk, 0), 0u) << lines.back();
}

}  // namespace
