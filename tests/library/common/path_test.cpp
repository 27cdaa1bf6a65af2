#include "library/common/path.h"

#include <gtest/gtest.h>

TEST(JoinPath, PutsOneSlashBetweenFolderAndFileName) {
    struct Case { const char* folder; const char* fileName; const char* expected; };
    const Case cases[] = {
        {"", "a.txt", "a.txt"},
        {"/x", "a.txt", "/x/a.txt"},
        {"/x/", "a.txt", "/x/a.txt"},
        {"/", "a.txt", "/a.txt"},
        {"x", "a.txt", "x/a.txt"},
        {"x\\", "a.txt", "x\\/a.txt"},  // a backslash is a character of the name on Linux
        {"/x", "", "/x/"},
        {"/x", "/a.txt", "/x//a.txt"},   // the file name is not examined
    };
    for (const Case& c : cases)
        EXPECT_EQ(JoinPath(c.folder, c.fileName), c.expected) << c.folder << " + " << c.fileName;
}
