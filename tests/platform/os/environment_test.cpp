#include "platform/os/environment.h"

#include "tests/platform/os/test_support.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

using os_test::ScopedEnv;

TEST(Environment, ValueOrFallbackLikeTheShellColonDash) {
    struct Case {
        std::optional<std::string> value;
        std::string expected;
    };
    const Case cases[] = {
        {std::nullopt, "fallback"},
        {std::string(""), "fallback"},
        {std::string(" "), " "},
        {std::string("/some/where"), "/some/where"},
    };
    for (const Case& c : cases) {
        ScopedEnv env("VAP_OS_TEST_VARIABLE", c.value);
        EXPECT_EQ(os::EnvironmentOr("VAP_OS_TEST_VARIABLE", "fallback"), c.expected)
            << "value " << c.value.value_or("<unset>");
    }
}

TEST(Environment, HomeFolderFromHomeElseFromThePasswordDatabase) {
    {
        ScopedEnv home("HOME", std::string("/home/someone"));
        EXPECT_EQ(os::HomeFolder(), "/home/someone");
    }
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    for (const std::optional<std::string>& value : {std::optional<std::string>(), std::optional<std::string>("")}) {
        ScopedEnv home("HOME", value);
        EXPECT_EQ(os::HomeFolder(), entry->pw_dir);
    }
}
