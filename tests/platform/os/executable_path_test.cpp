#include "platform/os/executable_path.h"

#include <gtest/gtest.h>

#include <errno.h>
#include <sys/stat.h>

TEST(ExecutablePath, NamesTheRunningProgram) {
    std::string folder = os::ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_NE(folder.back(), '/');
    EXPECT_EQ(os::ExecutableName(), program_invocation_short_name);
    EXPECT_EQ(os::ExecutablePath(), folder + "/" + os::ExecutableName());

    struct stat self {}, found {};
    ASSERT_EQ(::stat("/proc/self/exe", &self), 0);
    ASSERT_EQ(::stat(os::ExecutablePath().c_str(), &found), 0);
    EXPECT_EQ(self.st_ino, found.st_ino);
    EXPECT_EQ(self.st_dev, found.st_dev);
}
