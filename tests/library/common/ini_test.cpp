#include "library/common/ini.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The settings file the cases below read, lines without their line ends.
const char* const kLines[] = {
    "Orphan=before any section",
    "; written by the management suite",
    "[Program Information]",
    "AgentPort=  161  ",
    "Version = 3",
    "Quoted=\"  public  \"",
    "Single='abc'",
    "Mismatched=\"abc'",
    "Unbalanced=\"abc",
    "Empty=",
    "Blank=   ",
    "EmptyQuotes=\"\"",
    "Dup=first",
    "dup=second",
    "Equals=a=b",
    "  Indented Key  =\tx\t",
    "Control=\x01value\x02",
    ";Commented=1",
    "   ; Spaced=1",
    "NoEquals",
    "[ Other ]",
    "Only=other",
    "Dup=other",
    "[PROGRAM INFORMATION]",
    "Later=in a second section of the same name",
    "AgentPort=999",
};

class IniTest : public ::testing::Test {
protected:
    std::string WriteFile(const std::string& name, const std::string& content) {
        std::string path = folder_.File(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::string SettingsFile(const std::string& name, const std::string& lineEnd) {
        std::string content;
        for (const char* line : kLines) content += std::string(line) + lineEnd;
        return WriteFile(name, content);
    }

    support::TempFolder folder_;
};

struct Case {
    const char* section;
    const char* key;
    const char* defaultValue;
    const char* expected;
};

const Case kCases[] = {
    {"Program Information", "AgentPort", "", "161"},            // blanks around the value
    {"program information", "AGENTPORT", "", "161"},            // names ignore case
    {"Program Information", "Version", "", "3"},                // blanks around "="
    {"Program Information", "Quoted", "", "public"},            // quotes off, then trimmed
    {"Program Information", "Single", "", "abc"},
    {"Program Information", "Mismatched", "", "\"abc'"},        // only a matching pair goes
    {"Program Information", "Unbalanced", "", "\"abc"},
    {"Program Information", "Empty", " d ", " d "},             // empty value: default as is
    {"Program Information", "Blank", " d ", " d "},
    {"Program Information", "EmptyQuotes", "x ", "x "},
    {"Program Information", "Dup", "", "first"},                // first line of the key wins
    {"Program Information", "Equals", "", "a=b"},               // split at the first "="
    {"Program Information", "Indented Key", "", "x"},
    {"Program Information", "Control", "", "value"},            // control characters trimmed
    {"Program Information", "Commented", "-", "-"},             // ';' lines are comments
    {"Program Information", "; Spaced", "-", "-"},
    {"Program Information", "Spaced", "-", "-"},
    {"Program Information", "NoEquals", "-", "-"},
    {"Program Information", "Missing", " dflt\t", "dflt"},      // missing key: default trimmed
    {"Program Information", "Missing", "", ""},
    {"Program Information", "Only", "-", "-"},                  // key of another section
    {"Program Information", "Later", "-", "-"},                 // later section of the same name
    {"Other", "Dup", "", "other"},                              // blanks around the section name
    {"Missing", "AgentPort", "7", "7"},
    {"", "Orphan", "-", "-"},                                   // keys before any section
};

void ExpectCases(const std::string& path) {
    VkIni ini(path);
    for (const Case& c : kCases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, c.defaultValue), c.expected)
            << "[" << c.section << "] " << c.key;
}

}  // namespace

TEST_F(IniTest, ReadsValuesByTheProfileRulesFromLfFiles) {
    ExpectCases(SettingsFile("lf.cfg", "\n"));
}

TEST_F(IniTest, ReadsValuesByTheProfileRulesFromCrLfFiles) {
    ExpectCases(SettingsFile("crlf.cfg", "\r\n"));
}

TEST_F(IniTest, ReadsTheLastLineWithoutLineEnd) {
    VkIni ini(WriteFile("last.cfg", "[S]\r\nA=1\r\nB=\"2\""));
    EXPECT_EQ(ini.ReadString("S", "A", ""), "1");
    EXPECT_EQ(ini.ReadString("S", "B", ""), "2");
}

TEST_F(IniTest, MissingFileGivesTheDefaultAsForAMissingKey) {
    VkIni ini(folder_.File("absent.cfg"));
    EXPECT_EQ(ini.ReadString("Program Information", "AgentPort", " 161 "), "161");
    EXPECT_EQ(ini.ReadString("Program Information", "AgentPort", ""), "");
}

TEST_F(IniTest, ValuesAreCutToTheReadingBufferOf4096Characters) {
    std::string longValue = "v" + std::string(5000, 'x');
    std::string longLine = "Filler=" + std::string(10000, 'y');
    VkIni ini(WriteFile("long.cfg", "[S]\n" + longLine + "\nLong=" + longValue + "\nAfter=ok\n"));
    EXPECT_EQ(ini.ReadString("S", "Long", ""), longValue.substr(0, 4095));
    EXPECT_EQ(ini.ReadString("S", "After", ""), "ok");  // a long line does not hide the next
}
