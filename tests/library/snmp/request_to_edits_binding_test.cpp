// Control binding without a device: what each kind of control shows for a
// value and what it collects back, binding errors, change tracking and the
// remembered device value of constrained edits.

#include "library/snmp/request_to_edits.h"

#include <gtest/gtest.h>

#include "tests/support/raised_code.h"

#include <QTest>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "library/common/messages.h"
#include "platform/os/exception.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/scripted_dialogs.h"

namespace {

using namespace VkSNMPSyntax;

const VkOptionEntry kModeRows[] = {{1, "Off"}, {2, "Auto"}, {3, "On"}, {}};
const VkOptionEntry kEnableRows[] = {{0, "Disabled"}, {1, "Enabled"}, {2, "Forced"}, {}};
const VkOptionEntry kPrefixRows[] = {{"1.3.6.1", "internet"}, {}};
const VkOptionList kMode(kModeRows, OPT_INT, false);
const VkOptionList kEnable(kEnableRows, OPT_INT, false);
const VkOptionList kPrefix(kPrefixRows, OPT_PREFIX, false);

enum Item { kCombo, kListCheck, kRadio, kUnsigned, kText, kHex, kLabel, kTruth, kAddress, kPlain, kOid };

const VkSNMPVarEntry kRows[] = {
    {"1.1", "mode", integer, VkSNMPAccess::readwrite, &kMode},
    {"1.2", "enable", integer, VkSNMPAccess::readwrite, &kEnable},
    {"1.3", "band", integer, VkSNMPAccess::readwrite, &kMode},
    {"1.4", "count", integer, VkSNMPAccess::readwrite},
    {"1.5", "name", displaystr, VkSNMPAccess::readwrite},
    {"1.6", "key", octetstr, VkSNMPAccess::readwrite},
    {"1.7", "index", integer, VkSNMPAccess::readwrite},
    {"1.8", "flag", boolean, VkSNMPAccess::readwrite},
    {"1.9", "address", ipaddress, VkSNMPAccess::readwrite},
    {"1.10", "plain", integer, VkSNMPAccess::readwrite},
    {"1.11", "object", objectid, VkSNMPAccess::readwrite, &kPrefix},
    {}};

using support::RaisedCode;

class BindingTest : public ::testing::Test {
protected:
    BindingTest()
        : dialogs_([](const std::string& failure) { ADD_FAILURE() << failure; }),
          form_(nullptr),
          bound_(&form_) {
        form_.SetClientSize(400, 400);
        bound_.async = false;
        bound_.request.vars = VkSNMPVarList(kRows, SVT_SV, 0);
        combo_ = new ui::ComboBox(&form_);
        check_ = new ui::CheckBox(&form_);
        radio_ = new ui::RadioGroup(&form_);
        unsigned_ = NewEdit(10);
        text_ = NewEdit(40);
        hex_ = NewEdit(70);
        label_ = new ui::Label(&form_);
        truth_ = new ui::CheckBox(&form_);
        for (int k = 0; k < 4; ++k) octets_.push_back(NewEdit(100 + 30 * k));
    }

    ui::Edit* NewEdit(int top) {
        auto* edit = new ui::Edit(&form_);
        edit->SetBounds(10, top, 120, 24);
        return edit;
    }

    void BindAll() {
        bound_.BindComboBox(kCombo, combo_);
        bound_.BindCheckBox(kListCheck, check_);
        bound_.BindCheckBox(kRadio, radio_);
        bound_.BindEdits(kUnsigned, "%u", unsigned_);
        bound_.BindEdits(kText, "%s", text_);
        bound_.BindEdits(kHex, "%h", hex_);
        bound_.BindLabel(kLabel, label_);
        bound_.BindCheckBox(kTruth, truth_);
        bound_.BindEdits(kAddress, "%u%u%u%u", octets_[0], {octets_[1], octets_[2], octets_[3]});
    }

    // What the item's control shows, as one text.
    std::string Shown(int item) const {
        switch (item) {
            case kCombo: return combo_->ItemIndex() < 0 ? "<none>" : combo_->ItemText(combo_->ItemIndex());
            case kListCheck: return check_->Checked() ? "checked" : "unchecked";
            case kRadio: return radio_->ItemIndex() < 0 ? "<none>" : radio_->ItemText(radio_->ItemIndex());
            case kUnsigned: return unsigned_->Text();
            case kText: return text_->Text();
            case kHex: return hex_->Text();
            case kLabel: return label_->Caption();
            case kTruth: return truth_->Checked() ? "checked" : "unchecked";
            case kAddress:
                return octets_[0]->Text() + "|" + octets_[1]->Text() + "|" + octets_[2]->Text() + "|" +
                       octets_[3]->Text();
        }
        return "?";
    }

    VkSNMPVarItem& Var(int item) { return *bound_.request.vars.Item(item); }

    ui::ScriptedDialogs dialogs_;
    ui::Form form_;
    VkSNMPRequest2Edits bound_;
    ui::ComboBox* combo_;
    ui::CheckBox* check_;
    ui::RadioGroup* radio_;
    ui::Edit* unsigned_;
    ui::Edit* text_;
    ui::Edit* hex_;
    ui::Label* label_;
    ui::CheckBox* truth_;
    std::vector<ui::Edit*> octets_;
};

struct ShowCase {
    int item;
    const char* value;      // as the request layer holds it
    const char* shown;      // what the control shows
    const char* collected;  // what a write collects from it
};

TEST_F(BindingTest, EachControlShowsAValueAndCollectsItBack) {
    BindAll();
    const ShowCase cases[] = {
        {kCombo, "Auto", "Auto", "Auto"},
        {kCombo, "2", "Auto", "Auto"},             // a device value selects its entry too
        {kCombo, "9", "<none>", "0"},              // not in the list: nothing shown, 0 written
        {kCombo, "(NULL)", "<none>", "0"},
        {kListCheck, "Enabled", "checked", "Enabled"},
        {kListCheck, "Disabled", "unchecked", "Disabled"},
        {kListCheck, "Forced", "checked", "Enabled"},  // any later entry writes entry 1
        {kListCheck, "(NULL)", "unchecked", "Disabled"},
        {kRadio, "On", "On", "On"},
        {kRadio, "Off", "Off", "Off"},
        {kUnsigned, "42", "42", "42"},
        {kUnsigned, "(NULL)", "(NULL)", "0"},
        {kUnsigned, "-5", "5", "5"},  // the constraint filters what the program shows
        {kText, "hello", "hello", "hello"},
        {kText, "", "", ""},
        {kHex, "0A1B", "0A1B", "0A1B"},
        {kLabel, "17", "17", "17"},
        {kTruth, "true", "checked", "true"},
        {kTruth, "false", "unchecked", "false"},
        {kTruth, "(NULL)", "unchecked", "false"},
        {kAddress, "192.168.0.1", "192|168|0|1", "192.168.0.1"},
    };
    for (const ShowCase& c : cases) {
        SCOPED_TRACE(std::string(kRows[c.item].name) + " = " + c.value);
        Var(c.item).value = c.value;
        bound_.ValuesToControls(c.item);
        EXPECT_EQ(Shown(c.item), c.shown);
        Var(c.item).value.clear();  // a write starts from empty values
        bound_.ControlsToValues(c.item);
        EXPECT_EQ(Var(c.item).value, c.collected);
    }
}

TEST_F(BindingTest, CollectingEmptiesEveryValueAndKeepsOnlyWhatControlsCarry) {
    BindAll();
    Var(kCombo).value = "Auto";
    Var(kListCheck).value = "Enabled";
    Var(kRadio).value = "On";
    bound_.ValuesToControls(-1);
    Var(kPlain).value = "99";                                 // bound to nothing
    Var(kUnsigned).access = VkSNMPAccess::readonly;            // not written
    unsigned_->SetText("12");
    bound_.CollectValues();
    EXPECT_EQ(Var(kPlain).value, "");
    EXPECT_EQ(Var(kUnsigned).value, "");
    EXPECT_EQ(Var(kCombo).value, "Auto");
    EXPECT_EQ(Var(kRadio).value, "On");
}

// A shorter text replaces the old value whole: nothing of the longer old
// value is left behind its end.
TEST_F(BindingTest, ACollectedTextReplacesALongerOldValue) {
    BindAll();
    Var(kText).value = "a long device name";
    bound_.ValuesToControls(kText);
    text_->SetText("short");
    bound_.ControlsToValues(kText);
    EXPECT_EQ(Var(kText).value, "short");
    text_->SetText("");
    bound_.ControlsToValues(kText);
    EXPECT_EQ(Var(kText).value, "");
}

TEST_F(BindingTest, InvalidVariablesAreNeitherShownNorCollected) {
    BindAll();
    unsigned_->SetText("3");
    Var(kUnsigned).value = "8";
    Var(kUnsigned).access = VkSNMPAccess::invalid;
    bound_.ValuesToControls(-1);
    EXPECT_EQ(unsigned_->Text(), "3");
    bound_.ControlsToValues(kUnsigned);
    EXPECT_EQ(Var(kUnsigned).value, "8");
}

TEST_F(BindingTest, BindingErrors) {
    auto* button = new ui::Button(&form_);
    auto* spare = new ui::ComboBox(&form_);
    struct ErrorCase {
        const char* name;
        std::function<void()> call;
        int code;
    };
    const ErrorCase cases[] = {
        {"combo box without list", [&] { bound_.BindComboBox(kPlain, spare); }, VK_ERR_NO_OPTION_LIST},
        {"radio group without list", [&] { bound_.BindLabel(kPlain, radio_); }, VK_ERR_NO_OPTION_LIST},
        {"prefix list without second control", [&] { bound_.BindComboBox(kOid, combo_); },
         VK_ERR_TOO_FEW_CONTROLS},
        {"bad edit format", [&] { bound_.BindEdits(kPlain, "%q", unsigned_); }, VK_ERR_BAD_CONSTRAINT_FORMAT},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RaisedCode(c.call), c.code);
    }
    EXPECT_TRUE(bound_.bindings.empty());
    EXPECT_EQ(spare->ItemCount(), 0);

    bound_.BindCheckBox(kPlain, check_);  // an integer without list is no truth value
    EXPECT_EQ(RaisedCode([&] { bound_.ValuesToControls(kPlain); }), VK_ERR_BAD_PART_SYNTAX);
    EXPECT_EQ(RaisedCode([&] { bound_.ControlsToValues(kPlain); }), VK_ERR_BAD_PART_SYNTAX);
    bound_.Unbind(kPlain);
    bound_.BindLabel(kPlain, button);
    EXPECT_EQ(RaisedCode([&] { bound_.ValuesToControls(kPlain); }), VK_ERR_BAD_CONTROL_TYPE);
    EXPECT_EQ(RaisedCode([&] { bound_.ControlsToValues(kPlain); }), VK_ERR_BAD_CONTROL_TYPE);
}

TEST_F(BindingTest, ARadioGroupWithoutChoiceCannotBeCollected) {
    BindAll();
    Var(kRadio).value = "(NULL)";
    bound_.ValuesToControls(kRadio);
    EXPECT_EQ(radio_->ItemIndex(), -1);
    EXPECT_THROW(bound_.ControlsToValues(kRadio), os::ListIndexError);
}

TEST_F(BindingTest, APrefixComboShowsTheRestInItsSecondControl) {
    auto* rest = new ui::Edit(&form_);
    bound_.AddBinding(kOid, 0, objectid, nullptr, combo_, rest);
    Var(kOid).value = "internet.4.1";
    bound_.ValuesToControls(kOid);
    EXPECT_EQ(Shown(kCombo), "internet");
    EXPECT_EQ(rest->Text(), "4.1");
    rest->SetText("6.3");
    Var(kOid).value.clear();
    bound_.ControlsToValues(kOid);
    EXPECT_EQ(Var(kOid).value, "internet.6.3");
}

TEST_F(BindingTest, CheckBoxesBoundToBitsShowAndCollectSingleBits) {
    auto* bit0 = new ui::CheckBox(&form_);
    auto* bit9 = new ui::CheckBox(&form_);
    bound_.BindParts(kHex, "0,9", {bit0, bit9});
    Var(kHex).value = "8040";
    bound_.ValuesToControls(kHex);
    EXPECT_TRUE(bit0->Checked());
    EXPECT_TRUE(bit9->Checked());
    bit0->SetChecked(false);
    Var(kHex).value = "FFFFAA";  // octets beyond the covered ones keep their values
    bound_.ControlsToValues(kHex);
    EXPECT_EQ(Var(kHex).value, "0040AA");
    Var(kHex).value = "80";
    EXPECT_EQ(RaisedCode([&] { bound_.ValuesToControls(kHex); }), VK_ERR_PART_INDEX);
}

// The page's own handlers keep running; modified says a user changed a
// choice since the last read.
TEST_F(BindingTest, ChangeTrackingChainsToThePagesHandlers) {
    std::vector<std::string> calls;
    combo_->OnChange = [&](ui::Component*) { calls.push_back("combo"); };
    check_->OnClick = [&](ui::Component*) { calls.push_back("check"); };
    auto* silent = new ui::ComboBox(&form_);  // no handler of its own
    BindAll();
    bound_.BindComboBox(kRadio, silent);

    Var(kCombo).value = "On";
    Var(kListCheck).value = "Enabled";
    bound_.ValuesToControls(-1);
    // A read runs the check box's click handler, not the combo box's change handler.
    EXPECT_EQ(calls, std::vector<std::string>{"check"});
    bound_.AfterGet();
    EXPECT_FALSE(bound_.modified);

    silent->OnChange(silent);  // the user picks in a combo without handler
    EXPECT_FALSE(bound_.modified);
    combo_->OnChange(combo_);  // the user picks an entry
    EXPECT_EQ(calls, (std::vector<std::string>{"check", "combo"}));
    EXPECT_TRUE(bound_.modified);

    bound_.Unbind(kCombo);
    bound_.modified = false;
    combo_->OnChange(combo_);
    EXPECT_FALSE(bound_.modified) << "the combo box has its own handler back";
    EXPECT_EQ(calls.back(), "combo");
    Var(kCombo).value = "Off";
    bound_.ValuesToControls(-1);
    EXPECT_EQ(Shown(kCombo), "On") << "an unbound control is left alone";
}

TEST_F(BindingTest, DestructionGivesTheControlsTheirOwnHandlersBack) {
    int own = 0;
    check_->OnClick = [&](ui::Component*) { ++own; };
    {
        VkSNMPRequest2Edits bound(&form_);
        bound.request.vars = VkSNMPVarList(kRows, SVT_SV, 0);
        bound.BindCheckBox(kListCheck, check_);
        bound.BindEdits(kUnsigned, "%u", unsigned_);
    }
    check_->SetChecked(!check_->Checked());
    EXPECT_EQ(own, 1);
    unsigned_->SetText("x");  // no constraint left
    EXPECT_EQ(unsigned_->Text(), "x");
}

// A value shown from the device is what a rejected entry falls back to,
// not an empty edit that a later write would send as 0.
TEST_F(BindingTest, ARejectedEntryBringsBackTheDevicesValue) {
    BindAll();
    form_.Show();
    form_.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.Widget()));
    Var(kUnsigned).value = "80";
    bound_.ValuesToControls(kUnsigned);
    unsigned_->SetFocus();
    unsigned_->SetText("4294967296");
    dialogs_.ExpectBox(ui::Application::ExeName(),
                       "(VkCommon) Please enter a number between 0 and 4294967295!", ui::Answer::Ok);
    QTest::mouseClick(text_->Widget(), Qt::LeftButton);
    EXPECT_EQ(dialogs_.Boxes().size(), 1u);
    EXPECT_EQ(unsigned_->Text(), "80");
    EXPECT_TRUE(unsigned_->Focused());
}

// One edit per conversion of the format; options in braces are no
// conversions, and edits beyond the format are left unbound.
TEST_F(BindingTest, AnEditFormatBindsOneEditPerConversion) {
    struct FormatCase {
        const char* format;
        int bound;
    };
    const FormatCase cases[] = {{"%s", 1},
                                {"%u{x255}%u{x255}%u{x255}%u{x255}", 4},
                                {"%n.{l4}", 1},
                                {"%s{l5}%h", 2},
                                {"%u{n1x9}", 1}};
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.format);
        VkSNMPRequest2Edits bound(&form_);
        bound.request.vars = VkSNMPVarList(kRows, SVT_SV, 0);
        bound.BindEdits(kAddress, c.format, octets_[0], {octets_[1], octets_[2], octets_[3]});
        ASSERT_EQ(bound.bindings.size(), 1u);
        EXPECT_EQ(bound.bindings[0]->controlCount, c.bound);
        EXPECT_EQ(static_cast<int>(bound.constraints.records.size()), c.bound);
    }
}

}  // namespace
