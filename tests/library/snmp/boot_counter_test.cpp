// The engine-boots counter file: what a save leaves of lines with stray
// carriage returns, and that every line reads the same after it.

#include "library/snmp/boot_counter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/temp_folder.h"

namespace {

const char kId[] = "VkSNMP_PP_Application";

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// What GetBootCounter answers for an engine ID, as "code count".
std::string Reading(const std::string& path, const std::string& engineId) {
    uint32_t boots = 0;
    int code = GetBootCounter(path, engineId, boots);
    return std::to_string(code) + (code == 0 ? " " + std::to_string(boots) : "");
}

struct SaveCase {
    const char* before;     // the file's bytes
    const char* oursBefore; // what our ID read before the save
    const char* after;      // the file's bytes after saving 5 for our ID
};

}  // namespace

TEST(BootCounter, ASaveKeepsOtherLinesByteForByte) {
    const SaveCase cases[] = {
        // The ID with a carriage return of its own is another engine's line.
        {"VkSNMP_PP_Application\r\r", "-1", "VkSNMP_PP_Application\r\r\nVkSNMP_PP_Application 5\n"},
        {"VkSNMP_PP_Application\r\r\n", "-1", "VkSNMP_PP_Application\r\r\nVkSNMP_PP_Application 5\n"},
        {"Other 4\r\n", "-1", "Other 4\r\nVkSNMP_PP_Application 5\n"},
        {"Other 4\r", "-1", "Other 4\r\nVkSNMP_PP_Application 5\n"},
        {"Other 4", "-1", "Other 4\nVkSNMP_PP_Application 5\n"},
        {"Other 4\r\nVkSNMP_PP_Application 7\r\n", "0 7", "Other 4\r\nVkSNMP_PP_Application 5\n"},
        {"\r\r\nOther x y\n\n", "-1", "\r\r\nOther x y\n\nVkSNMP_PP_Application 5\n"},
    };
    for (const SaveCase& c : cases) {
        support::TempFolder folder;
        std::string path = folder.File("VkSNMP_PP_BootCounter");
        std::ofstream(path, std::ios::binary) << c.before;
        std::string other = Reading(path, "Other");
        std::string strayId = Reading(path, std::string(kId) + "\r");
        EXPECT_EQ(Reading(path, kId), c.oursBefore) << c.before;

        ASSERT_EQ(SaveBootCounter(path, kId, 5), 0) << c.before;
        EXPECT_EQ(ReadBytes(path), c.after) << c.before;
        EXPECT_EQ(Reading(path, kId), "0 5") << c.before;
        EXPECT_EQ(Reading(path, "Other"), other) << c.before;
        EXPECT_EQ(Reading(path, std::string(kId) + "\r"), strayId) << c.before;
    }
}
