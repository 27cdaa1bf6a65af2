// The simulator uses no system configuration: it reads no net-snmp
// configuration (system, home or SNMPCONFPATH), writes nothing outside its own
// folder and opens no TCP port (no SMUX on 199, no AgentX).

#include <dirent.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include <gmock/gmock.h>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Tree(const std::string& folder) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        entries.push_back(fs::relative(entry.path(), folder).string());
    std::sort(entries.begin(), entries.end());
    return entries;
}

// Socket inodes the process holds open.
std::set<std::string> SocketInodes(pid_t pid) {
    std::set<std::string> inodes;
    std::string folder = "/proc/" + std::to_string(pid) + "/fd";
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::error_code failed;
        std::string target = fs::read_symlink(entry.path(), failed).string();
        if (!failed && target.rfind("socket:[", 0) == 0)
            inodes.insert(target.substr(8, target.size() - 9));
    }
    return inodes;
}

// Lines of a /proc/net table whose socket is one of `inodes`.
std::vector<std::string> SocketsIn(const std::string& table, const std::set<std::string>& inodes) {
    std::vector<std::string> found;
    std::ifstream file(table);
    std::string line;
    std::getline(file, line);  // header
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        std::vector<std::string> columns{std::istream_iterator<std::string>(fields), {}};
        if (columns.size() > 9 && inodes.count(columns[9])) found.push_back(line);
    }
    return found;
}

// The lines of a trace that hold `text`.
std::vector<std::string> LinesWith(const std::string& trace, const std::string& text) {
    std::vector<std::string> found;
    std::istringstream lines(trace);
    std::string line;
    while (std::getline(lines, line))
        if (line.find(text) != std::string::npos) found.push_back(line);
    return found;
}

class simIsolation : public SimTest {
protected:
    simIsolation() : SimTest(support::SimSettings{}) {}

    void SetUp() override {
        home_ = support::MakeTempFolder("vap7720-home");
        persistent_ = support::MakeTempFolder("vap7720-persistent");
        poison_ = support::MakeTempFolder("vap7720-conf");
        // A configuration the library would pick up if it read any.
        for (const char* name : {"snmp.conf", "snmpd.conf", "vap7720-sim.conf"})
            support::WriteFile(poison_ + "/" + name, "rocommunity poison default\n");
        sim_.Settings().environment.insert(sim_.Settings().environment.end(),
                                           {"HOME=" + home_, "SNMPCONFPATH=" + poison_,
                                            "SNMP_PERSISTENT_DIR=" + persistent_});
        SimTest::SetUp();
    }

    void TearDown() override {
        SimTest::TearDown();
        for (const std::string& folder : {home_, persistent_, poison_}) support::RemoveFolder(folder);
    }

    std::string home_, persistent_, poison_;
};

TEST_F(simIsolation, ReadsNoConfigurationAndWritesOnlyItsOwnFolder) {
    EXPECT_NE(0, Run("snmpget", {"-v2c", "-c", "poison"}, {kSysName}, 0, "0.5").exitCode)
        << "a community from a configuration file was accepted";
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kSysName, "s", "persist-me"}).exitCode);
    ASSERT_EQ(0, Run("snmpget", kV2Read, {kSysName}).exitCode);

    std::set<std::string> sockets = SocketInodes(sim_.Pid());
    EXPECT_THAT(SocketsIn("/proc/net/tcp", sockets), ::testing::IsEmpty());
    EXPECT_THAT(SocketsIn("/proc/net/tcp6", sockets), ::testing::IsEmpty());
    EXPECT_EQ(1u, SocketsIn("/proc/net/udp", sockets).size()) << "only the agent's port";

    EXPECT_EQ(0, sim_.Stop());
    EXPECT_THAT(Tree(home_), ::testing::IsEmpty());
    EXPECT_THAT(Tree(persistent_), ::testing::IsEmpty());
    EXPECT_THAT(Tree(sim_.StateFolder()),
                ::testing::UnorderedElementsAre("files", "snmp", "snmp/cert_indexes"));
}

// Under strace: which paths and sockets the process touches at all.
class simIsolationTraced : public simIsolation {
protected:
    void SetUp() override {
        if (access("/usr/bin/strace", X_OK) != 0) GTEST_SKIP() << "strace is not installed";
        trace_ = support::MakeTempFolder("vap7720-trace") + "/trace.txt";
        sim_.Settings().launcher = {"/usr/bin/strace", "-f", "-o", trace_, "-e",
                                    "trace=%file,%network"};
        // LeakSanitizer cannot run under ptrace.
        sim_.Settings().environment.push_back("ASAN_OPTIONS=detect_leaks=0");
        simIsolation::SetUp();
    }

    void TearDown() override {
        simIsolation::TearDown();
        support::RemoveFolder(fs::path(trace_).parent_path().string());
    }

    std::string trace_;
};

TEST_F(simIsolationTraced, TouchesNoSystemSnmpPathAndNoTcp) {
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kSysName, "s", "traced"}).exitCode);
    Command("quit");
    ASSERT_EQ(0, sim_.WaitForExit(10000)) << sim_.Output();

    std::string trace = support::ReadFile(trace_);
    ASSERT_THAT(LinesWith(trace, "bind("), ::testing::Not(::testing::IsEmpty())) << "no trace";
    for (const std::string& path : {std::string("/etc/snmp"), std::string("/var/lib/snmp"),
                                    std::string("/usr/share/snmp"), home_, poison_, persistent_})
        EXPECT_THAT(LinesWith(trace, "\"" + path), ::testing::IsEmpty()) << path;
    EXPECT_THAT(LinesWith(trace, "socket(AF_INET, SOCK_STREAM"), ::testing::IsEmpty());
    EXPECT_THAT(LinesWith(trace, "socket(AF_INET6, SOCK_STREAM"), ::testing::IsEmpty());
    EXPECT_THAT(LinesWith(trace, "htons(199)"), ::testing::IsEmpty());
}

}  // namespace
}  // namespace simtest
