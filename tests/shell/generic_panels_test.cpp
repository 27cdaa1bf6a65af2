// The generic views' building blocks: the button column, the generated rows
// (kinds, enabling, layout rules, hiding, clearing, counts) and the list
// panel, on requests over real variable lists.

#include <QImage>

#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/os/exception.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/static_text.h"
#include "shell/generic/list_view_panel.h"
#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"
#include "shell/mib_tables.h"
#include "tests/shell/generic_view_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

using generictest::NewRequest;
using generictest::RowCheck;
using generictest::RowCombo;
using generictest::RowEdit;
using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

// One variable of each row kind, in the order read-only text, writable text,
// writable choice, read-only choice.
constexpr VkSNMPVarEntry kEveryKind[] = {
    {VAP_MIB_OID(".5.1.1"), "deviceInformationFirmwareVersion", displaystr, readonly},
    {VAP_MIB_OID(".4.3.2.2"), "tftpRemoteFileName", displaystr, readwrite},
    {VAP_MIB_OID(".4.10.1.1"), "managerIpAddressStatus", integer, readwrite, &OptManagerIpAddressStatus},
    {VAP_MIB_OID(".3.6.1.1"), "dot11VlanStatus", integer, readonly, &OptDot11VlanStatus},
    {},
};

class GenericPanelsTest : public pagetest::PageTest {
protected:
    GenericPanelsTest() : form_(std::make_unique<ui::Form>(nullptr)) {}
    // The requests go first: they give their controls' events back.
    ~GenericPanelsTest() override {
        for (VkSNMPRequest2Edits* request : requests_) delete request;
        form_.reset();
    }
    VkSNMPRequest2Edits* Request(const VkSNMPVarEntry* table, VkSNMPVarListKind kind, int keyCount) {
        requests_.push_back(NewRequest(form_.get(), table, kind, keyCount));
        return requests_.back();
    }
    TEditsPanel& Rows(const VkSNMPVarEntry* table, VkSNMPVarListKind kind, int keyCount) {
        return *new TEditsPanel(form_.get(), Request(table, kind, keyCount));
    }
    ui::Form& Host() { return *form_; }

private:
    std::unique_ptr<ui::Form> form_;
    std::vector<VkSNMPRequest2Edits*> requests_;
};

TEST_F(GenericPanelsTest, EachVariableGetsTheRowOfItsKindEnabledOnlyWhenWritableAndNoIndex) {
    TEditsPanel& rows = Rows(kEveryKind, SVT_SV, 0);
    ASSERT_EQ(rows.RowCount(), 4);
    ASSERT_EQ(rows.Rows.size(), 5u) << "an end row follows";
    EXPECT_EQ(rows.Rows.back().kind, 0);
    struct Expected {
        int kind;
        bool combo;
        bool enabled;
    };
    const Expected expected[] = {{1, false, false}, {2, false, true}, {3, true, true}, {4, false, false}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const UISnmpVar& row = rows.Rows[static_cast<size_t>(i)];
        EXPECT_EQ(row.kind, expected[i].kind);
        EXPECT_EQ(row.format, "%s");
        EXPECT_EQ(RowCombo(rows, i) != nullptr, expected[i].combo);
        EXPECT_EQ(row.label->Caption(), kEveryKind[i].name);
        EXPECT_EQ(row.check->Visible(), expected[i].enabled) << "a disabled row hides its check box";
        EXPECT_EQ(rows.IsReadOnlyRow(i), !expected[i].enabled);
        if (ui::Edit* edit = RowEdit(rows, i)) {
            EXPECT_EQ(edit->ReadOnly(), !expected[i].enabled);
            EXPECT_EQ(edit->MaxLength(), expected[i].enabled ? 42 : 0);
        }
    }
    EXPECT_FALSE(rows.HasNoEditableRow());
    EXPECT_EQ(rows.EnabledCheckCount(), 2);
    EXPECT_EQ(rows.CheckedCount(), 0);
    EXPECT_EQ(rows.SetCheckState(true), 12);
    EXPECT_EQ(rows.CheckedCount(), 2) << "only enabled rows take the check state";
}

TEST_F(GenericPanelsTest, TheIndexColumnOfATableIsShownDisabledAlthoughItCountsAsWritable) {
    TEditsPanel& rows = Rows(VarsDhcpStaticTable, MVT_UMV, 1);
    EXPECT_TRUE(rows.IsIndexRow(DhcpStaticRow::Index));
    EXPECT_FALSE(rows.IsReadOnlyRow(DhcpStaticRow::Index));
    EXPECT_EQ(rows.Rows[DhcpStaticRow::Index].kind, 2);
    EXPECT_TRUE(RowEdit(rows, DhcpStaticRow::Index)->ReadOnly());
    EXPECT_FALSE(RowCheck(rows, DhcpStaticRow::Index)->Visible());
    EXPECT_EQ(rows.EnabledCheckCount(), DhcpStaticRow::Count - 1);

    TEditsPanel& readOnly = Rows(VarsFirmwareVersion, SVT_SV, 0);
    EXPECT_TRUE(readOnly.HasNoEditableRow());
}

TEST_F(GenericPanelsTest, LayoutTwoStacksTheRowsAndSizesThePanelToThem) {
    TEditsPanel& rows = Rows(VarsLanAddress, MVT_SV, 0);
    // The first row keeps a low control; every further one is made 21 high.
    RowEdit(rows, 0)->SetHeight(15);
    RowEdit(rows, 1)->SetHeight(15);
    rows.SetEditWidth(150, 2);
    int widest = 0;
    for (int i = 0; i < 3; ++i) widest = std::max(widest, rows.Rows[static_cast<size_t>(i)].label->Width());
    EXPECT_EQ(RowEdit(rows, 0)->Height(), 15);
    EXPECT_EQ(RowEdit(rows, 1)->Height(), 21);
    EXPECT_EQ(RowEdit(rows, 0)->Top(), 20);
    EXPECT_EQ(RowEdit(rows, 1)->Top(), 20 + 21 + 5);
    EXPECT_EQ(RowEdit(rows, 2)->Top(), 20 + 21 + 5 + 21 + 5);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const UISnmpVar& row = rows.Rows[static_cast<size_t>(i)];
        EXPECT_EQ(row.control->Width(), 150);
        EXPECT_EQ(row.check->Left(), 20);
        EXPECT_EQ(row.label->Left(), 20 + 20 + 5);
        EXPECT_EQ(row.control->Left(), 45 + widest + 5);
        EXPECT_EQ(row.check->Top(), row.control->Top() + (row.control->Height() - row.check->Height()) / 2);
        EXPECT_EQ(row.label->Top(), row.control->Top() + (row.control->Height() - row.label->Height()) / 2);
    }
    EXPECT_EQ(rows.Width(), 45 + widest + 5 + 150 + 40);
    EXPECT_EQ(rows.Height(), RowEdit(rows, 2)->Top() + 21 + 40);
}

TEST_F(GenericPanelsTest, AHiddenRowIsLeftOutOfTheLayoutUntilItIsShownAgain) {
    TEditsPanel& rows = Rows(VarsLanAddress, MVT_SV, 0);
    int fullHeight = rows.Height();
    rows.HideRow(1);
    rows.LayoutRows(2, true);
    EXPECT_FALSE(RowEdit(rows, 1)->Visible());
    EXPECT_FALSE(rows.Rows[1].label->Visible());
    EXPECT_EQ(RowEdit(rows, 2)->Top(), 20 + 21 + 5) << "the third row moves up";
    EXPECT_EQ(rows.Height(), fullHeight - 26);
    rows.ShowRow(1);
    rows.LayoutRows(2, true);
    EXPECT_TRUE(RowEdit(rows, 1)->Visible());
    EXPECT_EQ(RowEdit(rows, 2)->Top(), 20 + 2 * 26);
    EXPECT_EQ(rows.Height(), fullHeight);
}

TEST_F(GenericPanelsTest, LayoutOnePlacesTheRowsSideBySide) {
    TEditsPanel& rows = Rows(VarsLanAddress, MVT_SV, 0);
    rows.LayoutRows(1, true);
    int x = 0;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const UISnmpVar& row = rows.Rows[static_cast<size_t>(i)];
        EXPECT_EQ(row.control->Top(), 20);
        EXPECT_EQ(row.check->Left(), x + 5);
        EXPECT_EQ(row.label->Left(), x + 5 + 20 + 5);
        EXPECT_EQ(row.control->Left(), row.label->Left() + row.label->Width() + 5);
        x = row.control->Left() + row.control->Width();
    }
    EXPECT_EQ(rows.Width(), x + 40);
}

TEST_F(GenericPanelsTest, ClearingEmptiesTheControlsAndTheValues) {
    TEditsPanel& rows = Rows(kEveryKind, SVT_SV, 0);
    RowEdit(rows, 1)->SetText("config.dcf");
    RowCombo(rows, 2)->SetItemIndex(1);
    rows.Request->request.vars.Item(1)->value = "config.dcf";
    EXPECT_FALSE(rows.IsRowEmpty(1));
    EXPECT_FALSE(rows.IsRowEmpty(2));
    rows.ClearAllRows();
    EXPECT_TRUE(rows.IsRowEmpty(1));
    EXPECT_TRUE(rows.IsRowEmpty(2));
    EXPECT_EQ(RowCombo(rows, 2)->ItemIndex(), -1);
    EXPECT_EQ(rows.Request->request.vars.Item(1)->value, "");
}

TEST_F(GenericPanelsTest, DisablingARowBeyondTheRowsOnlySaysSo) {
    TEditsPanel& rows = Rows(VarsLanAddress, MVT_SV, 0);
    Dialogs().ExpectBox(App().Title(), "aIdx is overtop!\n you may define < 3", ui::Answer::Ok);
    rows.DisableRow(3);
    EXPECT_EQ(rows.EnabledCheckCount(), 3);
}

TEST_F(GenericPanelsTest, ArrangingAnEditorsButtonsWithoutARequestRaises) {
    TEditsPanel& rows = Rows(VarsLanAddress, MVT_SV, 0);
    auto* buttons = new TCtrlBtnPanel(&Host());
    rows.Request = nullptr;
    try {
        rows.ArrangeCtrlBtn(buttons);
        FAIL() << "no exception";
    } catch (const os::Exception& error) {
        EXPECT_EQ(error.Message(), "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    }
}

TEST_F(GenericPanelsTest, TheButtonColumnStacksOnlyItsShownControls) {
    auto* buttons = new TCtrlBtnPanel(&Host());
    EXPECT_EQ(buttons->Width(), 116);
    EXPECT_FALSE(buttons->AddButton->Visible());
    EXPECT_FALSE(buttons->DeleteButton->Visible());
    EXPECT_EQ(buttons->SamplesLabel->Caption(), "Samples");
    EXPECT_EQ(buttons->CountText->Caption(), "0");
    const ui::Control* previous = nullptr;
    for (const ui::Control* control : buttons->Controls) {
        EXPECT_EQ(control->Left(), 10);
        EXPECT_EQ(control->Width(), 96);
        if (!control->Visible()) continue;
        int expectedTop = previous == nullptr ? 10 : previous->Top() + previous->Height() + 5;
        EXPECT_EQ(control->Top(), expectedTop) << control->Name();
        previous = control;
    }
    // A control shown later takes its place in the column.
    int editTop = buttons->EditButton->Top();
    buttons->RefreshButton->SetVisible(false);
    buttons->ArrangeButtons();
    EXPECT_EQ(buttons->EditButton->Top(), buttons->SamplesLabel->Top() + buttons->SamplesLabel->Height() + 5);
    EXPECT_LT(buttons->EditButton->Top(), editTop);
}

TEST_F(GenericPanelsTest, GlyphFilesReplaceCaptionsUntilOneCannotBeLoaded) {
    support::TempFolder folder;
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(QString::fromStdString(folder.Path() + "/Get.bmp"), "BMP"));
    std::ofstream(folder.Path() + "/Set.bmp") << "not a picture";
    ASSERT_TRUE(picture.save(QString::fromStdString(folder.Path() + "/SetCheck.bmp"), "BMP"));
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    auto* buttons = new TCtrlBtnPanel(&Host());
    std::filesystem::current_path(before);

    EXPECT_TRUE(buttons->RefreshButton->HasGlyph());
    EXPECT_EQ(buttons->RefreshButton->Caption(), "");
    EXPECT_FALSE(buttons->EditButton->HasGlyph());
    EXPECT_EQ(buttons->EditButton->Caption(), "Edit") << "a glyph that failed keeps the caption";
    EXPECT_FALSE(buttons->SetCheckedButton->HasGlyph()) << "loading stops at the first bad file";
    EXPECT_EQ(buttons->SetCheckedButton->Caption(), "Set Checked");
    EXPECT_EQ(buttons->CloseButton->Caption(), "Close");
}

TEST_F(GenericPanelsTest, TheListPanelTakesItsWidthFromTheColumnCaptions) {
    auto* list = new TListViewPanel(&Host(), Request(VarsDhcpStaticTable, MVT_UMV, 1));
    int captionLength = 0;
    for (int c = 0; c < list->ListView->ColumnCount(); ++c) captionLength += list->ListView->ColumnCaption(c).size();
    EXPECT_EQ(list->ListView->ColumnCount(), DhcpStaticRow::Count);
    EXPECT_EQ(list->Width(), std::min(8 * captionLength + 4, 450));
    EXPECT_EQ(list->Height(), 350);

    auto* narrow = new TListViewPanel(&Host(), Request(VarsLanAddress, MVT_SV, 0));
    EXPECT_EQ(narrow->Width(), 8 * (10 + 11 + 15) + 4);

    auto* buttons = new TCtrlBtnPanel(&Host());
    list->AddStatusRow = DhcpStaticRow::Status;
    list->ArrangeCtrlBtn(buttons);
    EXPECT_EQ(generictest::ShownCommands(*buttons), (std::vector<std::string>{"Refresh", "Edit", "Add", "Close"}));
    EXPECT_FALSE(buttons->EditButton->Enabled());
    EXPECT_TRUE(buttons->CountText->Visible());
}

}  // namespace
