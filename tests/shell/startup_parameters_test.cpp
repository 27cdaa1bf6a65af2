#include "shell/startup_parameters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/os/exception.h"
#include "platform/os/registry_store.h"
#include "platform/os/user_folders.h"
#include "shell/device_settings_file.h"
#include "shell/startup_registry.h"
#include "tests/platform/os/test_support.h"
#include "tests/shell/startup_test_support.h"

namespace {

using Parameters = std::vector<std::string>;
using Field = std::string (*)(const StartupSettings&);

std::string Address(const StartupSettings& s) { return s.device.address + " | " + s.deviceAddress; }
std::string Port(const StartupSettings& s) { return std::to_string(s.device.port); }
std::string Version(const StartupSettings& s) { return std::to_string(s.security.version); }
std::string Communities(const StartupSettings& s) {
    return s.security.readCommunity + " | " + s.security.writeCommunity;
}
std::string Context(const StartupSettings& s) { return s.scope.contextName + " | " + s.scope.contextEngineID; }
std::string User(const StartupSettings& s) {
    return std::to_string(s.security.securityModel) + " " + std::to_string(s.security.securityLevel) +
           " " + s.security.securityName;
}
std::string Passwords(const StartupSettings& s) {
    return s.security.authPassword + " | " + s.security.privPassword;
}
std::string Protocols(const StartupSettings& s) {
    return std::to_string(s.security.authProtocol) + " " + std::to_string(s.security.privProtocol);
}

struct SwitchCase {
    Parameters parameters;
    Field field;
    std::string expected;
};

class StartupParametersTest : public ::testing::Test {
protected:
    StartupSettings Apply(const Parameters& parameters) {
        StartupSettings settings = shell_test::LibraryDefaults();
        ApplyStartupParameters(parameters, folder_.Path(), settings);
        return settings;
    }
    std::string SettingsFile(const std::string& address) const {
        return DeviceSettingsFilePath(folder_.Path(), address);
    }

    os_test::TempFolder folder_;
};

}  // namespace

// Without a settings file only the switches count.
TEST_F(StartupParametersTest, EachSwitchSetsItsRecordWhenItsConditionHolds) {
    const SwitchCase cases[] = {
        {{"/I192.168.0.50"}, Address, "192.168.0.50 | 192.168.0.50"},
        {{"x/I192.168.0.50"}, Address, "192.168.0.50 | 192.168.0.50"},
        {{"/i192.168.0.50"}, Address, "127.0.0.1 | "},
        {{"/Ia", "/Ib"}, Address, "b | b"},
        {{"/Rab/Icd"}, Address, "cd | cd"},  // "/I" is looked for first
        {{"/Rab/Icd"}, Communities, "quorny | vambril"},
        {{"/Rpublic", "/Wprivate"}, Communities, "public | private"},
        {{"/R/Wx"}, Communities, "/Wx | vambril"},  // "/R" comes before "/W"
        {{"/Wa/Rb"}, Communities, "b | vambril"},   // order of the list, not of the text
        {{"/R"}, Communities, " | vambril"},
        {{"/v1"}, Version, "1"},
        {{"/v3"}, Version, "3"},
        {{"/v259"}, Version, "3"},  // kept in 8 bits
        {{"/v3", "/v0"}, Version, "0"},
        {{"/t1161"}, Port, "161"},  // version 1: ignored
        {{"/v1", "/t1161"}, Port, "161"},
        {{"/v3", "/t1161"}, Port, "1161"},
        {{"/v3", "/t70000"}, Port, "4464"},  // kept in 16 bits
        {{"/t1161", "/v3"}, Port, "161"},    // the version comes too late
        {{"/cCTX", "/dENGINE"}, Context, " | "},
        {{"/v3", "/cCTX", "/dENGINE"}, Context, "CTX | ENGINE"},
        {{"/v3", "/m3", "/l1", "/nadmin"}, User, "3 2 admin"},
        {{"/v3", "/l0"}, User, "1 1 "},
        {{"/v3", "/l2"}, User, "1 3 "},
        {{"/m3", "/l2", "/nadmin"}, User, "1 1 "},
        {{"/v3", "/Aauthpass12", "/Pprivpass12"}, Passwords, "authpass12 | privpass12"},
        {{"/v3", "/Ppw/Ax"}, Passwords, "x | "},  // "/A" comes before "/P"
        {{"/v3", "/a1", "/p1"}, Protocols, "2 2"},
        {{"/v3", "/a2", "/p0"}, Protocols, "3 1"},
        {{"/v3", "/l2147483647"}, User, "1 2147483647 "},  // held at the limit
        {{"/v3", "/a2147483647", "/p2147483647"}, Protocols, "2147483647 2147483647"},
        {{"/v3", "/a2/Rr"}, Protocols, "1 1"},  // "/R" wins over every version-3 switch
        {{"/v3", "/a2/Rr"}, Communities, "r | vambril"},
        {{"/v3", "/c/t9"}, Port, "9"},  // "/t" comes before "/c"
    };
    for (const SwitchCase& c : cases) {
        std::string shown;
        for (const std::string& p : c.parameters) shown += p + " ";
        EXPECT_EQ(c.field(Apply(c.parameters)), c.expected) << shown;
    }
}

TEST_F(StartupParametersTest, ANumberSwitchWithoutANumberRaisesTheConversionError) {
    const std::pair<Parameters, std::string> cases[] = {
        {{"/vx"}, "x"},           {{"/v"}, ""},           {{"/v3", "/t1161x"}, "1161x"},
        {{"/v3", "/m"}, ""},      {{"/v3", "/l-"}, "-"},  {{"/v3", "/a1.5"}, "1.5"},
        {{"/v3", "/pDES"}, "DES"}, {{"/v3", "/m3/l1"}, "3/l1"},
    };
    for (const auto& [parameters, value] : cases) {
        try {
            Apply(parameters);
            ADD_FAILURE() << parameters.back() << " raised nothing";
        } catch (const os::ConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + value + "' is not a valid integer value");
        }
    }
}

TEST_F(StartupParametersTest, TheSettingsFileIsReadAgainBeforeEveryParameterButTheAddress) {
    shell_test::WriteSettingsFile(SettingsFile("192.168.0.50"),
                                  {"AgentPort=1161", "Version=1", "SecurityModel=2", "SecurityLevel=0",
                                   "AuthProtocol=0", "PrivProtocol=0"});
    // The file read before "/Rpublic" takes back the version of "/v3".
    StartupSettings settings = Apply({"/I192.168.0.50", "/v3", "/Rpublic"});
    EXPECT_EQ(settings.security.version, 1);
    EXPECT_EQ(settings.device.port, 1161);
    EXPECT_EQ(settings.security.readCommunity, "public");
    // A switch wins over the file read for its own parameter.
    EXPECT_EQ(Apply({"/I192.168.0.50", "/Rpublic", "/v3"}).security.version, 3);
    // The file's version 1 closes the version-3 switches again.
    EXPECT_EQ(Apply({"/I192.168.0.50", "/v3", "/nadmin"}).security.securityName, "");
    // Only the address names the file: parameters before "/I" find none.
    EXPECT_EQ(Apply({"/v3", "/I192.168.0.50"}).security.version, 3);
    EXPECT_EQ(Apply({"/I192.168.0.51", "/v3", "/Rr"}).security.version, 3);
}

TEST_F(StartupParametersTest, AFileVersionOfThreeOpensTheVersionThreeSwitches) {
    shell_test::WriteSettingsFile(SettingsFile("dev"),
                                  {"AgentPort=200", "Version=3", "SecurityModel=3", "SecurityLevel=2",
                                   "SecurityName=fileuser", "AuthProtocol=1", "PrivProtocol=1"});
    StartupSettings settings = Apply({"/Idev", "/t1161", "/nadmin"});
    EXPECT_EQ(settings.device.port, 200);  // the file read before "/nadmin" sets it back
    EXPECT_EQ(settings.security.securityName, "admin");
    EXPECT_EQ(settings.security.securityLevel, 3);
    EXPECT_EQ(Apply({"/Idev", "/t1161"}).device.port, 1161);
    // The file's SecurityName overrides "/n" of an earlier parameter.
    EXPECT_EQ(Apply({"/Idev", "/nadmin", "/Rr"}).security.securityName, "fileuser");
}

TEST_F(StartupParametersTest, ASettingsFileWithoutANumericKeyStopsAtTheFirstOtherParameter) {
    shell_test::WriteSettingsFile(SettingsFile("dev"), {"Version=1"});
    EXPECT_EQ(Apply({"/Idev"}).deviceAddress, "dev");  // the address alone reads no file
    try {
        Apply({"/Idev", "/Rpublic"});
        ADD_FAILURE() << "raised nothing";
    } catch (const os::ConvertError& error) {
        EXPECT_EQ(error.Message(), "The settings file " + SettingsFile("dev") +
                                       ": AgentPort (section [Program Information]) is missing or empty; a whole "
                                       "number is expected.");
    }
}

TEST_F(StartupParametersTest, TheGlobalRecordsChangeOnlyWhenEveryParameterApplied) {
    GlobalSNMPDevice = shell_test::LibraryDefaults().device;
    GlobalSNMPSecurity = shell_test::LibraryDefaults().security;
    EXPECT_EQ(ApplyStartupParametersToGlobals({"/Idev", "/Rpublic", "/v1"}, folder_.Path()), "dev");
    EXPECT_EQ(GlobalSNMPDevice.address, "dev");
    EXPECT_EQ(GlobalSNMPSecurity.readCommunity, "public");
    EXPECT_EQ(GlobalSNMPSecurity.version, 1);

    EXPECT_THROW(ApplyStartupParametersToGlobals({"/Iother", "/Rx", "/vbad"}, folder_.Path()),
                 os::ConvertError);
    EXPECT_EQ(GlobalSNMPDevice.address, "dev");
    EXPECT_EQ(GlobalSNMPSecurity.readCommunity, "public");
}

TEST_F(StartupParametersTest, TheSettingsFolderFromTheSuitesRegistryLeadsToTheDevicesFile) {
    os_test::WriteFile(folder_ / "registry.ini",
                       "[\\SOFTWARE\\Velkor\\Vistrel5.1\\ExePath]\nPath=" + folder_.Path() + "/suite/bin\n");
    ASSERT_EQ(os::CreateFolderPath(folder_ / "suite/bin"), 0);
    ASSERT_EQ(os::CreateFolderPath(folder_ / "suite/Conf/MBF"), 0);
    shell_test::WriteSettingsFile(folder_ / "suite/Conf/MBF/192.168.0.50.cfg",
                                  {"AgentPort=1161", "Version=1", "SecurityModel=2", "SecurityLevel=0",
                                   "AuthProtocol=0", "PrivProtocol=0"});
    std::string settingsFolder = ReadSettingsFolder(os::RegistryStore(folder_ / "registry.ini"));
    StartupSettings settings = shell_test::LibraryDefaults();
    ApplyStartupParameters({"/I192.168.0.50", "/Rpublic", "/Wprivate"}, settingsFolder, settings);
    EXPECT_EQ(settings.device.port, 1161);
    EXPECT_EQ(settings.security.version, 1);
    EXPECT_EQ(settings.security.securityModel, 2);
    EXPECT_EQ(Communities(settings), "public | private");
}
