// Values the bound controls cannot show: a number no option entry has, a
// switch neither on nor off, a value of another type, a cell the walked row
// lacks. A write without a change leaves them out (the device keeps them);
// a value the user picks is written.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/status_bar.h"
#include "tests/library/snmp/snmp_session_env.h"

namespace {

using Texts = std::vector<std::string>;
using namespace VkSNMPSyntax;

#define ROOT "1.3.6.1.4.1.32473.10.37.44.97"

// Every object holds what its control cannot show, but fPlain.
const char* const kFixture = R"(
fMode    E.97.1.1.0 integer rw - 99
fEnable  E.97.1.2.0 integer rw - 2147483647
fSwitch  E.97.1.3.0 integer rw - 1
fNumber  E.97.1.4.0 integer rw - 5
fBand    E.97.1.5.0 integer rw - -1
fPlain   E.97.1.6.0 integer rw - 1
retype   E.97.1.3.0 string "1"
retype   E.97.1.4.0 string "5"
rName    E.97.2.1.2.[1-2] string  rw - "name"
rValue   E.97.2.1.3.[1-2] integer rw - 10
remove   E.97.2.1.3.[1-1]
tGate    E.97.3.1.2.[1-3] integer ro - 4
retype   E.97.3.1.2.2 string "4"
)";

const VkOptionEntry kModeRows[] = {{1, "Off"}, {2, "On"}, {}};
const VkOptionEntry kEnableRows[] = {{0, "Disabled"}, {1, "Enabled"}, {}};
const VkOptionList kMode(kModeRows, OPT_INT, false);
const VkOptionList kEnable(kEnableRows, OPT_INT, false);

enum Item { kModeItem, kEnableItem, kSwitchItem, kNumberItem, kBandItem, kPlainItem };
const VkSNMPVarEntry kScalars[] = {
    {ROOT ".1.1", "fMode", integer, VkSNMPAccess::readwrite, &kMode},
    {ROOT ".1.2", "fEnable", integer, VkSNMPAccess::readwrite, &kEnable},
    {ROOT ".1.3", "fSwitch", integer, VkSNMPAccess::readwrite, &kEnable},
    {ROOT ".1.4", "fNumber", integer, VkSNMPAccess::readwrite},
    {ROOT ".1.5", "fBand", integer, VkSNMPAccess::readwrite, &kMode},
    {ROOT ".1.6", "fPlain", integer, VkSNMPAccess::readwrite, &kEnable},
    {}};
const VkSNMPVarEntry kRows[] = {
    {ROOT ".2.1.1", "rIndex", integer, VkSNMPAccess::notaccess},
    {ROOT ".2.1.2", "rName", displaystr, VkSNMPAccess::readwrite},
    {ROOT ".2.1.3", "rValue", integer, VkSNMPAccess::readwrite},
    {}};

// As the user picks: the selection, then the change event.
void Pick(ui::ComboBox* combo, int index) {
    combo->SetItemIndex(index);
    if (combo->OnChange) combo->OnChange(combo);
}

const VkSNMPVarEntry kGates[] = {
    {ROOT ".3.1.1", "gIndex", integer, VkSNMPAccess::notaccess},
    {ROOT ".3.1.2", "gValue", integer, VkSNMPAccess::readonly},
    {}};

class UnknownValues : public ::testing::Test {
protected:
    UnknownValues() : form_(nullptr) {
        std::string fixture = folder_.Path() + "/unknown.txt";
        std::ofstream(fixture) << kFixture;
        sim_.Settings().arguments = {"--fixture", fixture, "--ro-community", "rdcomm", "--rw-community", "wrcomm"};
        mode_ = new ui::ComboBox(&form_);
        enable_ = new ui::CheckBox(&form_);
        switch_ = new ui::CheckBox(&form_);
        number_ = new ui::Edit(&form_);
        band_ = new ui::RadioGroup(&form_);
        plain_ = new ui::CheckBox(&form_);
        view_ = new ui::ListView(&form_);
        name_ = new ui::Edit(&form_);
        value_ = new ui::Edit(&form_);
    }

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim_.Start(error)) << error;
    }

    std::unique_ptr<VkSNMPRequest2Edits> NewGroup(const VkSNMPVarEntry* rows, VkSNMPVarListKind kind, int keys) {
        auto group = std::make_unique<VkSNMPRequest2Edits>(&form_);
        group->async = false;
        snmptest::AllModes()[1].ApplyTo(group->request, sim_);
        group->request.vars = VkSNMPVarList(rows, kind, keys);
        return group;
    }

    std::unique_ptr<VkSNMPRequest2Edits> ScalarGroup() {
        auto group = NewGroup(kScalars, SVT_SV, 0);
        group->BindComboBox(kModeItem, mode_);
        group->BindCheckBox(kEnableItem, enable_);
        group->BindCheckBox(kSwitchItem, switch_);
        group->BindEdits(kNumberItem, "%s", number_);
        group->BindCheckBox(kBandItem, band_);
        group->BindCheckBox(kPlainItem, plain_);
        return group;
    }

    // The objects of the SETs the agent received since the last call.
    Texts Written() {
        Texts written;
        for (const std::string& line : sim_.Control("log").lines) {
            if (line.rfind("SET ", 0) != 0) continue;
            size_t at = 0;
            while ((at = line.find(" " ROOT, at)) != std::string::npos) {
                ++at;
                written.push_back(line.substr(at + sizeof ROOT, line.find('=', at) - at - sizeof ROOT));
            }
        }
        sim_.Control("clearlog");
        return written;
    }

    snmptest::TempFolder folder_;
    support::SimProcess sim_;
    ui::Form form_;
    ui::ComboBox* mode_;
    ui::CheckBox* enable_;
    ui::CheckBox* switch_;
    ui::Edit* number_;
    ui::RadioGroup* band_;
    ui::CheckBox* plain_;
    ui::ListView* view_;
    ui::Edit* name_;
    ui::Edit* value_;
};

TEST_F(UnknownValues, AreLeftOutOfAWriteUntilTheUserChangesThem) {
    auto group = ScalarGroup();
    EXPECT_TRUE(group->Get());
    EXPECT_EQ(mode_->ItemIndex(), -1);
    EXPECT_EQ(band_->ItemIndex(), -1);
    EXPECT_EQ(group->NotUnderstood(),
              (std::vector<int>{kModeItem, kEnableItem, kSwitchItem, kNumberItem, kBandItem}));

    sim_.Control("clearlog");
    EXPECT_TRUE(group->Set(false, true));
    EXPECT_EQ(Written(), (Texts{"1.6.0"}));
    // Nothing changed on the device, and the next write leaves them out too.
    EXPECT_EQ(sim_.Control("get " ROOT ".1.1.0").lines, (Texts{"99"}));
    EXPECT_TRUE(group->Set(false, true));
    EXPECT_EQ(Written(), (Texts{"1.6.0"}));

    // What the user picks or types is written (the device refuses a number
    // for its text object); a switch toggled back is not.
    const struct {
        const char* name;
        std::function<void()> change;
        bool taken;
        Texts written;
    } changes[] = {
        {"a mode the program selects", [&] { mode_->SetItemIndex(0); }, true, {"1.6.0"}},
        {"a mode picked", [&] { Pick(mode_, 1); }, true, {"1.1.0", "1.6.0"}},
        {"a switch checked", [&] { enable_->SetChecked(true); }, true, {"1.1.0", "1.2.0", "1.6.0"}},
        {"a switch toggled back", [&] { switch_->SetChecked(true); switch_->SetChecked(false); }, true,
         {"1.1.0", "1.2.0", "1.6.0"}},
        {"a number typed", [&] { number_->SetText("6"); }, false, {"1.1.0", "1.2.0", "1.4.0", "1.6.0"}},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.name);
        c.change();
        EXPECT_EQ(group->Set(false, true), c.taken);
        EXPECT_EQ(Written(), c.written);
    }
    EXPECT_EQ(sim_.Control("get " ROOT ".1.1.0").lines, (Texts{"2"}));

    // A new read that finds values it understands writes them again.
    EXPECT_TRUE(group->Get());
    EXPECT_EQ(group->NotUnderstood(), (std::vector<int>{kSwitchItem, kNumberItem, kBandItem}));
}

TEST_F(UnknownValues, ACellTheWalkDidNotReturnIsNeverWrittenFromItsRow) {
    auto group = NewGroup(kRows, MVT_FMV, 1);
    group->BindListView(view_, true);
    group->BindEdits(1, "%s", name_);
    group->BindEdits(2, "%s", value_);
    EXPECT_TRUE(group->Get());
    ASSERT_EQ(view_->ItemCount(), 2);
    EXPECT_EQ(view_->Item(0)->SubItem(1), "");  // shown empty
    EXPECT_EQ(view_->Item(1)->SubItem(1), "10");

    view_->SetSelected(view_->Item(0));
    sim_.Control("clearlog");
    value_->SetText("12");
    EXPECT_TRUE(group->Set(false, true));
    EXPECT_EQ(Written(), (Texts{"2.1.2.1"}));

    view_->SetSelected(view_->Item(1));
    EXPECT_TRUE(group->Set(false, true));
    EXPECT_EQ(Written(), (Texts{"2.1.2.2", "2.1.3.2"}));
}

// A row filter over a value that could not be read (another type) leaves
// that row out; the read fails with a plain text, not the expression's.
TEST_F(UnknownValues, ARowTheFilterCannotReadIsLeftOutAndTheReadFails) {
    for (bool async : {false, true}) {
        SCOPED_TRACE(async ? "asynchronous" : "synchronous");
        auto group = NewGroup(kGates, MVT_UMV, 1);
        group->async = async;
        group->BindListView(view_, true);
        group->request.rowFilter = "$1<>0";
        ui::StatusBar* status = new ui::StatusBar(&form_);
        group->SetStatusBar(status);
        VkSNMPError done;
        bool finished = false;
        group->OnGetDone = [&](VkSNMPRequest2Controls*, VkSNMPError* result) {
            done = *result;
            finished = true;
        };
        group->Get();
        if (async) {
            ASSERT_TRUE(snmptest::RunUntil([&] { return finished; }));
        }
        EXPECT_EQ(view_->ItemCount(), 2);
        EXPECT_FALSE(group->lastReadOk);
        if (async) {
            EXPECT_NE(done.code, 0);
            EXPECT_EQ(done.text, UndecodedRowsText);
        } else {
            EXPECT_NE(status->SimpleText().find(UndecodedRowsText), std::string::npos) << status->SimpleText();
        }
    }
}

}  // namespace
