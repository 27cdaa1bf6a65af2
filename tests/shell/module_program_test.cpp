// The module program as a user meets it: started by itself against a silent
// device, in a folder it cannot write, through ./run from a folder of the
// user's, and with the README's SNMPv3 examples against the simulator.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "library/common/messages.h"
#include "tests/shell/module_program.h"
#include "tests/shell/startup_test_support.h"
#include "tests/support/run_tool.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kShown[] = "Main window shown: VAP-7720 : 127.0.0.1";
constexpr char kAnswered[] = "Status line: Get: (ZuDUZU++) Ok!. Receive at ";
const std::vector<std::string> kV2cArguments = {"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1"};

std::vector<std::string> V2cSettings(int port) {
    return {"AgentPort=" + std::to_string(port), "Version=1", "SecurityModel=2", "SecurityLevel=0",
            "AuthProtocol=0", "PrivProtocol=0"};
}

std::string MakeFolder(const std::string& path, mode_t mode = 0755) {
    ::mkdir(path.c_str(), 0755);
    ::chmod(path.c_str(), mode);
    return path;
}

class ModuleProgramTest : public ::testing::Test {
protected:
    bool StartSim(std::vector<std::string> arguments = {}) {
        sim_.Settings().arguments = std::move(arguments);
        std::string error;
        bool started = sim_.Start(error);
        EXPECT_TRUE(started) << error;
        return started;
    }

    support::TempFolder temp_;
    shell_test::ModuleProgram module_{temp_.Path()};
    support::SimProcess sim_;
};

}  // namespace

TEST_F(ModuleProgramTest, ASilentDeviceGetsTheWindowWithinSecondsWithTheTimeOutInItsStatusLine) {
    ASSERT_TRUE(StartSim());
    ASSERT_TRUE(sim_.Control("down").ok);
    std::string work = MakeFolder(temp_ / "work");
    shell_test::WriteSettingsFile(work + "/127.0.0.1.cfg", V2cSettings(sim_.Port()));
    auto started = Clock::now();
    ASSERT_TRUE(module_.Start(kV2cArguments, work));
    // Every start-up read in turn would keep the window away for minutes;
    // the first unanswered one (1 s, tried twice) stops them.
    EXPECT_EQ(module_.WaitForLine("Main window shown", 20000), kShown) << module_.Output();
    auto seconds = std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - started).count();
    EXPECT_LT(seconds, 15);
    EXPECT_EQ(module_.WaitForLine("Status line", 0), "Status line: " + MessageText(VK_ERR_TIMEOUT));
    EXPECT_TRUE(module_.RunsAfter(0));
}

TEST_F(ModuleProgramTest, AWorkingFolderThatCannotBeWrittenSaysSoAndWaitsForTheUser) {
    std::string work = MakeFolder(temp_ / "work", 0555);
    ASSERT_TRUE(module_.Start(kV2cArguments, work, "", true));
    EXPECT_EQ(module_.WaitForLine("Message box", 20000),
              "Message box VAP7720Module: " + MessageText(VK_ERR_SAVE_BOOTS))
        << module_.Output();
    EXPECT_TRUE(module_.RunsAfter(1000)) << "ended without waiting for the user";
    EXPECT_EQ(module_.WaitForLine("Main window shown", 0), "");
}

namespace {

// A copy of ./run in a checkout of its own whose build steps do nothing and
// whose release build holds this build's module.
std::string FakeCheckout(const std::string& folder) {
    MakeFolder(folder);
    MakeFolder(folder + "/scripts");
    MakeFolder(folder + "/build");
    MakeFolder(folder + "/build/release");
    MakeFolder(folder + "/build/release/shell");
    MakeFolder(folder + "/tools");
    support::WriteFile(folder + "/run", support::ReadFile(std::string(VAP_SOURCE_DIR) + "/run"));
    support::WriteFile(folder + "/scripts/install-deps", "#!/bin/sh\nexit 0\n");
    support::WriteFile(folder + "/tools/cmake", "#!/bin/sh\nexit 0\n");
    for (const char* script : {"/run", "/scripts/install-deps", "/tools/cmake"})
        ::chmod((folder + script).c_str(), 0755);
    EXPECT_EQ(::symlink(shell_test::ModuleProgramPath().c_str(),
                        (folder + "/build/release/shell/vap7720-module").c_str()), 0);
    return folder;
}

std::vector<std::string> EntriesBelow(const std::string& folder) {
    support::ToolResult listing = support::RunTool({"find", folder, "-mindepth", "1"});
    std::vector<std::string> entries;
    std::istringstream lines(listing.output);
    for (std::string line; std::getline(lines, line);) entries.push_back(line);
    std::sort(entries.begin(), entries.end());
    return entries;
}

}  // namespace

TEST_F(ModuleProgramTest, RunWithArgumentsRunsTheModuleInTheCallersFolder) {
    ASSERT_TRUE(StartSim());
    std::string checkout = FakeCheckout(temp_ / "checkout");
    std::vector<std::string> before = EntriesBelow(checkout);
    std::string user = MakeFolder(temp_ / "user");
    shell_test::WriteSettingsFile(user + "/127.0.0.1.cfg", V2cSettings(sim_.Port()));
    std::vector<std::string> arguments = {"--"};
    arguments.insert(arguments.end(), kV2cArguments.begin(), kV2cArguments.end());
    const char* path = std::getenv("PATH");
    ASSERT_TRUE(module_.Start(arguments, user, checkout + "/run", false,
                              {"PATH=" + checkout + "/tools:" + (path ? path : "/usr/bin:/bin")}));
    // The settings file of the user's folder gave the simulator's port.
    EXPECT_NE(module_.WaitForLine(kAnswered, 20000), "") << module_.Output();
    EXPECT_NE(support::ReadFile(user + "/VkSNMP_PP_BootCounter"), "");
    EXPECT_EQ(EntriesBelow(checkout), before);
}

namespace {

// The SNMPv3 examples of the README: the simulator's user, the settings
// file, and each example's module arguments (after "run\" -- ").
struct ReadmeExamples {
    std::string user;
    std::vector<std::string> settings;
    std::vector<std::vector<std::string>> commandLines;
};

std::vector<std::string> Words(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

ReadmeExamples ReadReadme() {
    std::ifstream readme(std::string(VAP_SOURCE_DIR) + "/README.md");
    ReadmeExamples examples;
    bool inSettings = false;
    for (std::string line; std::getline(readme, line);) {
        if (inSettings) {
            if (line == "EOF") inSettings = false;
            else if (line.find('=') != std::string::npos) examples.settings.push_back(line);
        } else if (line.find("cat > 127.0.0.1.cfg <<'EOF'") != std::string::npos) {
            inSettings = true;
        } else if (line.find("vap7720-sim ") != std::string::npos && line.find("--user ") != std::string::npos) {
            examples.user = Words(line.substr(line.find("--user ") + 7)).at(0);
        } else if (line.find("run\" -- ") != std::string::npos && line.find(" /v3") != std::string::npos) {
            examples.commandLines.push_back(Words(line.substr(line.find("run\" -- ") + 8)));
        }
    }
    return examples;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

TEST_F(ModuleProgramTest, TheReadmesSnmpV3ExamplesReachTheSimulatorOverSnmpV3) {
    ReadmeExamples examples = ReadReadme();
    ASSERT_FALSE(examples.user.empty());
    ASSERT_FALSE(examples.settings.empty());
    ASSERT_EQ(examples.commandLines.size(), 2u);
    // No community answers: only SNMPv3 gets through.
    ASSERT_TRUE(StartSim({"--user", examples.user, "--ro-community", "nobody-reads",
                          "--rw-community", "nobody-writes"}));
    const std::string port = std::to_string(sim_.Port());
    for (std::string& line : examples.settings) Replace(line, "16161", port);
    std::string work = MakeFolder(temp_ / "work");
    shell_test::WriteSettingsFile(work + "/127.0.0.1.cfg", examples.settings);
    for (size_t example = 0; example < examples.commandLines.size(); ++example) {
        SCOPED_TRACE(example);
        if (example == 1) {
            ASSERT_EQ(std::remove((work + "/127.0.0.1.cfg").c_str()), 0);  // "rm 127.0.0.1.cfg"
        }
        std::vector<std::string> arguments = examples.commandLines[example];
        for (std::string& argument : arguments) Replace(argument, "16161", port);
        shell_test::ModuleProgram module(MakeFolder(temp_ / ("example" + std::to_string(example))));
        ASSERT_TRUE(module.Start(arguments, work));
        EXPECT_NE(module.WaitForLine(kAnswered, 20000), "") << module.Output();
    }
}
