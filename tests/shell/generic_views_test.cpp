// The editor and table views hosted by the generic configuration window,
// against the simulated access point: which commands each shows, the write
// of the ticked rows, the list with its count and hint, and the Add, Edit
// and Delete actions with their dialogs.

#include "platform/os/exception.h"
#include "platform/ui/list_view.h"
#include "platform/ui/memo.h"
#include "platform/ui/static_text.h"
#include "shell/generic/config_form.h"
#include "shell/generic/list_view_panel.h"
#include "shell/generic/msg_panel.h"
#include "shell/generic/snmp_list_view_panel.h"
#include "shell/mib_tables.h"
#include "tests/shell/generic_view_test_support.h"

namespace {

using generictest::NewRequest;
using generictest::RowCheck;
using generictest::RowCombo;
using generictest::RowEdit;
using generictest::ShownCommands;
using Commands = std::vector<std::string>;

using generictest::GenericViewsTest;
using generictest::StaticColumn;

TEST_F(GenericViewsTest, EachViewShowsTheCommandsItsVariablesAllow) {
    struct Case {
        const char* what;
        const VkSNMPVarEntry* table;
        VkSNMPVarListKind kind;
        Commands shown;
    };
    const Case cases[] = {
        {"no writable row", VarsFirmwareVersion, SVT_SV, {"Refresh", "Close"}},
        {"one writable row", VarsManagerIpStatus, SVT_SV, {"Refresh", "Set", "Close"}},
        {"several writable rows", VarsLanAddress, MVT_SV,
         {"Refresh", "Set Checked", "Check All", "Clear Checks", "Close"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TConfigForm window(nullptr);
        TSNMPEditorPanel* view = window.SetEditorRequest(NewRequest(&window, c.table, c.kind, 0));
        EXPECT_EQ(ShownCommands(*view->Buttons), c.shown);
        EXPECT_FALSE(view->Buttons->CountText->Visible());
    }
    TSNMPListViewPanel* table = StaticTable();
    EXPECT_EQ(ShownCommands(*table->Buttons), (Commands{"Refresh", "Edit", "Close"})) << "no add or delete status";
    EXPECT_TRUE(table->Buttons->CountText->Visible());
    EXPECT_FALSE(table->Buttons->EditButton->Enabled());
}

TEST_F(GenericViewsTest, TheOneWritableRowIsTickedOutOfSightAndSetWritesIt) {
    TSNMPEditorPanel* view = Editor(VarsManagerIpStatus, SVT_SV, 0);
    Load(view);
    ui::CheckBox* check = RowCheck(*view->EditsPanel, 0);
    EXPECT_TRUE(check->Checked());
    EXPECT_FALSE(check->Visible());
    EXPECT_TRUE(view->Buttons->SetCheckedButton->Enabled());
    pagetest::Select(RowCombo(*view->EditsPanel, 0), RowCombo(*view->EditsPanel, 0)->ItemText(2));
    Control("clearlog");
    view->Buttons->SetCheckedButton->Click();
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{pagetest::DeviceOid("E.4.10.1.1.0") + "=integer:2"});
    EXPECT_TRUE(view->Request->async) << "the request is asynchronous again";
}

TEST_F(GenericViewsTest, SetCheckedWritesOnlyTheTickedRowsAndRefusesAnEmptyOne) {
    TSNMPEditorPanel* view = Editor(VarsLanAddress, MVT_SV, 0);
    Load(view);
    Window().SetCaption("LanAddress : 127.0.0.1");
    SavePicture(Window(), "generic-editor");
    TEditsPanel& rows = *view->EditsPanel;
    ASSERT_FALSE(view->Buttons->SetCheckedButton->Enabled());
    view->Buttons->CheckAllButton->Click();
    EXPECT_EQ(rows.CheckedCount(), 3);
    EXPECT_TRUE(view->Buttons->SetCheckedButton->Enabled());
    view->Buttons->ClearChecksButton->Click();
    EXPECT_EQ(rows.CheckedCount(), 0);
    EXPECT_FALSE(view->Buttons->SetCheckedButton->Enabled());

    Control("clearlog");
    RowCheck(rows, 1)->SetChecked(true);
    EXPECT_TRUE(view->Buttons->SetCheckedButton->Enabled()) << "a ticked row enables the write";
    RowEdit(rows, 1)->SetText("");
    RowEdit(rows, 2)->SetText("");  // not ticked: not looked at
    Dialogs().ExpectBox("Warning", "Some items are empty!", ui::Answer::Ok);
    view->Buttons->SetCheckedButton->Click();
    EXPECT_TRUE(Logged("SET").empty());

    RowEdit(rows, 1)->SetText("255.255.0.0");
    view->Buttons->SetCheckedButton->Click();
    EXPECT_EQ(Logged("SET"),
              std::vector<std::string>{pagetest::DeviceOid("E.2.1.1.1.1.3.1") + "=ipaddress:255.255.0.0"});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(view->Request->request.vars.Item(i)->access & VkSNMPAccess::invalid, 0) << "marks removed";
    }
    EXPECT_TRUE(view->Request->async);
}

// A request whose values cannot be collected (a value the binding cannot
// convert).
class UncollectableRequest : public VkSNMPRequest2Edits {
public:
    using VkSNMPRequest2Edits::VkSNMPRequest2Edits;
    void CollectValues() override { throw os::Exception("cannot convert", -518); }
};

TEST_F(GenericViewsTest, AFailedCollectionLeavesTheRequestAsynchronousAndUnmarked) {
    ui::Form host(nullptr);
    // Freed before the controls it is bound to.
    auto request = std::make_unique<UncollectableRequest>(&host);
    request->request.vars = VkSNMPVarList(VarsLanAddress, MVT_SV, 0);
    auto* view = new TSNMPEditorPanel(&host, request.get());
    Control("clearlog");
    try {
        view->OnSetCheckedClick(view->Buttons->SetCheckedButton);
        ADD_FAILURE() << "the collection error goes on to the caller";
    } catch (const os::Exception& error) {
        EXPECT_EQ(error.HelpContext(), -518);
    }
    EXPECT_TRUE(request->async);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(request->request.vars.Item(i)->access & VkSNMPAccess::invalid, 0);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(GenericViewsTest, TheTableViewCountsItsRowsAndHintsAtEachCell) {
    SetValue(StaticColumn(3, 2), "printer");
    TSNMPListViewPanel* view = StaticTable("Enable", "Disable");
    Load(view);
    Window().SetCaption("StaticTable : 127.0.0.1");
    SavePicture(Window(), "generic-table-view");
    EXPECT_EQ(view->Buttons->CountText->Caption(), "8");
    EXPECT_EQ(ShownCommands(*view->Buttons), (Commands{"Refresh", "Edit", "Add", "Delete", "Close"}));
    EXPECT_FALSE(view->Buttons->DeleteButton->Enabled());
    SelectRow(view, 1);
    EXPECT_TRUE(view->Buttons->EditButton->Enabled());
    EXPECT_TRUE(view->Buttons->DeleteButton->Enabled());
    view->ListViewPanel->ListView->SetSelected(nullptr);
    view->OnListClick(view->ListViewPanel->ListView);
    EXPECT_FALSE(view->Buttons->DeleteButton->Enabled());

    EXPECT_EQ(ListRowHint({"Index", "staticHostName", "IP"}, {"2", "printer", "0.0.0.0"}),
              "Index\t\t\t\t\t\t\t\t\t  2\nstaticHostName  printer\nIP\t\t\t\t\t\t\t\t\t\t\t\t  0.0.0.0\n");
    ui::ListView* list = view->ListViewPanel->ListView;
    view->OnListMouseMove(list, 5000, 5000);
    EXPECT_FALSE(list->ShowHint()) << "no row under the mouse";
}

TEST_F(GenericViewsTest, DeleteAsksThenWritesOnlyTheStatusColumnAtTheRowsIndex) {
    SetValue(StaticColumn(2, 3), "1");
    SetValue(StaticColumn(3, 3), "printer");
    TSNMPListViewPanel* view = StaticTable("Enable", "Disable");
    Load(view);
    SelectRow(view, 2);
    Control("clearlog");
    Dialogs().ExpectBox("Delete", "Are you sure to delete ?", ui::Answer::No);
    view->Buttons->DeleteButton->Click();
    EXPECT_TRUE(Logged("SET").empty());

    Dialogs().ExpectBox("Delete", "Are you sure to delete ?", ui::Answer::Yes);
    view->Buttons->DeleteButton->Click();
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{pagetest::DeviceOid(StaticColumn(2, 3)) + "=integer:0"});
    EXPECT_EQ(Value(StaticColumn(3, 3)), "printer");
    EXPECT_EQ(view->Buttons->CountText->Caption(), "8") << "the list is read again";
    EXPECT_TRUE(view->Request->async);
    EXPECT_FALSE(view->Buttons->DeleteButton->Enabled());
}

TEST_F(GenericViewsTest, EditTakesTheStatusTextsAwayAndPutsThemBackInOrder) {
    struct Case {
        const char* what;
        std::string addText, deleteText;
        pagetest::Texts whileOpen;
        bool rowHidden;
    };
    const Case cases[] = {
        {"add status only", "Disable", "", {"Enable"}, false},
        {"both in one list", "Enable", "Disable", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TConfigForm window(nullptr);
        TSNMPListViewPanel* view = window.SetListViewRequest(
            NewRequest(&window, VarsDhcpStaticTable, MVT_UMV, 1), DhcpStaticRow::Status, c.addText,
            DhcpStaticRow::Status, c.deleteText);
        Load(view);
        SelectRow(view, 0);
        TEditsPanel& rows = *view->EditsPanel;
        pagetest::Texts seen;
        bool hidden = false;
        WhileDialogOpen(view, [&](ui::Form&) {
            seen = pagetest::Items(RowCombo(rows, DhcpStaticRow::Status));
            hidden = !RowCombo(rows, DhcpStaticRow::Status)->Visible();
        });
        view->Buttons->EditButton->Click();
        EXPECT_EQ(seen, c.whileOpen);
        EXPECT_EQ(hidden, c.rowHidden);
        EXPECT_EQ(pagetest::Items(RowCombo(rows, DhcpStaticRow::Status)), (pagetest::Texts{"Disable", "Enable"}));
        EXPECT_TRUE(RowCombo(rows, DhcpStaticRow::Status)->Visible());
        EXPECT_EQ(rows.Parent(), view->ClientPanel) << "the row editor is back";
        EXPECT_FALSE(rows.Visible());
        EXPECT_EQ(view->ActiveDialog, nullptr);
    }
}

TEST_F(GenericViewsTest, EditWritesTheTickedRowsOfTheSelectedRowAndClosesTheDialog) {
    TSNMPListViewPanel* view = StaticTable("Enable", "Disable");
    Load(view);
    SelectRow(view, 1);
    Control("clearlog");
    TEditsPanel& rows = *view->EditsPanel;
    std::string caption;
    WhileDialogOpen(view, [&](ui::Form& dialog) {
        caption = dialog.Caption();
        ui::BitmapButton* set = DialogButton(dialog, "SetCheckedButton");
        ASSERT_NE(set, nullptr);
        EXPECT_FALSE(set->Enabled());
        EXPECT_FALSE(RowCheck(rows, DhcpStaticRow::Index)->Visible()) << "the index is not edited";
        RowEdit(rows, DhcpStaticRow::HostName)->SetText("pc2");
        RowCheck(rows, DhcpStaticRow::HostName)->SetChecked(true);
        EXPECT_TRUE(set->Enabled());
        set->Click();
    });
    view->Buttons->EditButton->Click();
    EXPECT_EQ(caption, Window().Caption());
    EXPECT_EQ(Logged("SET"),
              std::vector<std::string>{pagetest::DeviceOid(StaticColumn(3, 2)) + "=string:pc2"});
    EXPECT_EQ(Value(StaticColumn(3, 2)), "pc2");
}

TEST_F(GenericViewsTest, AddRefusesAnEmptyIndexThenWritesTheAddStatusAtTheTypedIndex) {
    TSNMPListViewPanel* view = StaticTable("Enable", "Disable");
    Load(view);
    Control("clearlog");
    TEditsPanel& rows = *view->EditsPanel;
    bool stayedOpen = false;
    WhileDialogOpen(view, [&](ui::Form& dialog) {
        EXPECT_EQ(dialog.Caption(), Window().Caption() + " (Add)");
        EXPECT_EQ(RowCombo(rows, DhcpStaticRow::Status)->Text(), "Enable");
        EXPECT_FALSE(RowCombo(rows, DhcpStaticRow::Status)->Enabled());
        ui::BitmapButton* set = DialogButton(dialog, "SetCheckedButton");
        Dialogs().ExpectBox("Warning", "Some items are empty!", ui::Answer::Ok);
        set->Click();
        stayedOpen = view->ActiveDialog != nullptr && dialog.ModalResult() == ui::kModalNone;
        RowEdit(rows, DhcpStaticRow::Index)->SetText("5");
        set->Click();
    });
    view->Buttons->AddButton->Click();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{pagetest::DeviceOid(StaticColumn(2, 5)) + "=integer:1"});
}

TEST_F(GenericViewsTest, ADoubleClickEditsEvenWhenNoRowIsEditable) {
    TConfigForm window(nullptr);
    TSNMPListViewPanel* view =
        window.SetListViewRequest(NewRequest(&window, VarsClientTable, MVT_UMV, 1), -1, "", -1, "");
    Load(view);
    EXPECT_FALSE(view->Buttons->EditButton->Visible());
    ASSERT_GT(view->ListViewPanel->ListView->ItemCount(), 0);
    SelectRow(view, 0);
    bool opened = false;
    WhileDialogOpen(view, [&](ui::Form&) {
        opened = true;
        EXPECT_EQ(view->EditsPanel->EnabledCheckCount(), 0);
    });
    view->ListViewPanel->ListView->OnDblClick(view->ListViewPanel->ListView);
    EXPECT_TRUE(opened);
}

TEST_F(GenericViewsTest, AStatusTheRowCannotShowIsRefused) {
    TSNMPListViewPanel* view = StaticTable();
    struct Case {
        int row;
        std::string text;
    };
    for (const Case& c : {Case{DhcpStaticRow::Status, "Maybe"}, Case{DhcpStaticRow::HostName, "Enable"}}) {
        try {
            view->SetAddStatus(c.row, c.text);
            ADD_FAILURE() << c.text;
        } catch (const os::Exception& error) {
            EXPECT_EQ(error.Message(), "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + c.text);
        }
    }
    try {
        view->SetDeleteStatus(DhcpStaticRow::Status, "Gone");
        ADD_FAILURE();
    } catch (const os::Exception& error) {
        EXPECT_EQ(error.Message(), "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:Gone");
    }
    EXPECT_FALSE(view->Buttons->AddButton->Visible());
    EXPECT_FALSE(view->Buttons->DeleteButton->Visible());
}

}  // namespace
