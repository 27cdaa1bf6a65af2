// Walks a 1000-row, 8-column table of the simulated access point with
// VkSNMPRequest (asynchronous GET-NEXT steps, one row and eight bindings per
// step, driven from the result callback as the pages drive it) and with
// net-snmp's snmptable -v1 given a small MIB file for the table (the same
// 1000 GET-NEXT round trips with eight bindings each), alternating, and
// prints the median time of each and the ratio ours/theirs.
//
//   snmp_walk [rounds]      (default 7)

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_rounds.h"
#include "bench/bench_simulator.h"
#include "library/snmp/global_session.h"
#include "library/snmp/request.h"
#include "platform/os/process_runner.h"
#include "platform/ui/application.h"

namespace {

constexpr int kRows = 1000;
constexpr int kColumns = 8;
const std::string kTable = "1.3.6.1.4.1.32473.10.37.44.98.1";

using Clock = std::chrono::steady_clock;

std::string MakeFolder() {
    char pattern[] = "/tmp/snmp-walk-bench-XXXXXX";
    return ::mkdtemp(pattern) == nullptr ? std::string() : std::string(pattern);
}

// Eight integer columns 2..9 with rows 1..1000.
std::string WriteFixture(const std::string& folder) {
    std::string path = folder + "/bench-table.txt";
    std::ofstream file(path);
    for (int column = 2; column < 2 + kColumns; ++column)
        file << "benchColumn" << column << " E.98.1." << column << ".[1-" << kRows << "] integer ro - "
             << column << "\n";
    return path;
}

// The bench table as a MIB module, so that snmptable knows its columns. The
// root is spelt from "iso" so that no other module is needed.
const char* const kMibModule = R"(VAP-BENCH-MIB DEFINITIONS ::= BEGIN
benchTable OBJECT-TYPE
    SYNTAX SEQUENCE OF BenchEntry
    MAX-ACCESS not-accessible
    STATUS current
    DESCRIPTION "The benchmark table."
    ::= { iso 3 6 1 4 1 32473 10 37 44 98 }
benchEntry OBJECT-TYPE
    SYNTAX BenchEntry
    MAX-ACCESS not-accessible
    STATUS current
    DESCRIPTION "One row."
    INDEX { benchIndex }
    ::= { benchTable 1 }
BenchEntry ::= SEQUENCE { benchIndex INTEGER, c2 INTEGER, c3 INTEGER, c4 INTEGER,
    c5 INTEGER, c6 INTEGER, c7 INTEGER, c8 INTEGER, c9 INTEGER }
benchIndex OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS not-accessible STATUS current DESCRIPTION "i" ::= { benchEntry 1 }
c2 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "c" ::= { benchEntry 2 }
c3 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "c" ::= { benchEntry 3 }
c4 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "c" ::= { benchEntry 4 }
c5 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "c" ::= { benchEntry 5 }
c6 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "c" ::= { benchEntry 6 }
c7 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "c" ::= { benchEntry 7 }
c8 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "c" ::= { benchEntry 8 }
c9 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "c" ::= { benchEntry 9 }
END
)";

std::vector<std::string> ToolArguments(int port) {
    return {"-v1", "-c", "public", "-t", "2", "-r", "1", "127.0.0.1:" + std::to_string(port)};
}

std::vector<VkSNMPVarEntry> TableRows() {
    static std::vector<std::string> oids;
    oids.clear();
    for (int column = 1; column < 2 + kColumns; ++column) oids.push_back(kTable + "." + std::to_string(column));
    std::vector<VkSNMPVarEntry> rows;
    rows.push_back({oids[0].c_str(), "index", VkSNMPSyntax::integer, VkSNMPAccess::notaccess});
    for (int column = 1; column <= kColumns; ++column)
        rows.push_back({oids[column].c_str(), "column", VkSNMPSyntax::integer, VkSNMPAccess::readonly});
    rows.push_back({});
    return rows;
}

// One asynchronous walk through the request; returns the rows read.
int WalkOurs(int port, const std::vector<VkSNMPVarEntry>& table) {
    VkSNMPRequest request;
    request.address = "127.0.0.1";
    request.port = static_cast<uint16_t>(port);
    request.version = 0;
    request.readCommunity = "public";
    request.timeout = 200;
    request.vars = VkSNMPVarList(table.data(), MVT_UMV, 1);
    int rows = 0;
    bool done = false;
    VkSNMPResultCallback step = [&](void*, VkSNMPError* result, VkSNMPVarList*) {
        if (result->endOfTable) {
            done = true;
            if (result->code != 0) std::fprintf(stderr, "walk failed: %s\n", result->text.c_str());
            return;
        }
        ++rows;
        request.GetAsync(step, nullptr, false);
    };
    request.GetAsync(step, nullptr, true);
    while (!done) ui::Application::Instance()->WaitForMessages(20);
    return rows;
}

// snmptable prints a title, a blank line and the column names, then one line
// per row ("2,3,...,9").
int WalkTheirs(int port, const std::string& mibFolder) {
    std::vector<std::string> arguments = ToolArguments(port);
    arguments.insert(arguments.end(), {"-M", mibFolder, "-m", "VAP-BENCH-MIB", "-Cf", ",", "VAP-BENCH-MIB::benchTable"});
    os::ProcessResult walk = os::RunProcess("snmptable", arguments, 60000);
    int rows = 0;
    for (std::size_t start = 0; start < walk.output.size();) {
        std::size_t end = walk.output.find('\n', start);
        if (end == std::string::npos) end = walk.output.size();
        if (walk.output[start] >= '0' && walk.output[start] <= '9') ++rows;
        start = end + 1;
    }
    return rows;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Walk>
double Timed(Walk walk, const char* who) {
    Clock::time_point start = Clock::now();
    int rows = walk();
    double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (rows != kRows) std::fprintf(stderr, "%s read %d rows instead of %d\n", who, rows, kRows);
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = RoundsOrExit(argc, argv,
                                    ")\n"
                     "Walks a 1000-row table of the simulated access point with the module's requests and\n"
                     "with net-snmp's snmptable, and prints the median time of each and their ratio.\n");
    setenv("MIBS", "", 1);
    // The benchmark shows no window.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ui::Application application(argc, argv);
    std::string folder = MakeFolder();
    CreateGlobalSNMPSession(folder);
    auto simulator = std::make_unique<BenchSimulator>(folder, std::vector<std::string>{"--fixture", WriteFixture(folder)});
    if (!simulator->Started()) {
        std::fprintf(stderr, "the simulator did not start (see %s/sim.log)\n", folder.c_str());
        return 1;
    }
    int port = simulator->Port();
    std::ofstream(folder + "/VAP-BENCH-MIB.txt") << kMibModule;
    std::vector<VkSNMPVarEntry> table = TableRows();
    std::vector<double> ours;
    std::vector<double> theirs;
    for (int round = 0; round < rounds; ++round) {
        ours.push_back(Timed([&] { return WalkOurs(port, table); }, "VkSNMPRequest"));
        theirs.push_back(Timed([&] { return WalkTheirs(port, folder); }, "snmptable"));
    }
    simulator.reset();
    FreeSNMPGlobals();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    double ourMedian = Median(ours);
    double theirMedian = Median(theirs);
    std::printf("walk of %d rows x %d columns, %d rounds\n", kRows, kColumns, rounds);
    std::printf("VkSNMPRequest (async, 8 columns): median %.1f ms\n", ourMedian);
    std::printf("snmptable -v1 (8 columns):        median %.1f ms\n", theirMedian);
    std::printf("ratio ours/theirs: %.2f\n", ourMedian / theirMedian);
    return 0;
}
