#include "platform/os/folder_entry.h"

#include "tests/platform/os/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using os_test::TempFolder;

TEST(FolderEntry, FindsTheEntrySpeltInAnyCase) {
    TempFolder temp;
    ::mkdir((temp / "errMSg").c_str(), 0700);
    ::mkdir((temp / "Both").c_str(), 0700);
    ::mkdir((temp / "both").c_str(), 0700);
    ::mkdir((temp / "BOTH").c_str(), 0700);
    os_test::WriteFile(temp / "errMSg/Common.ERR", "x");
    struct Case {
        std::string folder, name, expected;
    };
    const Case cases[] = {
        {temp.Path(), "errmsg", temp / "errMSg"},
        {temp.Path(), "ERRMSG", temp / "errMSg"},
        {temp.Path() + "/", "errMSg", temp / "errMSg"},
        {temp / "errMSg", "common.err", temp / "errMSg/Common.ERR"},
        {temp.Path(), "both", temp / "both"},  // the exact spelling wins
        {temp.Path(), "bOtH", temp / "BOTH"},  // else the first in byte order
        {temp.Path(), "errms", ""},
        {temp.Path(), "", ""},
        {temp.Path(), "errmsg/common.err", ""},  // one entry, not a path
        {temp / "missing", "errmsg", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(os::FindEntryIgnoringCase(c.folder, c.name), c.expected) << c.folder << " " << c.name;
    }
}

TEST(FolderEntry, AnEmptyFolderMeansTheCurrentFolder) {
    TempFolder temp;
    ::mkdir((temp / "ErrMsg").c_str(), 0700);
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(temp.Path().c_str()), 0);
    std::string found = os::FindEntryIgnoringCase("", "errmsg");
    ASSERT_EQ(::chdir(previous), 0);
    EXPECT_EQ(found, "ErrMsg");
}
