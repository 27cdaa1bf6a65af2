#include "library/common/unsigned_num_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(UnsignedNumList, ParsesCountsAndChecksTheRange) {
    struct Case {
        const char* text;
        char delimiter;
        std::vector<uint32_t> items;
        bool within0to255;
    } cases[] = {
        {"", '.', {}, true},
        {"10.0.0.255", '.', {10, 0, 0, 255}, true},
        {"1.2.", '.', {1, 2, 0}, true},
        {"1.2.300", '.', {1, 2, 300}, false},
        {"4294967295", '.', {4294967295u}, false},
        {"4294967296", '.', {0}, true},  // wraps around in 32 bits
        {"12.75,3", ',', {12, 3}, true},  // a fraction's digits are dropped
        {",,", ',', {0, 0, 0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        VkNumList<unsigned int> list(c.delimiter);
        EXPECT_EQ(list.CountItems(c.text), static_cast<int>(c.items.size()));
        list.Parse(c.text);
        EXPECT_EQ(list.items(), c.items);
        EXPECT_EQ(list.AllInRange(0, 255), c.within0to255);
    }
}

TEST(UnsignedNumList, ParseReplacesTheOldItems) {
    VkNumList<unsigned int> list;
    list.Parse("1.2.3");
    list.Parse("7");
    EXPECT_EQ(list.items(), std::vector<uint32_t>{7});
    EXPECT_TRUE(list.AllInRange(7, 7));
    EXPECT_FALSE(list.AllInRange(8, 9));
}

}  // namespace
