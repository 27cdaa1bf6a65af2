// The generic views write a ticked row only when its text is a value of the
// row's variable: syntax by syntax, the texts taken and the texts refused
// (which the value codec would otherwise have sent as another value), the
// index of a new table row, and the refusal in a view: a warning naming the
// row and nothing sent.

#include "library/common/option_list.h"
#include "shell/generic/row_value_check.h"
#include "shell/mib_option_lists.h"
#include "tests/shell/generic_view_test_support.h"

namespace {

using generictest::GenericViewsTest;
using generictest::RowCheck;
using generictest::RowEdit;
using generictest::StaticColumn;
using namespace VkSNMPSyntax;

VkSNMPVarItem Variable(int32_t syntax, const VkOptionList* options = nullptr) {
    VkSNMPVarEntry entry;
    entry.oid = "1.3.6.1.4.1.99.1";
    entry.name = "row";
    entry.syntax = syntax;
    entry.access = VkSNMPAccess::readwrite;
    entry.options = options;
    return VkSNMPVarItem(entry);
}

TEST(GenericRowValues, EachSyntaxTakesItsValuesAndRefusesOtherTexts) {
    struct Case {
        int32_t syntax;
        std::vector<std::string> good;
        std::vector<std::string> bad;
        const char* what;  // how the refusal describes the syntax
    };
    const Case cases[] = {
        {integer, {"0", "-5", "010", "2147483647", "-2147483648"},
         {"abc", "5x", " 5", "+5", "1.5", "2147483648", "99999999999999999999", "-", "(NULL)"},
         "a whole number from -2147483648 to 2147483647"},
        {uinteger, {"0", "4294967295"}, {"-1", "4294967296", "ten"}, "a whole number from 0 to 4294967295"},
        {counter, {"7"}, {"0x10"}, "a whole number from 0 to 4294967295"},
        {counter64, {"18446744073709551615"}, {"18446744073709551616", "-1"},
         "a whole number from 0 to 18446744073709551615"},
        {boolean, {"true", "false"}, {"yes", "1"}, "true or false"},
        {ipaddress, {"192.168.0.1", "0.0.0.0", "192.168.000.001"},
         {"hello", "localhost", "192.168.0", "192.168.0.256", "1.2.3.4.5", "1..2.3"},
         "an IP address (four numbers of 0 to 255 separated by dots)"},
        {macaddress, {"001A2B3C4D5E", "00a0b0c0d0e0"}, {"abc", "001A2B3C4D5", "001A2B3C4D5E6F", "00:1A:2B:3C:4D:5E",
                                                        "00GA2B3C4D5E"},
         "a MAC address of 12 hex digits"},
        {octetstr, {"00FF", "a ff"}, {"zz", " "}, "hex digits"},
        {objectid, {"1.3.6.1.4.1"}, {"iso.3", "1..3", "1.3.", ""}, "an object identifier (numbers separated by dots)"},
        {double_, {"1.5", "-2", "1e3"}, {"1,5", "one", "1.5 "}, "a number"},
        {timeticks, {"0:01:00.00", "1 day 2:03:04.05"}, {"100", "soon"}, "a time as h:mm:ss.hh"},
        {displaystr, {"printer", "", "0"}, {"(NULL)"}, "a text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.syntax);
        VkSNMPVarItem item = Variable(c.syntax);
        for (const std::string& text : c.good) EXPECT_EQ(RowValueRefusal(item, text, false), "") << text;
        for (const std::string& text : c.bad) {
            EXPECT_EQ(RowValueRefusal(item, text, false), "row: \"" + text + "\" is not " + c.what + "!");
        }
    }
}

TEST(GenericRowValues, ARowWithChoicesTakesOnlyOneOfThem) {
    VkSNMPVarItem item = Variable(integer, &OptDhcpStaticStatus);
    EXPECT_EQ(RowValueRefusal(item, "Enable", false), "");
    EXPECT_EQ(RowValueRefusal(item, "1", false), "row: \"1\" is not one of its choices!");
    EXPECT_EQ(RowValueRefusal(item, "Maybe", false), "row: \"Maybe\" is not one of its choices!");
}

TEST(GenericRowValues, AWholeNumberIndexMustNameARow) {
    for (int32_t syntax : {integer, uinteger}) {
        SCOPED_TRACE(syntax);
        VkSNMPVarItem item = Variable(syntax);
        EXPECT_EQ(RowValueRefusal(item, "5", true), "");
        for (const char* text : {"0", "-3", "abc", ""}) {
            EXPECT_EQ(RowValueRefusal(item, text, true),
                      std::string("row: \"") + text + "\" is not a positive whole number!");
        }
    }
    // An index of another syntax takes the values of its syntax.
    EXPECT_EQ(RowValueRefusal(Variable(ipaddress), "10.0.0.1", true), "");
    EXPECT_NE(RowValueRefusal(Variable(ipaddress), "host", true), "");
}

// In the views: the editor's write and the Edit and Add dialogs refuse a
// ticked row that holds no value of its syntax, naming it, and send nothing;
// the dialog stays open for the user to mend the text.
TEST_F(GenericViewsTest, ATextThatIsNoValueOfItsRowIsRefusedAndNothingIsSent) {
    TSNMPEditorPanel* editor = Editor(VarsLanAddress, MVT_SV, 0);
    Load(editor);
    Control("clearlog");
    RowCheck(*editor->EditsPanel, 1)->SetChecked(true);
    RowEdit(*editor->EditsPanel, 1)->SetText("hello");
    const std::string name = editor->Request->request.vars.Item(1)->name;
    Dialogs().ExpectBox("Warning",
                        name + ": \"hello\" is not an IP address (four numbers of 0 to 255 separated by dots)!",
                        ui::Answer::Ok);
    editor->Buttons->SetCheckedButton->Click();
    EXPECT_TRUE(Logged("SET").empty());

    TConfigForm window(nullptr);
    TSNMPListViewPanel* table = window.SetListViewRequest(generictest::NewRequest(&window, VarsDhcpStaticTable, MVT_UMV, 1),
                                      DhcpStaticRow::Status, "Enable", DhcpStaticRow::Status, "Disable");
    Load(table);
    TEditsPanel& rows = *table->EditsPanel;
    struct Case {
        const char* what;
        int row;
        std::string text;
        std::string refusal;
    };
    const Case edits[] = {
        {"a MAC", DhcpStaticRow::MacAddress, "abc", "MAC Address: \"abc\" is not a MAC address of 12 hex digits!"},
        {"an address", DhcpStaticRow::IpAddress, "printer",
         "IP Address: \"printer\" is not an IP address (four numbers of 0 to 255 separated by dots)!"},
    };
    for (const Case& c : edits) {
        SCOPED_TRACE(c.what);
        SelectRow(table, 1);
        bool stayedOpen = false;
        WhileDialogOpen(table, [&](ui::Form& dialog) {
            RowEdit(rows, c.row)->SetText(c.text);
            RowCheck(rows, c.row)->SetChecked(true);
            Dialogs().ExpectBox("Warning", c.refusal, ui::Answer::Ok);
            DialogButton(dialog, "SetCheckedButton")->Click();
            stayedOpen = table->ActiveDialog == &dialog;
        });
        table->Buttons->EditButton->Click();
        EXPECT_TRUE(stayedOpen);
    }
    bool stayedOpen = false;
    WhileDialogOpen(table, [&](ui::Form& dialog) {
        RowEdit(rows, DhcpStaticRow::Index)->SetText("abc");
        Dialogs().ExpectBox("Warning", "Index: \"abc\" is not a positive whole number!", ui::Answer::Ok);
        DialogButton(dialog, "SetCheckedButton")->Click();
        stayedOpen = table->ActiveDialog == &dialog;
    });
    table->Buttons->AddButton->Click();
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Value(StaticColumn(2, 2)), "0") << "row 2 untouched";
}

}  // namespace
