// The Add and Edit dialogs of the table view: Add refuses a row in use and
// starts unticked with its status drawn disabled; Edit lays its rows out
// without the hidden status row, puts the status texts back in their order,
// waits for a running read; both close after a write, whatever the device
// answered; the table's Refresh does nothing while a read runs.

#include "library/common/messages.h"
#include "shell/mib_root.h"
#include "tests/shell/generic_view_test_support.h"

namespace {

using generictest::GenericViewsTest;
using generictest::RowCheck;
using generictest::RowCombo;
using generictest::RowEdit;
using generictest::StaticColumn;
using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

// The pool's columns with a status of four distinct texts, the device's
// values 0 and 1 among them.
constexpr VkOptionEntry kFourStates[] = {{0, "Off"}, {1, "On"}, {2, "Paused"}, {3, "Spare"}, {}};
const VkOptionList kFourStatesList(kFourStates, OPT_INT, false);
const VkSNMPVarEntry kFourStateTable[] = {
    {VAP_MIB_OID(".3.1.3.2.1.1"), "Index", integer, notaccess},
    {VAP_MIB_OID(".3.1.3.2.1.2"), "Status", integer, readwrite, &kFourStatesList},
    {VAP_MIB_OID(".3.1.3.2.1.3"), "staticHostName", displaystr, readwrite},
    {},
};

TEST_F(GenericViewsTest, AddRefusesTheIndexOfARowInUseNamingIt) {
    SetValue(StaticColumn(2, 3), "1");  // row 3 holds an entry
    TSNMPListViewPanel* view = StaticTable("Enable", "Disable");
    Load(view);
    Control("clearlog");
    TEditsPanel& rows = *view->EditsPanel;
    std::vector<bool> stayedOpen;
    WhileDialogOpen(view, [&](ui::Form& dialog) {
        ui::BitmapButton* set = DialogButton(dialog, "SetCheckedButton");
        for (const char* index : {"3", "03"}) {
            RowEdit(rows, DhcpStaticRow::Index)->SetText(index);
            Dialogs().ExpectBox("Warning", std::string("The row ") + index + " is in use!", ui::Answer::Ok);
            set->Click();
            stayedOpen.push_back(view->ActiveDialog == &dialog && dialog.ModalResult() == ui::kModalNone);
        }
        RowEdit(rows, DhcpStaticRow::Index)->SetText("4");  // a row whose status is the delete text is free
        set->Click();
    });
    view->Buttons->AddButton->Click();
    EXPECT_EQ(stayedOpen, (std::vector<bool>{true, true}));
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{pagetest::DeviceOid(StaticColumn(2, 4)) + "=integer:1"});
}

TEST_F(GenericViewsTest, WithoutADeleteStatusEveryListedRowIsInUse) {
    TSNMPListViewPanel* view = StaticTable("Enable", "");
    Load(view);
    Control("clearlog");
    WhileDialogOpen(view, [&](ui::Form& dialog) {
        RowEdit(*view->EditsPanel, DhcpStaticRow::Index)->SetText("8");
        Dialogs().ExpectBox("Warning", "The row 8 is in use!", ui::Answer::Ok);
        DialogButton(dialog, "SetCheckedButton")->Click();
        RowEdit(*view->EditsPanel, DhcpStaticRow::Index)->SetText("9");  // not listed
        DialogButton(dialog, "SetCheckedButton")->Click();
    });
    view->Buttons->AddButton->Click();
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{pagetest::DeviceOid(StaticColumn(2, 9)) + "=integer:1"});
}

TEST_F(GenericViewsTest, ANewAddDialogStartsUntickedWithItsStatusDrawnDisabled) {
    TSNMPListViewPanel* view = StaticTable("Enable", "Disable");
    Load(view);
    TEditsPanel& rows = *view->EditsPanel;
    // An Edit dialog left with ticked rows and nothing written.
    SelectRow(view, 1);
    WhileDialogOpen(view, [&](ui::Form&) {
        RowCheck(rows, DhcpStaticRow::HostName)->SetChecked(true);
        RowCheck(rows, DhcpStaticRow::Gateway)->SetChecked(true);
    });
    view->Buttons->EditButton->Click();
    Control("clearlog");
    std::vector<int> ticked;
    bool statusEnabled = true;
    ui::Color statusColor = ui::kColorWhite;
    bool statusBoxShown = false;
    WhileDialogOpen(view, [&](ui::Form& dialog) {
        ticked = rows.TickedRows();
        ui::ComboBox* status = RowCombo(rows, DhcpStaticRow::Status);
        statusEnabled = status->Enabled();
        statusColor = status->BackgroundColor();
        statusBoxShown = RowCheck(rows, DhcpStaticRow::Status)->Visible();
        RowEdit(rows, DhcpStaticRow::Index)->SetText("5");
        DialogButton(dialog, "SetCheckedButton")->Click();  // no "Some items are empty!"
    });
    view->Buttons->AddButton->Click();
    EXPECT_EQ(ticked, (std::vector<int>{DhcpStaticRow::Index, DhcpStaticRow::Status}));
    EXPECT_FALSE(statusEnabled);
    EXPECT_EQ(statusColor, rows.DisabledColor) << "drawn like the other disabled rows";
    EXPECT_TRUE(statusBoxShown);
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{pagetest::DeviceOid(StaticColumn(2, 5)) + "=integer:1"});
}

TEST_F(GenericViewsTest, TheEditDialogLeavesNoGapWhereTheStatusRowWasHidden) {
    TSNMPListViewPanel* view = StaticTable("Enable", "Disable");
    Load(view);
    SelectRow(view, 0);
    TEditsPanel& rows = *view->EditsPanel;
    int indexTop = 0;
    int hostTop = 0;
    int height = 0;
    WhileDialogOpen(view, [&](ui::Form&) {
        indexTop = RowEdit(rows, DhcpStaticRow::Index)->Top();
        hostTop = RowEdit(rows, DhcpStaticRow::HostName)->Top();
        height = rows.Height();
    });
    view->Buttons->EditButton->Click();
    EXPECT_EQ(hostTop, indexTop + 21 + 5) << "the host name moves up into the hidden row's place";
    const int shownRows = DhcpStaticRow::Count - 1;
    EXPECT_EQ(height, indexTop + (shownRows - 1) * 26 + 21 + 40) << "sized for the shown rows only";
}

TEST_F(GenericViewsTest, EditPutsDistinctStatusTextsBackAtTheirPlaces) {
    TSNMPListViewPanel* view = Table(kFourStateTable, "Paused", "Off");
    Load(view);
    SelectRow(view, 0);
    pagetest::Texts whileOpen;
    WhileDialogOpen(view, [&](ui::Form&) { whileOpen = pagetest::Items(RowCombo(*view->EditsPanel, 1)); });
    view->Buttons->EditButton->Click();
    EXPECT_EQ(whileOpen, (pagetest::Texts{"On", "Spare"}));
    EXPECT_EQ(pagetest::Items(RowCombo(*view->EditsPanel, 1)), (pagetest::Texts{"Off", "On", "Paused", "Spare"}));
}

TEST_F(GenericViewsTest, TheEditDialogClosesAfterAWriteWhateverTheDeviceAnswered) {
    TSNMPListViewPanel* view = StaticTable("Enable", "Disable");
    Load(view);
    TEditsPanel& rows = *view->EditsPanel;
    struct Case {
        const char* what;
        bool refused;
        std::string outcome;
    };
    const Case cases[] = {
        {"taken", false, "Set: " + MessageText(VK_OK)},
        {"refused", true, "Set: " + MessageText(-105)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.refused) Control("error " + pagetest::DeviceOid(StaticColumn(3, 2)) + " genErr");
        SelectRow(view, 1);
        bool closed = false;
        std::string said;
        WhileDialogOpen(view, [&](ui::Form& dialog) {
            RowEdit(rows, DhcpStaticRow::HostName)->SetText("pc2");
            RowCheck(rows, DhcpStaticRow::HostName)->SetChecked(true);
            DialogButton(dialog, "SetCheckedButton")->Click();
            closed = dialog.ModalResult() != ui::kModalNone;
            said = generictest::Lines(*view->MsgPanel->Memo).back();
        });
        view->Buttons->EditButton->Click();
        EXPECT_TRUE(closed);
        EXPECT_EQ(said.rfind(c.outcome, 0), 0u) << said;
    }
    EXPECT_EQ(Value(StaticColumn(3, 2)), "pc2");
}

TEST_F(GenericViewsTest, TheEditDialogOpensOnceARunningReadIsStopped) {
    TSNMPListViewPanel* view = StaticTable("Enable", "Disable");
    Load(view);
    SelectRow(view, 0);
    Control("delay 400");  // a walk of nine steps outlasts the dialog's opening
    view->Buttons->RefreshButton->Click();
    ASSERT_TRUE(view->Request->busy);
    bool busyInDialog = true;
    bool enabledInDialog = false;
    WhileDialogOpen(view, [&](ui::Form&) {
        busyInDialog = view->Request->busy;
        enabledInDialog = view->Request->request.enabled;
    });
    view->OnEditClick(view->Buttons->EditButton);  // the button itself waits for a row
    EXPECT_FALSE(busyInDialog);
    EXPECT_TRUE(enabledInDialog);
}

TEST_F(GenericViewsTest, TheTablesRefreshIsIgnoredWhileAReadRuns) {
    TSNMPListViewPanel* view = StaticTable("Enable", "Disable");
    Load(view);
    SelectRow(view, 0);
    ASSERT_TRUE(view->Buttons->EditButton->Enabled());
    Control("clearlog");
    view->Request->Get();
    ASSERT_TRUE(view->Request->busy);
    view->Buttons->RefreshButton->Click();
    EXPECT_TRUE(view->Buttons->EditButton->Enabled()) << "the click did nothing";
    ASSERT_TRUE(RunUntil([&] { return !view->Request->busy; }));
    EXPECT_EQ(Logged("GETNEXT").size(), 9u) << "one walk: eight rows and its end";
}

}  // namespace
