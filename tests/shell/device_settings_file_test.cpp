#include "shell/device_settings_file.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/os/exception.h"
#include "tests/platform/os/test_support.h"
#include "tests/shell/startup_test_support.h"

namespace {

using Keys = std::map<std::string, std::string>;

// A file with every numeric key, each "0" (so nothing counted from zero
// changes), with some keys replaced or, with the value "<none>", left out.
std::vector<std::string> FileLines(const Keys& changes) {
    Keys keys = {{"AgentPort", "0"},     {"Version", "0"},      {"SecurityModel", "0"},
                 {"SecurityLevel", "0"}, {"AuthProtocol", "0"}, {"PrivProtocol", "0"}};
    for (const auto& [key, value] : changes) keys[key] = value;
    std::vector<std::string> lines;
    for (const auto& [key, value] : keys) {
        if (value != "<none>") lines.push_back(key + "=" + value);
    }
    return lines;
}

// Records that differ from every value a file below sets.
StartupSettings Before() {
    StartupSettings s = shell_test::LibraryDefaults();
    s.scope = {"old-engine", "old-context"};
    s.security.securityLevel = 7;
    s.security.authProtocol = 7;
    s.security.privProtocol = 7;
    s.security.securityName = "old-user";
    s.security.authPassword = "old-auth";
    s.security.privPassword = "old-priv";
    return s;
}

using Field = std::string (*)(const StartupSettings&);

std::string Port(const StartupSettings& s) { return std::to_string(s.device.port); }
std::string Version(const StartupSettings& s) { return std::to_string(s.security.version); }
std::string ContextName(const StartupSettings& s) { return s.scope.contextName; }
std::string EngineId(const StartupSettings& s) { return s.scope.contextEngineID; }
std::string Model(const StartupSettings& s) { return std::to_string(s.security.securityModel); }
std::string Level(const StartupSettings& s) { return std::to_string(s.security.securityLevel); }
std::string Name(const StartupSettings& s) { return s.security.securityName; }
std::string AuthProtocol(const StartupSettings& s) { return std::to_string(s.security.authProtocol); }
std::string PrivProtocol(const StartupSettings& s) { return std::to_string(s.security.privProtocol); }
std::string AuthPassword(const StartupSettings& s) { return s.security.authPassword; }
std::string PrivPassword(const StartupSettings& s) { return s.security.privPassword; }
std::string Communities(const StartupSettings& s) {
    return s.security.readCommunity + " | " + s.security.writeCommunity;
}
std::string Address(const StartupSettings& s) { return s.device.address; }

struct KeyCase {
    Keys keys;
    Field field;
    std::string expected;
};

class DeviceSettingsFileTest : public ::testing::Test {
protected:
    StartupSettings Read(const Keys& changes, int* version = nullptr) {
        shell_test::WriteSettingsFile(path_, FileLines(changes));
        StartupSettings settings = Before();
        int read = ReadDeviceSettingsFile(path_, settings);
        if (version != nullptr) *version = read;
        return settings;
    }

    os_test::TempFolder folder_;
    std::string path_ = folder_ / "192.168.0.50.cfg";
};

}  // namespace

TEST(DeviceSettingsFilePath, IsTheAddressWithCfgInTheSettingsFolder) {
    EXPECT_EQ(DeviceSettingsFilePath("/srv/mbf/", "192.168.0.50"), "/srv/mbf/192.168.0.50.cfg");
    EXPECT_EQ(DeviceSettingsFilePath("/srv/mbf", "192.168.0.50"), "/srv/mbf/192.168.0.50.cfg");
    EXPECT_EQ(DeviceSettingsFilePath("", "192.168.0.50"), "192.168.0.50.cfg");
}

TEST_F(DeviceSettingsFileTest, EachKeySetsItsRecordByItsRule) {
    const KeyCase cases[] = {
        {{{"AgentPort", "1161"}}, Port, "1161"},
        {{{"AgentPort", "65537"}}, Port, "1"},  // kept in 16 bits
        {{{"Version", "3"}}, Version, "3"},
        {{{"Version", "257"}}, Version, "1"},  // kept in 8 bits
        {{{"ContextName", "CTX"}}, ContextName, "CTX"},
        {{}, ContextName, "old-context"},  // only when not empty
        {{{"ContextName", ""}}, ContextName, "old-context"},
        {{{"ContextEngineID", "800007E5"}}, EngineId, "800007E5"},
        {{}, EngineId, ""},  // always: a missing key clears it
        {{{"SecurityModel", "3"}}, Model, "3"},
        {{}, Level, "7"},  // "0" keeps the record
        {{{"SecurityLevel", "1"}}, Level, "2"},
        {{{"SecurityLevel", "2"}}, Level, "3"},
        {{{"SecurityLevel", "00"}}, Level, "1"},  // only the text "0" keeps it
        {{{"SecurityLevel", "2147483646"}}, Level, "2147483647"},
        {{{"SecurityLevel", "2147483647"}}, Level, "2147483647"},  // held at the limit
        {{{"SecurityLevel", "-2147483648"}}, Level, "-2147483647"},
        {{{"SecurityName", "admin"}}, Name, "admin"},
        {{}, Name, ""},  // always
        {{}, AuthProtocol, "7"},
        {{{"AuthProtocol", "2"}}, AuthProtocol, "3"},
        {{{"AuthProtocol", "2147483647"}}, AuthProtocol, "2147483647"},
        {{}, PrivProtocol, "7"},
        {{{"PrivProtocol", "1"}}, PrivProtocol, "2"},
        {{{"PrivProtocol", "2147483647"}}, PrivProtocol, "2147483647"},
        {{{"AuthPassword", "authpass12"}}, AuthPassword, "authpass12"},
        {{}, AuthPassword, "old-auth"},  // only when not empty
        {{{"PrivPassword", "privpass12"}}, PrivPassword, "privpass12"},
        {{}, PrivPassword, "old-priv"},
        // Communities and the address never come from the file.
        {{{"ReadCommunity", "x"}, {"WriteCommunity", "y"}, {"Community", "z"}}, Communities,
         "quorny | vambril"},
        {{{"Address", "10.0.0.1"}, {"AgentAddress", "10.0.0.1"}}, Address, "127.0.0.1"},
    };
    for (const KeyCase& c : cases) {
        std::string shown;
        for (const auto& [key, value] : c.keys) shown += key + "=" + value + " ";
        EXPECT_EQ(c.field(Read(c.keys)), c.expected) << shown;
    }
}

TEST_F(DeviceSettingsFileTest, ReturnsTheVersionReadBeforeItIsCutToEightBits) {
    int version = 0;
    Read({{"Version", "3"}}, &version);
    EXPECT_EQ(version, 3);
    Read({{"Version", "259"}}, &version);
    EXPECT_EQ(version, 259);
}

// The message names the file, the key and what was expected, so that the
// user can mend the file.
TEST_F(DeviceSettingsFileTest, AMissingOrNonNumericNumberKeyRaisesAnErrorNamingFileAndKey) {
    for (const char* key : {"AgentPort", "Version", "SecurityModel", "SecurityLevel", "AuthProtocol",
                            "PrivProtocol"}) {
        for (const char* value : {"<none>", "", "abc", "1.5"}) {
            const std::string text = std::string(value) == "<none>" ? "" : value;
            const std::string found = text.empty() ? "is missing or empty" : "is '" + text + "'";
            try {
                Read({{key, value}});
                ADD_FAILURE() << key << "=" << value << " raised nothing";
            } catch (const os::ConvertError& error) {
                EXPECT_EQ(error.Message(), "The settings file " + path_ + ": " + key +
                                               " (section [Program Information]) " + found +
                                               "; a whole number is expected.");
            }
        }
    }
}

TEST_F(DeviceSettingsFileTest, KeysBeforeABadOneStayApplied) {
    StartupSettings settings = Before();
    shell_test::WriteSettingsFile(path_, {"AgentPort=1161", "Version=1", "SecurityModel=x"});
    EXPECT_THROW(ReadDeviceSettingsFile(path_, settings), os::ConvertError);
    EXPECT_EQ(settings.device.port, 1161);
    EXPECT_EQ(settings.security.version, 1);
    EXPECT_EQ(settings.scope.contextEngineID, "");
    EXPECT_EQ(settings.security.securityName, "old-user");
}
