#include "library/snmp/num_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ParseCase {
    char delimiter;
    const char* text;
    std::vector<int> items;
};

const ParseCase kCases[] = {
    {',', "", {}},
    {',', "3", {3}},
    {',', "1,3,4", {1, 3, 4}},
    {',', "1,,4", {1, 0, 4}},
    {',', ",", {0, 0}},
    {',', "2.9,7", {2, 7}},      // the fraction is dropped
    {',', "2.9x5,7", {2, 7}},
    {'.', "10.20.30", {10, 20, 30}},
    {',', "a", {49}},            // 'a' - '0', no digit check
    {',', " 5", {-155}},         // a blank counts as ' ' - '0' = -16
    {',', "-1", {-29}},          // '-' - '0' = -3
    {',', "4294967297", {1}},    // wraps around in 32 bits
};

}  // namespace

TEST(NumList, CountsItemsByDelimiters) {
    VkNumList<int> comma(',');
    EXPECT_EQ(comma.CountItems(""), 0);
    EXPECT_EQ(comma.CountItems("7"), 1);
    EXPECT_EQ(comma.CountItems("1,2,3"), 3);
    EXPECT_EQ(comma.CountItems(",,"), 3);
    EXPECT_EQ(comma.CountItems("1.2.3"), 1);
    VkNumList<int> dotted;
    EXPECT_EQ(dotted.delimiter, '.');
    EXPECT_EQ(dotted.CountItems("1.2.3"), 3);
}

TEST(NumList, ParsesCharacterByCharacter) {
    for (const ParseCase& c : kCases) {
        SCOPED_TRACE(c.text);
        VkNumList<int> list(c.delimiter);
        list.Parse("9,9,9,9,9");  // replaced by the next parse
        list.Parse(c.text);
        EXPECT_EQ(list.items(), c.items);
        EXPECT_EQ(list.count(), static_cast<int>(c.items.size()));
    }
}

TEST(NumList, IndexOfFindsTheFirstEqualItem) {
    VkNumList<int> list(',');
    list.Parse("4,7,4,0");
    EXPECT_EQ(list.IndexOf(4), 0);
    EXPECT_EQ(list.IndexOf(7), 1);
    EXPECT_EQ(list.IndexOf(0), 3);
    EXPECT_EQ(list.IndexOf(5), -1);
    list.Parse("");
    EXPECT_EQ(list.IndexOf(0), -1);
}
