#include "library/common/option_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/os/exception.h"

namespace {

// A choice control that behaves like a combo box: an index outside its items
// leaves it without a selection.
class FakeChoice : public VkItemListControl {
public:
    void ClearItems() override {
        items.clear();
        index = -1;
    }
    void AddItem(const std::string& text) override { items.push_back(text); }
    int ItemIndex() const override { return index; }
    void SetItemIndex(int i) override { index = (i >= 0 && i < static_cast<int>(items.size())) ? i : -1; }

    std::vector<std::string> items;
    int index = -1;
};

// Values out of order and a display text that is itself a number.
const VkOptionEntry kIntRows[] = {
    {10, "Enable"}, {8, "Disable"}, {1, "Periodical Key Change "}, {7, "5"}, {-3, "Minus"}, {},
};

const VkOptionEntry kStrRows[] = {{"up", "Link Up"}, {"down", "Link Down"}, {}};

const VkOptionEntry kPrefixRows[] = {{"1.3.6.1.2.1", "mib-2"}, {"1.3.6.1.4.1", "enterprises"}, {}};

struct ConversionCase {
    const char* input;
    int indexOfText;
    int indexOfValue;
    const char* valueToText;
    const char* textToValue;
};

void CheckConversions(const VkOptionList& list, const std::vector<ConversionCase>& cases) {
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(std::string("input \"") + c.input + "\"");
        EXPECT_EQ(list.IndexOfText(c.input), c.indexOfText);
        EXPECT_EQ(list.IndexOfValue(c.input), c.indexOfValue);
        EXPECT_EQ(list.ValueToText(c.input), c.valueToText);
        EXPECT_EQ(list.TextToValue(c.input), c.textToValue);
    }
}

}  // namespace

TEST(OptionList, CountOptionEntriesStopsAtTheFirstRowWithoutText) {
    const VkOptionEntry rows[] = {{1, "a"}, {2, "b"}, {0, nullptr}, {3, "c"}, {}};
    EXPECT_EQ(CountOptionEntries(nullptr), 0);
    EXPECT_EQ(CountOptionEntries(rows), 2);
    EXPECT_EQ(CountOptionEntries(rows + 2), 0);
    EXPECT_EQ(CountOptionEntries(kIntRows), 5);
}

TEST(OptionList, EmptyListMatchesNothingAndPassesTextsThrough) {
    const VkOptionEntry noRows[] = {{}};
    const VkOptionList fromNull(nullptr, OPT_INT, false);
    const VkOptionList fromEmpty(noRows, OPT_STR, false);
    for (const VkOptionList* list : {&fromNull, &fromEmpty}) {
        EXPECT_EQ(list->count(), 0);
        CheckConversions(*list, {{"0", -1, -1, "0", "0"}, {"", -1, -1, "", ""}, {"(NULL)", -1, -1, "(NULL)", "(NULL)"}});
        FakeChoice box;
        box.items = {"stale"};
        box.index = 0;
        list->FillComboBox(box);
        EXPECT_TRUE(box.items.empty());
        list->SelectInComboBox(box, "0");
        EXPECT_EQ(box.index, -1);
        EXPECT_THROW(list->Item(0), os::ListIndexError);
    }
}

TEST(OptionList, IntegerListMatchesTextsWholeAndValuesAsNumbers) {
    const VkOptionList list(kIntRows, OPT_INT, false);
    CheckConversions(list, {
        // display texts, any letter case, blanks included
        {"Enable", 0, -1, "Enable", "10"},
        {"eNABLE", 0, -1, "eNABLE", "10"},
        {"Enable ", -1, -1, "Enable ", "Enable "},
        {"Periodical Key Change ", 2, -1, "Periodical Key Change ", "1"},
        {"periodical key change ", 2, -1, "periodical key change ", "1"},
        {"Periodical Key Change", -1, -1, "Periodical Key Change", "Periodical Key Change"},
        // decimal values find their entry by value only
        {"10", -1, 0, "Enable", "10"},
        {"8", -1, 1, "Disable", "8"},
        {"-3", -1, 4, "Minus", "-3"},
        {" 8", -1, 1, "Disable", " 8"},
        {"$A", -1, 0, "Enable", "$A"},
        // a display text that is a number is found as text, its value as value
        {"5", 3, -1, "5", "7"},
        {"7", -1, 3, "5", "7"},
        // nothing matches: passed through unchanged
        {"99", -1, -1, "99", "99"},
        {"(NULL)", -1, -1, "(NULL)", "(NULL)"},
        {"(NOTDONE)", -1, -1, "(NOTDONE)", "(NOTDONE)"},
        {"abc", -1, -1, "abc", "abc"},
        {"", -1, -1, "", ""},
        {"99999999999", -1, -1, "99999999999", "99999999999"},
    });
}

TEST(OptionList, CaseSensitiveListsMatchExactLetterCaseOnly) {
    const VkOptionList ints(kIntRows, OPT_INT, true);
    CheckConversions(ints, {{"Enable", 0, -1, "Enable", "10"}, {"enable", -1, -1, "enable", "enable"}});
    const VkOptionList strs(kStrRows, OPT_STR, true);
    CheckConversions(strs, {{"up", -1, 0, "Link Up", "up"}, {"UP", -1, -1, "UP", "UP"},
                            {"link up", -1, -1, "link up", "link up"}});
}

TEST(OptionList, StringListComparesValuesWhole) {
    const VkOptionList list(kStrRows, OPT_STR, false);
    CheckConversions(list, {
        {"up", -1, 0, "Link Up", "up"},
        {"DOWN", -1, 1, "Link Down", "DOWN"},
        {"link down", 1, -1, "link down", "down"},
        {"upx", -1, -1, "upx", "upx"},
        {"u", -1, -1, "u", "u"},
        {"(NULL)", -1, -1, "(NULL)", "(NULL)"},
    });
}

TEST(OptionList, PrefixListExchangesThePrefixAndKeepsTheRest) {
    const VkOptionList list(kPrefixRows, OPT_PREFIX, false);
    CheckConversions(list, {
        {"1.3.6.1.4.1.32473.10", -1, 1, "enterprises.32473.10", "1.3.6.1.4.1.32473.10"},
        {"enterprises.32473.10", 1, -1, "enterprises.32473.10", "1.3.6.1.4.1.32473.10"},
        {"ENTERPRISES.5", 1, -1, "ENTERPRISES.5", "1.3.6.1.4.1.5"},
        {"1.3.6.1.2.1", -1, 0, "mib-2", "1.3.6.1.2.1"},
        {"mib-2", 0, -1, "mib-2", "1.3.6.1.2.1"},
        // shorter than every prefix
        {"1.3.6", -1, -1, "1.3.6", "1.3.6"},
        {"mib", -1, -1, "mib", "mib"},
        {"", -1, -1, "", ""},
    });
    const VkOptionList exact(kPrefixRows, OPT_PREFIX, true);
    CheckConversions(exact, {{"MIB-2.1", -1, -1, "MIB-2.1", "MIB-2.1"}, {"mib-2.1", 0, -1, "mib-2.1", "1.3.6.1.2.1.1"}});
}

TEST(OptionList, SelectingTriesTheDisplayTextThenTheValue) {
    const VkOptionList list(kIntRows, OPT_INT, false);
    using Select = void (VkOptionList::*)(VkItemListControl&, const std::string&) const;
    using Fill = void (VkOptionList::*)(VkItemListControl&) const;
    struct Control { const char* name; Fill fill; Select select; };
    const Control controls[] = {
        {"combo box", &VkOptionList::FillComboBox, &VkOptionList::SelectInComboBox},
        {"radio group", &VkOptionList::FillRadioGroup, &VkOptionList::SelectInRadioGroup},
    };
    struct Case { const char* given; int index; };
    const Case cases[] = {
        {"Disable", 1}, {"disable", 1}, {"8", 1}, {"5", 3}, {"7", 3},
        {"99", -1}, {"(NULL)", -1}, {"", -1}, {"Disabled", -1},
    };
    for (const Control& control : controls) {
        FakeChoice box;
        box.items = {"stale"};
        (list.*control.fill)(box);
        EXPECT_EQ(box.items, (std::vector<std::string>{"Enable", "Disable", "Periodical Key Change ", "5", "Minus"}))
            << control.name;
        for (const Case& c : cases) {
            box.index = 2;  // an earlier selection never survives a miss
            (list.*control.select)(box, c.given);
            EXPECT_EQ(box.index, c.index) << control.name << " given \"" << c.given << "\"";
        }
    }
}

TEST(OptionList, ItemGivesTheEntryInRowOrderAndRefusesIndexesOutside) {
    const VkOptionList ints(kIntRows, OPT_INT, false);
    EXPECT_EQ(ints.Item(0).number, 10);
    EXPECT_EQ(ints.Item(4).text, "Minus");
    EXPECT_EQ(ints.Item(4).number, -3);
    const VkOptionList strs(kStrRows, OPT_STR, false);
    EXPECT_EQ(strs.Item(1).valueText, "down");
    EXPECT_EQ(strs.Item(1).text, "Link Down");
    for (int index : {-1, 5, 1000}) EXPECT_THROW(ints.Item(index), os::ListIndexError) << index;
}

TEST(OptionList, AddAppendsAfterThePresentEntriesAndClearEmpties) {
    VkOptionList list(kStrRows, OPT_STR, false);
    const VkOptionEntry more[] = {{"testing", "Testing"}, {}};
    list.Add(more);
    list.Add(nullptr);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.Item(0).text, "Link Up");
    EXPECT_EQ(list.Item(2).text, "Testing");
    EXPECT_EQ(list.IndexOfValue("testing"), 2);
    list.Clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.IndexOfText("Link Up"), -1);
}

TEST(OptionList, EntriesAreCopiesIndependentOfTheRows) {
    char value[] = "on";
    char text[] = "Switched On";
    const VkOptionEntry rows[] = {{value, text}, {}};
    {
        const VkOptionList list(rows, OPT_STR, false);
        std::strcpy(value, "xx");
        std::strcpy(text, "Overwritten");
        EXPECT_EQ(list.ValueToText("on"), "Switched On");
        EXPECT_EQ(list.TextToValue("switched on"), "on");
    }
    EXPECT_STREQ(rows[0].text, "Overwritten");  // the rows are left alone by the list's end
}
