#include "platform/os/whole_file.h"

#include "tests/platform/os/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

using os_test::FileText;
using os_test::TempFolder;

namespace {

size_t EntryCount(const std::string& folder) {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++count;
    }
    return count;
}

mode_t Mode(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

}  // namespace

TEST(WholeFile, ReadGivesEveryByteOrTheError) {
    TempFolder temp;
    std::string bytes("line\r\n\0\xFF", 8);
    bytes += std::string(10000, 'z');  // more than one read
    os_test::WriteFile(temp / "data", bytes);
    std::string text = "untouched";
    EXPECT_EQ(os::ReadWholeFile(temp / "data", text), 0);
    EXPECT_EQ(text, bytes);

    struct Case {
        std::string path;
        int error;
    };
    for (const Case& c : {Case{temp / "missing", ENOENT}, Case{temp.Path(), EISDIR}}) {
        text = "untouched";
        EXPECT_EQ(os::ReadWholeFile(c.path, text), c.error) << c.path;
        EXPECT_EQ(text, "untouched") << c.path;
    }
}

TEST(WholeFile, ReplaceWritesTheNewTextAndLeavesNoTemporaryFile) {
    TempFolder temp;
    std::string path = temp / "store";
    ASSERT_EQ(os::ReplaceWholeFile(path, "first\n"), 0);
    EXPECT_EQ(FileText(path), "first\n");
    EXPECT_EQ(Mode(path), 0600u);

    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(os::ReplaceWholeFile(path, "second"), 0);
    EXPECT_EQ(FileText(path), "second");
    EXPECT_EQ(Mode(path), 0640u) << "an existing file keeps its permissions";
    EXPECT_EQ(EntryCount(temp.Path()), 1u);
}

TEST(WholeFile, AFailedReplaceKeepsTheOldFile) {
    TempFolder temp;
    EXPECT_EQ(os::ReplaceWholeFile(temp / "no/folder/store", "x"), ENOENT);
    EXPECT_EQ(EntryCount(temp.Path()), 0u);

    // The target is a folder: rename() fails after the temporary was written.
    ASSERT_EQ(::mkdir((temp / "busy").c_str(), 0700), 0);
    os_test::WriteFile(temp / "busy/inside", "keep");
    EXPECT_NE(os::ReplaceWholeFile(temp / "busy", "x"), 0);
    EXPECT_EQ(FileText(temp / "busy/inside"), "keep");
    EXPECT_EQ(EntryCount(temp.Path()), 1u) << "the temporary file must be removed";
}
