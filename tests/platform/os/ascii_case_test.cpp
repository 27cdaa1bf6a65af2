#include "platform/os/ascii_case.h"

#include <gtest/gtest.h>

TEST(AsciiCase, FoldsOnlyAsciiLetters) {
    struct Case {
        std::string a, b;
        bool equal;
    };
    const Case cases[] = {
        {"errMSg", "errmsg", true},
        {"\\SOFTWARE\\Velkor", "\\software\\VELKOR", true},
        {"", "", true},
        {"abc", "abcd", false},
        {"a[", "A{", false},          // '[' and '{' are 0x20 apart but are not letters
        {"@", "`", false},            // nor are '@' and '`'
        {"\xC9t\xE9", "\xE9T\xE9", false},  // Latin-1 letters compare as bytes
        {std::string("a\0b", 3), std::string("A\0B", 3), true},
        {std::string("a\0b", 3), "a", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(os::EqualIgnoringCase(c.a, c.b), c.equal) << '"' << c.a << "\" vs \"" << c.b << '"';
        EXPECT_EQ(os::EqualIgnoringCase(c.b, c.a), c.equal) << "symmetry: " << c.a;
    }
}
