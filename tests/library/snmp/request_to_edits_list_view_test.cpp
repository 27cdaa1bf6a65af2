// A list view bound to a table: its columns, the rows of a read, the selected
// row handed back to the variables and the controls, and the controls kept
// disabled until a row is chosen. Reads are played through the hooks as a
// walk calls them, without a device.

#include "library/snmp/request_to_edits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"

namespace {

using namespace VkSNMPSyntax;
using Texts = std::vector<std::string>;

enum Item { kIndex, kName, kValue, kSecret };

const VkSNMPVarEntry kTable[] = {
    {"1.1.1", "index", integer, VkSNMPAccess::notaccess},
    {"1.1.2", "name", displaystr, VkSNMPAccess::readwrite},
    {"1.1.3", "value", integer, VkSNMPAccess::readwrite},
    {"1.1.4", "secret", displaystr, VkSNMPAccess::writeonly},
    {}};

class ListViewBindingTest : public ::testing::Test {
protected:
    ListViewBindingTest() : form_(nullptr), bound_(&form_) {
        bound_.async = false;
        bound_.request.vars = VkSNMPVarList(kTable, MVT_FMV, 1);
        view_ = new ui::ListView(&form_);
        index_ = new ui::Label(&form_);
        name_ = new ui::Edit(&form_);
        value_ = new ui::Edit(&form_);
    }

    void BindControls() {
        bound_.BindLabel(kIndex, index_);
        bound_.BindEdits(kName, "%s", name_);
        bound_.BindEdits(kValue, "%u", value_);
    }

    // A read as a walk runs it: one AddRow per row of {index, name, value, secret}.
    void Read(const std::vector<Texts>& rows) {
        bound_.BeforeGet();
        for (const Texts& row : rows) {
            for (int i = 0; i < 4; ++i) bound_.request.vars.Item(i)->value = row[static_cast<size_t>(i)];
            bound_.AddRow();
        }
        bound_.AfterGet();
    }

    void ReadThreeRows() {
        Read({{"1", "one", "10", "s1"}, {"2", "two", "20", "s2"}, {"3", "three", "30", "s3"}});
    }

    Texts Captions() const {
        Texts captions;
        for (int c = 0; c < view_->ColumnCount(); ++c) captions.push_back(view_->ColumnCaption(c));
        return captions;
    }

    Texts Cells(int row) const {
        ui::ListItem* item = view_->Item(row);
        Texts cells{item->Caption()};
        for (int k = 0; k < item->SubItemCount(); ++k) cells.push_back(item->SubItem(k));
        return cells;
    }

    Texts Values() {
        Texts values;
        for (int i = 0; i < 4; ++i) values.push_back(bound_.request.vars.Item(i)->value);
        return values;
    }

    void Select(int row) { view_->SetSelected(view_->Item(row)); }

    // What the page's own select handler sees: "<row>+" on select, "<row>-"
    // on deselect.
    const Texts& RecordPageCalls() {
        view_->OnSelectItem = [this](ui::Component*, ui::ListItem* item, bool selected) {
            pageCalls_.push_back(std::to_string(item->Index()) + (selected ? "+" : "-"));
        };
        return pageCalls_;
    }

    ui::Form form_;
    VkSNMPRequest2Edits bound_;
    ui::ListView* view_;
    ui::Label* index_;
    ui::Edit* name_;
    ui::Edit* value_;
    Texts pageCalls_;
};

TEST_F(ListViewBindingTest, HiddenColumnsComeFirstAndRowsAndSelectionFollowTheColumns) {
    bound_.BindListView(view_, true);
    BindControls();
    ReadThreeRows();
    EXPECT_EQ(Captions(), (Texts{"secret", "index", "name", "value"}));
    EXPECT_EQ(view_->ColumnWidth(0), 0);
    EXPECT_GT(view_->ColumnWidth(1), 0);
    EXPECT_EQ(Cells(1), (Texts{"s2", "2", "two", "20"}));

    Select(1);
    EXPECT_EQ(Values(), (Texts{"2", "two", "20", "s2"}));
    EXPECT_EQ(index_->Caption(), "2");
    EXPECT_EQ(name_->Text(), "two");
    EXPECT_EQ(value_->Text(), "20");
}

// A page leaves a shown column out (access 32) and reads again: the columns
// are laid out anew, and a selected row still gives each variable its own cell.
TEST_F(ListViewBindingTest, ColumnsFollowAChangedSetOfShownVariables) {
    bound_.BindListView(view_, true);
    BindControls();
    ReadThreeRows();
    bound_.request.vars.Item(kName)->access = VkSNMPAccess::invalid;
    ReadThreeRows();
    EXPECT_EQ(Captions(), (Texts{"name", "secret", "index", "value"}));
    EXPECT_EQ(view_->ColumnWidth(0), 0);
    Select(2);
    EXPECT_EQ(bound_.request.vars.Item(kIndex)->value, "3");
    EXPECT_EQ(bound_.request.vars.Item(kValue)->value, "30");
    EXPECT_EQ(value_->Text(), "30");

    // Switching the variable back before the write: the selected row was
    // written in the old order and is handed back in that order.
    bound_.request.vars.Item(kName)->access = VkSNMPAccess::readwrite;
    bound_.CollectValues();
    EXPECT_EQ(bound_.request.vars.Item(kIndex)->value, "3");
    EXPECT_EQ(bound_.request.vars.Item(kValue)->value, "30");
    EXPECT_EQ(bound_.request.vars.Item(kSecret)->value, "s3");
}

TEST_F(ListViewBindingTest, ColumnsAPageLaidOutStayWhileTheyAreEnough) {
    for (const char* caption : {"A", "B", "C", "D", "E"}) view_->AddColumn(caption, 50);
    bound_.BindListView(view_, true);
    ReadThreeRows();
    EXPECT_EQ(Captions(), (Texts{"A", "B", "C", "D", "E"}));
    EXPECT_EQ(Cells(0), (Texts{"s1", "1", "one", "10"}));
}

TEST_F(ListViewBindingTest, BoundControlsStayDisabledUntilARowIsSelected) {
    const Texts& pageCalls = RecordPageCalls();
    bound_.BindListView(view_, true);
    BindControls();
    ReadThreeRows();
    EXPECT_FALSE(name_->Enabled());
    EXPECT_FALSE(index_->Enabled());
    Select(0);
    EXPECT_TRUE(name_->Enabled());
    EXPECT_EQ(name_->Text(), "one");
    name_->SetText("uno");
    Select(2);
    EXPECT_EQ(name_->Text(), "three");
    EXPECT_EQ(pageCalls, (Texts{"0+", "0-", "2+"}));
    EXPECT_FALSE(bound_.modified);
    ReadThreeRows();
    EXPECT_FALSE(value_->Enabled()) << "every read disables them again";
}

// Deselecting tells the page and changes nothing else: the controls keep
// what the user typed, stay enabled, and the variables keep the row.
TEST_F(ListViewBindingTest, DeselectingARowOnlyTellsThePage) {
    const Texts& pageCalls = RecordPageCalls();
    bound_.BindListView(view_, true);
    BindControls();
    ReadThreeRows();
    Select(1);
    name_->SetText("zwei");
    bound_.modified = true;
    const Texts values = Values();
    view_->SetSelected(nullptr);
    EXPECT_EQ(pageCalls, (Texts{"1+", "1-"}));
    EXPECT_EQ(name_->Text(), "zwei");
    EXPECT_TRUE(name_->Enabled());
    EXPECT_TRUE(bound_.modified);
    EXPECT_EQ(Values(), values);
}

TEST_F(ListViewBindingTest, OtherTablesAndUnchosenEnablingLeaveTheControlsAlone) {
    struct Case {
        VkSNMPVarListKind kind;
        bool enableOnSelect;
    };
    for (const Case& c : {Case{MVT_UMV, true}, Case{MVT_FMV, false}}) {
        VkSNMPRequest2Edits bound(&form_);
        bound.request.vars = VkSNMPVarList(kTable, c.kind, 1);
        bound.BindListView(view_, c.enableOnSelect);
        bound.BindEdits(kName, "%s", name_);
        bound.BeforeGet();
        bound.AddRow();
        bound.AfterGet();
        EXPECT_TRUE(name_->Enabled());
    }
}

// Without a list view every row of a walk is shown in turn; the last stays.
TEST_F(ListViewBindingTest, WithoutAListViewTheLastRowRemains) {
    BindControls();
    ReadThreeRows();
    EXPECT_EQ(name_->Text(), "three");
    EXPECT_TRUE(name_->Enabled());
}

}  // namespace
