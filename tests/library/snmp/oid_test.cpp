#include "library/snmp/oid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ParseCase {
    const char* text;
    bool ok;
    VkOid expected;
};

const ParseCase kParseCases[] = {
    {"", true, {}},
    {"1.3.6.1.2.1.1.5.0", true, {1, 3, 6, 1, 2, 1, 1, 5, 0}},
    {".1.3.6", true, {1, 3, 6}},
    {"0", true, {0}},
    {"4294967295.007", true, {4294967295u, 7}},
    {"4294967296", false, {}},
    {"99999999999999999999", false, {}},
    {".", false, {}},
    {"..1", false, {}},
    {"1..3", false, {}},
    {"1.3.", false, {}},
    {" 1.3", false, {}},
    {"1.3 ", false, {}},
    {" ", false, {}},
    {"1.-3", false, {}},
    {"1.3a", false, {}},
    {"iso.3.6", false, {}},
};

std::string Repeated(const char* part, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += (i ? "." : "") + std::string(part);
    return text;
}

}  // namespace

TEST(Oid, ParsesDottedDecimalOnly) {
    for (const ParseCase& c : kParseCases) {
        SCOPED_TRACE(c.text);
        VkOid oid = {42};
        EXPECT_EQ(ParseOid(c.text, oid), c.ok);
        EXPECT_EQ(oid, c.ok ? c.expected : VkOid{42});  // unchanged on failure
    }
}

TEST(Oid, LengthIsLimitedToTheEnginesMaximum) {
    VkOid oid;
    EXPECT_TRUE(ParseOid(Repeated("1", kMaxOidLength), oid));
    EXPECT_EQ(oid.size(), kMaxOidLength);
    EXPECT_FALSE(ParseOid(Repeated("1", kMaxOidLength + 1), oid));
}

TEST(Oid, PrintsFromAnyPosition) {
    const VkOid oid = {1, 3, 6, 4294967295u, 0};
    EXPECT_EQ(OidToText(oid), "1.3.6.4294967295.0");
    EXPECT_EQ(OidToText(oid, 3), "4294967295.0");
    EXPECT_EQ(OidToText(oid, 5), "");
    EXPECT_EQ(OidToText(oid, 9), "");
    EXPECT_EQ(OidToText({}), "");
}
