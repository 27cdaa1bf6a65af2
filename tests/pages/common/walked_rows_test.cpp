// A device table shown as its rows in use: the user's choice in the visible
// list turned back into the device's own index, and a new entry's row found
// wherever it stands, for walks whose indexes are not the rows' positions.

#include "pages/common/walked_rows.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/list_view.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

struct Layout {
    const char* name;
    std::vector<std::pair<std::string, std::string>> walked;  // index, name ("" free)
    std::vector<std::string> shownIndexes;                    // the rows in use, in walk order
    std::string firstFree;                                    // "" when none
};

void PrintTo(const Layout& layout, std::ostream* out) { *out << layout.name; }

class WalkedRowsTest : public uitest::UiTest, public testing::WithParamInterface<Layout> {
protected:
    WalkedRowsTest() : form(new ui::Form(nullptr)), hidden(new ui::ListView(form)), visible(new ui::ListView(form)) {
        for (ui::ListView* view : {hidden, visible}) {
            view->AddColumn("index", 40);
            view->AddColumn("name", 80);
        }
        rows.Use(hidden);
        for (const auto& [index, name] : GetParam().walked) {
            ui::ListItem* item = hidden->AddItem();
            item->SetCaption(index);
            item->AddSubItem(name);
        }
        rows.Show(*visible, [](const ui::ListItem& row, ui::ListItem& shown) { shown.SetCaption(row.SubItem(0)); });
    }
    ~WalkedRowsTest() override { delete form; }

    ui::Form* form;
    ui::ListView* hidden;
    ui::ListView* visible;
    WalkedRows rows{FreeWhenEmpty(1)};
};

TEST_P(WalkedRowsTest, ShowsTheRowsInUseAndMapsEachChoiceToItsIndex) {
    const Layout& layout = GetParam();
    ASSERT_EQ(visible->ItemCount(), static_cast<int>(layout.shownIndexes.size()));
    EXPECT_EQ(rows.Indexes(), layout.shownIndexes);
    for (int position = 0; position < visible->ItemCount(); ++position) {
        SCOPED_TRACE(position);
        visible->SetSelected(visible->Item(position));
        const std::string index = layout.shownIndexes[static_cast<size_t>(position)];
        EXPECT_EQ(rows.ChosenIndex(*visible), index);
        ui::ListItem* row = rows.ChosenRow(*visible);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->Caption(), index) << "the device row of the choice, not the row at its position";
        EXPECT_EQ(row->SubItem(0), visible->Item(position)->Caption());
    }
    visible->SetSelected(nullptr);
    EXPECT_EQ(rows.ChosenRow(*visible), nullptr);
    EXPECT_EQ(rows.ChosenIndex(*visible), "");
    EXPECT_EQ(rows.IndexAt(visible->ItemCount()), "");
    EXPECT_EQ(rows.IndexAt(-1), "");

    ui::ListItem* free = rows.FirstFree();
    EXPECT_EQ(free != nullptr ? free->Caption() : std::string(), layout.firstFree);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WalkedRowsTest,
    testing::Values(Layout{"IndexesArePositions", {{"1", "a"}, {"2", "b"}, {"3", ""}}, {"1", "2"}, "3"},
                    Layout{"FreeRowFirst", {{"1", ""}, {"2", "a"}, {"3", "b"}}, {"2", "3"}, "1"},
                    Layout{"FreeRowBetween", {{"4", "a"}, {"5", ""}, {"9", "b"}, {"12", ""}}, {"4", "9"}, "5"},
                    Layout{"Full", {{"7", "a"}, {"8", "b"}}, {"7", "8"}, ""},
                    Layout{"Empty", {}, {}, ""}),
    [](const testing::TestParamInfo<Layout>& info) { return std::string(info.param.name); });

class WalkedRowsSelectionTest : public uitest::UiTest {};

TEST_F(WalkedRowsSelectionTest, TheTargetIsTheSelectedRowOnlyWhileItIsTheShownEntry) {
    ui::Form form(nullptr);
    auto* hidden = new ui::ListView(&form);
    hidden->AddColumn("index", 40);
    hidden->AddColumn("address", 80);
    WalkedRows rows{FreeWhenNoAddress(1)};
    rows.Use(hidden);
    for (const auto& [index, address] :
         std::vector<std::pair<std::string, std::string>>{{"3", "10.0.0.3"}, {"6", "0.0.0.0"}, {"8", "000.0.00.0"}}) {
        ui::ListItem* item = hidden->AddItem();
        item->SetCaption(index);
        item->AddSubItem(address);
    }
    EXPECT_EQ(rows.FirstFree()->Caption(), "6");
    EXPECT_EQ(rows.SelectedIf("3"), nullptr) << "nothing selected";
    hidden->SetSelected(rows.RowOfIndex("3"));
    EXPECT_EQ(rows.SelectedIf("3"), hidden->Item(0));
    EXPECT_EQ(rows.SelectedIf("6"), nullptr) << "the shown entry is another row";
    EXPECT_EQ(rows.SelectedIf(""), nullptr);
    EXPECT_EQ(rows.RowOfIndex("7"), nullptr);
}

TEST_F(WalkedRowsSelectionTest, FreeRowsAreTheDevicesEmptyValuesInAnySpelling) {
    struct Case {
        const char* predicate;
        std::string cell;
        bool free;
    };
    const Case cases[] = {
        {"empty", "", true},           {"empty", "x", false},
        {"address", "0.0.0.0", true},  {"address", "000.000.000.000", true},
        {"address", "0.0.0.1", false}, {"address", "", false},
        {"mac", "000000000000", true}, {"mac", "00000000000A", false},
        {"mac", "00000000000a", false},
    };
    ui::Form form(nullptr);
    auto* view = new ui::ListView(&form);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.predicate) + " '" + c.cell + "'");
        const WalkedRows::IsFree isFree = std::string(c.predicate) == "empty"     ? FreeWhenEmpty(1)
                                          : std::string(c.predicate) == "address" ? FreeWhenNoAddress(1)
                                                                                  : FreeWhenZeroMac(1);
        ui::ListItem* item = view->AddItem();
        item->SetCaption("1");
        item->AddSubItem(c.cell);
        EXPECT_EQ(isFree(*item), c.free);
    }
}

// A table walked with two index columns names its rows by the second (the
// first is the same for every row); a filter narrows what is shown without
// changing what counts as free.
TEST_F(WalkedRowsSelectionTest, RowsCanBeNamedByAnIndexCellAndShownThroughAFilter) {
    ui::Form form(nullptr);
    auto* hidden = new ui::ListView(&form);
    auto* visible = new ui::ListView(&form);
    for (const char* column : {"interface", "index", "type"}) hidden->AddColumn(column, 40);
    visible->AddColumn("type", 40);
    WalkedRows rows{FreeWhenEmpty(2), 1};
    rows.Use(hidden);
    const std::vector<std::vector<std::string>> walked = {
        {"1", "1", "new"}, {"1", "2", ""}, {"1", "3", "rogue"}, {"1", "4", "new"}, {"1", "5", "valid"}};
    for (const auto& cells : walked) {
        ui::ListItem* item = hidden->AddItem();
        item->SetCaption(cells[0]);
        item->AddSubItem(cells[1]);
        item->AddSubItem(cells[2]);
    }
    const auto fill = [](const ui::ListItem& row, ui::ListItem& shown) { shown.SetCaption(row.SubItem(1)); };
    const struct {
        const char* filter;
        std::vector<std::string> indexes;
    } cases[] = {{"", {"1", "3", "4", "5"}}, {"new", {"1", "4"}}, {"rogue", {"3"}}, {"none", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        const std::string filter = c.filter;
        rows.Show(*visible, fill, [&filter](const ui::ListItem& row) { return filter.empty() || row.SubItem(1) == filter; });
        EXPECT_EQ(rows.Indexes(), c.indexes);
        ASSERT_EQ(visible->ItemCount(), static_cast<int>(c.indexes.size()));
        for (int position = 0; position < visible->ItemCount(); ++position) {
            visible->SetSelected(visible->Item(position));
            ASSERT_NE(rows.ChosenRow(*visible), nullptr);
            EXPECT_EQ(rows.ChosenRow(*visible)->SubItem(0), c.indexes[static_cast<size_t>(position)]);
        }
    }
    EXPECT_EQ(rows.FirstFree(), hidden->Item(1));
    EXPECT_EQ(rows.IndexOf(*hidden->Item(3)), "4");
    EXPECT_EQ(rows.RowOfIndex("5"), hidden->Item(4));
    hidden->SetSelected(hidden->Item(2));
    EXPECT_EQ(rows.SelectedIf("3"), hidden->Item(2));
    EXPECT_EQ(rows.SelectedIf("1"), nullptr) << "the caption is no index here";
}

TEST_F(WalkedRowsSelectionTest, ATableWithHalfRowsListsOnlyWhatItsListedPredicateAccepts) {
    // A row is free with neither name nor number, listed with both; a row
    // with one of them is neither (the device's half-made entry).
    ui::Form form(nullptr);
    auto* hidden = new ui::ListView(&form);
    auto* visible = new ui::ListView(&form);
    const auto both = [](const ui::ListItem& row) { return !row.SubItem(0).empty() && row.SubItem(1) != "0"; };
    const auto neither = [](const ui::ListItem& row) { return row.SubItem(0).empty() && row.SubItem(1) == "0"; };
    WalkedRows rows{neither, both};
    rows.Use(hidden);
    const struct {
        const char* index;
        const char* name;
        const char* number;
    } walked[] = {{"1", "a", "10"}, {"2", "b", "0"}, {"3", "", "0"}, {"4", "", "30"}, {"5", "e", "50"}};
    for (const auto& w : walked) {
        ui::ListItem* item = hidden->AddItem();
        item->SetCaption(w.index);
        item->AddSubItem(w.name);
        item->AddSubItem(w.number);
    }
    rows.Show(*visible, [](const ui::ListItem& row, ui::ListItem& shown) { shown.SetCaption(row.SubItem(0)); });
    EXPECT_EQ(rows.Indexes(), (std::vector<std::string>{"1", "5"}));
    EXPECT_EQ(visible->ItemCount(), 2);
    EXPECT_EQ(rows.FirstFree()->Caption(), "3") << "the half rows are not free either";
}

}  // namespace
